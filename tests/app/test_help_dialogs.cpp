#include "app/about_box.h"
#include "app/close_dialog.h"
#include "app/dialog_util.h"
#include "app/disclaimer.h"
#include "app/help_window.h"
#include "app/splash_screen.h"
#include "pages/registry.h"
#include "toolkit/open_address.h"
#include "toolkit/widgets.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using qn::app::HelpWindow;

namespace {

const QString kHelpFile = QStringLiteral(QUENNARY_SOURCE_DIR "/app/help/QNRY.hlp");

std::unique_ptr<HelpWindow> loadedHelp()
{
    HelpWindow::setHelpFile(kHelpFile);
    return std::make_unique<HelpWindow>();
}

QString labelText(QWidget* w, const char* name)
{
    auto* l = w->findChild<QLabel*>(QLatin1String(name));
    return l ? l->text() : QStringLiteral("<missing>");
}

TEST(HelpFile, EveryContextTheProgramOpensExists)
{
    auto help = loadedHelp();
    ASSERT_TRUE(help->loaded());
    QList<int> ids = {0, 1, 5, 45, 5000};
    for (const qn::pages::PageInfo& page : qn::pages::pageRegistry())
        ids.append(page.helpContext); // what F1 and the Help button open on each page
    for (int id : ids) {
        EXPECT_TRUE(help->hasContext(id)) << id;
        EXPECT_FALSE(help->topicTitle(id).isEmpty()) << id;
    }
    EXPECT_EQ(help->topicTitle(5000), QStringLiteral("Home Buyer's Glossary"));
}

TEST(HelpFile, ContentsLinksLeadToExistingTopics)
{
    auto help = loadedHelp();
    const QString contents = help->topicBody(0);
    int links = 0;
    for (int id : help->topicIds()) {
        if (id == 0)
            continue;
        EXPECT_TRUE(contents.contains(QStringLiteral("topic:%1\"").arg(id))) << id;
        ++links;
    }
    EXPECT_GE(links, 7);
}

TEST(HelpFile, GlossaryHasAtLeastFortyTerms)
{
    auto help = loadedHelp();
    EXPECT_GE(help->topicBody(5000).count(QStringLiteral("<p><b>")), 40);
}

TEST(HelpFile, ExamplesMatchTheCalculators)
{
    auto help = loadedHelp();
    EXPECT_TRUE(help->topicBody(20).contains(QStringLiteral("$786.70")));
    EXPECT_TRUE(help->topicBody(100).contains(QStringLiteral("$56,671")));
    EXPECT_TRUE(help->topicBody(100).contains(QStringLiteral("94 months")));
    EXPECT_TRUE(help->topicBody(40).contains(QStringLiteral("$940.91")));
    EXPECT_TRUE(help->topicBody(80).contains(QStringLiteral("$61,889.81")));
    EXPECT_TRUE(help->topicBody(90).contains(QStringLiteral("$62,948.14")));
}

TEST(HelpFile, KeywordSearchIsCaseInsensitive)
{
    auto help = loadedHelp();
    EXPECT_TRUE(help->search(QStringLiteral("ESCROW")).contains(5000));
    EXPECT_TRUE(help->search(QStringLiteral("biweekly")).contains(100));
    EXPECT_TRUE(help->search(QStringLiteral("zzqqxx")).isEmpty());
    EXPECT_TRUE(help->search(QStringLiteral("  ")).isEmpty());
}

TEST(HelpFile, ParseSkipsTopicsWithoutNumber)
{
    const auto topics = HelpWindow::parse(
        QStringLiteral("<topic id=\"7\" title=\"A\" keywords=\"x, y\">body</topic>"
                       "<topic title=\"no id\">lost</topic>"
                       "<TOPIC id=\"contents\" title=\"C\">list</TOPIC>"));
    ASSERT_EQ(topics.size(), 2);
    EXPECT_EQ(topics.value(7).keywords, (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
    EXPECT_EQ(topics.value(0).body, QStringLiteral("list"));
}

TEST(HelpWindowTest, MissingFileSaysSoInsteadOfFailing)
{
    HelpWindow::setHelpFile(QStringLiteral("no-such-dir/QNRY.hlp"));
    HelpWindow help;
    EXPECT_FALSE(help.loaded());
    help.showContext(20);
    auto* browser = help.findChild<QWidget*>(QStringLiteral("browser"));
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(help.findChild<QTextBrowser*>()->toPlainText().contains(
        QStringLiteral("The help file QNRY.hlp could not be found.")));
}

TEST(HelpWindowTest, UnknownContextFallsBackToOverview)
{
    auto help = loadedHelp();
    help->showContext(12345);
    EXPECT_EQ(help->currentContext(), 5);
    help->showHelpOnHelp();
    EXPECT_EQ(help->currentContext(), 1);
    help->showContents();
    EXPECT_EQ(help->currentContext(), 0);
}

TEST(HelpContext, FocusedControlThenPageThenMenu)
{
    QWidget page;
    page.setProperty("helpContext", 50);
    QWidget panel(&page);
    panel.setProperty("helpContext", 45);
    QWidget insidePanel(&panel);
    QWidget onPage(&page);
    QWidget loose;

    EXPECT_EQ(HelpWindow::contextOf(&insidePanel, 20), 45);
    EXPECT_EQ(HelpWindow::contextOf(&onPage, 20), 50);
    EXPECT_EQ(HelpWindow::contextOf(&loose, 20), 20);
    EXPECT_EQ(HelpWindow::contextOf(&loose, 0), 5);
    EXPECT_EQ(HelpWindow::contextOf(nullptr, 0), 5);
}

TEST(HelpFile, BesideTheExecutableFirstThenTheInstalledShareFolder)
{
    QTemporaryDir root;
    QDir(root.path()).mkpath(QStringLiteral("bin"));
    QDir(root.path()).mkpath(QStringLiteral("share/quennary"));
    const QString bin = root.filePath(QStringLiteral("bin"));
    const QString installed = root.filePath(QStringLiteral("share/quennary/QNRY.hlp"));
    const QString beside = root.filePath(QStringLiteral("bin/QNRY.hlp"));
    EXPECT_EQ(HelpWindow::findHelpFile(bin), beside); // neither: where it belongs
    QFile(installed).open(QIODevice::WriteOnly);
    EXPECT_EQ(HelpWindow::findHelpFile(bin), installed);
    QFile(beside).open(QIODevice::WriteOnly);
    EXPECT_EQ(HelpWindow::findHelpFile(bin), beside);
}

TEST(Dialogs, AboutBoxShowsVersionAndDate)
{
    qn::app::TAboutBox about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About ..."));
    EXPECT_EQ(about.size(), QSize(363, 264));
    EXPECT_EQ(labelText(&about, "lblVersion"), QStringLiteral("1.0.02"));
    EXPECT_EQ(labelText(&about, "lblDate"), QStringLiteral("July 13, 1999"));
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("btnClose"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->toolTip(), QStringLiteral(" Close About ..."));
    auto* link = about.findChild<qn::toolkit::LinkLabel*>();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->toolTip(), QStringLiteral(" Click to visit Tillerode Software's website ..."));
    EXPECT_FALSE(link->hovered());
}

TEST(Dialogs, DisclaimerTextsInOrder)
{
    qn::app::TfrmDisclaim d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Disclaimer"));
    EXPECT_EQ(d.width(), 224); // as tall as its texts need in the font they are drawn in
    EXPECT_GE(d.height(), 176);
    EXPECT_EQ(labelText(&d, "Label1"),
              QStringLiteral("NOTE:  While effort was made to ensure the accuracy of these "
                             "calculations,"));
    EXPECT_TRUE(labelText(&d, "Label2").startsWith(QStringLiteral("there is  NO WARRANTY,  ")));
    EXPECT_EQ(labelText(&d, "Label3"),
              QStringLiteral("Please consult your own financial advisor before making any "
                             "financial decision."));
}

int runCloseDialogAndClick(const char* button)
{
    qn::app::TfrmClose dialog;
    auto* b = dialog.findChild<QPushButton*>(QLatin1String(button));
    if (!b)
        return -1;
    QTimer::singleShot(0, b, [b] { b->click(); });
    return dialog.exec();
}

TEST(Dialogs, CloseDialogQuitAcceptsReturnRejects)
{
    EXPECT_EQ(runCloseDialogAndClick("BtnExit"), QDialog::Accepted);
    EXPECT_EQ(runCloseDialogAndClick("BtnReturn"), QDialog::Rejected);
    qn::app::TfrmClose dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Thanks from Tillerode Software!"));
    EXPECT_EQ(dialog.size(), QSize(373, 209));
}

TEST(Dialogs, SuggestionsLeavesTheDialogOpen)
{
    QStringList opened;
    const auto previous =
        qn::toolkit::setAddressOpener([&](const QString& address) { opened.append(address); });
    qn::app::TfrmClose dialog;
    dialog.show();
    dialog.findChild<QPushButton*>(QStringLiteral("btnSuggestions"))->click();
    qn::toolkit::setAddressOpener(previous);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(opened, QStringList{QStringLiteral("https://tillerode.example/suggestions")});
}

TEST(Dialogs, CentreOnHalvesTowardZero)
{
    QWidget main;
    main.setGeometry(100, 50, 501, 401);
    QWidget dialog;
    dialog.resize(200, 100);
    qn::app::centreOn(&dialog, &main);
    ASSERT_EQ(main.frameGeometry(), QRect(100, 50, 501, 401)); // not shown: no frame
    EXPECT_EQ(dialog.pos(), QPoint(250, 200));                 // 100 + 301 / 2, 50 + 301 / 2

    dialog.resize(800, 700); // larger than main: -299 / 2 rounds toward zero, to -149
    qn::app::centreOn(&dialog, &main);
    EXPECT_EQ(dialog.pos(), QPoint(-49, -99));
}

TEST(Splash, ClosesWhenTimerFires)
{
    qn::app::TSplashScreen splash;
    EXPECT_EQ(splash.size(), QSize(344, 126));
    EXPECT_EQ(splash.timer()->interval(), 5000);
    EXPECT_FALSE(splash.timer()->isActive());
    splash.setInterval(20);
    splash.showAndPaint();
    splash.start();
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, 2000));
    EXPECT_FALSE(splash.timer()->isActive());
}

TEST(Pictures, CompiledInAndDrawable)
{
    qn::app::initResources();
    for (const char* name : {"house", "maker", "print", "reset", "update", "prefs", "help", "exit",
                             "menu", "calc_quick", "calc_amort", "calc_biweekly"})
        EXPECT_FALSE(QPixmap(QStringLiteral(":/quennary/%1.svg").arg(QLatin1String(name))).isNull())
            << name;
}

TEST(Splash, ClickClosesEarly)
{
    qn::app::TSplashScreen splash;
    splash.showAndPaint();
    splash.start();
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(splash.timer()->isActive());
}

} // namespace
