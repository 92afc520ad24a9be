#include "app/main_window.h"

#include "pages/registry.h"
#include "toolkit/guarded.h"
#include "toolkit/hints.h"
#include "toolkit/open_address.h"
#include "toolkit/product.h"
#include "toolkit/vector_picture.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>

#include <vector>

// The main menu, the two pop-ups and the tool bar, all built from one set of commands: every
// item and button that does the same runs the same command, and every calculator item comes
// from the page registry.

namespace qn::app {

enum class Command {
    None,
    PrintSetup,
    Print,
    Export,
    NewScenario,
    OpenScenario,
    SaveScenario,
    SaveScenarioAs,
    Exit,
    HomePage,
    FreewarePage,
    SuggestionBox,
    SuggestionMail,
    SupportMail,
    Update,
    Preferences,
    Contents,
    Search,
    HowToUseHelp,
    Glossary,
    Disclaimer,
    About,
    Help,
    Menu,
    Reset,
};

// One row of a menu: an item, a separator, the calculator items, or a submenu.
struct MenuRow {
    enum class Kind { Item, Separator, Calculators, Submenu };
    Kind kind = Kind::Item;
    const char* name = nullptr; // the object name; the calculator items' prefix
    const char* caption = nullptr;
    Command command = Command::None;
    std::vector<MenuRow> rows;  // a submenu's
    const char* keys = nullptr; // an item's shortcut, in portable text ("Ctrl+Shift+S")
};

namespace {

MenuRow item(const char* name, const char* caption, Command command = Command::None,
             const char* keys = nullptr)
{
    return {MenuRow::Kind::Item, name, caption, command, {}, keys};
}

MenuRow separator() { return {MenuRow::Kind::Separator, nullptr, nullptr, Command::None, {}}; }

MenuRow calculators(const char* prefix)
{
    return {MenuRow::Kind::Calculators, prefix, nullptr, Command::None, {}};
}

MenuRow submenu(const char* name, const char* caption, std::vector<MenuRow> rows)
{
    return {MenuRow::Kind::Submenu, name, caption, Command::None, std::move(rows)};
}

using C = Command;

const std::vector<MenuRow>& menuBarRows()
{
    static const std::vector<MenuRow> rows = {
        submenu("MnuFile", "&File",
                {item("mnuFileNew", "&New Scenario", C::NewScenario, "Ctrl+N"),
                 item("mnuFileOpen", "&Open Scenario...", C::OpenScenario, "Ctrl+O"),
                 item("mnuFileSave", "&Save Scenario", C::SaveScenario, "Ctrl+S"),
                 item("mnuFileSaveAs", "Save Scenario &As...", C::SaveScenarioAs, "Ctrl+Shift+S"),
                 submenu("mnuFileRecent", "&Recent Scenarios", {}), separator(),
                 item("mnuFilePageSetup", "Page Setup..."),
                 item("MnuFilePrintSetup", "Print Setup...", C::PrintSetup),
                 item("MnuFilePrint", "&Print", C::Print),
                 item("mnuFileExport", "&Export...", C::Export), separator(),
                 item("MnuFileExit", "E&xit", C::Exit)}),
        submenu("MnuCalculators", "&Calculators", {calculators("MnuCalculators")}),
        submenu(
            "mnuInternet", "&Internet",
            {submenu("mnuInternetWeb", "&Tillerode on the Web",
                     {item("mnuInternetWebURL", "&Home Page", C::HomePage),
                      item("TillerodeFreewarePage1", "Tillerode' &Freeware Page", C::FreewarePage),
                      separator(), item("SuggestionBox1", "&Suggestion Box", C::SuggestionBox)}),
             submenu("mnuInternetEmail", "Contact Tillerode by &Email",
                     {item("mnuInternetEmailURL", "Send &Suggestions", C::SuggestionMail),
                      item("ContactTechSupport1", "Contact &Tech Support", C::SupportMail)}),
             separator(), item("mnuInternetCheckForUpdate", "Check for &Update ...", C::Update)}),
        submenu("mnuPreferences", "&Preferences",
                {item("mnuPreferencesSetValues", "&Configure Defaults ...", C::Preferences)}),
        submenu("MnuHelp", "&Help",
                {item("MnuHelpContents", "&Contents", C::Contents),
                 item("MnuHelpSearch", "&Search for Help On...", C::Search),
                 item("MnuHelpHow", "&How to Use Help", C::HowToUseHelp), separator(),
                 item("MnuHelpGlossary", "Home Buyer's &Glossary", C::Glossary), separator(),
                 item("MnuHelpDisclaimer", "&Disclaimer...", C::Disclaimer),
                 item("MnuHelpAbout", "&About...", C::About)}),
    };
    return rows;
}

const std::vector<MenuRow>& popupRows()
{
    static const std::vector<MenuRow> rows = {
        calculators("mnuPop"),
        separator(),
        item("MnuPopGlossary", "Home Buyer's &Glossary", C::Glossary),
        separator(),
        item("MnuPopDisclaimer", "&Disclaimer...", C::Disclaimer),
        separator(),
        item("MnuPopHelp", "&Help", C::Help),
        separator(),
        item("MnuPopExit", "E&xit", C::Exit),
    };
    return rows;
}

const std::vector<MenuRow>& calculatorPopupRows()
{
    static const std::vector<MenuRow> rows = {
        calculators("mnuPopCalcs"),
        separator(),
        item("mnuPopCalcsGlossary", "Home Buyer's &Glossary", C::Glossary),
        item("mnuPopCalcsDisclaimer", "&Disclaimer ...", C::Disclaimer),
    };
    return rows;
}

// The tool bar: a caption, or a picture that says its hint to a screen reader.
struct ToolButton {
    const char* name;
    const char* caption;
    const char* icon;
    QStyle::StandardPixmap fallback;
    const char* hint;
    Command command;
};

constexpr ToolButton kToolButtons[] = {
    {"btnMenu", " Menu", nullptr, QStyle::SP_CustomBase, "Go to Calculator Menu", C::Menu},
    {"btnPrint", nullptr, "print", QStyle::SP_DialogSaveButton, "Print this page", C::Print},
    {"btnReset", nullptr, "reset", QStyle::SP_BrowserReload,
     "Reset this calculator to default values", C::Reset},
    {"btnUpdate", nullptr, "update", QStyle::SP_ArrowDown, "Check for update ...", C::Update},
    {"btnPrefs", nullptr, "prefs", QStyle::SP_FileDialogDetailedView, "Click to set preferences",
     C::Preferences},
    {"btnHelp", nullptr, "help", QStyle::SP_DialogHelpButton, "Click for Help", C::Help},
    {"btnCalculators", "Calculator Menu", nullptr, QStyle::SP_CustomBase,
     "Click to display Calculator menu.", C::None},
    {"btnExit", nullptr, "exit", QStyle::SP_DialogCloseButton, "Exit Quennary", C::Exit},
};

QIcon toolIcon(const QStyle* style, const QString& resource, QStyle::StandardPixmap fallback)
{
    const QIcon drawn = toolkit::VectorIcon(resource);
    return drawn.isNull() ? style->standardIcon(fallback) : drawn;
}

} // namespace

void TfrmMain::runCommand(Command command)
{
    switch (command) {
    case C::None:
        break;
    case C::PrintSetup:
        return MnuFilePrintSetupClick();
    case C::Print:
        return Print();
    case C::Export:
        return mnuFileExportClick();
    case C::NewScenario:
        return newScenario();
    case C::OpenScenario:
        return openScenario();
    case C::SaveScenario:
        saveScenario();
        return;
    case C::SaveScenarioAs:
        saveScenarioAs();
        return;
    case C::Exit:
        return MnuFileExitClick();
    case C::HomePage:
        return toolkit::openAddress(toolkit::kMakerHomePage);
    case C::FreewarePage:
        return toolkit::openAddress(toolkit::kMakerFreewarePage);
    case C::SuggestionBox:
        return toolkit::openAddress(toolkit::kMakerSuggestionPage);
    case C::SuggestionMail:
        return toolkit::openAddress(toolkit::kMakerSuggestionMail);
    case C::SupportMail:
        return toolkit::openAddress(toolkit::kMakerSupportMail);
    case C::Update:
        return ShowUpdate();
    case C::Preferences:
        return mnuPreferencesSetValuesClick();
    case C::Contents:
        return MnuHelpContentsClick();
    case C::Search:
        return MnuHelpSearchClick();
    case C::HowToUseHelp:
        return MnuHelpHowClick();
    case C::Glossary:
        return MnuHelpGlossaryClick();
    case C::Disclaimer:
        return MnuHelpDisclaimerClick();
    case C::About:
        return MnuHelpAboutClick();
    case C::Help:
        return btnHelpClick();
    case C::Menu:
        return gotoChosenCalculator(QStringLiteral("btnMenu"));
    case C::Reset:
        return Reset();
    }
}

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

void TfrmMain::addMenuRows(QMenu* menu, const std::vector<MenuRow>& rows)
{
    for (const MenuRow& row : rows) {
        switch (row.kind) {
        case MenuRow::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuRow::Kind::Calculators:
            addCalculatorItems(menu, QLatin1String(row.name));
            break;
        case MenuRow::Kind::Submenu: {
            QMenu* sub = menu->addMenu(QLatin1String(row.caption));
            sub->setObjectName(QLatin1String(row.name));
            addMenuRows(sub, row.rows);
            break;
        }
        case MenuRow::Kind::Item: {
            QAction* action = menu->addAction(QString::fromUtf8(row.caption));
            action->setObjectName(QLatin1String(row.name));
            if (row.keys)
                action->setShortcut(QKeySequence(QLatin1String(row.keys)));
            if (const Command command = row.command; command != C::None)
                qn::toolkit::connectGuarded(action, &QAction::triggered, this,
                                            [this, command] { runCommand(command); });
            break;
        }
        }
    }
}

void TfrmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MnuMain"));
    for (const MenuRow& title : menuBarRows()) {
        QMenu* menu = bar->addMenu(QLatin1String(title.caption));
        menu->setObjectName(QLatin1String(title.name));
        addMenuRows(menu, title.rows);
    }
    m_mnuFilePrint = bar->findChild<QAction*>(QStringLiteral("MnuFilePrint"));
    m_mnuFileExport = bar->findChild<QAction*>(QStringLiteral("mnuFileExport"));
    m_mnuFileExport->setEnabled(false);
    // The table spells two of these in lower case.
    bar->findChild<QAction*>(QStringLiteral("MnuCalculatorsLSC"))
        ->setObjectName(QStringLiteral("mnuCalculatorsLSC"));
    bar->findChild<QAction*>(QStringLiteral("MnuCalculatorsRVB"))
        ->setObjectName(QStringLiteral("mnuCalculatorsRVB"));

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("MnuPopup"));
    addMenuRows(m_popup, popupRows());
    m_popCalcs = new QMenu(this);
    m_popCalcs->setObjectName(QStringLiteral("mnuPopCalcs"));
    addMenuRows(m_popCalcs, calculatorPopupRows());
}

void TfrmMain::buildToolBar(QWidget* panel)
{
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    for (const ToolButton& tool : kToolButtons) {
        auto* b = new QPushButton(tool.caption ? QLatin1String(tool.caption) : QString(), panel);
        b->setObjectName(QLatin1String(tool.name));
        const QString hint = QLatin1String(tool.hint);
        toolkit::setHint(b, hint);
        row->addWidget(b);
        if (tool.icon) {
            b->setAccessibleName(hint); // a picture says nothing to a screen reader
            b->setIcon(toolIcon(style(),
                                QStringLiteral(":/quennary/") + QLatin1String(tool.icon)
                                    + QStringLiteral(".svg"),
                                tool.fallback));
        }
        if (tool.command != C::None)
            qn::toolkit::connectGuarded(b, &QPushButton::clicked, this,
                                        [this, command = tool.command] { runCommand(command); });
    }
    row->addStretch(1);
    m_btnMenu = panel->findChild<QPushButton*>(QStringLiteral("btnMenu"));
    m_btnPrint = panel->findChild<QPushButton*>(QStringLiteral("btnPrint"));
    m_btnReset = panel->findChild<QPushButton*>(QStringLiteral("btnReset"));
    m_btnMenu->setEnabled(false);
    m_btnPrint->setEnabled(false);
    m_btnReset->setEnabled(false);
    panel->findChild<QPushButton*>(QStringLiteral("btnCalculators"))->setMenu(m_popCalcs);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event) { m_popup->popup(event->globalPos()); }

} // namespace qn::app
