#pragma once

#include "app/settings_values.h"
#include "pages/page_host.h"
#include "pages/scenario.h"

#include <QHash>
#include <QMainWindow>
#include <QString>

#include <exception>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;

namespace qn::toolkit {
class HintDisplay;
}

namespace qn::update {
class TWebFileInfo;
}

namespace qn::pages {
class CalculatorPage;
class FailureQueue;
struct PageInfo;
} // namespace qn::pages

namespace qn::app {

using pages::CalculatorPage;
enum class Command;
struct MenuRow;

class TfrmMain : public QMainWindow, public pages::PageHost {
    Q_OBJECT
public:
    // settingsPath: the settings file to load now and save on close.
    explicit TfrmMain(const QString& settingsPath, QWidget* parent = nullptr);
    ~TfrmMain() override;

    // PageHost
    SettingsValues& settings() override;
    void saveSettingsKeys(const QStringList& keys) override;
    void setPrintingEnabled(bool on) override;
    bool printingEnabled() const override;
    void setResetEnabled(bool on) override;
    void showHint(const QString& hint) override;
    void closeCalculators() override { CloseCalculators(); }
    QByteArray scenarioNow() override;

    QPushButton* resetButton() const; // btnReset
    void Reset();

    // Shows the named page ("Menu", "QC", "Amort", ...) as its navigation row says.
    void gotoPage(const QString& name);
    QString currentPageName() const;
    CalculatorPage* page(const QString& name) const; // nullptr until first entered

    // target: a page name, or "btnMenu" for the way back to the menu page.
    void gotoChosenCalculator(const QString& target);
    void CloseCalculators();
    void EnableMnuCalcItems();
    bool calculatorAvailable(const QString& name) const;

    // The application-wide failure handler; messages are shown on a queued call.
    void AppOnException(std::exception_ptr failure);
    void flushPendingFailures();

    // The exit dialog appears when the draw returns 0 (default: random 0..4).
    void setExitDraw(std::function<int()> draw);
    // Where File > Export writes (default: the save dialog); empty: nothing is written.
    void setExportPathAsker(std::function<QString()> ask);
    QString settingsPath() const { return m_settingsPath; }
    QString helpFile() const { return m_helpFile; }
    int helpContext() const;
    int currentHelpContext() const; // the Help button's topic; -1: the contents instead

    // The product-information page the update check reads (--update-url, or the settings
    // file's [Update] HomeUrl, else the maker's); a proxy from [Update] ProxyHost, ProxyPort.
    bool setUpdateUrl(const QString& url);
    update::TWebFileInfo& webFileInfo() { return *m_webFileInfo; }

    // Shows a modal window centred on this window's current bounds; returns its result.
    int runModal(QDialog& dialog);

    // Command handlers of the menus and the tool bar.
    void MnuFileExitClick();
    void MnuHelpAboutClick();
    void MnuHelpDisclaimerClick();
    void MnuFilePrintSetupClick();
    void MnuHelpContentsClick();
    void MnuHelpSearchClick();
    void MnuHelpHowClick();
    void MnuHelpGlossaryClick();
    void btnHelpClick();
    void helpForFocusedControl(); // F1
    void mnuPreferencesSetValuesClick();
    void ShowUpdate();
    void Print();
    void mnuFileExportClick();

    // The scenario: what every page holds, under a name, in a file (see pages/scenario.h).
    void newScenario();
    void openScenario();
    // false when the file could not be read (a message said why) and nothing changed.
    bool openScenarioFile(const QString& path);
    bool saveScenario(); // false: not saved (cancelled, or a message said why)
    bool saveScenarioAs();
    void openRecent(const QString& path);
    const QStringList& recentScenarios() const { return m_recent; }
    QString scenarioPath() const { return m_scenarioPath; }
    bool scenarioChanged();
    // Where Open (saving false) reads and Save As writes; empty: cancelled.
    void setScenarioPathAsker(std::function<QString(bool saving)> ask);

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildToolBar(QWidget* panel);
    void buildMenus();
    void addMenuRows(QMenu* menu, const std::vector<MenuRow>& rows);
    void addCalculatorItems(QMenu* menu, const QString& prefix);
    void runCommand(Command command);
    void setCalcItemsEnabled(const QString& name, bool on);
    void giveMnemonicsTo(QWidget* page);
    CalculatorPage* currentPage() const;
    void setUpUpdates();
    bool FormCloseQuery();
    void setUpScenarios();
    const pages::ScenarioShape& scenarioShape();
    // Every page's inputs: a page not yet made is left out unless `complete`.
    pages::Scenario currentScenario(bool complete);
    void updateTitle();
    // Save / Discard / Cancel when there are unsaved changes; false: stay.
    bool askToSaveChanges();
    void forgetPages();
    void holdCurrentPage();
    bool writeScenario(const QString& path);
    void rememberRecent(const QString& path);
    void showRecent();
    void saveRecent();
    void FormClose();

    QString m_settingsPath;
    QString m_helpFile;
    SettingsValues m_settings;
    std::function<int()> m_exitDraw;
    std::function<QString()> m_askExportPath;
    std::function<QString(bool)> m_askScenarioPath;

    QString m_scenarioPath;
    QString m_scenarioName;
    QString m_scenarioNote;
    QStringList m_recent;
    bool m_recentChanged = false; // written to the settings file at exit only then
    std::optional<pages::ScenarioShape> m_shape;
    // While a scenario is open or saved, what each page held when last left, put back
    // when it is entered again; and every page as last saved or opened.
    std::map<QString, pages::PageInputs> m_held;
    std::map<QString, pages::PageInputs> m_savedPages;

    QStackedWidget* m_notebook = nullptr;
    QLabel* m_calculatorName = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_btnMenu = nullptr;
    QPushButton* m_btnPrint = nullptr;
    QPushButton* m_btnReset = nullptr;
    QAction* m_mnuFilePrint = nullptr;
    QAction* m_mnuFileExport = nullptr;
    QMenu* m_popup = nullptr;
    QMenu* m_popCalcs = nullptr;
    QHash<QString, CalculatorPage*> m_pages;
    QHash<QString, QList<QAction*>> m_calcItems; // page name -> its three items
    QHash<QAction*, QString> m_menuTitles;       // the menu bar's titles as built

    toolkit::HintDisplay* m_hints = nullptr;
    pages::FailureQueue* m_failures = nullptr;
    update::TWebFileInfo* m_webFileInfo = nullptr;
};

} // namespace qn::app
