// Scenarios in the main window: the File menu, the title, unsaved changes and recent files.
#include "app/ini_file.h"
#include "pages/calculator_page.h"
#include "pages/registry.h"
#include "tests/support/files.h"
#include "tests/support/page_names.h"
#include "tests/support/window_fixture.h"
#include "toolkit/product.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>

using qn::pages::PageFields;

namespace {

class ScenarioWindow : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        m_window->setScenarioPathAsker([this](bool) { return m_asked; });
    }
    double value(const char* page, const qn::pages::FieldSpec& field)
    {
        return m_window->page(QLatin1String(page))->fields().value(field);
    }
    void setValue(const char* page, const qn::pages::FieldSpec& field, double figure)
    {
        m_window->page(QLatin1String(page))->fields().setValue(field, figure);
    }
    // The title follows the changes within a moment.
    QString titleAfterAWhile()
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 400)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return m_window->windowTitle();
    }
    // The next message box is answered so.
    void answer(QMessageBox::StandardButton button)
    {
        qn::toolkit::setMessageInterceptor([this, button](const auto& request) {
            m_messages.append(request.text);
            return button;
        });
    }
    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    QString m_asked;
};

TEST_F(ScenarioWindow, SavedScenarioOpensOnEveryPageWithItsName)
{
    m_window->gotoPage(QStringLiteral("BW"));
    setValue("BW", bw::kMortgageAmount, 123456);
    m_window->gotoPage(QStringLiteral("ECC"));
    setValue("ECC", ecc::kInterest, 6.125);
    EXPECT_TRUE(m_window->scenarioChanged());
    EXPECT_TRUE(titleAfterAWhile().endsWith(u'*'));
    m_asked = path("Smith Street.qnry");
    ASSERT_TRUE(m_window->saveScenarioAs());
    EXPECT_EQ(titleAfterAWhile(), qn::toolkit::kProductCaption + QStringLiteral(" - Smith Street"));

    m_window->newScenario();
    EXPECT_EQ(m_window->currentPageName(), QStringLiteral("Menu"));
    EXPECT_EQ(titleAfterAWhile(), qn::toolkit::kProductCaption);
    ASSERT_TRUE(m_window->openScenarioFile(m_asked));
    EXPECT_EQ(m_window->currentPageName(), QStringLiteral("ECC"));
    EXPECT_DOUBLE_EQ(value("ECC", ecc::kInterest), 6.125);
    // A page entered later keeps the scenario's figure, not the settings' one.
    m_window->gotoPage(QStringLiteral("BW"));
    EXPECT_DOUBLE_EQ(value("BW", bw::kMortgageAmount), 123456);
    EXPECT_FALSE(m_window->scenarioChanged());
    EXPECT_EQ(m_window->recentScenarios().value(0), m_asked);
}

TEST_F(ScenarioWindow, AnUnreadableFileChangesNothing)
{
    m_window->gotoPage(QStringLiteral("BW"));
    setValue("BW", bw::kMortgageAmount, 98765);
    const QString broken = path("broken.qnry");
    writeAll(broken, "{\"format\": \"quennary-scenario\", \"version\": 7, \"pages\": {}}");
    EXPECT_FALSE(m_window->openScenarioFile(broken));
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(broken) && messages[0].contains(QStringLiteral("version")));
    EXPECT_EQ(m_window->currentPageName(), QStringLiteral("BW"));
    EXPECT_DOUBLE_EQ(value("BW", bw::kMortgageAmount), 98765);
}

TEST_F(ScenarioWindow, UnsavedChangesAskBeforeExitNewAndOpen)
{
    m_window->gotoPage(QStringLiteral("BW"));
    setValue("BW", bw::kMortgageAmount, 150000);
    struct Case {
        QMessageBox::StandardButton answer;
        bool goesOn;
    };
    for (const Case c : {Case{QMessageBox::Cancel, false}, Case{QMessageBox::Save, true}}) {
        answer(c.answer);
        m_asked = path("exit.qnry");
        EXPECT_EQ(m_window->close(), c.goesOn);
        const QStringList messages = takeMessages();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Save the changes")));
    }
    EXPECT_TRUE(readAll(m_asked).contains("150000"));
    // After Discard, New starts afresh; nothing is asked when nothing changed.
    m_window->gotoPage(QStringLiteral("BW"));
    setValue("BW", bw::kMortgageAmount, 160000);
    answer(QMessageBox::Discard);
    m_window->newScenario();
    EXPECT_EQ(takeMessages().size(), 1);
    m_window->newScenario();
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(ScenarioWindow, RecentFilesAreKeptAndAMissingOneIsTakenOff)
{
    for (int i = 0; i < 10; ++i) {
        m_asked = m_dir.filePath(QStringLiteral("s%1.qnry").arg(i));
        ASSERT_TRUE(m_window->saveScenarioAs());
    }
    ASSERT_EQ(m_window->recentScenarios().size(), 8);
    EXPECT_EQ(m_window->recentScenarios().front(), m_asked);
    const QString gone = m_window->recentScenarios().back();
    QFile::remove(gone);
    m_window->openRecent(gone);
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(gone));
    EXPECT_FALSE(m_window->recentScenarios().contains(gone));
    ASSERT_TRUE(m_window->close());
    qn::app::IniFile ini;
    ini.load(settingsFile());
    EXPECT_EQ(ini.readString(QStringLiteral("Recent"), QStringLiteral("File1"), {}), m_asked);
    EXPECT_TRUE(ini.readString(QStringLiteral("Recent"), QStringLiteral("File8"), {}).isEmpty());
}

TEST_F(ScenarioWindow, VisitingEveryPageChangesNothing)
{
    for (const qn::pages::PageInfo& info : qn::pages::pageRegistry())
        m_window->gotoPage(info.name);
    m_window->gotoPage(QStringLiteral("Menu"));
    EXPECT_FALSE(m_window->scenarioChanged());
    EXPECT_TRUE(m_window->close()); // nothing asked
}

TEST_F(ScenarioWindow, FileMenuItemsAndTheirKeys)
{
    const std::pair<const char*, const char*> items[] = {{"mnuFileNew", "Ctrl+N"},
                                                         {"mnuFileOpen", "Ctrl+O"},
                                                         {"mnuFileSave", "Ctrl+S"},
                                                         {"mnuFileSaveAs", "Ctrl+Shift+S"}};
    for (const auto& [name, keys] : items) {
        auto* action = m_window->findChild<QAction*>(QLatin1String(name));
        ASSERT_TRUE(action) << name;
        EXPECT_EQ(action->shortcut(), QKeySequence(QLatin1String(keys))) << name;
    }
}

} // namespace
