// The update check end to end against a small server of the test's own on 127.0.0.1: pages,
// redirects, broken answers, downloads that are offered only when they verify, the progress,
// read-me and save windows, and the Update Center itself. No other address is contacted.
#include "tests/support/message_fixture.h"
#include "tests/update/local_server.h"
#include "tests/update/test_key.h"
#include "update/update_center.h"
#include "update/web_file_info.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

using namespace qn::update;
using namespace update_test;

namespace {

void saveShot(const QImage& image, const char* name)
{
    const QString folder = qEnvironmentVariable("QUENNARY_SHOTS");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(QLatin1String(name)));
}

class Updates : public MessageFixture {
protected:
    void SetUp() override
    {
        MessageFixture::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        // Questions are answered from the queue (Yes when it is empty); every message is
        // recorded as "caption: text".
        qn::toolkit::setMessageInterceptor([this](const qn::toolkit::MessageRequest& r) {
            m_messages.append(r.title.isEmpty() ? r.text : r.title + QStringLiteral(": ") + r.text);
            if (!(r.buttons & QMessageBox::Yes))
                return QMessageBox::Ok;
            if (m_answers.empty())
                return QMessageBox::Yes;
            const auto a = m_answers.front();
            m_answers.erase(m_answers.begin());
            return a;
        });
        m_info.publicKey = m_key.publicKey();
        m_info.timeoutMs = 2000;
        m_info.askSavePath = [this](const QString& proposed) { return m_dir.filePath(proposed); };
        m_info.startFile = [this](const QString& file, const QString& params) {
            m_events << QStringLiteral("start ") + file + u' ' + params;
            return true;
        };
        m_info.saveSettings = [this] { m_events << QStringLiteral("save"); };
        m_info.endProgram = [this] { m_events << QStringLiteral("end"); };
    }

    QString signatureOf(const QByteArray& bytes) const
    {
        return QString::fromLatin1(m_key.sign(bytes).toHex());
    }

    void serveUpdate(const QByteArray& installer, const QString& signature)
    {
        m_server.answer(QStringLiteral("/setup.bin"), {TestServer::ok(installer)});
        m_server.answer(
            QStringLiteral("/info.html"),
            {TestServer::ok(infoPage(QStringLiteral("1.0.03"),
                                     m_server.url(QStringLiteral("/setup.bin")), signature))});
        ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    }

    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files); }

    QTemporaryDir m_dir;
    TestServer m_server;
    TestKey m_key;
    TWebFileInfo m_info;
    std::vector<QMessageBox::StandardButton> m_answers;
    QStringList m_events;
};

const QString kAvailable =
    QStringLiteral("Update Available: Current version is 1.0.02.\rVersion 1.0.03 is available.\r");

TEST_F(Updates, UpToDatePageIsReadOnceWithTheRequestOfThePart)
{
    m_server.answer(QStringLiteral("/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.02")))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    ASSERT_TRUE(m_info.GetInformation());
    EXPECT_EQ(m_info.value(QStringLiteral("version")), QStringLiteral("1.0.02"));
    EXPECT_EQ(m_info.value(QStringLiteral("date")), QStringLiteral("December 08, 2026"));
    ASSERT_EQ(m_server.requests.size(), 1);
    EXPECT_EQ(m_server.requests.front(),
              "GET /info.html HTTP/1.0\r\nHost: 127.0.0.1:" + QByteArray::number(m_server.port())
                  + "\r\n\r\n");
    EXPECT_TRUE(m_info.GetInformation());  // learned once for the run
    EXPECT_EQ(m_server.requests.size(), 1);
    EXPECT_FALSE(m_info.RetrieveUpdate());
    EXPECT_EQ(takeMessages(),
              QStringList{QStringLiteral("No Update Found: There is no update available.")});
    // A new home address forgets what was learned.
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    EXPECT_FALSE(m_info.isActive());
}

TEST_F(Updates, ANewerVersionWithAReadMe)
{
    m_server.answer(QStringLiteral("/notes/readme.txt"),
                    {TestServer::ok("What is new:\r\n- everything\r\n")});
    m_server.answer(QStringLiteral("/notes/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.03"), QStringLiteral("setup.bin"),
                                             {}, QStringLiteral("readme.txt")))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/notes/info.html"))));
    m_answers = {QMessageBox::Yes, QMessageBox::No};  // read it, then do not download
    QString shown;
    QString caption;
    whenModal(QStringLiteral("frmReadMe"), [&](QWidget* window) {
        caption = window->windowTitle();
        shown = window->findChild<QPlainTextEdit*>()->toPlainText();
        window->findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
    });
    EXPECT_FALSE(m_info.RetrieveUpdate());
    EXPECT_EQ(caption, QStringLiteral("Read Me"));
    EXPECT_EQ(shown, QStringLiteral("What is new:\n- everything\n"));
    EXPECT_EQ(m_info.downloadFileName(), QStringLiteral("setup.bin"));
    EXPECT_EQ(takeMessages(),
              (QStringList{kAvailable + QStringLiteral("Would you like to view the ReadMe file?"),
                           kAvailable + QStringLiteral("Download the update?")}));
    EXPECT_EQ(m_server.count(QStringLiteral("/notes/readme.txt")), 1);  // relative to the page
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(Updates, AMissingReadMeShowsNoWindow)
{
    m_server.answer(QStringLiteral("/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.03"), QStringLiteral("s.bin"), {},
                                             QStringLiteral("/gone.txt")))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    m_answers = {QMessageBox::Yes, QMessageBox::No};
    EXPECT_FALSE(m_info.RetrieveUpdate());
    EXPECT_EQ(m_info.lastError(), QStringLiteral("Not Found"));
    EXPECT_EQ(takeMessages().size(), 2);  // the two questions; no status number
}

TEST_F(Updates, ASignedDownloadIsOfferedAndSettingsAreSavedFirst)
{
    const QByteArray installer(300000, 'q');
    serveUpdate(installer, signatureOf(installer));
    m_answers = {QMessageBox::Yes, QMessageBox::Yes};  // download, install
    EXPECT_TRUE(m_info.RetrieveUpdate());
    const QString target = m_dir.filePath(QStringLiteral("setup.bin"));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), installer);
    EXPECT_EQ(files(), QStringList{QStringLiteral("setup.bin")});  // no temporary file left
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

TEST_F(Updates, BrokenAnswersEndInTheirErrorWithinTheTimeout)
{
    m_info.timeoutMs = 400;
    Answer silent("");
    silent.close = false;
    struct Row {
        const char* name;
        Answer answer;
        QString error;  // empty: any text
        QStringList messages;
    };
    const Row rows[] = {
        {"not found",
         {"HTTP/1.0 404 Not Found\r\n\r\n"},
         QStringLiteral("Not Found"),
         {QStringLiteral("404")}},
        {"server error",
         {"HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n"},
         QStringLiteral("Internal Server Error"),
         {QStringLiteral("500")}},
        {"truncated body", {"HTTP/1.0 200 OK\r\nContent-Length: 500\r\n\r\nabc"}, {}, {}},
        {"no status line", {"\r\n\r\n<META HTTP-EQUIV=\"version\" CONTENT=\"9\">"}, {}, {}},
        {"garbage", {QByteArray("\x01\x02\xfe\xff garbage\r\n\r\n")}, {}, {}},
        {"huge header",
         {"HTTP/1.0 200 OK\r\nX-Big: " + QByteArray(200000, 'h') + "\r\n\r\n"},
         {},
         {}},
        {"10 MB page", {"HTTP/1.0 200 OK\r\n\r\n" + QByteArray(10 * 1024 * 1024, 'p')}, {}, {}},
        {"closed at once", {""}, {}, {}},
        {"silent server", silent, {}, {}},
        {"half an answer, then silence",
         [] {
             Answer a("HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nabc");
             a.close = false;
             return a;
         }(),
         {},
         {}},
    };
    for (const Row& r : rows) {
        m_server.answer(QStringLiteral("/broken"), r.answer);
        ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/broken"))));
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(m_info.GetInformation()) << r.name;
        EXPECT_LT(clock.elapsed(), 3000) << r.name;
        EXPECT_FALSE(m_info.isActive()) << r.name;
        EXPECT_TRUE(m_info.value(QStringLiteral("version")).isEmpty()) << r.name;
        if (r.error.isEmpty()) {
            EXPECT_FALSE(m_info.lastError().isEmpty()) << r.name;
        } else {
            EXPECT_EQ(m_info.lastError(), r.error) << r.name;
        }
        EXPECT_EQ(takeMessages(), r.messages) << r.name;
    }
    // After a failed fetch the next one tries again.
    m_server.answer(QStringLiteral("/broken"), {TestServer::ok(infoPage(QStringLiteral("1.1")))});
    EXPECT_TRUE(m_info.GetInformation());
    EXPECT_EQ(m_info.value(QStringLiteral("version")), QStringLiteral("1.1"));
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

    const QByteArray installer(30, 'i');  // 1.5 s at a byte every 50 ms
    serveUpdate(installer, signatureOf(installer));
    Answer download("HTTP/1.0 200 OK\r\nContent-Length: 30\r\n\r\n", installer);
    download.trickleMs = 50;
    m_server.answer(QStringLiteral("/setup.bin"), download);
    m_answers = {QMessageBox::Yes, QMessageBox::No};  // download, but install later
    EXPECT_TRUE(m_info.RetrieveUpdate());
    EXPECT_EQ(files(), QStringList{QStringLiteral("setup.bin")});
    EXPECT_EQ(takeMessages().size(), 2);
}

// However the wait window goes (Cancel, Escape, closed), the request goes with it at once,
// nothing is reported, and the next check runs on its own.
TEST_F(Updates, ClosingTheWaitWindowEndsTheRequest)
{
    m_info.timeoutMs = 5000;
    Answer silent("");
    silent.close = false;
    m_server.answer(QStringLiteral("/silent.html"), silent);
    const std::function<void(QWidget*)> closings[] = {
        [](QWidget* w) {
            auto* cancel = w->findChild<QPushButton*>(QStringLiteral("btnCancel"));
            ASSERT_NE(cancel, nullptr);
            cancel->click();
        },
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](QWidget* w) { w->close(); },
    };
    for (const auto& closing : closings) {
        ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/silent.html"))));
        whenModal(QStringLiteral("frmWait"), closing);
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(m_info.GetInformation());
        EXPECT_LT(clock.elapsed(), 1500);
        EXPECT_TRUE(m_info.cancelled());
    }
    m_server.answer(QStringLiteral("/silent.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.02")))});
    EXPECT_TRUE(m_info.GetInformation());
    EXPECT_FALSE(m_info.cancelled());
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(Updates, RedirectsStopAfterFive)
{
    // By "Location": five hops are followed, a sixth is one too many.
    for (int i = 1; i <= 6; ++i)
        m_server.answer(QStringLiteral("/hop%1").arg(i),
                        {TestServer::redirect(QStringLiteral("/hop%1").arg(i + 1))});
    m_server.answer(QStringLiteral("/hop7"), {TestServer::ok(infoPage(QStringLiteral("1.1")))});
    m_server.answer(QStringLiteral("/loop"),
                    {TestServer::redirect(m_server.url(QStringLiteral("/loop")))});
    // By the page's redirect tag, the same.
    for (int i = 1; i <= 6; ++i)
        m_server.answer(
            QStringLiteral("/page%1").arg(i),
            {TestServer::ok(QStringLiteral("<META HTTP-EQUIV=\"version\" CONTENT=\"7\">\n"
                                           "<META HTTP-EQUIV=\"redirect\" "
                                           "CONTENT=\"page%1\">\n")
                                .arg(i + 1)
                                .toLatin1())});
    m_server.answer(QStringLiteral("/page7"), {TestServer::ok(infoPage(QStringLiteral("1.2")))});
    struct Row {
        const char* start;
        const char* version;  // nullptr: too many redirects
    };
    const Row rows[] = {
        {"/hop2", "1.1"},  {"/hop1", nullptr},  {"/loop", nullptr},
        {"/page2", "1.2"}, {"/page1", nullptr},
    };
    for (const Row& r : rows) {
        ASSERT_TRUE(m_info.setHomeURL(m_server.url(QLatin1String(r.start))));
        EXPECT_EQ(m_info.GetInformation(), r.version != nullptr) << r.start;
        if (r.version) {
            EXPECT_EQ(m_info.value(QStringLiteral("version")), QLatin1String(r.version)) << r.start;
            EXPECT_TRUE(m_info.value(QStringLiteral("redirect")).isEmpty()) << r.start;
        } else {
            EXPECT_EQ(m_info.lastError(), QStringLiteral("Too many redirects")) << r.start;
            EXPECT_TRUE(m_info.value(QStringLiteral("version")).isEmpty()) << r.start;
        }
    }
    EXPECT_EQ(m_server.count(QStringLiteral("/loop")), 6);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(Updates, ProgressAtHalfAndACancelledSlowDownloadLeavesNothing)
{
    const QByteArray half(524288, 'a');
    m_server.answer(QStringLiteral("/setup.bin"),
                    {"HTTP/1.0 200 OK\r\nContent-Length: 1048576\r\n\r\n" + half, half, 3000});
    m_server.answer(QStringLiteral("/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.03"),
                                             m_server.url(QStringLiteral("/setup.bin")),
                                             signatureOf(half + half)))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    m_answers = {QMessageBox::Yes};
    QString shown;
    int bar = -1;
    QString caption;
    std::function<void(QWidget*)> watch = [&](QWidget* progress) {
        auto* label = progress->findChild<QLabel*>(QStringLiteral("lblProgress"));
        if (label->text() != QStringLiteral("524,288 of 1,048,576 bytes received.")) {
            whenModal(QStringLiteral("frmProgress"), watch);  // not there yet
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
    EXPECT_LT(clock.elapsed(), 2500);  // the cancel did not wait for the rest
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
    m_server.answer(QStringLiteral("/setup.bin"),
                    {"HTTP/1.0 200 OK\r\nContent-Length: 2000\r\n\r\n" + half, half, 3000});
    m_server.answer(QStringLiteral("/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.03"),
                                             m_server.url(QStringLiteral("/setup.bin")),
                                             signatureOf(half + half)))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
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
    m_server.answer(QStringLiteral("/setup.bin"),
                    {"HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + QByteArray(400, 'a')});
    m_server.answer(
        QStringLiteral("/info.html"),
        {TestServer::ok(infoPage(QStringLiteral("2"), m_server.url(QStringLiteral("/setup.bin")),
                                 signatureOf(QByteArray(1000, 'a'))))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
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

TEST_F(Updates, ThroughAProxy)
{
    // http: the proxy gets the whole address; https: a tunnel is asked for, and refused here.
    m_info.setProxy(QStringLiteral("127.0.0.1"), m_server.port());
    m_server.answer(QStringLiteral("http://updates.invalid/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.03")))});
    m_server.answer(QStringLiteral("updates.invalid:443"), {"HTTP/1.0 403 Forbidden\r\n\r\n"});
    ASSERT_TRUE(m_info.setHomeURL(QStringLiteral("http://updates.invalid/info.html")));
    EXPECT_TRUE(m_info.GetInformation());
    EXPECT_EQ(m_info.value(QStringLiteral("version")), QStringLiteral("1.0.03"));
    ASSERT_TRUE(m_info.setHomeURL(QStringLiteral("HTTPS://updates.invalid/info.html")));
    EXPECT_FALSE(m_info.GetInformation());
    EXPECT_EQ(m_info.lastError(),
              QStringLiteral("The proxy refused the connection: 403 Forbidden"));
    EXPECT_EQ(m_server.requests,
              (QList<QByteArray>{"GET http://updates.invalid/info.html HTTP/1.0\r\n"
                                 "Host: updates.invalid\r\n\r\n",
                                 "CONNECT updates.invalid:443 HTTP/1.0\r\n"
                                 "Host: updates.invalid:443\r\n\r\n"}));
}

TEST_F(Updates, MissingHomeAddressOrTags)
{
    TWebFileInfo bare;
    EXPECT_FALSE(bare.GetInformation());
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    m_info.InfoTags = QStringList{QString(), QString()};
    EXPECT_FALSE(m_info.GetInformation());
    EXPECT_EQ(takeMessages(),
              (QStringList{QStringLiteral("Missing Home URL: Can not retrieve version "
                                          "information\rbecause no home url was provided."),
                           QStringLiteral("Missing Tag Information: Can not retrieve version "
                                          "information\rbecause no tag information was "
                                          "provided.")}));
    EXPECT_TRUE(m_server.requests.isEmpty());
}

TEST(HomeUrl, HttpAndHttpsInAnyLetterCase)
{
    struct Row {
        const char* url;
        bool accepted;
    };
    const Row rows[] = {
        {"http://x.test/a", true},  {"HTTP://x.test/a", true},
        {"hTtPs://x.test/a", true}, {"https://x", true},
        {"ftp://x.test/a", false},  {"http:/x.test", false},
        {"http://", false},         {"https://", false},
        {"x.test/http://", false},  {"", false},
    };
    for (const Row& r : rows) {
        TWebFileInfo info;
        EXPECT_EQ(info.setHomeURL(QLatin1String(r.url)), r.accepted) << r.url;
    }
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

// ---------------------------------------------------------------------------------------
// The Update Center window

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
    m_answers = {QMessageBox::Yes, QMessageBox::No};  // download, but install later
    TfrmUpdate center(m_info);
    open(center);
    ASSERT_TRUE(retrieveShown(center));
    center.findChild<QPushButton*>(QStringLiteral("btnRetrieveUpdate"))->click();
    EXPECT_EQ(files(), QStringList{QStringLiteral("setup.bin")});
    EXPECT_TRUE(m_events.isEmpty());
    EXPECT_EQ(takeMessages().size(), 2);
}

}  // namespace
