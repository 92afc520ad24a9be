#include "app/batch_run.h"

#include "app/page_run.h"
#include "toolkit/safe_file.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>

namespace qn::app {

namespace {

using Action = PageRun::Action;

const QString kPage = QStringLiteral("page");
const QString kOpen = QStringLiteral("open");
const QString kActions = QStringLiteral("actions");

// A name in an action: a text that is not empty.
bool isName(const QJsonValue& value) { return value.isString() && !value.toString().isEmpty(); }

Action parseAction(const QJsonValue& value, qsizetype index)
{
    const QString at = kActions + u'[' + QString::number(index) + QStringLiteral("]: ");
    const QJsonArray parts = value.toArray();
    const QString kind = parts.isEmpty() ? QString() : parts.at(0).toString();
    if (kind == QStringLiteral("set")) {
        if (parts.size() != 3 || !isName(parts.at(1)) || !parts.at(2).isString())
            throw UsageError(at
                             + QStringLiteral("set needs a field and a text: "
                                              "[\"set\", FIELD, TEXT]"));
        return {Action::Set, parts.at(1).toString(), parts.at(2).toString()};
    }
    if (kind == QStringLiteral("click")) {
        if (parts.size() != 2 || !isName(parts.at(1)))
            throw UsageError(at + QStringLiteral("click needs a button: [\"click\", BUTTON]"));
        return {Action::Click, parts.at(1).toString(), {}};
    }
    if (kind == QStringLiteral("choose")) {
        const double index = parts.size() == 3 ? parts.at(2).toDouble(-1) : -1;
        if (parts.size() != 3 || !isName(parts.at(1)) || !parts.at(2).isDouble()
            || index != std::floor(index) || std::abs(index) > std::numeric_limits<int>::max())
            throw UsageError(at
                             + QStringLiteral("choose needs a group and a whole index: "
                                              "[\"choose\", GROUP, INDEX]"));
        return {Action::Choose, parts.at(1).toString(), QString::number(static_cast<int>(index))};
    }
    throw UsageError(at
                     + QStringLiteral("an action is [\"set\", FIELD, TEXT], "
                                      "[\"click\", BUTTON] or [\"choose\", GROUP, INDEX]"));
}

// The run a line asks for; what is wrong with it is thrown as a UsageError.
PageRun parseLine(const QJsonObject& line)
{
    for (auto it = line.begin(); it != line.end(); ++it) {
        if (it.key() != kPage && it.key() != kOpen && it.key() != kActions)
            throw UsageError(QStringLiteral("unknown key '") + it.key() + QStringLiteral("'"));
    }
    PageRun run;
    run.fields = true;
    if (!isName(line.value(kPage)))
        throw UsageError(QStringLiteral("page: a page name is needed"));
    run.page = line.value(kPage).toString();
    if (line.contains(kOpen)) {
        if (!isName(line.value(kOpen)))
            throw UsageError(QStringLiteral("open: a file name is needed"));
        run.open = line.value(kOpen).toString();
    }
    const QJsonValue actions = line.value(kActions);
    if (!actions.isUndefined() && !actions.isArray())
        throw UsageError(QStringLiteral("actions: a list of actions is needed"));
    const QJsonArray list = actions.toArray();
    for (qsizetype i = 0; i < list.size(); ++i)
        run.actions.push_back(parseAction(list.at(i), i));
    return run;
}

// One line's answer: what the page shows with the status and messages, or, for a line that
// could not run, the reason.
QJsonObject runLine(const QByteArray& text, RunSession& session)
{
    QJsonObject answer;
    QStringList messages;
    int status = 2;
    try {
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(text, &error);
        if (error.error != QJsonParseError::NoError)
            throw UsageError(QStringLiteral("not JSON: ") + error.errorString()
                             + QStringLiteral(" at character ")
                             + QString::number(error.offset + 1));
        if (!document.isObject())
            throw UsageError(QStringLiteral("a line is one JSON object"));
        if (const QJsonValue page = document.object().value(kPage); page.isString())
            answer.insert(kPage, page);
        const PageRun run = parseLine(document.object());
        const RunOutcome outcome = runPage(run, pageNamed(run.page), session);
        messages = outcome.messages;
        if (outcome.usageError)
            throw UsageError(*outcome.usageError);
        if (!outcome.fields.isEmpty()) // else a scenario file could not be opened
            answer = outcome.fields;
        status = messages.isEmpty() ? 0 : 1;
    } catch (const UsageError& error) {
        answer.insert(QStringLiteral("error"), error.reason());
    }
    answer.insert(QStringLiteral("status"), status);
    answer.insert(QStringLiteral("messages"), QJsonArray::fromStringList(messages));
    return answer;
}

QString unableToRead(const QString& source)
{
    return source == kStandardStream ? QStringLiteral("Unable to read the standard input")
                                     : toolkit::UnableToReadMessage(source);
}

} // namespace

int runBatch(const QString& settingsPath, const QString& source)
{
    std::ifstream file;
    if (source != kStandardStream) {
        file.open(QFile::encodeName(source).toStdString(), std::ios::binary);
        if (!file) {
            printLine(stderr, QStringLiteral("usage error: ") + unableToRead(source));
            return 2;
        }
    }
    std::istream& in = source == kStandardStream ? std::cin : file;
    RunSession session(settingsPath, true);
    int highest = session.messages.isEmpty() ? 0 : 1;
    // The settings file's messages went to standard error; each line's go into its answer.
    session.messages.clear();
    session.echo = false;
    std::string text;
    for (long long number = 1; std::getline(in, text); ++number) {
        if (std::all_of(text.begin(), text.end(),
                        [](char c) { return std::isspace(static_cast<unsigned char>(c)); }))
            continue;
        QJsonObject answer = runLine(QByteArray::fromStdString(text), session);
        session.messages.clear();
        answer.insert(QStringLiteral("line"), number);
        highest = std::max(highest, answer.value(QStringLiteral("status")).toInt());
        printLine(stdout, QString::fromUtf8(QJsonDocument(answer).toJson(QJsonDocument::Compact)));
    }
    if (in.bad()) {
        printLine(stderr, QStringLiteral("usage error: ") + unableToRead(source));
        return 2;
    }
    return highest;
}

} // namespace qn::app
