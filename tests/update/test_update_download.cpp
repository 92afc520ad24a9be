// Downloads from the update check: offered only when they verify, saved under the chosen name
// only when complete, with the progress window and the save dialog.
#include "tests/update/update_fixture.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace update_test;

namespace {

TEST_F(Updates, ASignedDownloadIsOfferedAndSettingsAreSavedFirst)
{
    const QByteArray installer(300000, 'q');
    serveUpdate(installer, signatureOf(installer));
    m_answers = {QMessageBox::Yes, QMessageBox::Yes}; // download, install
    EXPECT_TRUE(m_info.RetrieveUpdate());
    const QString target = m_dir.filePath(QStringLiteral("setup.bin"));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), installer);
    EXPECT_EQ(files(), QStringList{QStringLiteral("setup.bin")}); // no temporary file left
    EXPECT_EQ(m_events,
              (QStringList{QStringLiteral("save"), QStringLiteral("start ") + target + u' ',
                           QStringLiteral("end")}));
    EXPECT_EQ(m_server.count(QStringLiteral("/setup.bin")), 1);
    EXPECT_EQ(takeMessages(),
              (QStringList{kAvailable + QStringLiteral("Download the update?"),
                           QStringLiteral("Install Update: Do you want to install the update "
                                          "now?\rThis will close Quennary.")}));
}

TEST_F(Updates, UnverifiedDownloadsAreDeletedAndNeverOffered)
{
    const QByteArray installer(300000, 'q');
    const QString error =
        QStringLiteral("Download Error: Error occurred while downloading update.\rError: \"");
    struct Row {
        const char* name;
        QString signature;
        QString reason;
    };
    const Row rows[] = {
        {"tampered", signatureOf(QByteArray(300000, 'x')),
         QStringLiteral("The update's signature does not match; it was deleted")},
        {"signed by another key", QString::fromLatin1(TestKey().sign(installer).toHex()),
         QStringLiteral("The update's signature does not match; it was deleted")},
        {"not signed", {}, QStringLiteral("The update is not signed; it was deleted")},
        {"signature no text of bytes", QStringLiteral("#!"),
         QStringLiteral("The update is not signed; it was deleted")},
    };
    for (const Row& r : rows) {
        serveUpdate(installer, r.signature);
        m_answers = {QMessageBox::Yes};
        EXPECT_FALSE(m_info.RetrieveUpdate()) << r.name;
        EXPECT_TRUE(files().isEmpty()) << r.name;
        EXPECT_TRUE(m_events.isEmpty()) << r.name;
        EXPECT_EQ(takeMessages(), (QStringList{kAvailable + QStringLiteral("Download the update?"),
                                               error + r.reason + QStringLiteral(".\"")}))
            << r.name;
    }
}

// A page trickled a byte at a time never lets the time without data run out; its deadline
// ends it. A download is no page: it goes on for as long as its data flows.
TEST_F(Updates, APageEndsAtItsDeadlineADownloadGoesOnWhileItFlows)
{
    m_info.timeoutMs = 500;
    m_info.pageDeadlineMs = 800;
    Answer page("HTTP/1.0 200 OK\r\n\r\n", infoPage(QStringLiteral("1.0.03")));
    page.trickleMs = 50;
    m_server.answer(QStringLiteral("/slow.html"), page);
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/slow.html"))));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(m_info.GetInformation());
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_EQ(m_info.lastError(), QStringLiteral("The server took too long to answer"));

    const QByteArray installer(30, 'i'); // 1.5 s at a byte every 50 ms
    serveUpdate(installer, signatureOf(installer));
    Answer download("HTTP/1.0 200 OK\r\nContent-Length: 30\r\n\r\n", installer);
    download.trickleMs = 50;
    m_server.answer(QStringLiteral("/setup.bin"), download);
    m_answers = {QMessageBox::Yes, QMessageBox::No}; // download, but install later
    EXPECT_TRUE(m_info.RetrieveUpdate());
    EXPECT_EQ(files(), QStringList{QStringLiteral("setup.bin")});
    EXPECT_EQ(takeMessages().size(), 2);
}

TEST_F(Updates, ProgressAtHalfAndACancelledSlowDownloadLeavesNothing)
{
    const QByteArray half(524288, 'a');
    serveDownload({"HTTP/1.0 200 OK\r\nContent-Length: 1048576\r\n\r\n" + half, half, 3000},
                  signatureOf(half + half));
    m_answers = {QMessageBox::Yes};
    QString shown;
    int bar = -1;
    QString caption;
    std::function<void(QWidget*)> watch = [&](QWidget* progress) {
        auto* label = progress->findChild<QLabel*>(QStringLiteral("lblProgress"));
        if (label->text() != QStringLiteral("524,288 of 1,048,576 bytes received.")) {
            whenModal(QStringLiteral("frmProgress"), watch); // not there yet
            return;
        }
        shown = label->text();
        caption = progress->windowTitle();
        bar = progress->findChild<QProgressBar*>()->value();
        saveShot(progress->grab().toImage(), "update-progress.png");
        progress->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    };
    whenModal(QStringLiteral("frmProgress"), watch);
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(m_info.RetrieveUpdate());
    EXPECT_LT(clock.elapsed(), 2500); // the cancel did not wait for the rest
    EXPECT_EQ(shown, QStringLiteral("524,288 of 1,048,576 bytes received."));
    EXPECT_EQ(caption, QStringLiteral("Download Progress"));
    EXPECT_EQ(bar, 50);
    EXPECT_TRUE(files().isEmpty());
    EXPECT_TRUE(m_events.isEmpty());
    // The user cancelled and knows it: only the question was asked.
    EXPECT_EQ(takeMessages(), QStringList{kAvailable + QStringLiteral("Download the update?")});
}

TEST_F(Updates, EscapeOnTheProgressWindowStopsTheDownload)
{
    const QByteArray half(1000, 'a');
    serveDownload({"HTTP/1.0 200 OK\r\nContent-Length: 2000\r\n\r\n" + half, half, 3000},
                  signatureOf(half + half));
    m_answers = {QMessageBox::Yes};
    whenModal(QStringLiteral("frmProgress"),
              [](QWidget* progress) { QTest::keyClick(progress, Qt::Key_Escape); });
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(m_info.RetrieveUpdate());
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_TRUE(files().isEmpty());
    EXPECT_EQ(takeMessages(), QStringList{kAvailable + QStringLiteral("Download the update?")});
}

TEST_F(Updates, ADownloadThatFailsLeavesNoFileUnderTheChosenName)
{
    serveDownload({"HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + QByteArray(400, 'a')},
                  signatureOf(QByteArray(1000, 'a')), QStringLiteral("2"));
    // An older file under the chosen name is kept until a verified one replaces it.
    QFile old(m_dir.filePath(QStringLiteral("setup.bin")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    m_answers = {QMessageBox::Yes};
    EXPECT_FALSE(m_info.RetrieveUpdate());
    EXPECT_EQ(files(), QStringList{QStringLiteral("setup.bin")});
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    const QStringList messages = takeMessages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages.back().startsWith(
        QStringLiteral("Download Error: Error occurred while downloading update.\rError: \"")));
}

// The platform's save dialog, answered with the bare name "setup" under the first filter.
TEST_F(Updates, ChoosingSetupUnderTheFirstFilterSavesSetupExe)
{
    QString proposed;
    whenModal(QString(), [&](QWidget* window) {
        auto* dialog = qobject_cast<QFileDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        proposed = dialog->selectedFiles().value(0);
        EXPECT_EQ(dialog->nameFilters(), (QStringList{QStringLiteral("Application (*.EXE)"),
                                                      QStringLiteral("Zipped File (*.ZIP)"),
                                                      QStringLiteral("All Files (*.*)")}));
        dialog->setDirectory(m_dir.path());
        dialog->selectNameFilter(dialog->nameFilters().constFirst());
        dialog->selectFile(QStringLiteral("setup"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const QString chosen = AskDownloadName(nullptr, QStringLiteral("quennary-1.0.03.bin"));
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("/quennary-1.0.03.bin")));
    EXPECT_EQ(chosen, m_dir.filePath(QStringLiteral("setup.EXE")));
}

} // namespace
