// The main window's side of the update check: where it looks, the Update Center it opens on
// its one update component, and the settings kept before an installer takes over.
#include "tests/support/files.h"
#include "tests/support/window_fixture.h"
#include "tests/update/local_server.h"
#include "tests/update/test_key.h"
#include "toolkit/product.h"
#include "update/update_center.h"
#include "update/web_file_info.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using namespace update_test;
using qn::app::TfrmMain;

namespace {

class UpdateWindowTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        // Questions are answered Yes; every message is recorded as "caption: text".
        qn::toolkit::setMessageInterceptor([this](const qn::toolkit::MessageRequest& r) {
            m_messages.append(r.title.isEmpty() ? r.text : r.title + QStringLiteral(": ") + r.text);
            return (r.buttons & QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        });
    }

    void writeSettings(const QByteArray& text) { writeAll(settingsFile(), text); }

    TestServer m_server;
};

TEST_F(UpdateWindowTest, WhereTheCheckLooks)
{
    EXPECT_EQ(m_window->webFileInfo().homeURL(), qn::toolkit::kMakerProductInfoPage);
    const QString mirror = m_server.url(QStringLiteral("/mirror/info.html"));
    writeSettings("[Update]\r\nHomeUrl=" + mirror.toLatin1() + "\r\n");
    TfrmMain configured(settingsFile());
    EXPECT_EQ(configured.webFileInfo().homeURL(), mirror);
    EXPECT_FALSE(configured.setUpdateUrl(QStringLiteral("ftp://x.test/info.html")));
    EXPECT_EQ(configured.webFileInfo().homeURL(), mirror);
    EXPECT_TRUE(configured.setUpdateUrl(QStringLiteral("HTTPS://x.test/info.html")));

    // Through the proxy the settings file names, which is the test's server.
    writeSettings("[Update]\nHomeUrl=http://updates.invalid/info.html\nProxyHost=127.0.0.1\n"
                  "ProxyPort="
                  + QByteArray::number(m_server.port()) + "\n");
    m_server.answer(QStringLiteral("http://updates.invalid/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.03")))});
    TfrmMain proxied(settingsFile());
    EXPECT_TRUE(proxied.webFileInfo().GetInformation());
    EXPECT_EQ(proxied.webFileInfo().value(QStringLiteral("version")), QStringLiteral("1.0.03"));
    settle();
}

TEST_F(UpdateWindowTest, ACommandLineAddressThatIsNotHttpIsRefused)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(QUENNARY_EXE),
                  {QStringLiteral("--settings"), settingsFile(), QStringLiteral("--update-url"),
                   QStringLiteral("ftp://x.test/info.html")});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("--update-url"));
}

TEST_F(UpdateWindowTest, ShowUpdateOpensTheCenterAndLearnsOncePerRun)
{
    m_server.answer(QStringLiteral("/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.02")))});
    ASSERT_TRUE(m_window->setUpdateUrl(m_server.url(QStringLiteral("/info.html"))));
    for (int opening = 0; opening < 2; ++opening) {
        QString status;
        std::function<void(QWidget*)> close = [&](QWidget* center) {
            status = center->findChild<QLabel*>(QStringLiteral("lblUpdateStatus"))->text();
            if (status == QStringLiteral("Update Status:  Unknown")) {
                whenModal(QStringLiteral("TfrmUpdate"), close); // still checking
                return;
            }
            center->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
        };
        whenModal(QStringLiteral("TfrmUpdate"), close);
        m_window->ShowUpdate();
        EXPECT_EQ(status, QStringLiteral("No Updated Version Available")) << opening;
    }
    EXPECT_EQ(m_server.requests.size(), 1);
    EXPECT_TRUE(takeMessages().isEmpty());
}

TEST_F(UpdateWindowTest, InstallingSavesTheRunsSettingsFirst)
{
    const TestKey key;
    const QByteArray installer(4096, 'i');
    m_server.answer(QStringLiteral("/setup.bin"), {TestServer::ok(installer)});
    m_server.answer(QStringLiteral("/info.html"),
                    {TestServer::ok(infoPage(QStringLiteral("1.0.03"), QStringLiteral("setup.bin"),
                                             QString::fromLatin1(key.sign(installer).toHex())))});
    ASSERT_TRUE(m_window->setUpdateUrl(m_server.url(QStringLiteral("/info.html"))));
    m_window->settings().HRatio = 33.5; // changed during the run, not yet saved

    QTemporaryDir downloads;
    qn::update::TWebFileInfo& info = m_window->webFileInfo();
    info.publicKey = key.publicKey();
    info.askSavePath = [&](const QString& proposed) { return downloads.filePath(proposed); };
    QByteArray settingsAtStart;
    info.startFile = [&](const QString&, const QString&) {
        settingsAtStart = readAll(settingsFile());
        return true;
    };
    int ended = 0;
    info.endProgram = [&] { ++ended; };
    EXPECT_TRUE(info.RetrieveUpdate());
    EXPECT_TRUE(settingsAtStart.contains("HRatio=33.5")) << settingsAtStart.toStdString();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(takeMessages().size(), 2); // download? install?
}

} // namespace
