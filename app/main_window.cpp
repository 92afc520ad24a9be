#include "app/main_window.h"

#include "app/about_box.h"
#include "app/close_dialog.h"
#include "app/dialog_util.h"
#include "app/disclaimer.h"
#include "app/help_window.h"
#include "app/ini_file.h"
#include "app/menu_page.h"
#include "app/prefs_dialog.h"
#include "core/errors.h"
#include "pages/calculator_page.h"
#include "pages/failure_handler.h"
#include "pages/page_entry.h"
#include "pages/page_snapshot.h"
#include "pages/registry.h"
#include "reports/forms.h"
#include "reports/preview.h"
#include "toolkit/guarded.h"
#include "toolkit/hints.h"
#include "toolkit/keyboard.h"
#include "toolkit/message_box.h"
#include "toolkit/product.h"
#include "toolkit/safe_file.h"
#include "toolkit/save_dialog.h"
#include "toolkit/table_text.h"
#include "toolkit/widgets.h"
#include "update/update_center.h"
#include "update/web_file_info.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace qn::app {

TfrmMain::TfrmMain(const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent), m_settingsPath(settingsPath)
{
    setObjectName(QStringLiteral("frmMain"));
    initResources();
    setWindowTitle(toolkit::kProductCaption);
    const QString exeFolder = QCoreApplication::applicationDirPath() + QDir::separator();

    // A settings file with a bad number still loads; the message waits for the event loop.
    m_settings = LoadSettings(m_settingsPath, [this](const QString& message) {
        QTimer::singleShot(0, this, [this, message] { qn::toolkit::showMessage(this, message); });
    });

    m_failures = new pages::FailureQueue(
        this, [this] { return currentPage(); }, this);
    qn::toolkit::setFailureHandler([this](std::exception_ptr failure) { AppOnException(failure); });

    m_helpFile = HelpWindow::findHelpFile(exeFolder);
    setUpUpdates();
    HelpWindow::setHelpFile(m_helpFile);
    m_exitDraw = [] { return static_cast<int>(QRandomGenerator::global()->bounded(5)); };
    m_askExportPath = [this] {
        return toolkit::askSaveFileName(this, QStringLiteral("Export"),
                                        reports::DocumentName(currentPageName()),
                                        QStringLiteral("CSV files (*.csv)"), QStringLiteral("csv"));
    };

    QFont arial(QStringLiteral("Arial"));
    arial.setPointSize(8);
    setFont(arial);

    auto* central = new QWidget(this);
    auto* outer = toolkit::borderlessColumn(central, 0);
    auto* toolPanel = new QWidget(central);
    toolPanel->setObjectName(QStringLiteral("pnlToolBar"));
    toolPanel->setFixedHeight(33);
    outer->addWidget(toolPanel);
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    outer->addLayout(body, 1);

    m_calculatorName = new toolkit::AngledLabel(QStringLiteral("Main Menu"), central);
    m_calculatorName->setObjectName(QStringLiteral("lblCalculatorName"));
    m_calculatorName->setFixedWidth(25);
    body->addWidget(m_calculatorName);

    m_notebook = new QStackedWidget(central);
    m_notebook->setObjectName(QStringLiteral("nbkMain"));
    body->addWidget(m_notebook, 1);
    auto* menuPage = new MenuPage(m_notebook);
    m_notebook->addWidget(menuPage);
    // The calculator pages are made when first entered, each into its slot.
    for (const pages::PageInfo& info : pages::pageRegistry()) {
        const QString& name = info.name;
        auto* slot = new QWidget(m_notebook);
        slot->setObjectName(QStringLiteral("slot") + name);
        toolkit::borderlessColumn(slot);
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
    m_hints =
        new toolkit::HintDisplay([this](const QString& hint) { m_status->setText(hint); }, this);

    buildMenus();
    setUpScenarios();
    buildToolBar(toolPanel);
    menuPage->fill([this] { MnuHelpAboutClick(); },
                   [this](const QString& page) { gotoChosenCalculator(page); });
    toolkit::pressButtonsWithEnter(this);
    EnableMnuCalcItems();
    setPrintingEnabled(false);

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    qn::toolkit::connectGuarded(f1, &QShortcut::activated, this, &TfrmMain::helpForFocusedControl);

    setFixedSize(612, 399);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    unsetCursor();
}

TfrmMain::~TfrmMain() { qn::toolkit::setFailureHandler({}); }

SettingsValues& TfrmMain::settings() { return m_settings; }

void TfrmMain::saveSettingsKeys(const QStringList& keys)
{
    SaveSettingsKeys(m_settingsPath, m_settings, keys);
}

void TfrmMain::setPrintingEnabled(bool on)
{
    m_btnPrint->setEnabled(on);
    m_mnuFilePrint->setEnabled(on);
}

bool TfrmMain::printingEnabled() const { return m_btnPrint->isEnabled(); }

void TfrmMain::setResetEnabled(bool on) { m_btnReset->setEnabled(on); }

void TfrmMain::showHint(const QString& hint) { m_hints->showNow(toolkit::longHint(hint)); }

QPushButton* TfrmMain::resetButton() const { return m_btnReset; }

bool TfrmMain::calculatorAvailable(const QString& name) const
{
    const pages::PageInfo* info = pages::findPage(name);
    return info && info->factory;
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
    holdCurrentPage();
    m_notebook->setCurrentIndex(0);
    m_hints->clear();
    m_mnuFileExport->setEnabled(false);
    EnableMnuCalcItems();
    setPrintingEnabled(false);
}

void TfrmMain::holdCurrentPage()
{
    // What the page left holds, so that coming back to it keeps the scenario's figures.
    if (CalculatorPage* left = currentPage(); left && !m_held.empty())
        m_held[currentPageName()] = left->inputs();
}

void TfrmMain::gotoChosenCalculator(const QString& target)
{
    holdCurrentPage();
    if (target == QStringLiteral("btnMenu")) {
        m_calculatorName->setText(QStringLiteral("Main Menu"));
        setPrintingEnabled(false);
        m_btnReset->setEnabled(false);
        m_btnMenu->setEnabled(false);
        m_notebook->setCurrentIndex(0);
        CloseCalculators();
        giveMnemonicsTo(nullptr);
        return;
    }
    const pages::PageInfo* info = pages::findPage(target);
    if (!info || !info->factory)
        return;
    const int index = pages::notebookIndex(target);
    CalculatorPage* calc = m_pages.value(target);
    if (!calc) {
        QWidget* slot = m_notebook->widget(index);
        calc = pages::createPage(*info, *this, slot);
        slot->layout()->addWidget(calc);
        m_pages.insert(target, calc);
    }
    using Button = pages::NavigationRow::Button;
    const pages::NavigationRow& row = info->navigation;
    m_calculatorName->setText(row.calculatorName);
    m_calculatorName->update();
    EnableMnuCalcItems();
    setCalcItemsEnabled(target, false);
    pages::enterPage(*info, *calc, *this, [&] {
        if (row.menu != Button::Unchanged)
            m_btnMenu->setEnabled(row.menu == Button::Enabled);
        m_notebook->setCurrentIndex(index);
        m_hints->clear(); // a hint of the page left behind says nothing about this one
        giveMnemonicsTo(calc);
        m_mnuFileExport->setEnabled(calc->canExport());
        if (target == QStringLiteral("QC"))
            m_notebook->setFocus();
    });
    if (const auto held = m_held.find(target); held != m_held.end())
        toolkit::runGuarded([&] {
            if (const auto refused = pages::putScenarioPage(*calc, target, held->second))
                toolkit::showMessage(this, refused->path + QStringLiteral(": ") + refused->what);
        });
}

void TfrmMain::giveMnemonicsTo(QWidget* page)
{
    // The page's own keys win: a menu title that shares one moves its mnemonic to another
    // letter while the page is shown, and gets it back on the menu page.
    QSet<QChar> taken;
    if (page)
        for (const toolkit::Mnemonic& m : toolkit::mnemonicsIn(page, false))
            taken.insert(m.key);
    for (QAction* menu : menuBar()->actions()) {
        if (!m_menuTitles.contains(menu))
            m_menuTitles.insert(menu, menu->text());
        const QString title = m_menuTitles.value(menu);
        const QChar key = toolkit::mnemonicKey(title);
        const QString shown =
            !key.isNull() && taken.contains(key) ? toolkit::withFreeMnemonic(title, taken) : title;
        menu->setText(shown);
        if (const QChar given = toolkit::mnemonicKey(shown); !given.isNull())
            taken.insert(given);
    }
}

void TfrmMain::gotoPage(const QString& name)
{
    gotoChosenCalculator(name == pages::kMenuPageName ? QStringLiteral("btnMenu") : name);
}

QString TfrmMain::currentPageName() const
{
    const int index = m_notebook->currentIndex();
    if (index <= 0)
        return pages::kMenuPageName;
    return pages::pageRegistry().at(static_cast<std::size_t>(index - 1)).name;
}

CalculatorPage* TfrmMain::page(const QString& name) const { return m_pages.value(name); }

CalculatorPage* TfrmMain::currentPage() const { return m_pages.value(currentPageName()); }

void TfrmMain::Reset()
{
    if (CalculatorPage* calc = currentPage())
        calc->reset();
}

int TfrmMain::helpContext() const { return pages::kMenuHelpContext; }

int TfrmMain::currentHelpContext() const
{
    const QString name = currentPageName();
    if (name == pages::kMenuPageName)
        return pages::kMenuHelpContext;
    const pages::PageInfo* info = pages::findPage(name);
    return info ? info->helpContext : -1;
}

void TfrmMain::btnHelpClick()
{
    const int context = currentHelpContext();
    if (context < 0)
        HelpWindow::instance()->showContents();
    else
        HelpWindow::instance()->showContext(context);
}

void TfrmMain::helpForFocusedControl()
{
    // The focused control's own topic, else its page's (found through its parents), else 5.
    HelpWindow::instance()->showContext(HelpWindow::contextOf(focusWidget(), helpContext()));
}

void TfrmMain::MnuHelpContentsClick() { HelpWindow::instance()->showContents(); }
void TfrmMain::MnuHelpSearchClick() { HelpWindow::instance()->showSearch(); }
void TfrmMain::MnuHelpHowClick() { HelpWindow::instance()->showHelpOnHelp(); }

void TfrmMain::MnuHelpGlossaryClick()
{
    HelpWindow::instance()->showContext(HelpWindow::kGlossary);
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

void TfrmMain::mnuPreferencesSetValuesClick()
{
    TfrmPrefs prefs(m_settingsPath, m_settings, this);
    runModal(prefs);
}

bool TfrmMain::setUpdateUrl(const QString& url) { return m_webFileInfo->setHomeURL(url); }

void TfrmMain::ShowUpdate()
{
    update::TfrmUpdate center(*m_webFileInfo, this);
    runModal(center);
}

void TfrmMain::setUpUpdates()
{
    m_webFileInfo = new update::TWebFileInfo(this);
    m_webFileInfo->setHomeURL(toolkit::kMakerProductInfoPage);
    IniFile file;
    file.load(m_settingsPath);
    const QString configured =
        file.readString(QStringLiteral("Update"), QStringLiteral("HomeUrl"), QString());
    if (!configured.isEmpty())
        m_webFileInfo->setHomeURL(configured);
    const QString proxy =
        file.readString(QStringLiteral("Update"), QStringLiteral("ProxyHost"), QString());
    const uint proxyPort =
        file.readString(QStringLiteral("Update"), QStringLiteral("ProxyPort"), QString()).toUInt();
    m_webFileInfo->setProxy(
        proxy, proxyPort > 0 && proxyPort < 65536 ? static_cast<quint16>(proxyPort) : quint16(80));
    m_webFileInfo->saveSettings = [this] {
        try {
            SaveSettings(m_settingsPath, m_settings);
        } catch (const qn::QnError& error) {
            qn::toolkit::showMessage(this, QString::fromStdString(error.what()));
        }
    };
    // The installer takes over: no exit dialog, and the settings were saved just before.
    m_webFileInfo->endProgram = [] { QCoreApplication::exit(0); };
}

void TfrmMain::setExportPathAsker(std::function<QString()> ask)
{
    m_askExportPath = std::move(ask);
}

void TfrmMain::mnuFileExportClick()
{
    CalculatorPage* page = currentPage();
    if (!page || !page->canExport())
        return;
    const QString path = m_askExportPath ? m_askExportPath() : QString();
    if (path.isEmpty())
        return;
    if (!toolkit::WriteFileSafely(path, page->csvText().toUtf8()))
        qn::toolkit::showMessage(this, toolkit::UnableToWriteMessage(path));
}

void TfrmMain::Print()
{
    // The page on show prints what it shows; pages without a report preview nothing.
    CalculatorPage* page = currentPage();
    if (!page || !m_notebook->isVisible())
        return;
    const auto report = reports::ReportFor(pages::takeSnapshot(currentPageName(), page));
    if (!report)
        return;
    reports::TfrmPreview preview(this);
    preview.setReport(*report, QDateTime::currentDateTime());
    preview.setDocumentName(reports::DocumentName(currentPageName()));
    preview.setWindowState(Qt::WindowMaximized);
    preview.exec();
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

void TfrmMain::AppOnException(std::exception_ptr failure) { m_failures->report(failure); }

void TfrmMain::flushPendingFailures() { m_failures->flush(); }

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
    saveRecent();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    bool allowed = true;
    qn::toolkit::runGuarded([&] { allowed = askToSaveChanges() && FormCloseQuery(); });
    if (!allowed) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

} // namespace qn::app
