#include "app/main_window.h"

#include "app/ini_file.h"
#include "pages/calculator_page.h"
#include "pages/registry.h"
#include "pages/scenario.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"
#include "toolkit/product.h"
#include "toolkit/safe_file.h"
#include "toolkit/save_dialog.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTimer>

// The scenario the window holds: new, opened, saved, the recent files and the title.

namespace qn::app {

namespace {

const QString kRecentSection = QStringLiteral("Recent");
constexpr int kMaxRecent = 8;
const QString kScenarioFilter = QStringLiteral("Quennary scenarios (*.qnry)");

QString recentKey(int i) { return QStringLiteral("File%1").arg(i + 1); }

} // namespace

void TfrmMain::setUpScenarios()
{
    IniFile file;
    file.load(m_settingsPath);
    for (int i = 0; i < kMaxRecent; ++i) {
        const QString path = file.readString(kRecentSection, recentKey(i), QString());
        if (!path.isEmpty() && !m_recent.contains(path))
            m_recent.append(path);
    }
    m_askScenarioPath = [this](bool saving) {
        if (saving)
            return toolkit::askSaveFileName(this, QStringLiteral("Save Scenario"),
                                            m_scenarioName.isEmpty() ? QStringLiteral("Scenario")
                                                                     : m_scenarioName,
                                            kScenarioFilter, pages::kScenarioExtension);
        return QFileDialog::getOpenFileName(this, QStringLiteral("Open Scenario"), QString(),
                                            kScenarioFilter);
    };
    showRecent();
    auto* watch = new QTimer(this);
    // Cheap enough to ask often: every page's inputs, compared with those last saved.
    watch->setInterval(300);
    connect(watch, &QTimer::timeout, this, [this] { updateTitle(); });
    watch->start();
    updateTitle();
}

void TfrmMain::setScenarioPathAsker(std::function<QString(bool saving)> ask)
{
    m_askScenarioPath = std::move(ask);
}

const pages::ScenarioShape& TfrmMain::scenarioShape()
{
    if (!m_shape)
        m_shape = pages::scenarioShape(m_settings);
    return *m_shape;
}

pages::Scenario TfrmMain::currentScenario(bool complete)
{
    pages::Scenario scenario{m_scenarioName, m_scenarioNote, currentPageName(), {}};
    const QString shown = currentPageName();
    for (const pages::PageInfo& info : pages::pageRegistry()) {
        if (!info.factory)
            continue;
        CalculatorPage* calc = m_pages.value(info.name);
        const auto held = m_held.find(info.name);
        if (calc && (info.name == shown || held == m_held.end()))
            scenario.pages[info.name] = calc->inputs();
        else if (held != m_held.end())
            scenario.pages[info.name] = held->second;
        else if (complete)
            scenario.pages[info.name] = scenarioShape().at(info.name).start;
    }
    return scenario;
}

QByteArray TfrmMain::scenarioNow() { return pages::scenarioJson(currentScenario(true)); }

bool TfrmMain::scenarioChanged()
{
    const pages::Scenario now = currentScenario(false);
    for (const auto& [name, inputs] : now.pages) {
        const auto saved = m_savedPages.find(name);
        const pages::PageInputs& before =
            saved != m_savedPages.end() ? saved->second : scenarioShape().at(name).start;
        if (inputs != before)
            return true;
    }
    return false;
}

void TfrmMain::updateTitle()
{
    QString title = toolkit::kProductCaption;
    if (!m_scenarioName.isEmpty())
        title += QStringLiteral(" - ") + m_scenarioName;
    if (scenarioChanged())
        title += u'*';
    if (title != windowTitle())
        setWindowTitle(title);
}

bool TfrmMain::askToSaveChanges()
{
    if (!scenarioChanged())
        return true;
    const QString name =
        m_scenarioName.isEmpty() ? QStringLiteral("the new scenario") : m_scenarioName;
    const auto answer = toolkit::showMessage(
        this, QStringLiteral("Save the changes to %1?").arg(name), QMessageBox::Question,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return saveScenario();
    return answer == QMessageBox::Discard;
}

void TfrmMain::forgetPages()
{
    gotoPage(pages::kMenuPageName);
    for (CalculatorPage* calc : std::as_const(m_pages))
        delete calc;
    m_pages.clear();
    m_held.clear();
    m_savedPages.clear();
}

void TfrmMain::newScenario()
{
    if (!askToSaveChanges())
        return;
    forgetPages(); // each page starts afresh when next entered
    m_scenarioPath.clear();
    m_scenarioName.clear();
    m_scenarioNote.clear();
    updateTitle();
}

void TfrmMain::openScenario()
{
    if (!askToSaveChanges())
        return;
    const QString path = m_askScenarioPath ? m_askScenarioPath(false) : QString();
    if (!path.isEmpty())
        openScenarioFile(path);
}

bool TfrmMain::openScenarioFile(const QString& path)
{
    const pages::ScenarioRead read = pages::readScenarioFile(path, scenarioShape());
    if (!read.scenario) {
        toolkit::showMessage(this, pages::scenarioMessage(path, read));
        return false;
    }
    const pages::Scenario& scenario = *read.scenario;
    forgetPages();
    std::optional<pages::ScenarioProblem> problem = read.problem;
    // Every page filled and computed now, as if typed; entering one later puts its part
    // back after the page's own entry.
    for (const pages::PageInfo& info : pages::pageRegistry()) {
        const auto part = scenario.pages.find(info.name);
        if (!info.factory || part == scenario.pages.end())
            continue;
        QWidget* slot = m_notebook->widget(pages::notebookIndex(info.name));
        CalculatorPage* calc = pages::createPage(info, *this, slot);
        slot->layout()->addWidget(calc);
        m_pages.insert(info.name, calc);
        toolkit::runGuarded([&] {
            if (auto refused = pages::putScenarioPage(*calc, info.name, part->second);
                refused && !problem)
                problem = refused;
        });
    }
    m_held = scenario.pages;
    m_scenarioPath = path;
    m_scenarioName = scenario.name.isEmpty() ? pages::scenarioNameOf(path) : scenario.name;
    m_scenarioNote = scenario.note;
    gotoPage(scenario.page);
    flushPendingFailures();
    m_savedPages = currentScenario(true).pages;
    rememberRecent(path);
    updateTitle();
    if (problem)
        toolkit::showMessage(this, pages::scenarioMessage(path, {read.scenario, problem}));
    return true;
}

bool TfrmMain::saveScenario()
{
    if (m_scenarioPath.isEmpty())
        return saveScenarioAs();
    return writeScenario(m_scenarioPath);
}

bool TfrmMain::saveScenarioAs()
{
    const QString path = m_askScenarioPath ? m_askScenarioPath(true) : QString();
    return !path.isEmpty() && writeScenario(path);
}

bool TfrmMain::writeScenario(const QString& path)
{
    pages::Scenario scenario = currentScenario(true);
    // A new scenario, or one saved under another name, is called by its file.
    if (scenario.name.isEmpty() || path != m_scenarioPath)
        scenario.name = pages::scenarioNameOf(path);
    if (!toolkit::WriteFileSafely(path, pages::scenarioJson(scenario))) {
        toolkit::showMessage(this, toolkit::UnableToWriteMessage(path));
        return false;
    }
    m_scenarioPath = path;
    m_scenarioName = scenario.name;
    m_held = scenario.pages;
    m_savedPages = scenario.pages;
    rememberRecent(path);
    updateTitle();
    return true;
}

void TfrmMain::rememberRecent(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    m_recent.removeAll(full);
    m_recent.prepend(full);
    while (m_recent.size() > kMaxRecent)
        m_recent.removeLast();
    m_recentChanged = true;
    showRecent();
}

void TfrmMain::showRecent()
{
    auto* menu = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFileRecent"));
    if (!menu)
        return;
    menu->clear();
    for (int i = 0; i < m_recent.size(); ++i) {
        const QString path = m_recent[i];
        QAction* action =
            menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        action->setToolTip(path);
        toolkit::connectGuarded(action, &QAction::triggered, this,
                                [this, path] { openRecent(path); });
    }
    menu->setEnabled(!m_recent.isEmpty());
}

void TfrmMain::openRecent(const QString& path)
{
    if (!QFileInfo::exists(path)) {
        m_recent.removeAll(path);
        m_recentChanged = true;
        showRecent();
        toolkit::showMessage(this, QStringLiteral("%1 no longer exists; it was taken off the "
                                                  "recent scenarios.")
                                       .arg(path));
        return;
    }
    if (askToSaveChanges())
        openScenarioFile(path);
}

void TfrmMain::saveRecent()
{
    if (!m_recentChanged)
        return; // the settings file keeps its list as it was
    IniFile file;
    file.load(m_settingsPath);
    for (int i = 0; i < kMaxRecent; ++i)
        file.writeString(kRecentSection, recentKey(i),
                         i < m_recent.size() ? m_recent[i] : QString());
    if (!file.save())
        toolkit::showMessage(this, toolkit::UnableToWriteMessage(m_settingsPath));
}

} // namespace qn::app
