#pragma once

#include "app/settings_values.h"
#include "toolkit/message_box.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace qn::pages {
struct PageInfo;
}

namespace qn::app {

// What a script asks of one page, from the command line or from a line of a batch.
struct PageRun {
    struct Action {
        enum Kind { Set, Click, Choose } kind;
        QString name;
        QString text; // Set: the text typed; Choose: the index
    };

    QString page;
    QString open; // a scenario file that fills the page before the actions
    std::vector<Action> actions;
    bool fields = false; // what the page shows at the end is wanted
    QString pdf;         // the page's report is written there
    QString csv;         // the page's table is exported there
    QString save;        // the scenario, with this page's inputs, written there after them
};

// A request no user could make (an unknown page, field, button or group, a malformed
// option or line): nothing after it runs.
class UsageError {
public:
    explicit UsageError(QString reason) : m_reason(std::move(reason)) {}
    const QString& reason() const { return m_reason; }

private:
    QString m_reason;
};

// The target name that means the standard output.
inline const QString kStandardStream = QStringLiteral("-");

void printLine(FILE* stream, const QString& text);

// A headless run's surroundings: every message recorded (and, when echoed, printed to
// standard error as "message: <text>") instead of shown; the settings file loaded once (a
// faulty value's message is recorded too), which every run starts from; and the window the
// runs' pages are put in, shown and made active by the first.
class RunSession {
public:
    RunSession(const QString& settingsPath, bool echo);
    ~RunSession();
    RunSession(const RunSession&) = delete;
    RunSession& operator=(const RunSession&) = delete;

    const QString& settingsPath() const { return m_settingsPath; }
    const SettingsValues& loaded() const { return m_loaded; }
    QWidget& window() { return *m_window; }

    QStringList messages; // every message shown since it was last cleared
    bool echo;            // messages are printed to standard error as well

private:
    toolkit::MessageInterceptor m_previous;
    QString m_settingsPath;
    SettingsValues m_loaded;
    std::unique_ptr<QWidget> m_window;
};

// What a run gave: the messages it showed, in order, and what the page shows at its end.
struct RunOutcome {
    QStringList messages;
    std::optional<QString> usageError; // why the run stopped
    QJsonObject fields;                // when asked for and the run got to its end
};

// Builds the page fresh in the session's window, enters it as the menu does, fills it from
// run.open, replays the actions as a user's keystrokes and clicks, writes what run asks
// for, then removes the page again. Nothing of one run is left for the next: each gets its
// own page, host and copy of the loaded settings.
RunOutcome runPage(const PageRun& run, const pages::PageInfo& info, RunSession& session);

// Each page's declaration (see describePage), or only that of the page named, each entered
// as the menu enters it in a window of its own.
QJsonArray describePages(const QString& page, RunSession& session);

// The page of that name, or a UsageError naming it.
const pages::PageInfo& pageNamed(const QString& name);

} // namespace qn::app
