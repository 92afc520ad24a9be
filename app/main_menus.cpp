#include "app/main_window.h"

#include "pages/registry.h"
#include "toolkit/guarded.h"
#include "toolkit/open_address.h"
#include "toolkit/product.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>

#include <utility>

// The main menu and the two pop-ups: every calculator item comes from the page registry.

namespace qn::app {

namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

void TfrmMain::addCalculatorItems(QMenu* menu, const QString& prefix)
{
    for (const pages::PageInfo* info : pages::pagesInMenuOrder()) {
        const QString target = info->name;
        QAction* action = menu->addAction(info->itemCaption);
        action->setObjectName(prefix + info->itemSuffix);
        m_calcItems[target].append(action);
        qn::toolkit::connectGuarded(action, &QAction::triggered, this,
                                    [this, target] { gotoChosenCalculator(target); });
    }
}

void TfrmMain::buildMenus()
{
    using qn::toolkit::connectGuarded;
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MnuMain"));

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MnuFile"));
    addItem(file, "mnuFilePageSetup", QStringLiteral("Page Setup..."));
    QAction* printSetup = addItem(file, "MnuFilePrintSetup", QStringLiteral("Print Setup..."));
    m_mnuFilePrint = addItem(file, "MnuFilePrint", QStringLiteral("&Print"));
    m_mnuFileExport = addItem(file, "mnuFileExport", QStringLiteral("&Export..."));
    m_mnuFileExport->setEnabled(false);
    connectGuarded(m_mnuFileExport, &QAction::triggered, this, &TfrmMain::mnuFileExportClick);
    file->addSeparator();
    QAction* exitItem = addItem(file, "MnuFileExit", QStringLiteral("E&xit"));
    connectGuarded(printSetup, &QAction::triggered, this, &TfrmMain::MnuFilePrintSetupClick);
    connectGuarded(m_mnuFilePrint, &QAction::triggered, this, &TfrmMain::Print);
    connectGuarded(exitItem, &QAction::triggered, this, &TfrmMain::MnuFileExitClick);

    QMenu* calcs = bar->addMenu(QStringLiteral("&Calculators"));
    calcs->setObjectName(QStringLiteral("MnuCalculators"));
    addCalculatorItems(calcs, QStringLiteral("MnuCalculators"));
    // The table spells two of these in lower case.
    calcs->findChild<QAction*>(QStringLiteral("MnuCalculatorsLSC"))
        ->setObjectName(QStringLiteral("mnuCalculatorsLSC"));
    calcs->findChild<QAction*>(QStringLiteral("MnuCalculatorsRVB"))
        ->setObjectName(QStringLiteral("mnuCalculatorsRVB"));

    QMenu* internet = bar->addMenu(QStringLiteral("&Internet"));
    internet->setObjectName(QStringLiteral("mnuInternet"));
    QMenu* web = internet->addMenu(QStringLiteral("&Tillerode on the Web"));
    web->setObjectName(QStringLiteral("mnuInternetWeb"));
    QAction* home = addItem(web, "mnuInternetWebURL", QStringLiteral("&Home Page"));
    QAction* freeware =
        addItem(web, "TillerodeFreewarePage1", QStringLiteral("Tillerode' &Freeware Page"));
    web->addSeparator();
    QAction* box = addItem(web, "SuggestionBox1", QStringLiteral("&Suggestion Box"));
    QMenu* mail = internet->addMenu(QStringLiteral("Contact Tillerode by &Email"));
    mail->setObjectName(QStringLiteral("mnuInternetEmail"));
    QAction* suggest = addItem(mail, "mnuInternetEmailURL", QStringLiteral("Send &Suggestions"));
    QAction* support =
        addItem(mail, "ContactTechSupport1", QStringLiteral("Contact &Tech Support"));
    internet->addSeparator();
    QAction* update =
        addItem(internet, "mnuInternetCheckForUpdate", QStringLiteral("Check for &Update ..."));
    const std::pair<QAction*, QString> addresses[] = {
        {home, toolkit::kMakerHomePage},
        {freeware, toolkit::kMakerFreewarePage},
        {box, toolkit::kMakerSuggestionPage},
        {suggest, toolkit::kMakerSuggestionMail},
        {support, toolkit::kMakerSupportMail}};
    for (const auto& [action, address] : addresses)
        connectGuarded(action, &QAction::triggered, this, [address] { toolkit::openAddress(address); });
    connectGuarded(update, &QAction::triggered, this, &TfrmMain::ShowUpdate);

    QMenu* prefs = bar->addMenu(QStringLiteral("&Preferences"));
    prefs->setObjectName(QStringLiteral("mnuPreferences"));
    QAction* setValues =
        addItem(prefs, "mnuPreferencesSetValues", QStringLiteral("&Configure Defaults ..."));
    connectGuarded(setValues, &QAction::triggered, this, &TfrmMain::mnuPreferencesSetValuesClick);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MnuHelp"));
    QAction* contents = addItem(help, "MnuHelpContents", QStringLiteral("&Contents"));
    QAction* search = addItem(help, "MnuHelpSearch", QStringLiteral("&Search for Help On..."));
    QAction* how = addItem(help, "MnuHelpHow", QStringLiteral("&How to Use Help"));
    help->addSeparator();
    QAction* glossary =
        addItem(help, "MnuHelpGlossary", QStringLiteral("Home Buyer's &Glossary"));
    connectGuarded(contents, &QAction::triggered, this, &TfrmMain::MnuHelpContentsClick);
    connectGuarded(search, &QAction::triggered, this, &TfrmMain::MnuHelpSearchClick);
    connectGuarded(how, &QAction::triggered, this, &TfrmMain::MnuHelpHowClick);
    connectGuarded(glossary, &QAction::triggered, this, &TfrmMain::MnuHelpGlossaryClick);
    help->addSeparator();
    QAction* disclaimer = addItem(help, "MnuHelpDisclaimer", QStringLiteral("&Disclaimer..."));
    QAction* about = addItem(help, "MnuHelpAbout", QStringLiteral("&About..."));
    connectGuarded(disclaimer, &QAction::triggered, this, &TfrmMain::MnuHelpDisclaimerClick);
    connectGuarded(about, &QAction::triggered, this, &TfrmMain::MnuHelpAboutClick);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("MnuPopup"));
    addCalculatorItems(m_popup, QStringLiteral("mnuPop"));
    m_popup->addSeparator();
    QAction* popGlossary =
        addItem(m_popup, "MnuPopGlossary", QStringLiteral("Home Buyer's &Glossary"));
    connectGuarded(popGlossary, &QAction::triggered, this, &TfrmMain::MnuHelpGlossaryClick);
    m_popup->addSeparator();
    QAction* popDisclaimer =
        addItem(m_popup, "MnuPopDisclaimer", QStringLiteral("&Disclaimer..."));
    m_popup->addSeparator();
    QAction* popHelp = addItem(m_popup, "MnuPopHelp", QStringLiteral("&Help"));
    m_popup->addSeparator();
    QAction* popExit = addItem(m_popup, "MnuPopExit", QStringLiteral("E&xit"));
    connectGuarded(popDisclaimer, &QAction::triggered, this, &TfrmMain::MnuHelpDisclaimerClick);
    connectGuarded(popHelp, &QAction::triggered, this, &TfrmMain::btnHelpClick);
    connectGuarded(popExit, &QAction::triggered, this, &TfrmMain::MnuFileExitClick);

    m_popCalcs = new QMenu(this);
    m_popCalcs->setObjectName(QStringLiteral("mnuPopCalcs"));
    addCalculatorItems(m_popCalcs, QStringLiteral("mnuPopCalcs"));
    m_popCalcs->addSeparator();
    QAction* calcsGlossary =
        addItem(m_popCalcs, "mnuPopCalcsGlossary", QStringLiteral("Home Buyer's &Glossary"));
    connectGuarded(calcsGlossary, &QAction::triggered, this, &TfrmMain::MnuHelpGlossaryClick);
    QAction* calcsDisclaimer =
        addItem(m_popCalcs, "mnuPopCalcsDisclaimer", QStringLiteral("&Disclaimer ..."));
    connectGuarded(calcsDisclaimer, &QAction::triggered, this,
                   &TfrmMain::MnuHelpDisclaimerClick);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event)
{
    m_popup->popup(event->globalPos());
}

} // namespace qn::app
