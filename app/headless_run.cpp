#include "app/headless_run.h"

#include "app/batch_run.h"
#include "app/page_run.h"
#include "app/prefs_dialog.h"
#include "pages/registry.h"
#include "reports/forms.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstring>
#include <optional>

namespace qn::app {

namespace {

using Action = PageRun::Action;

struct Request {
    QString settingsPath;
    PageRun run;
    bool describe = false; // the page's (or every page's) declaration instead of a run
    QString batch;         // one run per line of this file
};

// Splits "NAME=VALUE"; the name may not be empty.
std::pair<QString, QString> splitAssignment(const QString& option, const QString& value)
{
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    if (eq <= 0)
        throw UsageError(option + QStringLiteral(" needs NAME=VALUE, not '") + value
                         + QStringLiteral("'"));
    return {value.left(eq), value.mid(eq + 1)};
}

Request parseArguments(const QStringList& args)
{
    Request request;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString option = args[i];
        std::optional<QString> inlineValue;
        if (const qsizetype eq = option.indexOf(QLatin1Char('='));
            option.startsWith(QStringLiteral("--")) && eq > 0) {
            inlineValue = option.mid(eq + 1);
            option = option.left(eq);
        }
        auto value = [&]() -> QString {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= args.size())
                throw UsageError(option + QStringLiteral(" needs a value"));
            return args[++i];
        };
        if (option == QStringLiteral("--settings")) {
            request.settingsPath = value();
        } else if (option == QStringLiteral("--page")) {
            request.run.page = value();
        } else if (option == QStringLiteral("--set")) {
            const auto [name, text] = splitAssignment(option, value());
            request.run.actions.push_back({Action::Set, name, text});
        } else if (option == QStringLiteral("--click")) {
            const QString name = value();
            if (name.isEmpty())
                throw UsageError(QStringLiteral("--click needs a button name"));
            request.run.actions.push_back({Action::Click, name, {}});
        } else if (option == QStringLiteral("--choose")) {
            const auto [name, index] = splitAssignment(option, value());
            bool ok = false;
            index.toInt(&ok);
            if (!ok)
                throw UsageError(QStringLiteral("--choose needs a whole index, not '") + index
                                 + QStringLiteral("'"));
            request.run.actions.push_back({Action::Choose, name, index});
        } else if (option == QStringLiteral("--csv")) {
            request.run.csv = value();
            if (request.run.csv.isEmpty())
                throw UsageError(QStringLiteral("--csv needs a file name"));
        } else if (option == QStringLiteral("--pdf")) {
            request.run.pdf = value();
            if (request.run.pdf.isEmpty())
                throw UsageError(QStringLiteral("--pdf needs a file name"));
        } else if (option == QStringLiteral("--open") || option == QStringLiteral("--save")) {
            QString& file =
                option == QStringLiteral("--open") ? request.run.open : request.run.save;
            file = value();
            if (file.isEmpty())
                throw UsageError(option + QStringLiteral(" needs a file name"));
        } else if (option == QStringLiteral("--fields") && !inlineValue) {
            request.run.fields = true;
        } else if (option == QStringLiteral("--batch")) {
            request.batch = value();
            if (request.batch.isEmpty())
                throw UsageError(QStringLiteral("--batch needs a file name"));
        } else if (option == QStringLiteral("--describe") && !inlineValue) {
            request.describe = true;
        } else {
            throw UsageError(QStringLiteral("unknown option '") + args[i] + QStringLiteral("'"));
        }
    }
    const PageRun& run = request.run;
    const bool runOptions = !run.actions.empty() || run.fields || !run.pdf.isEmpty()
                            || !run.csv.isEmpty() || !run.open.isEmpty() || !run.save.isEmpty();
    if (!request.batch.isEmpty()) {
        if (runOptions || !run.page.isEmpty() || request.describe)
            throw UsageError(QStringLiteral("--batch takes only --settings"));
        return request;
    }
    if (request.describe) {
        if (runOptions)
            throw UsageError(QStringLiteral("--describe takes only --page and --settings"));
        return request;
    }
    if (run.page.isEmpty())
        throw UsageError(QStringLiteral("--page needs a page name"));
    // "-" is the standard output, which can carry one thing only.
    const int toStdout = (run.csv == kStandardStream ? 1 : 0) + (run.pdf == kStandardStream ? 1 : 0)
                         + (run.save == kStandardStream ? 1 : 0) + (run.fields ? 1 : 0);
    if (toStdout > 1)
        throw UsageError(
            QStringLiteral("only one of --fields, --csv -, --pdf - and --save - can use "
                           "the standard output"));
    return request;
}

// Prints {"pages": [...], "dialogs": [...]}: each page's declaration, or that of the page
// asked for, and (without --page) the Preferences dialog's, as opened.
int describePages(const Request& request)
{
    RunSession session(request.settingsPath, true);
    QJsonObject out{{QStringLiteral("pages"), describePages(request.run.page, session)}};
    if (request.run.page.isEmpty()) {
        out.insert(QStringLiteral("dialogs"),
                   QJsonArray{TfrmPrefs::describe(session.settingsPath(), session.loaded())});
    }
    const QJsonDocument document(out);
    printLine(stdout, QString::fromUtf8(document.toJson(QJsonDocument::Indented)).trimmed());
    return session.messages.isEmpty() ? 0 : 1;
}

} // namespace

bool isHeadlessRun(int argc, char** argv)
{
    // Any option of a page run makes it one, so a run missing --page gets a usage error
    // rather than a window.
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--page", "--set", "--click", "--choose", "--fields", "--pdf",
                                   "--csv", "--describe", "--batch", "--open", "--save"}) {
            const std::size_t n = std::strlen(option);
            if (std::strncmp(argv[i], option, n) == 0 && (argv[i][n] == 0 || argv[i][n] == '='))
                return true;
        }
    }
    return false;
}

int runHeadless(const QStringList& args)
{
    Request request;
    const pages::PageInfo* info = nullptr;
    try {
        request = parseArguments(args);
        if (!request.batch.isEmpty())
            return runBatch(request.settingsPath, request.batch);
        if (request.describe && request.run.page.isEmpty())
            return describePages(request);
        info = &pageNamed(request.run.page);
        if (!request.run.pdf.isEmpty() && reports::PreviewTitle(info->name).isEmpty())
            throw UsageError(QStringLiteral("page '") + info->name
                             + QStringLiteral("' has no report to write"));
    } catch (const UsageError& error) {
        printLine(stderr, QStringLiteral("usage error: ") + error.reason());
        return 2;
    }
    if (request.describe)
        return describePages(request);

    RunSession session(request.settingsPath, true);
    const RunOutcome outcome = runPage(request.run, *info, session);
    if (outcome.usageError) {
        printLine(stderr, QStringLiteral("usage error: ") + *outcome.usageError);
        return 2;
    }
    if (request.run.fields && !outcome.fields.isEmpty()) // else a scenario file was unusable
        printLine(stdout,
                  QString::fromUtf8(QJsonDocument(outcome.fields).toJson(QJsonDocument::Indented))
                      .trimmed());
    // A faulty settings value's message counts as well as the run's own.
    return session.messages.isEmpty() ? 0 : 1;
}

} // namespace qn::app
