#pragma once

// The update component against a small server of the test's own on 127.0.0.1: every message
// box recorded and answered from a queue, downloads saved into a folder of the test's own.
#include "tests/support/message_fixture.h"
#include "tests/update/local_server.h"
#include "tests/update/test_key.h"
#include "update/web_file_info.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <vector>

namespace update_test {

using namespace qn::update;

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

    // The information page of `version` at /info.html, pointing at /setup.bin, which is
    // answered with `download`; the page's signature is of `signedBytes`.
    void serveDownload(const Answer& download, const QString& signature,
                       const QString& version = QStringLiteral("1.0.03"))
    {
        m_server.answer(QStringLiteral("/setup.bin"), download);
        m_server.answer(QStringLiteral("/info.html"),
                        {TestServer::ok(infoPage(
                            version, m_server.url(QStringLiteral("/setup.bin")), signature))});
        ASSERT_TRUE(m_info.setHomeURL(m_server.url(QStringLiteral("/info.html"))));
    }

    void serveUpdate(const QByteArray& installer, const QString& signature)
    {
        serveDownload({TestServer::ok(installer)}, signature);
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

} // namespace update_test
