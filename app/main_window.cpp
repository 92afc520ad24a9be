#include "app/main_window.h"

#include "app/calculator_page.h"
#include "app/pages/amortization_page.h"
#include "app/pages/biweekly_page.h"
#include "app/pages/quick_calculator_page.h"
#include "core/errors.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include "app/dialog_util.h"
#include "app/about_box.h"
#include "app/close_dialog.h"
#include "app/disclaimer.h"
#include "app/help_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <array>
#include <map>

namespace qn::app {

namespace {

const QStringList kPageOrder = {
    QStringLiteral("Menu"), QStringLiteral("QC"), QStringLiteral("ECC"),
    QStringLiteral("MQ"),   QStringLiteral("BW"), QStringLiteral("RC"),
    QStringLiteral("LS"),   QStringLiteral("Amort"), QStringLiteral("RVB")};

using PageFactory = std::function<CalculatorPage*(TfrmMain&, QWidget*)>;

template <typename Page>
PageFactory factoryOf()
{
    return [](TfrmMain& main, QWidget* parent) { return new Page(main, parent); };
}

// Calculators without an entry here are not built yet: their buttons and items stay disabled.
const std::map<QString, PageFactory>& pageFactories()
{
    static const std::map<QString, PageFactory> factories = {
        {QStringLiteral("QC"), factoryOf<QuickCalculatorPage>()},
        {QStringLiteral("BW"), factoryOf<BiweeklyPage>()},
        {QStringLiteral("Amort"), factoryOf<AmortizationPage>()},
    };
    return factories;
}

// One calculator of the menus: page name, item suffix, caption.
struct CalculatorItem {
    const char* page;
    const char* suffix;
    const char* caption;
};

// The order of the Calculators menu and both pop-ups.
constexpr std::array<CalculatorItem, 8> kCalculatorItems = {{
    {"QC", "QC", "&Quick Calculator"},
    {"MQ", "MQ", "&Mortgage Qualifier"},
    {"LS", "LSC", "Loan &Spread Calculator"},
    {"Amort", "Amort", "Loan &Amortizations"},
    {"ECC", "ECC", "&Estimated Closing Costs"},
    {"RC", "RC", "&Refinancing Calculator"},
    {"RVB", "RVB", "Rent &vs Buy Calculator"},
    {"BW", "BW", "&Biweekly Payments"},
}};

const QString kMathMessage = QStringLiteral(
    "Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
    "Please try again with reasonable values.");
const QString kOtherMessage = QStringLiteral("An unidentified error has occurred.");
const QString kWebBase = QStringLiteral("https://tillerode.example/");

// The side strip's name, read bottom to top.
class AngledLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(Qt::white);
        painter.setFont(font());
        painter.translate(0, height());
        painter.rotate(-90);
        painter.drawText(QRect(8, 0, height() - 8, width()), Qt::AlignLeft | Qt::AlignVCenter,
                         text());
    }
};

// The menu page's picture: a click opens the about box.
class ClickablePicture : public QLabel {
public:
    std::function<void()> onClick;
    using QLabel::QLabel;

protected:
    void mouseReleaseEvent(QMouseEvent*) override
    {
        if (onClick)
            qn::toolkit::runGuarded(onClick);
    }
};

QIcon toolIcon(const QStyle* style, const QString& resource, QStyle::StandardPixmap fallback)
{
    if (QFile::exists(resource))
        return QIcon(resource);
    return style->standardIcon(fallback);
}

} // namespace

TfrmMain::TfrmMain(const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent), m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("frmMain"));
    initResources();
    m_exitFlag = false;
    setWindowTitle(QStringLiteral("Quennary, 1.0.02"));
    m_exeFolder = QCoreApplication::applicationDirPath() + QDir::separator();

    // A settings file with a bad number still loads; the message waits for the event loop.
    m_settings = LoadSettings(m_settingsPath, [this](const QString& message) {
        QTimer::singleShot(0, this, [this, message] { qn::toolkit::showMessage(this, message); });
    });

    qn::toolkit::setFailureHandler(
        [this](std::exception_ptr failure) { AppOnException(failure); });

    m_hintTimer = new QTimer(this);
    m_hintTimer->setSingleShot(true);
    m_hintTimer->setInterval(500);
    connect(m_hintTimer, &QTimer::timeout, this, [this] { m_status->setText(m_pendingHint); });

    m_helpFile = m_exeFolder + QStringLiteral("QNRY.hlp");
    HelpWindow::setHelpFile(m_helpFile);
    m_exitDraw = [] { return static_cast<int>(QRandomGenerator::global()->bounded(5)); };

    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(8);
    setFont(arial);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* toolPanel = new QWidget(central);
    toolPanel->setObjectName(QStringLiteral("pnlToolBar"));
    toolPanel->setFixedHeight(33);
    outer->addWidget(toolPanel);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    outer->addLayout(body, 1);

    m_calculatorName = new AngledLabel(QStringLiteral("Main Menu"), central);
    m_calculatorName->setObjectName(QStringLiteral("lblCalculatorName"));
    m_calculatorName->setFixedWidth(25);
    body->addWidget(m_calculatorName);

    m_notebook = new QStackedWidget(central);
    m_notebook->setObjectName(QStringLiteral("nbkMain"));
    body->addWidget(m_notebook, 1);
    for (const QString& name : kPageOrder) {
        auto* slot = new QWidget(m_notebook);
        slot->setObjectName(QStringLiteral("slot") + name);
        auto* layout = new QVBoxLayout(slot);
        layout->setContentsMargins(0, 0, 0, 0);
        m_notebook->addWidget(slot);
    }
    setCentralWidget(central);

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    status->setSizeGripEnabled(false);
    m_status = new QLabel(QStringLiteral(" Welcome to Tillerode Software's Quennary!"), status);
    m_status->setObjectName(QStringLiteral("lblStatusText"));
    status->addWidget(m_status, 1);
    setStatusBar(status);

    buildMenus();
    buildToolBar(toolPanel);
    buildMenuPage(m_notebook->widget(0));
    EnableMnuCalcItems();
    setPrintingEnabled(false);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    qn::toolkit::connectGuarded(f1, &QShortcut::activated, this, &TfrmMain::btnHelpClick);

    setFixedSize(612, 399);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    unsetCursor();
}

TfrmMain::~TfrmMain()
{
    qn::toolkit::setFailureHandler({});
}

SettingsValues& TfrmMain::settings() { return m_settings; }
qn::TMortgage& TfrmMain::mortgage() { return m_mortgage; }
LoanFigures& TfrmMain::loanFigures() { return m_loanFigures; }

void TfrmMain::setPrintingEnabled(bool on)
{
    m_btnPrint->setEnabled(on);
    m_mnuFilePrint->setEnabled(on);
}

bool TfrmMain::printingEnabled() const { return m_btnPrint->isEnabled(); }

QPushButton* TfrmMain::resetButton() const { return m_btnReset; }

void TfrmMain::setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setProperty("qnHint", hint.mid(hint.indexOf(QLatin1Char('|')) + 1));
    widget->installEventFilter(this);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        const QVariant hint = watched->property("qnHint");
        if (hint.isValid()) {
            m_pendingHint = hint.toString();
            m_hintTimer->start();
        }
    } else if (event->type() == QEvent::Leave) {
        m_hintTimer->stop();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::buildToolBar(QWidget* panel)
{
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(2);
    const QStyle* st = style();
    auto button = [&](const char* name, const QString& caption, const QString& hint) {
        auto* b = new QPushButton(caption, panel);
        b->setObjectName(QLatin1String(name));
        setHint(b, hint);
        row->addWidget(b);
        return b;
    };
    auto picture = [&](const char* name, const char* icon, QStyle::StandardPixmap fallback,
                       const QString& hint) {
        QPushButton* b = button(name, QString(), hint);
        b->setIcon(toolIcon(st, QStringLiteral(":/quennary/") + QLatin1String(icon)
                                    + QStringLiteral(".svg"), fallback));
        return b;
    };
    m_btnMenu =
        button("btnMenu", QStringLiteral(" Menu"), QStringLiteral("Go to Calculator Menu"));
    m_btnPrint = picture("btnPrint", "print", QStyle::SP_DialogSaveButton,
                         QStringLiteral("Print this page"));
    m_btnReset = picture("btnReset", "reset", QStyle::SP_BrowserReload,
                         QStringLiteral("Reset this calculator to default values"));
    QPushButton* update = picture("btnUpdate", "update", QStyle::SP_ArrowDown,
                                  QStringLiteral("Check for update ..."));
    QPushButton* prefs = picture("btnPrefs", "prefs", QStyle::SP_FileDialogDetailedView,
                                 QStringLiteral("Click to set preferences"));
    QPushButton* help = picture("btnHelp", "help", QStyle::SP_DialogHelpButton,
                                QStringLiteral("Click for Help"));
    QPushButton* calcs = button("btnCalculators", QStringLiteral("Calculator Menu"),
                                QStringLiteral("Click to display Calculator menu."));
    QPushButton* exitButton = picture("btnExit", "exit", QStyle::SP_DialogCloseButton,
                                      QStringLiteral("Exit Quennary"));
    row->addStretch(1);
    m_btnMenu->setEnabled(false);
    m_btnPrint->setEnabled(false);
    m_btnReset->setEnabled(false);
    calcs->setMenu(m_popCalcs);

    using qn::toolkit::connectGuarded;
    connectGuarded(m_btnMenu, &QPushButton::clicked, this,
                   [this] { gotoChosenCalculator(QStringLiteral("btnMenu")); });
    // Printing of pages comes with the print module; the button only carries its state now.
    connectGuarded(m_btnPrint, &QPushButton::clicked, this, [] {});
    connectGuarded(m_btnReset, &QPushButton::clicked, this, &TfrmMain::Reset);
    // The Update Center and the Preferences dialog are added later.
    connectGuarded(update, &QPushButton::clicked, this, [] {});
    connectGuarded(prefs, &QPushButton::clicked, this, [] {});
    connectGuarded(help, &QPushButton::clicked, this, &TfrmMain::btnHelpClick);
    connectGuarded(exitButton, &QPushButton::clicked, this, &TfrmMain::MnuFileExitClick);
}

void TfrmMain::buildMenuPage(QWidget* page)
{
    page->setObjectName(QStringLiteral("Menu"));
    auto* grid = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* pic = new ClickablePicture(page);
    pic->setObjectName(QStringLiteral("imgMenu"));
    pic->setFixedSize(160, 120);
    const QString picture = QStringLiteral(":/quennary/house.svg");
    if (QFile::exists(picture)) {
        pic->setPixmap(QIcon(picture).pixmap(pic->size()));
    } else {
        QPixmap placeholder(pic->size());
        placeholder.fill(QColor(0, 64, 128));
        QPainter painter(&placeholder);
        painter.setPen(Qt::white);
        painter.drawText(placeholder.rect(), Qt::AlignCenter, QStringLiteral("Quennary"));
        pic->setPixmap(placeholder);
    }
    pic->onClick = [this] { MnuHelpAboutClick(); };
    left->addWidget(pic);
    auto* title = new QLabel(QStringLiteral("Quennary"), page);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPointSize(18);
    big.setBold(true);
    title->setFont(big);
    left->addWidget(title);
    auto* text = new QTextEdit(page);
    text->setObjectName(QStringLiteral("memMenu"));
    text->setReadOnly(true);
    text->setFrameShape(QFrame::NoFrame);
    text->setPlainText(QStringLiteral(
        "This suite of real estate calculators is designed \nto help you better estimate the "
        "effects of the \nfinancial subtleties involved in a real estate \ntransaction.\n\n"
        "Please consult your own qualified financial \nadvisor before making financial "
        "decisions."));
    left->addWidget(text, 1);
    grid->addLayout(left, 1);

    struct MenuButton {
        const char* name;
        const char* page;
        const char* caption;
        const char* hint;
    };
    static constexpr std::array<MenuButton, 8> buttons = {{
        {"btnQC", "QC", "  Quick Calculator", "Go to Quick Calculator"},
        {"btnMQ", "MQ", "  Mortgage Qualifier", "Go to Mortgage Qualifier"},
        {"btnAmort", "Amort", "  Loan Amortizations", "Go to Amortizations"},
        {"btnECC", "ECC", "  Estimated Closing Costs", "Go to Estimated Closing Costs"},
        {"btnLSC", "LS", "  Loan Spread Calculator", "Go to Loan Spread Calculator"},
        {"btnBW", "BW", "  Biweekly Payments", "Go to Biweekly Payments"},
        {"btnRC", "RC", "  Refinancing Calculator", "Go to Refinancing Calculator"},
        {"btnRVB", "RVB", "  Rent vs. Buy Calculator", "Go to Rent vs. Buy Calculator"},
    }};
    auto* right = new QVBoxLayout;
    for (const MenuButton& mb : buttons) {
        auto* b = new QPushButton(QLatin1String(mb.caption), page);
        b->setObjectName(QLatin1String(mb.name));
        b->setStyleSheet(QStringLiteral("text-align: left"));
        setHint(b, QLatin1String(mb.hint));
        const QString target = QLatin1String(mb.page);
        b->setEnabled(calculatorAvailable(target));
        m_menuButtons.insert(target, b);
        qn::toolkit::connectGuarded(b, &QPushButton::clicked, this,
                                    [this, target] { gotoChosenCalculator(target); });
        right->addWidget(b);
    }
    right->addStretch(1);
    grid->addLayout(right, 1);
    static_cast<QVBoxLayout*>(page->layout())->addLayout(grid);
}

QAction* TfrmMain::addAction(QMenu* menu, const char* name, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

void TfrmMain::addCalculatorItems(QMenu* menu, const QString& prefix)
{
    for (const CalculatorItem& item : kCalculatorItems) {
        const QString target = QLatin1String(item.page);
        QAction* action = menu->addAction(QLatin1String(item.caption));
        action->setObjectName(prefix + QLatin1String(item.suffix));
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
    addAction(file, "mnuFilePageSetup", QStringLiteral("Page Setup..."));
    QAction* printSetup = addAction(file, "MnuFilePrintSetup", QStringLiteral("Print Setup..."));
    m_mnuFilePrint = addAction(file, "MnuFilePrint", QStringLiteral("&Print"));
    file->addSeparator();
    QAction* exitItem = addAction(file, "MnuFileExit", QStringLiteral("E&xit"));
    connectGuarded(printSetup, &QAction::triggered, this, &TfrmMain::MnuFilePrintSetupClick);
    // Printing of pages comes with the print module.
    connectGuarded(m_mnuFilePrint, &QAction::triggered, this, [] {});
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
    QAction* home = addAction(web, "mnuInternetWebURL", QStringLiteral("&Home Page"));
    QAction* freeware =
        addAction(web, "TillerodeFreewarePage1", QStringLiteral("Tillerode' &Freeware Page"));
    web->addSeparator();
    QAction* box = addAction(web, "SuggestionBox1", QStringLiteral("&Suggestion Box"));
    QMenu* mail = internet->addMenu(QStringLiteral("Contact Tillerode by &Email"));
    mail->setObjectName(QStringLiteral("mnuInternetEmail"));
    QAction* suggest = addAction(mail, "mnuInternetEmailURL", QStringLiteral("Send &Suggestions"));
    QAction* support =
        addAction(mail, "ContactTechSupport1", QStringLiteral("Contact &Tech Support"));
    internet->addSeparator();
    QAction* update =
        addAction(internet, "mnuInternetCheckForUpdate", QStringLiteral("Check for &Update ..."));
    connectGuarded(home, &QAction::triggered, this, [this] { openAddress(kWebBase); });
    connectGuarded(freeware, &QAction::triggered, this,
                   [this] { openAddress(kWebBase + QStringLiteral("freeware")); });
    connectGuarded(box, &QAction::triggered, this,
                   [this] { openAddress(kWebBase + QStringLiteral("suggestions")); });
    connectGuarded(suggest, &QAction::triggered, this,
                   [this] { openAddress(QStringLiteral("mailto:suggestions@tillerode.example"));
                   });
    connectGuarded(support, &QAction::triggered, this,
                   [this] { openAddress(QStringLiteral("mailto:support@tillerode.example")); });
    // The Update Center is added later.
    connectGuarded(update, &QAction::triggered, this, [] {});

    QMenu* prefs = bar->addMenu(QStringLiteral("&Preferences"));
    prefs->setObjectName(QStringLiteral("mnuPreferences"));
    QAction* setValues =
        addAction(prefs, "mnuPreferencesSetValues", QStringLiteral("&Configure Defaults ..."));
    // The Preferences dialog is added later.
    connectGuarded(setValues, &QAction::triggered, this, [] {});

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MnuHelp"));
    QAction* contents = addAction(help, "MnuHelpContents", QStringLiteral("&Contents"));
    QAction* search = addAction(help, "MnuHelpSearch", QStringLiteral("&Search for Help On..."));
    QAction* how = addAction(help, "MnuHelpHow", QStringLiteral("&How to Use Help"));
    help->addSeparator();
    QAction* glossary =
        addAction(help, "MnuHelpGlossary", QStringLiteral("Home Buyer's &Glossary"));
    connectGuarded(contents, &QAction::triggered, this, [this] { showHelpTopic(0); });
    connectGuarded(search, &QAction::triggered, this, [this] { showHelpTopic(1); });
    connectGuarded(how, &QAction::triggered, this, [this] { showHelpTopic(2); });
    connectGuarded(glossary, &QAction::triggered, this, [this] { showHelpTopic(3); });
    help->addSeparator();
    QAction* disclaimer = addAction(help, "MnuHelpDisclaimer", QStringLiteral("&Disclaimer..."));
    QAction* about = addAction(help, "MnuHelpAbout", QStringLiteral("&About..."));
    connectGuarded(disclaimer, &QAction::triggered, this, &TfrmMain::MnuHelpDisclaimerClick);
    connectGuarded(about, &QAction::triggered, this, &TfrmMain::MnuHelpAboutClick);

    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("MnuPopup"));
    addCalculatorItems(m_popup, QStringLiteral("mnuPop"));
    m_popup->addSeparator();
    QAction* popGlossary =
        addAction(m_popup, "MnuPopGlossary", QStringLiteral("Home Buyer's &Glossary"));
    connectGuarded(popGlossary, &QAction::triggered, this, [this] { showHelpTopic(3); });
    m_popup->addSeparator();
    QAction* popDisclaimer =
        addAction(m_popup, "MnuPopDisclaimer", QStringLiteral("&Disclaimer..."));
    m_popup->addSeparator();
    QAction* popHelp = addAction(m_popup, "MnuPopHelp", QStringLiteral("&Help"));
    m_popup->addSeparator();
    QAction* popExit = addAction(m_popup, "MnuPopExit", QStringLiteral("E&xit"));
    connectGuarded(popDisclaimer, &QAction::triggered, this, &TfrmMain::MnuHelpDisclaimerClick);
    connectGuarded(popHelp, &QAction::triggered, this, &TfrmMain::btnHelpClick);
    connectGuarded(popExit, &QAction::triggered, this, &TfrmMain::MnuFileExitClick);

    m_popCalcs = new QMenu(this);
    m_popCalcs->setObjectName(QStringLiteral("mnuPopCalcs"));
    addCalculatorItems(m_popCalcs, QStringLiteral("mnuPopCalcs"));
    m_popCalcs->addSeparator();
    QAction* calcsGlossary =
        addAction(m_popCalcs, "mnuPopCalcsGlossary", QStringLiteral("Home Buyer's &Glossary"));
    connectGuarded(calcsGlossary, &QAction::triggered, this, [this] { showHelpTopic(3); });
    QAction* calcsDisclaimer =
        addAction(m_popCalcs, "mnuPopCalcsDisclaimer", QStringLiteral("&Disclaimer ..."));
    connectGuarded(calcsDisclaimer, &QAction::triggered, this,
                   &TfrmMain::MnuHelpDisclaimerClick);
}

void TfrmMain::contextMenuEvent(QContextMenuEvent* event)
{
    m_popup->popup(event->globalPos());
}

bool TfrmMain::calculatorAvailable(const QString& name) const
{
    return pageFactories().count(name) != 0;
}

void TfrmMain::setCalcItemsEnabled(const QString& name, bool on)
{
    for (QAction* action : m_calcItems.value(name))
        action->setEnabled(on && calculatorAvailable(name));
}

void TfrmMain::EnableMnuCalcItems()
{
    for (auto it = m_calcItems.cbegin(); it != m_calcItems.cend(); ++it)
        setCalcItemsEnabled(it.key(), true);
}

void TfrmMain::CloseCalculators()
{
    m_notebook->setCurrentIndex(0);
    EnableMnuCalcItems();
    setPrintingEnabled(false);
}

void TfrmMain::gotoChosenCalculator(const QString& target)
{
    if (target == QStringLiteral("btnMenu")) {
        m_calculatorName->setText(QStringLiteral("Main Menu"));
        setPrintingEnabled(false);
        m_btnReset->setEnabled(false);
        m_btnMenu->setEnabled(false);
        m_notebook->setCurrentIndex(0);
        CloseCalculators();
        return;
    }
    const auto factory = pageFactories().find(target);
    if (factory == pageFactories().end())
        return;
    const qsizetype index = kPageOrder.indexOf(target);
    CalculatorPage* calc = m_pages.value(target);
    if (!calc) {
        QWidget* slot = m_notebook->widget(static_cast<int>(index));
        calc = factory->second(*this, slot);
        calc->setObjectName(target);
        slot->layout()->addWidget(calc);
        m_pages.insert(target, calc);
    }
    const NavigationRow row = calc->navigationRow();
    m_calculatorName->setText(row.calculatorName);
    m_calculatorName->update();
    EnableMnuCalcItems();
    setCalcItemsEnabled(target, false);
    setPrintingEnabled(row.printing);
    if (row.reset != NavigationRow::Button::Unchanged)
        m_btnReset->setEnabled(row.reset == NavigationRow::Button::Enabled);
    if (row.menu != NavigationRow::Button::Unchanged)
        m_btnMenu->setEnabled(row.menu == NavigationRow::Button::Enabled);
    m_notebook->setCurrentIndex(static_cast<int>(index));
    if (target == QStringLiteral("QC"))
        m_notebook->setFocus();
    calc->enter();
}

void TfrmMain::gotoPage(const QString& name)
{
    gotoChosenCalculator(name == QStringLiteral("Menu") ? QStringLiteral("btnMenu") : name);
}

QString TfrmMain::currentPageName() const
{
    return kPageOrder.value(m_notebook->currentIndex());
}

CalculatorPage* TfrmMain::page(const QString& name) const { return m_pages.value(name); }

void TfrmMain::Reset()
{
    if (CalculatorPage* calc = m_pages.value(currentPageName()))
        calc->reset();
}

int TfrmMain::currentHelpContext() const
{
    static const QHash<QString, int> contexts = {
        {QStringLiteral("Menu"), 5},   {QStringLiteral("QC"), 20},  {QStringLiteral("MQ"), 30},
        {QStringLiteral("LS"), 40},    {QStringLiteral("Amort"), 50}, {QStringLiteral("ECC"), 70},
        {QStringLiteral("RC"), 80},    {QStringLiteral("RVB"), 90}, {QStringLiteral("BW"), 100}};
    return contexts.value(currentPageName(), -1);
}

void TfrmMain::btnHelpClick()
{
    const int context = currentHelpContext();
    if (context < 0)
        HelpWindow::instance()->showContents();
    else
        HelpWindow::instance()->showContext(context);
}

void TfrmMain::showHelpTopic(int which)
{
    HelpWindow* help = HelpWindow::instance();
    switch (which) {
    case 0: help->showContents(); break;
    case 1: help->showSearch(); break;
    case 2: help->showHelpOnHelp(); break;
    case 3: help->showContext(HelpWindow::kGlossary); break;
    case 4: {
        const int page = currentHelpContext();
        help->showContext(HelpWindow::contextOf(focusWidget(), page < 0 ? 5 : page));
        break;
    }
    default: break;
    }
}

void TfrmMain::MnuHelpAboutClick()
{
    TAboutBox box(this);
    runModal(box);
}

void TfrmMain::MnuHelpDisclaimerClick()
{
    TfrmDisclaim disclaimer(this);
    runModal(disclaimer);
}

void TfrmMain::MnuFilePrintSetupClick()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.exec();
}

void TfrmMain::openAddress(const QString& address)
{
    // No browser or mail program: nothing to tell the user that would help.
    QDesktopServices::openUrl(QUrl(address));
}

void TfrmMain::MnuFileExitClick() { close(); }

int TfrmMain::runModal(QDialog& dialog)
{
    repaint();
    dialog.adjustSize();
    const QRect bounds = frameGeometry();
    const QSize size = dialog.frameGeometry().size();
    dialog.move(bounds.left() + (bounds.width() - size.width()) / 2,
                bounds.top() + (bounds.height() - size.height()) / 2);
    return dialog.exec();
}

void TfrmMain::AppOnException(std::exception_ptr failure)
{
    m_pendingFailures.push_back({failure, currentPageName()});
    if (!m_flushQueued) {
        m_flushQueued = true;
        QTimer::singleShot(0, this, [this] { flushPendingFailures(); });
    }
}

void TfrmMain::flushPendingFailures()
{
    m_flushQueued = false;
    if (m_showingFailure)
        return;  // the outer call picks up what arrives meanwhile
    m_showingFailure = true;
    while (!m_pendingFailures.empty()) {
        const PendingFailure pending = m_pendingFailures.front();
        m_pendingFailures.erase(m_pendingFailures.begin());
        bool arithmetic = false;
        try {
            std::rethrow_exception(pending.failure);
        } catch (const qn::EMathError&) {
            arithmetic = true;
        } catch (...) {
        }
        qn::toolkit::showMessage(this, arithmetic ? kMathMessage : kOtherMessage);
        // Only the page that raised the failure recovers: the others' fields are hidden.
        if (arithmetic) {
            if (CalculatorPage* calc = m_pages.value(pending.pageName))
                qn::toolkit::runGuarded([calc] { calc->recoverFromArithmeticFailure(); });
        }
    }
    m_showingFailure = false;
}

void TfrmMain::setExitDraw(std::function<int()> draw) { m_exitDraw = std::move(draw); }

bool TfrmMain::FormCloseQuery()
{
    const int draw = m_exitDraw ? m_exitDraw() : 1;
    if (draw == 0) {
        TfrmClose dialog(this);
        return runModal(dialog) == QDialog::Accepted;
    }
    return true;
}

void TfrmMain::FormClose()
{
    HelpWindow::closeHelp();
    try {
        SaveSettings(m_settingsPath, m_settings);
    } catch (const qn::QnError& error) {
        qn::toolkit::showMessage(this, QString::fromStdString(error.what()));
    }
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    bool allowed = true;
    qn::toolkit::runGuarded([&] { allowed = FormCloseQuery(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

} // namespace qn::app
