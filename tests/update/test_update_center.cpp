// The Update Center window over the update check: checking on its first activation, the
// answers it shows and the download it starts.
#include "tests/update/update_fixture.h"
#include "update/update_center.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>

using namespace update_test;

namespace {

class Center : public Updates {
protected:
    QString text(TfrmUpdate& center, const char* name)
    {
        return center.findChild<QLabel*>(QLatin1String(name))->text();
    }
    bool retrieveShown(TfrmUpdate& center)
    {
        return center.findChild<QPushButton*>(QStringLiteral("btnRetrieveUpdate"))->isVisible();
    }
    // Shows the center as the main window does and lets its first activation check.
    void open(TfrmUpdate& center)
    {
        center.show();
        QTest::qWait(150);
    }
};

TEST_F(Center, CheckingThenAnUpdateFound)
{
    m_server.answer(QStringLiteral("/new.html"),
                    {"HTTP/1.0 200 OK\r\n\r\n",
                     infoPage(QStringLiteral("1.0.03"), QStringLiteral("http://h.invalid/s.exe"),
                              {}, QStringLiteral("http://h.invalid/r.txt")),
                     300});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/new.html"))));
    TfrmUpdate center(m_info);
    EXPECT_EQ(center.windowTitle(), QStringLiteral("Tillerode Software Update Center"));
    EXPECT_EQ(center.size(), QSize(411, 223));
    EXPECT_EQ(text(center, "lblVersion"), QStringLiteral("Status Unknown"));
    EXPECT_EQ(text(center, "lblUpdateStatus"), QStringLiteral("Update Status:  Unknown"));
    EXPECT_EQ(text(center, "lblCurrentVersion"), QStringLiteral("1.0.02"));
    EXPECT_EQ(text(center, "lblCurrentCompileDate"), QStringLiteral("July 13, 1999"));
    QString waiting;
    whenModal(QStringLiteral("frmWait"), [&](QWidget* wait) {
        waiting = wait->windowTitle() + u'|'
                  + wait->findChild<QLabel*>(QStringLiteral("lblWait"))->text();
        // The center with the wait window over it, as the user sees it.
        QImage shot = center.grab().toImage();
        QPainter painter(&shot);
        const QImage over = wait->grab().toImage();
        painter.drawImage((shot.width() - over.width()) / 2, (shot.height() - over.height()) / 2,
                          over);
        painter.end();
        saveShot(shot, "update-checking.png");
    });
    center.show();
    QTest::qWait(50);
    QElapsedTimer clock;
    clock.start();
    while (!retrieveShown(center) && clock.elapsed() < 3000)
        QTest::qWait(20);
    EXPECT_EQ(waiting, QStringLiteral("Please Wait|Checking For Update..."));
    EXPECT_EQ(text(center, "lblVersion"), QStringLiteral("1.0.03"));
    EXPECT_EQ(text(center, "lblUpdateStatus"), QStringLiteral("Update Information"));
    EXPECT_EQ(text(center, "lblDate"), QStringLiteral("December 08, 2026"));
    EXPECT_EQ(text(center, "lblURL"), QStringLiteral("http://h.invalid/s.exe"));
    EXPECT_EQ(text(center, "lblReadMe"), QStringLiteral("http://h.invalid/r.txt"));
    EXPECT_TRUE(retrieveShown(center));
    EXPECT_TRUE(center.IsUpdateAvailable());
    saveShot(center.grab().toImage(), "update-found.png");
    // A second opening in the run shows the same without a new request.
    TfrmUpdate again(m_info);
    open(again);
    EXPECT_EQ(text(again, "lblVersion"), QStringLiteral("1.0.03"));
    EXPECT_TRUE(retrieveShown(again));
    EXPECT_EQ(m_server.requests.size(), 1);
}

TEST_F(Center, NoUpdatedVersionAvailable)
{
    m_server.answer(QStringLiteral("/same.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.02")))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/same.html"))));
    TfrmUpdate center(m_info);
    open(center);
    EXPECT_EQ(text(center, "lblUpdateStatus"), QStringLiteral("No Updated Version Available"));
    EXPECT_EQ(text(center, "lblVersion"), QStringLiteral("1.0.02"));
    EXPECT_FALSE(retrieveShown(center));
    EXPECT_FALSE(center.IsUpdateAvailable());
    saveShot(center.grab().toImage(), "update-none.png");
    center.findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    EXPECT_FALSE(center.isVisible());
}

TEST_F(Center, AFailingCheckRunsOnlyOnTheFirstActivation)
{
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/missing.html"))));
    TfrmUpdate center(m_info);
    open(center);
    // Closing the message activates the window again; that must not check again.
    center.activateWindow();
    QApplication::setActiveWindow(&center);
    QTest::qWait(100);
    EXPECT_EQ(m_server.requests.size(), 1);
    EXPECT_EQ(takeMessages(),
              (QStringList{QStringLiteral("404"),
                           QStringLiteral("Get Info failed due to:\r\nNot Found")}));
    EXPECT_EQ(text(center, "lblVersion"), QStringLiteral("Status Unknown"));
    EXPECT_FALSE(retrieveShown(center));
}

TEST_F(Center, ClosingTheCenterEndsItsCheck)
{
    m_info.timeoutMs = 5000;
    Answer silent("");
    silent.close = false;
    m_server.answer(QStringLiteral("/silent.html"), silent);
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/silent.html"))));
    TfrmUpdate center(m_info);
    whenModal(QStringLiteral("frmWait"), [&](QWidget*) { center.close(); });
    QElapsedTimer clock;
    clock.start();
    center.exec();
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_TRUE(m_info.cancelled());
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(Center, RetrieveUpdateDownloadsFromTheWindow)
{
    const QByteArray installer(5000, 'i');
    serveUpdate(installer, signatureOf(installer));
    m_answers = {QMessageBox::Yes, QMessageBox::No}; // download, but install later
    TfrmUpdate center(m_info);
    open(center);
    ASSERT_TRUE(retrieveShown(center));
    center.findChild<QPushButton*>(QStringLiteral("btnRetrieveUpdate"))->click();
    EXPECT_EQ(files(), QStringList{QStringLiteral("setup.bin")});
    EXPECT_TRUE(m_events.isEmpty());
    EXPECT_EQ(takeMessages().size(), 2);
}

} // namespace
