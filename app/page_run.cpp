#include "app/page_run.h"

#include "pages/scenario.h"

#include "pages/calculator_page.h"
#include "pages/failure_handler.h"
#include "pages/page_description.h"
#include "pages/page_entry.h"
#include "pages/page_snapshot.h"
#include "pages/registry.h"
#include "pages/scenario.h"
#include "reports/forms.h"
#include "reports/report_engine.h"
#include "toolkit/guarded.h"
#include "toolkit/safe_file.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <memory>

namespace qn::app {

namespace {

using Action = PageRun::Action;

// A host without a window: the settings file and the shell's switches.
// Every page as it starts with these settings.
pages::Scenario startScenario(const SettingsValues& settings)
{
    pages::Scenario start;
    for (const auto& [name, shape] : pages::scenarioShape(settings))
        start.pages[name] = shape.start;
    return start;
}

class HeadlessHost : public pages::PageHost {
public:
    HeadlessHost(QString settingsPath, SettingsValues settings)
        : m_settingsPath(std::move(settingsPath)), m_settings(std::move(settings))
    {
    }

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
    // The scenario opened for the run, else every page as it starts.
    QByteArray scenarioNow() override
    {
        if (m_scenario.isEmpty())
            m_scenario = pages::scenarioJson(startScenario(m_settings));
        return m_scenario;
    }
    QByteArray m_scenario;

private:
    QString m_settingsPath;
    SettingsValues m_settings;
    bool m_printing = false;
    bool m_reset = false;
};

// A scenario file that cannot be opened ends the run after its message.
struct FileUnusable {};

// The run's scenario: the one in run.open, its part for this page put in as opening it in
// the window would (once the page has been entered, before the actions), or, for a save
// alone, every page as it starts. Empty when the file cannot be used: its message is shown
// and the run goes no further.
std::optional<pages::Scenario> openScenario(const PageRun& run, const pages::PageInfo& info,
                                            pages::CalculatorPage& page,
                                            const SettingsValues& settings)
{
    if (run.open.isEmpty())
        return startScenario(settings);
    const pages::ScenarioShape shape = pages::scenarioShape(settings);
    const pages::ScenarioRead read = pages::readScenarioFile(run.open, shape);
    if (read.problem)
        toolkit::showMessage(nullptr, pages::scenarioMessage(run.open, read));
    if (!read.scenario)
        return std::nullopt;
    pages::Scenario scenario = *read.scenario;
    if (const auto refused = pages::putScenarioPage(page, info.name, scenario.pages[info.name]))
        toolkit::showMessage(nullptr, pages::scenarioMessage(run.open, {scenario, refused}));
    return scenario;
}

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
    return target == kStandardStream ? toolkit::WriteStandardOutput(data)
                                     : toolkit::WriteFileSafely(target, data);
}

QString unableToWrite(const QString& target)
{
    return target == kStandardStream ? QStringLiteral("Unable to write to the standard output")
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

void runAction(const Action& action, pages::CalculatorPage* page, const HeadlessHost& host)
{
    switch (action.kind) {
    case Action::Set: {
        auto* field = page->findChild<QLineEdit*>(action.name);
        // Whether a field takes typing can change with the clicks before it (a locked
        // amount unlocked), so it is judged when its turn comes.
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

// Focus moves only within an active window.
void showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!window.isActiveWindow() && waited.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

void printLine(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

RunSession::RunSession(const QString& settingsPath, bool echo)
    : echo(echo),
      m_previous(toolkit::setMessageInterceptor([this](const toolkit::MessageRequest& m) {
          messages.append(m.text);
          if (this->echo)
              printLine(stderr, QStringLiteral("message: ") + m.text);
          return QMessageBox::Ok;
      })),
      m_settingsPath(settingsPath.isEmpty() ? DefaultSettingsPath() : settingsPath),
      m_window(std::make_unique<QWidget>())
{
    m_loaded = LoadSettings(m_settingsPath,
                            [](const QString& message) { toolkit::showMessage(nullptr, message); });
    m_window->setObjectName(QStringLiteral("frmHeadless"));
    new QVBoxLayout(m_window.get());
}

RunSession::~RunSession()
{
    m_window.reset();
    toolkit::setMessageInterceptor(m_previous);
}

QJsonArray describePages(const QString& page, RunSession& session)
{
    toolkit::setFailureHandler([](std::exception_ptr) {
        toolkit::showMessage(nullptr, QStringLiteral("entering the page failed"));
    });
    QJsonArray pages;
    for (const pages::PageInfo& info : pages::pageRegistry()) {
        if (!info.factory || (!page.isEmpty() && info.name != page))
            continue;
        HeadlessHost host(session.settingsPath(), session.loaded());
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        pages::CalculatorPage* built = pages::createPage(info, host, &window);
        layout->addWidget(built);
        window.show();
        pages::enterPage(info, *built, host);
        settle();
        pages.append(pages::describePage(info, built));
    }
    toolkit::setFailureHandler({});
    return pages;
}

const pages::PageInfo& pageNamed(const QString& name)
{
    const pages::PageInfo* info = pages::findPage(name);
    if (!info || !info->factory)
        throw UsageError(QStringLiteral("unknown page '") + name + QStringLiteral("'"));
    return *info;
}

RunOutcome runPage(const PageRun& run, const pages::PageInfo& info, RunSession& session)
{
    const qsizetype firstMessage = session.messages.size();
    RunOutcome outcome;
    QWidget& window = session.window();
    HeadlessHost host(session.settingsPath(), session.loaded());
    // Declared after the host, so it goes first: the page holds on to the host.
    const std::unique_ptr<pages::CalculatorPage> owner(pages::createPage(info, host, &window));
    pages::CalculatorPage* page = owner.get();
    window.layout()->addWidget(page);
    pages::FailureQueue failures(&window, [page] { return page; });
    toolkit::setFailureHandler([&](std::exception_ptr failure) { failures.report(failure); });
    try {
        checkActions(page, run.actions);
        if (!run.csv.isEmpty() && !page->canExport())
            throw UsageError(QStringLiteral("page '") + info.name
                             + QStringLiteral("' has no table to export"));
        if (window.isVisible()) {
            // Sized for this page, as a window shown for it alone would be.
            page->show();
            window.adjustSize();
        } else {
            showActive(window);
        }
        pages::enterPage(info, *page, host);
        settle();
        std::optional<pages::Scenario> scenario;
        if (!run.open.isEmpty() || !run.save.isEmpty()) {
            scenario = openScenario(run, info, *page, host.settings());
            if (!scenario)
                throw FileUnusable{};
            if (!run.open.isEmpty())
                host.m_scenario = pages::scenarioJson(*scenario); // the Compare page's current
            settle();
        }
        for (const Action& action : run.actions)
            runAction(action, page, host);
        failures.flush();
        if (!run.pdf.isEmpty()) {
            const auto report = reports::ReportFor(pages::takeSnapshot(info.name, page));
            const QByteArray pdf =
                report ? reports::pdfBytes(*report, QDateTime::currentDateTime()) : QByteArray();
            if (pdf.isEmpty() || !writeOut(run.pdf, pdf))
                toolkit::showMessage(nullptr, unableToWrite(run.pdf));
        }
        if (!run.csv.isEmpty() && !writeOut(run.csv, page->csvText().toUtf8()))
            toolkit::showMessage(nullptr, unableToWrite(run.csv));
        if (!run.save.isEmpty()) {
            scenario->pages[info.name] = page->inputs();
            scenario->page = info.name;
            if (scenario->name.isEmpty() && run.save != kStandardStream)
                scenario->name = pages::scenarioNameOf(run.save);
            if (!writeOut(run.save, pages::scenarioJson(*scenario)))
                toolkit::showMessage(nullptr, unableToWrite(run.save));
        }
        if (run.fields)
            outcome.fields = pages::toJson(pages::takeSnapshot(info.name, page));
    } catch (const UsageError& error) {
        outcome.usageError = error.reason();
    } catch (const FileUnusable&) {
        // Its message says why; there is nothing to run the actions on.
    }
    toolkit::setFailureHandler({});
    outcome.messages = session.messages.mid(firstMessage);
    return outcome;
}

} // namespace qn::app
