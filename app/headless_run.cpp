#include "app/headless_run.h"

#include "app/prefs_dialog.h"
#include "app/settings_values.h"
#include "pages/calculator_page.h"
#include "pages/failure_handler.h"
#include "pages/num_edit.h"
#include "pages/page_description.h"
#include "pages/page_entry.h"
#include "pages/page_snapshot.h"
#include "pages/registry.h"
#include "reports/forms.h"
#include "reports/report_engine.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"
#include "toolkit/safe_file.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace qn::app {

namespace {

struct Action {
    enum Kind { Set, Click, Choose } kind;
    QString name;
    QString text; // Set: the text typed; Choose: the index
};

struct Request {
    QString settingsPath;
    QString page;
    std::vector<Action> actions;
    bool fields = false;
    bool describe = false; // the page's (or every page's) declaration instead of a run
    QString pdf;           // the page's report is written there
    QString csv;           // the page's table is exported there
};

const QString kStdout = QStringLiteral("-");

class UsageError {
public:
    explicit UsageError(QString reason) : m_reason(std::move(reason)) {}
    const QString& reason() const { return m_reason; }

private:
    QString m_reason;
};

void printLine(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

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
            request.page = value();
        } else if (option == QStringLiteral("--set")) {
            const auto [name, text] = splitAssignment(option, value());
            request.actions.push_back({Action::Set, name, text});
        } else if (option == QStringLiteral("--click")) {
            const QString name = value();
            if (name.isEmpty())
                throw UsageError(QStringLiteral("--click needs a button name"));
            request.actions.push_back({Action::Click, name, {}});
        } else if (option == QStringLiteral("--choose")) {
            const auto [name, index] = splitAssignment(option, value());
            bool ok = false;
            index.toInt(&ok);
            if (!ok)
                throw UsageError(QStringLiteral("--choose needs a whole index, not '") + index
                                 + QStringLiteral("'"));
            request.actions.push_back({Action::Choose, name, index});
        } else if (option == QStringLiteral("--csv")) {
            request.csv = value();
            if (request.csv.isEmpty())
                throw UsageError(QStringLiteral("--csv needs a file name"));
        } else if (option == QStringLiteral("--pdf")) {
            request.pdf = value();
            if (request.pdf.isEmpty())
                throw UsageError(QStringLiteral("--pdf needs a file name"));
        } else if (option == QStringLiteral("--fields") && !inlineValue) {
            request.fields = true;
        } else if (option == QStringLiteral("--describe") && !inlineValue) {
            request.describe = true;
        } else {
            throw UsageError(QStringLiteral("unknown option '") + args[i] + QStringLiteral("'"));
        }
    }
    if (request.describe) {
        if (!request.actions.empty() || request.fields || !request.pdf.isEmpty()
            || !request.csv.isEmpty())
            throw UsageError(QStringLiteral("--describe takes only --page and --settings"));
        return request;
    }
    if (request.page.isEmpty())
        throw UsageError(QStringLiteral("--page needs a page name"));
    // "-" is the standard output, which can carry one thing only.
    const int toStdout = (request.csv == kStdout ? 1 : 0) + (request.pdf == kStdout ? 1 : 0)
                         + (request.fields ? 1 : 0);
    if (toStdout > 1)
        throw UsageError(QStringLiteral("only one of --fields, --csv - and --pdf - can use "
                                        "the standard output"));
    return request;
}

// A host without a window: the settings file and the shell's switches.
class HeadlessHost : public pages::PageHost {
public:
    explicit HeadlessHost(QString settingsPath) : m_settingsPath(std::move(settingsPath)) {}

    SettingsValues& settings() override { return m_settings; }
    void saveSettingsKeys(const QStringList& keys) override
    {
        SaveSettingsKeys(m_settingsPath, m_settings, keys);
    }
    void setPrintingEnabled(bool on) override { m_printing = on; }
    bool printingEnabled() const override { return m_printing; }
    void setResetEnabled(bool on) override { m_reset = on; }
    bool resetEnabled() const { return m_reset; }
    void showHint(const QString&) override {}
    void closeCalculators() override {} // no menu page to go back to

    QString m_settingsPath;
    SettingsValues m_settings;

private:
    bool m_printing = false;
    bool m_reset = false;
};

// A run's surroundings: every message printed to standard error instead of shown, and the
// host over the settings file, loaded (a faulty value's message is printed too).
class Session {
public:
    explicit Session(const Request& request)
        : m_previous(toolkit::setMessageInterceptor([this](const toolkit::MessageRequest& m) {
              messageShown = true;
              printLine(stderr, QStringLiteral("message: ") + m.text);
              return QMessageBox::Ok;
          })),
          host(request.settingsPath.isEmpty() ? DefaultSettingsPath() : request.settingsPath)
    {
        host.m_settings = LoadSettings(host.m_settingsPath, [](const QString& message) {
            toolkit::showMessage(nullptr, message);
        });
    }
    ~Session() { toolkit::setMessageInterceptor(m_previous); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

private:
    toolkit::MessageInterceptor m_previous;

public:
    bool messageShown = false;
    HeadlessHost host;
};

// The radio buttons of a group: a QButtonGroup by that name, else a widget holding them.
QList<QAbstractButton*> groupButtons(QWidget* page, const QString& name)
{
    if (auto* group = page->findChild<QButtonGroup*>(name))
        return group->buttons();
    QList<QAbstractButton*> buttons;
    if (auto* holder = page->findChild<QWidget*>(name)) {
        for (QRadioButton* radio : holder->findChildren<QRadioButton*>())
            buttons.append(radio);
    }
    return buttons;
}

void checkActions(QWidget* page, const std::vector<Action>& actions)
{
    for (const Action& action : actions) {
        switch (action.kind) {
        case Action::Set: {
            auto* field = page->findChild<QLineEdit*>(action.name);
            if (!field)
                throw UsageError(QStringLiteral("no field '") + action.name
                                 + QStringLiteral("' on this page"));
            break;
        }
        case Action::Click:
            if (action.name != QStringLiteral("btnReset")
                && !page->findChild<QAbstractButton*>(action.name))
                throw UsageError(QStringLiteral("no button '") + action.name
                                 + QStringLiteral("' on this page"));
            break;
        case Action::Choose: {
            const QList<QAbstractButton*> buttons = groupButtons(page, action.name);
            if (buttons.isEmpty())
                throw UsageError(QStringLiteral("no group '") + action.name
                                 + QStringLiteral("' on this page"));
            const int index = action.text.toInt();
            if (index < 0 || index >= buttons.size())
                throw UsageError(QStringLiteral("group '") + action.name
                                 + QStringLiteral("' has no item ") + action.text);
            break;
        }
        }
    }
}

// A button the user could not press now (hidden, or disabled) is refused, as a read-only
// field is: a click on it would do what no user can.
void checkPressable(const QAbstractButton* button, const QString& name)
{
    if (!button->isVisible())
        throw UsageError(QStringLiteral("button '") + name + QStringLiteral("' is not shown now"));
    if (!button->isEnabled())
        throw UsageError(QStringLiteral("button '") + name
                         + QStringLiteral("' cannot be pressed now"));
}

// The file, or the standard output for "-"; false when not all of it could be written.
bool writeOut(const QString& target, const QByteArray& data)
{
    return target == kStdout ? toolkit::WriteStandardOutput(data)
                             : toolkit::WriteFileSafely(target, data);
}

QString unableToWrite(const QString& target)
{
    return target == kStdout ? QStringLiteral("Unable to write to the standard output")
                             : toolkit::UnableToWriteMessage(target);
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Types text as keystrokes into the field entered with Tab (which selects its text), then
// leaves it. A field that has the focus already (a panel puts it there) is in the state Tab
// would leave it in once its text is selected.
void typeInto(QLineEdit* field, const QString& text)
{
    if (field->hasFocus())
        field->selectAll();
    else
        field->setFocus(Qt::TabFocusReason);
    settle();
    for (const QChar c : text) {
        const int key = c.unicode() < 128 ? QChar(c).toUpper().unicode() : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(field, &release);
    }
    field->clearFocus();
    settle();
}

// Prints {"pages": [...], "dialogs": [...]}: each page's declaration (see describePage),
// entered as the menu enters it, and the Preferences dialog's, as opened (without --page).
int describePages(const Request& request)
{
    Session session(request);
    toolkit::setFailureHandler([&](std::exception_ptr) {
        session.messageShown = true;
        printLine(stderr, QStringLiteral("message: entering the page failed"));
    });
    QJsonArray pages;
    for (const pages::PageInfo& info : pages::pageRegistry()) {
        if (!info.factory || (!request.page.isEmpty() && info.name != request.page))
            continue;
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        pages::CalculatorPage* page = pages::createPage(info, session.host, &window);
        layout->addWidget(page);
        window.show();
        pages::enterPage(info, *page, session.host);
        settle();
        pages.append(pages::describePage(info, page));
    }
    QJsonObject out{{QStringLiteral("pages"), pages}};
    if (request.page.isEmpty()) {
        out.insert(
            QStringLiteral("dialogs"),
            QJsonArray{TfrmPrefs::describe(session.host.m_settingsPath, session.host.m_settings)});
    }
    toolkit::setFailureHandler({});
    const QJsonDocument document(out);
    printLine(stdout, QString::fromUtf8(document.toJson(QJsonDocument::Indented)).trimmed());
    return session.messageShown ? 1 : 0;
}

} // namespace

bool isHeadlessRun(int argc, char** argv)
{
    // Any option of a page run makes it one, so a run missing --page gets a usage error
    // rather than a window.
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--page", "--set", "--click", "--choose", "--fields", "--pdf",
                                   "--csv", "--describe"}) {
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
        if (request.describe && request.page.isEmpty())
            return describePages(request);
        info = pages::findPage(request.page);
        if (!info || !info->factory)
            throw UsageError(QStringLiteral("unknown page '") + request.page + QStringLiteral("'"));
        if (!request.pdf.isEmpty() && reports::PreviewTitle(info->name).isEmpty())
            throw UsageError(QStringLiteral("page '") + info->name
                             + QStringLiteral("' has no report to write"));
    } catch (const UsageError& error) {
        printLine(stderr, QStringLiteral("usage error: ") + error.reason());
        return 2;
    }
    if (request.describe)
        return describePages(request);

    Session session(request);
    HeadlessHost& host = session.host;
    QWidget window;
    window.setObjectName(QStringLiteral("frmHeadless"));
    auto* layout = new QVBoxLayout(&window);
    pages::CalculatorPage* page = pages::createPage(*info, host, &window);
    layout->addWidget(page);
    pages::FailureQueue failures(&window, [page] { return page; });
    toolkit::setFailureHandler([&](std::exception_ptr failure) { failures.report(failure); });

    int status = 0;
    try {
        checkActions(page, request.actions);
        if (!request.csv.isEmpty() && !page->canExport())
            throw UsageError(QStringLiteral("page '") + info->name
                             + QStringLiteral("' has no table to export"));
        // Focus moves only within an active window.
        window.show();
        window.activateWindow();
        QElapsedTimer waited;
        waited.start();
        while (!window.isActiveWindow() && waited.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);

        pages::enterPage(*info, *page, host);
        settle();
        for (const Action& action : request.actions) {
            switch (action.kind) {
            case Action::Set: {
                auto* field = page->findChild<QLineEdit*>(action.name);
                // Whether a field takes typing can change with the clicks before it (a
                // locked amount unlocked), so it is judged when its turn comes.
                if (field->isReadOnly())
                    throw UsageError(QStringLiteral("field '") + action.name
                                     + QStringLiteral("' is read-only"));
                if (!field->isEnabled())
                    throw UsageError(QStringLiteral("field '") + action.name
                                     + QStringLiteral("' cannot be typed into now"));
                typeInto(field, action.text);
                break;
            }
            case Action::Click:
                if (action.name == QStringLiteral("btnReset")) {
                    // Like the tool bar button: only when the page has it enabled.
                    if (host.resetEnabled())
                        toolkit::runGuarded([page] { page->reset(); });
                } else {
                    auto* button = page->findChild<QAbstractButton*>(action.name);
                    checkPressable(button, action.name);
                    button->click();
                }
                break;
            case Action::Choose: {
                QAbstractButton* item = groupButtons(page, action.name).at(action.text.toInt());
                checkPressable(item, action.name + u'=' + action.text);
                item->click();
                break;
            }
            }
            settle();
        }
        failures.flush();
        if (!request.pdf.isEmpty()) {
            const auto report = reports::ReportFor(pages::takeSnapshot(info->name, page));
            const QByteArray pdf =
                report ? reports::pdfBytes(*report, QDateTime::currentDateTime()) : QByteArray();
            if (pdf.isEmpty() || !writeOut(request.pdf, pdf))
                toolkit::showMessage(nullptr, unableToWrite(request.pdf));
        }
        if (!request.csv.isEmpty() && !writeOut(request.csv, page->csvText().toUtf8()))
            toolkit::showMessage(nullptr, unableToWrite(request.csv));
        if (request.fields)
            printLine(stdout,
                      QString::fromUtf8(
                          QJsonDocument(pages::toJson(pages::takeSnapshot(info->name, page)))
                              .toJson(QJsonDocument::Indented))
                          .trimmed());
        status = session.messageShown ? 1 : 0;
    } catch (const UsageError& error) {
        printLine(stderr, QStringLiteral("usage error: ") + error.reason());
        status = 2;
    }
    toolkit::setFailureHandler({});
    return status;
}

} // namespace qn::app
