// The update check end to end against a small server of the test's own on 127.0.0.1: the
// information page, redirects, broken answers, proxies and the wait window. No other
// address is contacted.
#include "tests/update/update_fixture.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace update_test;

namespace {

TEST_F(Updates, UpToDatePageIsReadOnceWithTheRequestOfThePart)
{
    m_server.answer(QStringLiteral("/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.02")))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    ASSERT_TRUE(m_info.GetInformation());
    EXPECT_EQ(m_info.value(QStringLiteral("version")), QStringLiteral("1.0.02"));
    EXPECT_EQ(m_info.value(QStringLiteral("date")), QStringLiteral("December 08, 2026"));
    ASSERT_EQ(m_server.requests.size(), 1);
    EXPECT_EQ(m_server.requests.front(), "GET /info.html HTTP/1.0\r\nHost: 127.0.0.1:"
                                             + QByteArray::number(m_server.port()) + "\r\n\r\n");
    EXPECT_TRUE(m_info.GetInformation()); // learned once for the run
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
    m_answers = {QMessageBox::Yes, QMessageBox::No}; // read it, then do not download
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
    EXPECT_EQ(m_server.count(QStringLiteral("/notes/readme.txt")), 1); // relative to the page
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
    EXPECT_EQ(takeMessages().size(), 2); // the two questions; no status number
}

TEST_F(Updates, BrokenAnswersEndInTheirErrorWithinTheTimeout)
{
    m_info.timeoutMs = 400;
    Answer silent("");
    silent.close = false;
    struct Row {
        const char* name;
        Answer answer;
        QString error; // empty: any text
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
        const char* version; // nullptr: too many redirects
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

} // namespace
