#pragma once

#include "app/settings_values.h"
#include "core/mortgage.h"

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <exception>
#include <functional>
#include <vector>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace qn::app {

class CalculatorPage;

// The loan figures shared by the Loan Amortizations and Biweekly Payments pages.
struct LoanFigures {
    double amount = 0;
    double rate = 0;   // annual, as a fraction
    int months = 0;
};

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    // settingsPath: the settings file to load now and save on close.
    explicit TfrmMain(const QString& settingsPath, QWidget* parent = nullptr);
    ~TfrmMain() override;

    SettingsValues& settings();
    qn::TMortgage& mortgage();
    LoanFigures& loanFigures();

    // Printing switch: btnPrint and MnuFilePrint together.
    void setPrintingEnabled(bool on);
    bool printingEnabled() const;

    QPushButton* resetButton() const;  // btnReset
    void Reset();

    // Shows the named page ("Menu", "QC", "Amort", ...) as its navigation row says.
    void gotoPage(const QString& name);
    QString currentPageName() const;
    CalculatorPage* page(const QString& name) const;  // nullptr until first entered

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
    QString settingsPath() const { return m_settingsPath; }
    QString helpFile() const { return m_helpFile; }
    int helpContext() const { return 5; }
    int currentHelpContext() const;  // the Help button's topic; -1: the contents instead

    // Shows a modal window centred on this window's current bounds; returns its result.
    int runModal(QDialog& dialog);

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PendingFailure {
        std::exception_ptr failure;
        QString pageName;
    };

    void buildToolBar(QWidget* panel);
    void buildMenuPage(QWidget* page);
    void buildMenus();
    QAction* addAction(QMenu* menu, const char* name, const QString& caption);
    void addCalculatorItems(QMenu* menu, const QString& prefix);
    void setHint(QWidget* widget, const QString& hint);
    void setCalcItemsEnabled(const QString& name, bool on);
    void MnuFileExitClick();
    void MnuHelpAboutClick();
    void MnuHelpDisclaimerClick();
    void MnuFilePrintSetupClick();
    void btnHelpClick();
    // 0 contents, 1 search, 2 help on help, 3 glossary, 4 the focused control (F1).
    void showHelpTopic(int which);
    void openAddress(const QString& address);
    bool FormCloseQuery();
    void FormClose();

    QString m_settingsPath;
    QString m_exeFolder;
    QString m_helpFile;
    bool m_exitFlag = false;
    SettingsValues m_settings;
    qn::TMortgage m_mortgage;
    LoanFigures m_loanFigures;
    std::function<int()> m_exitDraw;

    QStackedWidget* m_notebook = nullptr;
    QLabel* m_calculatorName = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_btnMenu = nullptr;
    QPushButton* m_btnPrint = nullptr;
    QPushButton* m_btnReset = nullptr;
    QAction* m_mnuFilePrint = nullptr;
    QMenu* m_popup = nullptr;
    QMenu* m_popCalcs = nullptr;
    QHash<QString, CalculatorPage*> m_pages;
    QHash<QString, QList<QAction*>> m_calcItems;  // page name -> its three items
    QHash<QString, QPushButton*> m_menuButtons;

    QTimer* m_hintTimer = nullptr;
    QString m_pendingHint;

    std::vector<PendingFailure> m_pendingFailures;
    bool m_showingFailure = false;
    bool m_flushQueued = false;
};

} // namespace qn::app
