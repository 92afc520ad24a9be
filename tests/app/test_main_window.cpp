#include "app/help_window.h"
#include "app/main_window.h"
#include "core/errors.h"
#include "pages/calculator_page.h"
#include "tests/support/files.h"
#include "tests/support/page_names.h"
#include "tests/support/window_fixture.h"
#include "toolkit/guarded.h"
#include "toolkit/message_box.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

#include <memory>
#include <stdexcept>

using qn::app::TfrmMain;

namespace {

const QString kMathMessage = QStringLiteral(
    "Valid results cannot be calculated using\n\rthe variables you have entered.\n\r\n\r"
    "Please try again with reasonable values.");
const QString kOtherMessage = QStringLiteral("An unidentified error has occurred.");

class MainWindowTest : public WindowFixture {
protected:
    template <typename T> T* find(const char* name) const
    {
        return m_window->findChild<T*>(QLatin1String(name));
    }

    QAction* item(const char* name) const
    {
        QAction* action = find<QAction>(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    bool enabled(const char* button) const { return find<QPushButton>(button)->isEnabled(); }

    QString sideStrip() const { return find<QLabel>("lblCalculatorName")->text(); }

    // Raises the failure inside a guarded handler, as a real click would.
    void failOnClick(std::function<void()> thrower)
    {
        QPushButton button;
        qn::toolkit::connectGuarded(&button, &QPushButton::clicked, m_window.get(), thrower);
        button.click();
    }
};

// Qt appends an application display name, once one is set, to every window's title; the
// program names itself without one, so the display name follows the name, whatever it is.
TEST_F(MainWindowTest, WindowTitlesGetNothingAppended)
{
    const QString name = QCoreApplication::applicationName();
    EXPECT_EQ(name, QStringLiteral("Quennary"));
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    QCoreApplication::setApplicationName(name);
}

TEST_F(MainWindowTest, StartsOnTheMenuPageWithCalculatorCommandsOff)
{
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Quennary, 1.0.02"));
    EXPECT_EQ(m_window->size(), QSize(612, 399));
    EXPECT_EQ(m_window->currentPageName(), QStringLiteral("Menu"));
    EXPECT_EQ(find<QStackedWidget>("nbkMain")->count(), 10); // the menu page and nine more
    EXPECT_EQ(sideStrip(), QStringLiteral("Main Menu"));
    EXPECT_FALSE(enabled("btnMenu"));
    EXPECT_FALSE(enabled("btnReset"));
    EXPECT_FALSE(enabled("btnPrint"));
    EXPECT_FALSE(item("MnuFilePrint")->isEnabled());
    EXPECT_TRUE(enabled("btnHelp"));
    EXPECT_TRUE(enabled("btnExit"));
    EXPECT_TRUE(item("MnuCalculatorsQC")->isEnabled());
    EXPECT_EQ(find<QLabel>("lblStatusText")->text(),
              QStringLiteral(" Welcome to Tillerode Software's Quennary!"));
}

TEST_F(MainWindowTest, EveryCalculatorCanBeChosenFromTheMenuPage)
{
    const std::pair<const char*, const char*> buttons[] = {
        {"btnQC", "QC"},  {"btnMQ", "MQ"}, {"btnAmort", "Amort"}, {"btnECC", "ECC"},
        {"btnLSC", "LS"}, {"btnBW", "BW"}, {"btnRC", "RC"},       {"btnRVB", "RVB"}};
    for (const auto& [button, page] : buttons) {
        ASSERT_TRUE(enabled(button)) << button;
        find<QPushButton>(button)->click();
        EXPECT_EQ(m_window->currentPageName(), QLatin1String(page));
        find<QPushButton>("btnMenu")->click();
    }
    takeMessages();
}

// The Loan Spread page's own Menu button goes back without touching the side strip or the
// Reset and Menu buttons.
TEST_F(MainWindowTest, LoanSpreadMenuButtonKeepsTheShellAsItWas)
{
    m_window->gotoChosenCalculator(QStringLiteral("LS"));
    const bool reset = enabled("btnReset");
    m_window->page(QStringLiteral("LS"))
        ->findChild<QPushButton*>(QLatin1String(ls::kBtnClosePG))
        ->click();
    EXPECT_EQ(m_window->currentPageName(), QStringLiteral("Menu"));
    EXPECT_EQ(sideStrip(), QStringLiteral("Loan Spread Calculator"));
    EXPECT_EQ(enabled("btnReset"), reset);
    EXPECT_TRUE(enabled("btnMenu"));
    EXPECT_FALSE(enabled("btnPrint"));
}

struct Entry {
    const char* target;
    const char* button;
    const char* name;
    std::array<const char*, 3> items;
};

TEST_F(MainWindowTest, EnteringACalculatorDisablesOnlyItsOwnItems)
{
    const Entry entries[] = {
        {"QC", "btnQC", "Quick Calculator", {"MnuCalculatorsQC", "mnuPopQC", "mnuPopCalcsQC"}},
        {"BW", "btnBW", "Bi-weekly Payments", {"MnuCalculatorsBW", "mnuPopBW", "mnuPopCalcsBW"}},
        {"Amort",
         "btnAmort",
         "Loan Amortizations",
         {"MnuCalculatorsAmort", "mnuPopAmort", "mnuPopCalcsAmort"}},
    };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.target);
        find<QPushButton>(entry.button)->click();
        EXPECT_EQ(m_window->currentPageName(), QLatin1String(entry.target));
        EXPECT_EQ(sideStrip(), QLatin1String(entry.name));
        EXPECT_NE(m_window->page(QLatin1String(entry.target)), nullptr);
        for (const char* own : entry.items)
            EXPECT_FALSE(item(own)->isEnabled()) << own;
        for (const Entry& other : entries) {
            if (&other == &entry)
                continue;
            for (const char* name : other.items)
                EXPECT_TRUE(item(name)->isEnabled()) << name;
        }
        EXPECT_TRUE(enabled("btnMenu"));
        EXPECT_EQ(enabled("btnPrint"), item("MnuFilePrint")->isEnabled());
    }
}

TEST_F(MainWindowTest, ShellFollowsTheNavigationTable)
{
    // Expected states written out, not read back from the registry under test.
    struct Step {
        const char* target;
        bool reset, print, menu;
    };
    const Step steps[] = {
        {"QC", false, false, true}, // Reset unchanged: still off from the menu page
        {"BW", true, true, true},         {"QC", true, false, true}, // unchanged: stays on after BW
        {"Amort", true, true, true}, // the schedule switches printing on
        {"btnMenu", false, false, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.target);
        m_window->gotoChosenCalculator(QLatin1String(step.target));
        EXPECT_EQ(enabled("btnReset"), step.reset);
        EXPECT_EQ(enabled("btnPrint"), step.print);
        EXPECT_EQ(enabled("btnMenu"), step.menu);
    }
}

TEST_F(MainWindowTest, QuickCalculatorKeepsTheResetButtonAsItWas)
{
    m_window->gotoChosenCalculator(QStringLiteral("QC"));
    EXPECT_FALSE(enabled("btnReset"));
    EXPECT_FALSE(enabled("btnPrint"));
    m_window->gotoChosenCalculator(QStringLiteral("BW"));
    m_window->gotoChosenCalculator(QStringLiteral("QC"));
    EXPECT_TRUE(enabled("btnReset"));
}

TEST_F(MainWindowTest, MenuButtonReturnsToTheMenuPage)
{
    m_window->gotoChosenCalculator(QStringLiteral("BW"));
    find<QPushButton>("btnMenu")->click();
    EXPECT_EQ(m_window->currentPageName(), QStringLiteral("Menu"));
    EXPECT_EQ(sideStrip(), QStringLiteral("Main Menu"));
    EXPECT_FALSE(enabled("btnMenu"));
    EXPECT_FALSE(enabled("btnReset"));
    EXPECT_FALSE(enabled("btnPrint"));
    EXPECT_FALSE(item("MnuFilePrint")->isEnabled());
    EXPECT_TRUE(item("mnuPopCalcsBW")->isEnabled());
}

TEST_F(MainWindowTest, CloseCalculatorsKeepsNameAndButtons)
{
    m_window->gotoChosenCalculator(QStringLiteral("BW"));
    m_window->CloseCalculators();
    EXPECT_EQ(m_window->currentPageName(), QStringLiteral("Menu"));
    EXPECT_EQ(sideStrip(), QStringLiteral("Bi-weekly Payments"));
    EXPECT_TRUE(enabled("btnMenu"));
    EXPECT_FALSE(enabled("btnPrint"));
    EXPECT_TRUE(item("MnuCalculatorsBW")->isEnabled());
}

TEST_F(MainWindowTest, FailuresShowTheirMessageOnceTheHandlerHasReturned)
{
    struct Case {
        std::function<void()> thrower;
        QString message;
    };
    const Case cases[] = {
        {[] { throw qn::EMathError("division by zero"); }, kMathMessage},
        {[] { throw qn::EConvertError("'x' is not a valid floating point value"); }, kOtherMessage},
        {[] { throw qn::EListError("row 0"); }, kOtherMessage},
        {[] {
             throw qn::EInputError("Term in Months must be a whole number no larger than 1200.");
         },
         QStringLiteral("Term in Months must be a whole number no larger than 1200.")},
        {[] { throw std::logic_error("other"); }, kOtherMessage},
        {[] { throw 42; }, kOtherMessage},
    };
    for (const Case& c : cases) {
        failOnClick(c.thrower);
        EXPECT_TRUE(m_messages.isEmpty()) << "shown inside the handler";
        EXPECT_EQ(takeMessages(), QStringList{c.message});
    }
}

TEST_F(MainWindowTest, FailuresRaisedTogetherAreEachShown)
{
    failOnClick([] { throw qn::EMathError("a"); });
    failOnClick([] { throw qn::EConvertError("b"); });
    EXPECT_EQ(takeMessages(), (QStringList{kMathMessage, kOtherMessage}));
}

// An arithmetic failure on another page, or another failure on the schedule page itself,
// resets nothing.
TEST_F(MainWindowTest, FailuresThatLeaveTheAmortizationsPageAlone)
{
    struct Row {
        const char* onPage;
        std::function<void()> thrower;
        QString message;
    };
    const Row rows[] = {
        {"QC", [] { throw qn::EMathError("overflow"); }, kMathMessage},
        {"Amort", [] { throw qn::EConvertError("bad"); }, kOtherMessage},
    };
    for (const Row& r : rows) {
        m_window->gotoChosenCalculator(QStringLiteral("Amort"));
        m_window->gotoChosenCalculator(QLatin1String(r.onPage));
        QSignalSpy resets(m_window->resetButton(), &QPushButton::clicked);
        failOnClick(r.thrower);
        EXPECT_EQ(takeMessages(), QStringList{r.message}) << r.onPage;
        EXPECT_EQ(resets.count(), 0) << r.onPage;
    }
}

TEST_F(MainWindowTest, ClosingWritesAllSettings)
{
    m_window->show();
    EXPECT_TRUE(m_window->close());
    QFile file(settingsFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int keys = 0;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.startsWith(u'[') && line.contains(u'='))
            ++keys;
    }
    EXPECT_EQ(keys, 34);
}

TEST_F(MainWindowTest, UnwritableSettingsAreReportedAndTheWindowStillCloses)
{
    // A regular file where the folder should be: no user can create the settings file.
    const QString blocker = m_dir.filePath(QStringLiteral("blocker"));
    QFile block(blocker);
    ASSERT_TRUE(block.open(QIODevice::WriteOnly));
    block.close();
    TfrmMain window(blocker + QStringLiteral("/QNRY.INI"));
    window.setExitDraw([] { return 1; });
    window.show();
    EXPECT_TRUE(window.close());
    const QStringList shown = takeMessages();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.front().startsWith(QStringLiteral("Unable to write to")))
        << shown.front().toStdString();
}

TEST_F(MainWindowTest, HintReachesTheStatusBarAfterThePause)
{
    auto* status = find<QLabel>("lblStatusText");
    QPushButton* exitButton = find<QPushButton>("btnExit");
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(exitButton, &enter);
    settle();
    EXPECT_EQ(status->text(), QStringLiteral(" Welcome to Tillerode Software's Quennary!"));
    QTest::qWait(600);
    EXPECT_EQ(status->text(), QStringLiteral("Exit Quennary"));

    // The hint goes with the mouse; leaving before the pause ends shows nothing.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(exitButton, &leave);
    EXPECT_EQ(status->text(), QString());
    QCoreApplication::sendEvent(find<QPushButton>("btnHelp"), &enter);
    QCoreApplication::sendEvent(find<QPushButton>("btnHelp"), &leave);
    QTest::qWait(600);
    EXPECT_EQ(status->text(), QString());

    // Nor does a hint outlive its page.
    QCoreApplication::sendEvent(exitButton, &enter);
    QTest::qWait(600);
    m_window->gotoChosenCalculator(QStringLiteral("BW"));
    EXPECT_EQ(status->text(), QString());
}

TEST_F(MainWindowTest, ExitButtonClosesAndSaves)
{
    m_window->show();
    find<QPushButton>("btnExit")->click();
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_TRUE(QFile::exists(settingsFile()));
}

TEST_F(MainWindowTest, BadSettingsValueIsReportedOnceTheLoopRuns)
{
    const QString path = m_dir.filePath(QStringLiteral("bad.ini"));
    writeAll(path, "[LastValues]\nLoan=abc\n");
    TfrmMain window(path);
    EXPECT_TRUE(m_messages.isEmpty());
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("Loan: 'abc' is not a valid floating point value")});
}

TEST_F(MainWindowTest, HelpTopicFollowsThePage)
{
    EXPECT_EQ(m_window->currentHelpContext(), 5);
    const std::pair<const char*, int> pages[] = {{"BW", 100}, {"QC", 20}, {"Amort", 50}};
    for (const auto& [name, context] : pages) {
        m_window->gotoChosenCalculator(QLatin1String(name));
        EXPECT_EQ(m_window->currentHelpContext(), context) << name;
        EXPECT_EQ(m_window->page(QLatin1String(name))->property("helpContext").toInt(), context)
            << name;
    }
}

TEST_F(MainWindowTest, ResetOnTheMenuPageDoesNothing)
{
    m_window->Reset();
    EXPECT_EQ(m_window->currentPageName(), QStringLiteral("Menu"));
}

} // namespace

namespace {

// F1 asks for the focused control's topic first, then its page's, then the window's 5.
TEST_F(MainWindowTest, F1OpensTheFocusedControlsTopic)
{
    qn::app::HelpWindow::setHelpFile(QStringLiteral(QUENNARY_SOURCE_DIR "/app/help/QNRY.hlp"));
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    auto pressF1 = [this] {
        QTest::keyClick(m_window->windowHandle(), Qt::Key_F1); // through the shortcut map
        settle();
        const int context = qn::app::HelpWindow::instance()->currentContext();
        // The help window took the activation; give it back for the next key.
        qn::app::HelpWindow::closeHelp();
        m_window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        return context;
    };
    EXPECT_EQ(pressF1(), 5);

    m_window->gotoChosenCalculator(QStringLiteral("Amort"));
    settle();
    EXPECT_EQ(pressF1(), 50); // the loan amount field has no topic of its own

    QTest::mouseClick(find<QPushButton>(amort::kBtnAddExtraPayments), Qt::LeftButton);
    auto* remove = find<QPushButton>(amort::kBtnRemove);
    ASSERT_NE(remove, nullptr);
    remove->setFocus();
    settle();
    EXPECT_EQ(pressF1(), 45); // the extra-payments panel's own topic
}

} // namespace

namespace {

// Print on a page previews that page's report in the program's own preview window.
TEST_F(MainWindowTest, PrintPreviewsTheReportOfThePageOnShow)
{
    m_window->show();
    m_window->gotoChosenCalculator(QStringLiteral("BW"));
    QString caption;
    QString page;
    QTimer::singleShot(0, m_window.get(), [&] {
        QWidget* preview = QApplication::activeModalWidget();
        ASSERT_NE(preview, nullptr);
        caption = preview->windowTitle();
        page = preview->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        preview->findChild<QPushButton*>(QStringLiteral("bbClose"))->click();
    });
    find<QPushButton>("btnPrint")->click();
    EXPECT_EQ(caption, QStringLiteral("Print Preview - Quennary, 1.0.02"));
    EXPECT_EQ(page, QStringLiteral("Page 1 of 1"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
