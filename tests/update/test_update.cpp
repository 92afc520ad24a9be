// The update check end to end against a small server of the test's own on 127.0.0.1: the
// response parser and the product-information reader on inline texts and random input,
// versions, signatures, and downloads that are offered only when they verify.
#include "tests/support/fuzz.h"
#include "tests/support/message_fixture.h"
#include "update/http_client.h"
#include "update/http_parse.h"
#include "update/update_center.h"
#include "update/web_file_info.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <openssl/evp.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>

using namespace qn::update;

namespace {

// ---------------------------------------------------------------------------------------
// Pure parts

TEST(HttpParse, RequestStatusLineAndBodies)
{
    EXPECT_EQ(BuildRequest(QUrl(QStringLiteral("http://example.test/a/b.html?x=1")), false),
              QByteArray("GET /a/b.html?x=1 HTTP/1.0\r\nHost: example.test\r\n\r\n"));
    EXPECT_EQ(BuildRequest(QUrl(QStringLiteral("http://example.test")), false),
              QByteArray("GET / HTTP/1.0\r\nHost: example.test\r\n\r\n"));
    const auto ok = ParseStatusLine("HTTP/1.1 404 Not Found");
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->code, 404);
    EXPECT_EQ(ok->reason, QStringLiteral("Not Found"));
    EXPECT_FALSE(ParseStatusLine("HTTP/2 200 OK"));
    EXPECT_FALSE(ParseStatusLine("HTTP/1.0 2x0 OK"));
    EXPECT_FALSE(ParseStatusLine("garbage"));

    ResponseParser sized;
    EXPECT_EQ(sized.feed("HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhel"), QByteArray("hel"));
    EXPECT_EQ(sized.feed("lo and more"), QByteArray("lo"));
    EXPECT_EQ(sized.state(), ResponseParser::State::Done);

    ResponseParser unsized;
    unsized.feed("HTTP/1.0 200 OK\nServer: x\n\nabc");
    unsized.finish();
    EXPECT_EQ(unsized.state(), ResponseParser::State::Done);
    EXPECT_EQ(unsized.received(), 3);

    ResponseParser shortBody;
    shortBody.feed("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nabc");
    shortBody.finish();
    EXPECT_EQ(shortBody.state(), ResponseParser::State::Failed);

    ResponseParser huge(1024 * 1024);
    huge.feed("HTTP/1.0 200 OK\r\nContent-Length: 10485760\r\n\r\n");
    EXPECT_EQ(huge.state(), ResponseParser::State::Failed);

    ResponseParser endlessHeader;
    for (int i = 0; i < 100 && endlessHeader.state() == ResponseParser::State::Headers; ++i)
        endlessHeader.feed(QByteArray(1024, 'x'));
    EXPECT_EQ(endlessHeader.state(), ResponseParser::State::Failed);
}

TEST(InfoPage, MetaTagsDatesAndVersions)
{
    const QString page = QStringLiteral(
        "<html><head>\n"
        "<META HTTP-EQUIV=\"version\" CONTENT=\"1.0.03\">\n"
        "<meta http-equiv=\"date\" CONTENT=\"July 13, 1999\">\n"
        "<META HTTP-EQUIV=\"Version\" CONTENT=\"9.9\">\n"           // tag names are exact
        "<META HTTP-EQUIV=\"url\" content=\"http://x/setup.exe\">\n" // CONTENT in upper case
        "<META HTTP-EQUIV=\"readme\" CONTENT=\"a\"><META HTTP-EQUIV=\"author\" CONTENT=\"b\">\n"
        "<META HTTP-EQUIV=\"version\" CONTENT=\"1.0.04\">\n");
    const auto tags = ReadInfoTags(page, TWebFileInfo::infoTags());
    EXPECT_EQ(tags.at(QStringLiteral("version")), QStringLiteral("1.0.04"));  // the later line
    EXPECT_EQ(tags.at(QStringLiteral("date")), QStringLiteral("July 13, 1999"));
    EXPECT_EQ(tags.count(QStringLiteral("url")), 0u);
    EXPECT_EQ(tags.at(QStringLiteral("readme")), QStringLiteral("a"));
    EXPECT_EQ(tags.count(QStringLiteral("author")), 0u);  // only the first META of a line

    EXPECT_EQ(ParseInfoDate(QStringLiteral("July 13, 1999")), QDate(1999, 7, 13));
    EXPECT_EQ(ParseInfoDate(QStringLiteral("DECEMBER 08, 2026")), QDate(2026, 12, 8));
    EXPECT_FALSE(ParseInfoDate(QStringLiteral("Smarch 13, 1999")));

    struct Row {
        const char* server;
        bool update;
    };
    const Row rows[] = {{"1.0.03", true}, {"1.1", true},    {"2", true},    {"1.0.02", false},
                        {"1.0.1", false}, {"0.9.9", false}, {"1.0.2", false}, {"", false}};
    for (const Row& r : rows)
        EXPECT_EQ(IsNewerVersion(QStringLiteral("1.0.02"), QLatin1String(r.server)), r.update)
            << r.server;
}

// A throwaway Ed25519 key pair for the tests; no private key is kept anywhere.
struct TestKey {
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key{nullptr, EVP_PKEY_free};
    TestKey()
    {
        EVP_PKEY* k = nullptr;
        std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(
            EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr), EVP_PKEY_CTX_free);
        EVP_PKEY_keygen_init(ctx.get());
        EVP_PKEY_keygen(ctx.get(), &k);
        key.reset(k);
    }
    QByteArray publicKey() const
    {
        QByteArray raw(32, '\0');
        std::size_t size = 32;
        EVP_PKEY_get_raw_public_key(key.get(), reinterpret_cast<unsigned char*>(raw.data()), &size);
        return raw;
    }
    QByteArray sign(const QByteArray& data) const
    {
        QByteArray sig(64, '\0');
        std::size_t size = 64;
        std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(),
                                                                    EVP_MD_CTX_free);
        EVP_DigestSignInit(ctx.get(), nullptr, nullptr, nullptr, key.get());
        EVP_DigestSign(ctx.get(), reinterpret_cast<unsigned char*>(sig.data()), &size,
                       reinterpret_cast<const unsigned char*>(data.constData()),
                       static_cast<std::size_t>(data.size()));
        return sig;
    }
};

TEST(Signature, OnlyTheSignedBytesUnderTheRightKeyVerify)
{
    const TestKey key;
    const QByteArray data("installer bytes");
    const QByteArray sig = key.sign(data);
    EXPECT_TRUE(VerifyEd25519(data, sig, key.publicKey()));
    EXPECT_FALSE(VerifyEd25519(data + 'x', sig, key.publicKey()));
    EXPECT_FALSE(VerifyEd25519(data, sig, TestKey().publicKey()));
    EXPECT_FALSE(VerifyEd25519(data, sig.left(63), key.publicKey()));
    EXPECT_FALSE(VerifyEd25519(data, QByteArray(), key.publicKey()));
    EXPECT_EQ(ReleasePublicKey().size(), 32);
}

TEST(Fuzz, ResponseParserAndInfoReaderNeverCrashOrHang)
{
    fuzz::Rng rng(51);
    static const char* const pieces[] = {"HTTP/1.0 ", "HTTP/1.1 ", "200 OK", "404 x", "\r\n",
                                         "\n", "Content-Length: ", "99999999999", "-5", "Location: ",
                                         "<META HTTP-EQUIV=\"", "version", "\" CONTENT=\"", "\">",
                                         "\xff\xfe", "1.0.03", ":", " "};
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 100000; ++i) {
        QByteArray text;
        for (std::size_t n = rng.below(12); n > 0; --n)
            text += pieces[rng.below(std::size(pieces))];
        if (rng.chance(0.2))
            text += QByteArray(static_cast<int>(rng.below(200)), static_cast<char>(rng.below(256)));
        ResponseParser parser(1024);
        std::size_t at = 0;
        while (at < static_cast<std::size_t>(text.size())) {
            const std::size_t chunk = 1 + rng.below(16);
            parser.feed(text.mid(static_cast<qsizetype>(at), static_cast<qsizetype>(chunk)));
            at += chunk;
        }
        parser.finish();
        EXPECT_NE(parser.state(), ResponseParser::State::Headers);
        ReadInfoTags(QString::fromLatin1(text), TWebFileInfo::infoTags());
        IsNewerVersion(QString::fromLatin1(text.left(12)), QString::fromLatin1(text.right(12)));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// ---------------------------------------------------------------------------------------
// A server of the test's own: each path answers with canned bytes, optionally in two
// parts with a pause between them, or not at all.

struct Answer {
    Answer(QByteArray f, QByteArray r = {}, int pause = 0)
        : first(std::move(f)), rest(std::move(r)), pauseMs(pause)
    {
    }
    QByteArray first;
    QByteArray rest;
    int pauseMs = 0;
    bool close = true;
};

class TestServer : public QObject {
public:
    TestServer()
    {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost, 0));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }
    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    void answer(const QString& path, Answer a) { m_answers.insert_or_assign(path, std::move(a)); }
    static QByteArray ok(const QByteArray& body)
    {
        return "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body.size())
               + "\r\n\r\n" + body;
    }
    QList<QByteArray> requests;

private:
    void serve(QTcpSocket* socket)
    {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            const QByteArray request = socket->readAll();
            requests.append(request);
            const QString path = QString::fromLatin1(request.split(' ').value(1));
            const auto it = m_answers.find(path);
            if (it == m_answers.end()) {
                socket->write("HTTP/1.0 404 Not Found\r\n\r\n");
                socket->disconnectFromHost();
                return;
            }
            const Answer a = it->second;
            socket->write(a.first);
            auto finish = [socket, a] {
                if (!a.rest.isEmpty())
                    socket->write(a.rest);
                if (a.close)
                    socket->disconnectFromHost();
            };
            if (a.pauseMs > 0)
                QTimer::singleShot(a.pauseMs, socket, finish);
            else
                finish();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    QTcpServer m_server;
    std::map<QString, Answer> m_answers;
};

QByteArray infoPage(const QString& version, const QString& download, const QString& signature,
                    const QString& readme = {})
{
    QString page = QStringLiteral("<META HTTP-EQUIV=\"version\" CONTENT=\"%1\">\n"
                                  "<META HTTP-EQUIV=\"date\" CONTENT=\"December 08, 2026\">\n")
                       .arg(version);
    if (!download.isEmpty())
        page += QStringLiteral("<META HTTP-EQUIV=\"url\" CONTENT=\"%1\">\n").arg(download);
    if (!signature.isEmpty())
        page += QStringLiteral("<META HTTP-EQUIV=\"signature\" CONTENT=\"%1\">\n").arg(signature);
    if (!readme.isEmpty())
        page += QStringLiteral("<META HTTP-EQUIV=\"readme\" CONTENT=\"%1\">\n").arg(readme);
    return page.toUtf8();
}

class Updates : public MessageFixture {
protected:
    void SetUp() override
    {
        MessageFixture::SetUp();
        // Questions are answered from the queue (Yes when it is empty); every message is
        // recorded with its title.
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
        m_info.askSavePath = [this](const QString& proposed) {
            return m_dir.filePath(proposed);
        };
        m_info.startFile = [this](const QString& file, const QString&) {
            m_started = file;
            return true;
        };
        m_info.saveSettings = [this] { ++m_saved; };
        m_info.endProgram = [this] { ++m_ended; };
    }

    void serveUpdate(const QByteArray& installer, const QByteArray& signedBytes)
    {
        m_server.answer(QStringLiteral("/setup.bin"), {TestServer::ok(installer)});
        m_server.answer(QStringLiteral("/info.html"),
                        {TestServer::ok(infoPage(QStringLiteral("1.0.03"),
                                                 m_server.url(QStringLiteral("/setup.bin")),
                                                 QString::fromLatin1(m_key.sign(signedBytes).toHex())))});
        ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    }

    TestServer m_server;
    TestKey m_key;
    TWebFileInfo m_info;
    QTemporaryDir m_dir;
    std::vector<QMessageBox::StandardButton> m_answers;
    QString m_started;
    int m_saved = 0;
    int m_ended = 0;
};

TEST_F(Updates, UpToDatePageAndTheRequestSent)
{
    m_server.answer(QStringLiteral("/info.html"), {TestServer::ok(infoPage(QStringLiteral("1.0.02"), {}, {}))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    ASSERT_TRUE(m_info.GetInformation());
    EXPECT_EQ(m_info.value(QStringLiteral("version")), QStringLiteral("1.0.02"));
    ASSERT_EQ(m_server.requests.size(), 1);
    EXPECT_EQ(m_server.requests.front(),
              QByteArray("GET /info.html HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n"));
    EXPECT_TRUE(m_info.GetInformation());  // learned once for the run
    EXPECT_EQ(m_server.requests.size(), 1);
    EXPECT_FALSE(m_info.RetrieveUpdate());
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("No Update Found: There is no update available.")});
}

TEST_F(Updates, ASignedDownloadIsOfferedAndSettingsAreSavedFirst)
{
    const QByteArray installer(300000, 'q');
    serveUpdate(installer, installer);
    m_answers = {QMessageBox::Yes, QMessageBox::Yes};  // download, install
    EXPECT_TRUE(m_info.RetrieveUpdate());
    const QString target = m_dir.filePath(QStringLiteral("setup.bin"));
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), installer);
    EXPECT_FALSE(QFile::exists(target + QStringLiteral(".part")));
    EXPECT_EQ(m_started, target);
    EXPECT_EQ(m_saved, 1);
    EXPECT_EQ(m_ended, 1);
    takeMessages();
}

TEST_F(Updates, ATamperedDownloadIsDeletedAndNeverOffered)
{
    const QByteArray installer(300000, 'q');
    serveUpdate(installer, QByteArray(300000, 'x'));  // signed something else
    m_answers = {QMessageBox::Yes};
    EXPECT_FALSE(m_info.RetrieveUpdate());
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(m_started.isEmpty());
    EXPECT_EQ(m_saved, 0);
    const QStringList messages = takeMessages();
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_TRUE(messages.back().startsWith(QStringLiteral("Download Error: ")));
    EXPECT_TRUE(messages.back().contains(QStringLiteral("signature")));
}

TEST_F(Updates, NotFoundRedirectLoopAndTruncatedAnswers)
{
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/missing.html"))));
    EXPECT_FALSE(m_info.GetInformation());
    EXPECT_EQ(m_info.lastError(), QStringLiteral("Not Found"));
    EXPECT_EQ(takeMessages(), QStringList{QStringLiteral("404")});

    m_server.answer(QStringLiteral("/loop"),
                    {"HTTP/1.0 302 Found\r\nLocation: " + m_server.url(QStringLiteral("/loop")).toLatin1()
                     + "\r\n\r\n"});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/loop"))));
    EXPECT_FALSE(m_info.GetInformation());
    EXPECT_EQ(m_info.lastError(), QStringLiteral("Too many redirects"));

    m_server.answer(QStringLiteral("/short"), {"HTTP/1.0 200 OK\r\nContent-Length: 500\r\n\r\nabc"});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/short"))));
    EXPECT_FALSE(m_info.GetInformation());
    EXPECT_FALSE(m_info.lastError().isEmpty());
    EXPECT_FALSE(m_info.isActive());

    m_server.answer(QStringLiteral("/garbage"), {QByteArray("\x01\x02 not http at all\r\n\r\n")});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/garbage"))));
    EXPECT_FALSE(m_info.GetInformation());
    takeMessages();
}

TEST_F(Updates, ProgressAtHalfAndACancelledSlowDownloadLeavesNothing)
{
    const QByteArray half(524288, 'a');
    m_server.answer(QStringLiteral("/setup.bin"),
                    {"HTTP/1.0 200 OK\r\nContent-Length: 1048576\r\n\r\n" + half, half, 1500});
    m_server.answer(QStringLiteral("/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("2"), m_server.url(QStringLiteral("/setup.bin")),
                                             QString::fromLatin1(m_key.sign(half + half).toHex())))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    m_answers = {QMessageBox::Yes};
    QString shown;
    int bar = -1;
    std::function<void()> watch = [&] {
        QWidget* progress = QApplication::activeModalWidget();
        auto* label = progress ? progress->findChild<QLabel*>(QStringLiteral("lblProgress")) : nullptr;
        if (!label || label->text().isEmpty()) {
            QTimer::singleShot(20, watch);
            return;
        }
        shown = label->text();
        bar = progress->findChild<QProgressBar*>()->value();
        progress->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
    };
    QTimer::singleShot(20, watch);
    EXPECT_FALSE(m_info.RetrieveUpdate());
    EXPECT_EQ(shown, QStringLiteral("524,288 of 1,048,576 bytes received."));
    EXPECT_EQ(bar, 50);
    EXPECT_TRUE(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(m_started.isEmpty());
    takeMessages();
}

TEST_F(Updates, TheCenterShowsWhatTheServerOffers)
{
    m_server.answer(QStringLiteral("/new.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.03"), {}, {}))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/new.html"))));
    TfrmUpdate center(m_info);
    center.show();
    QTest::qWait(50);
    center.CheckUpdate();
    EXPECT_EQ(center.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("1.0.03"));
    EXPECT_EQ(center.findChild<QLabel*>(QStringLiteral("lblUpdateStatus"))->text(),
              QStringLiteral("Update Information"));
    EXPECT_TRUE(center.findChild<QPushButton*>(QStringLiteral("btnRetrieveUpdate"))->isVisible());
    EXPECT_EQ(center.windowTitle(), QStringLiteral("Tillerode Software Update Center"));
    if (const QString folder = qEnvironmentVariable("QUENNARY_SHOTS"); !folder.isEmpty())
        center.grab().save(folder + QStringLiteral("/update-found.png"));
}

TEST_F(Updates, AnUpToDateCenterSaysSo)
{
    m_server.answer(QStringLiteral("/same.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.02"), {}, {}))});
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/same.html"))));
    TfrmUpdate center(m_info);
    if (const QString folder = qEnvironmentVariable("QUENNARY_SHOTS"); !folder.isEmpty())
        center.grab().save(folder + QStringLiteral("/update-unknown.png"));
    center.show();
    QTest::qWait(100);  // the first activation checks by itself
    EXPECT_EQ(center.findChild<QLabel*>(QStringLiteral("lblUpdateStatus"))->text(),
              QStringLiteral("No Updated Version Available"));
    EXPECT_FALSE(center.findChild<QPushButton*>(QStringLiteral("btnRetrieveUpdate"))->isVisible());
    if (const QString folder = qEnvironmentVariable("QUENNARY_SHOTS"); !folder.isEmpty())
        center.grab().save(folder + QStringLiteral("/update-none.png"));
}

TEST_F(Updates, ASilentServerTimesOut)
{
    Answer silent("");
    silent.close = false;
    m_server.answer(QStringLiteral("/silent.html"), silent);
    m_info.timeoutMs = 300;
    ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/silent.html"))));
    EXPECT_FALSE(m_info.GetInformation());
    EXPECT_EQ(m_info.lastError(), QStringLiteral("The server did not answer in time"));
}

TEST(HomeUrl, HttpAndHttpsInAnyLetterCase)
{
    TWebFileInfo info;
    EXPECT_TRUE(info.setHomeURL(QStringLiteral("HTTP://x.test/a")));
    EXPECT_TRUE(info.setHomeURL(QStringLiteral("https://x.test/a")));
    EXPECT_FALSE(info.setHomeURL(QStringLiteral("ftp://x.test/a")));
    EXPECT_FALSE(info.setHomeURL(QStringLiteral("http:/")));
}

} // namespace
