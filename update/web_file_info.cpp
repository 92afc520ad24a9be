#include "update/web_file_info.h"

#include "toolkit/message_box.h"
#include "toolkit/safe_file.h"
#include "update/http_client.h"

#include <QEventLoop>
#include <QFile>

#include <algorithm>
#include <memory>

namespace qn::update {

namespace {

const QString kTitle = QStringLiteral("Quennary");

// "<what>\rError: "<error>."", or "Error unknown." without one.
QString withError(const QString& what, const QString& error)
{
    if (error.isEmpty())
        return what + QStringLiteral("\rError unknown.");
    return what + QStringLiteral("\rError: \"") + error + QStringLiteral(".\"");
}

} // namespace

const QStringList& TWebFileInfo::infoTags()
{
    static const QStringList tags = {QStringLiteral("name"),      QStringLiteral("version"),
                                     QStringLiteral("date"),      QStringLiteral("author"),
                                     QStringLiteral("email"),     QStringLiteral("url"),
                                     QStringLiteral("readme"),    QStringLiteral("redirect"),
                                     QStringLiteral("runparams"), QStringLiteral("signature")};
    return tags;
}

TWebFileInfo::TWebFileInfo(QObject* parent) : QObject(parent), publicKey(ReleasePublicKey())
{
    m_client = new HttpClient(this);
}

TWebFileInfo::~TWebFileInfo() = default;

bool TWebFileInfo::setHomeURL(const QString& url)
{
    const QString lower = url.left(8).toLower();
    if (url.size() <= 7
        || !(lower.startsWith(QStringLiteral("http://"))
             || (lower == QStringLiteral("https://") && url.size() > 8)))
        return false;
    m_home = url;
    m_active = false;
    m_values.clear();
    m_fileName.clear();
    return true;
}

void TWebFileInfo::setProxy(const QString& host, quint16 port)
{
    m_proxyHost = host;
    m_proxyPort = port;
}

QString TWebFileInfo::value(const QString& tag) const
{
    const auto it = m_values.find(tag);
    return it == m_values.end() ? QString() : it->second;
}

void TWebFileInfo::exceptionMessage(const QString& what)
{
    toolkit::showMessage(
        parentWindow,
        QStringLiteral("Error retrieving update information.\rException: %1.").arg(what),
        QMessageBox::Critical, QMessageBox::Ok, QStringLiteral("Exception"));
}

void TWebFileInfo::abort()
{
    if (!m_client->isRunning())
        return;
    m_cancelled = true;
    m_client->abort();
}

bool TWebFileInfo::request(const QUrl& url, QIODevice* sink)
{
    m_cancelled = false;
    m_client->setProxy(m_proxyHost, m_proxyPort);
    m_client->setTimeout(timeoutMs);
    m_client->setDeadline(pageDeadlineMs);
    // A request started while this one waits (it cannot be, with the wait window modal, but
    // if it were) ends this one, whose answer is then gone.
    const int mine = ++m_generation;
    QEventLoop loop;
    const QMetaObject::Connection done =
        connect(m_client, &HttpClient::finished, &loop, &QEventLoop::quit);
    m_client->get(url, sink);
    if (m_client->isRunning())
        loop.exec();
    disconnect(done);
    if (mine != m_generation) {
        m_lastError = QStringLiteral("Cancelled");
        return false;
    }
    if (m_client->failed()) {
        m_lastError = m_client->errorText();
        return false;
    }
    return true;
}

// One fetch of the information page; the wait window is already up.
bool TWebFileInfo::fetchPage(const QUrl& url)
{
    const bool ok = request(url, nullptr);
    m_values.clear();
    m_fileName.clear();
    if (!ok)
        return false;
    if (m_client->statusCode() > 200) {
        m_lastError = m_client->reason();
        toolkit::showMessage(parentWindow, QString::number(m_client->statusCode()));
        return false;
    }
    m_pageUrl = url;
    m_values = ReadInfoTags(QString::fromUtf8(m_client->body()), InfoTags);
    const QString download = value(QStringLiteral("url"));
    m_fileName = download.mid(download.lastIndexOf(QLatin1Char('/')) + 1);
    return true;
}

bool TWebFileInfo::GetInformation()
{
    if (m_active)
        return true;
    if (m_home.isEmpty()) {
        Warn(parentWindow,
             QStringLiteral("Can not retrieve version information\rbecause no home url was "
                            "provided."),
             QStringLiteral("Missing Home URL"));
        return false;
    }
    if (std::all_of(InfoTags.begin(), InfoTags.end(),
                    [](const QString& t) { return t.isEmpty(); })) {
        Warn(parentWindow,
             QStringLiteral("Can not retrieve version information\rbecause no tag information "
                            "was provided."),
             QStringLiteral("Missing Tag Information"));
        return false;
    }
    m_lastError.clear();
    // The same wait window stays up while a redirect tag leads from page to page.
    auto wait = std::make_unique<WaitWindow>(parentWindow, QStringLiteral("Checking For Update..."),
                                             [this] { abort(); });
    QUrl url(m_home);
    for (int hop = 0;; ++hop) {
        bool ok = false;
        try {
            ok = fetchPage(url);
        } catch (const std::exception& e) {
            m_lastError = QString::fromLocal8Bit(e.what());
        }
        if (m_client->raised() && !ok) {
            wait.reset();
            exceptionMessage(m_lastError);
            return false;
        }
        if (!ok)
            return false;
        const QString redirect = value(QStringLiteral("redirect"));
        if (redirect.isEmpty())
            break;
        if (hop == kMaxPageRedirects) {
            m_values.clear();
            m_fileName.clear();
            m_lastError = QStringLiteral("Too many redirects");
            return false;
        }
        url = url.resolved(QUrl(redirect));
    }
    m_active = true;
    return true;
}

bool TWebFileInfo::download(const QString& target)
{
    // Written to a temporary name beside the target and committed only once complete and
    // verified, so that no partial or unverified file ever stands under the chosen name (a
    // device or FIFO, written in place, could not wait for the check).
    const QString notSaved = QStringLiteral("The download could not be saved as ") + target;
    toolkit::SafeFile saved(target);
    if (!saved.open() || saved.inPlace()) {
        m_lastError = notSaved;
        return false;
    }
    QFile& file = *saved.device();
    ProgressWindow progress(parentWindow);
    m_cancelled = false;
    connect(m_client, &HttpClient::progress, &progress, [&](qint64 received, qint64 total) {
        if (!m_cancelled)
            progress.showProgress(received, total);
    });
    // Cancel, Escape and closing the window all stop the download.
    connect(&progress, &QDialog::rejected, this, [this] { abort(); });
    connect(m_client, &HttpClient::finished, &progress, [&progress] { progress.accept(); });
    m_client->setProxy(m_proxyHost, m_proxyPort);
    // However long a download takes, it goes on as long as data arrives.
    m_client->setTimeout(timeoutMs);
    m_client->setDeadline(0);
    ++m_generation;
    m_client->get(m_pageUrl.resolved(QUrl(value(QStringLiteral("url")))), &file);
    if (m_client->isRunning()) {
        CentreOnScreen(progress);
        progress.exec();
    }
    disconnect(m_client, nullptr, &progress, nullptr);
    const bool flushed = file.flush();
    if (m_client->failed()) {
        m_lastError = m_client->errorText();
        return false;
    }
    if (m_client->statusCode() > 200) {
        m_lastError = m_client->reason();
        return false;
    }
    if (!flushed) {
        m_lastError = file.errorString();
        return false;
    }
    const QByteArray signature = DecodeSignature(value(QStringLiteral("signature")));
    if (signature.isEmpty()) {
        m_lastError = QStringLiteral("The update is not signed; it was deleted");
        return false;
    }
    file.seek(0);
    const qint64 size = file.size();
    const uchar* mapped = size > 0 ? file.map(0, size) : nullptr;
    const QByteArray data =
        mapped ? QByteArray::fromRawData(reinterpret_cast<const char*>(mapped), size)
               : file.readAll();
    if (!VerifyEd25519(data, signature, publicKey)) {
        m_lastError = QStringLiteral("The update's signature does not match; it was deleted");
        return false;
    }
    if (mapped)
        file.unmap(const_cast<uchar*>(mapped));
    if (!saved.commit()) {
        m_lastError = notSaved;
        return false;
    }
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                      | QFile::ReadOther);
    return true;
}

bool TWebFileInfo::RetrieveUpdate()
{
    if (!GetInformation()) {
        Warn(parentWindow,
             withError(QStringLiteral("Could not retrieve version information from the Internet."),
                       m_lastError),
             QStringLiteral("Connection Error"));
        return false;
    }
    const QString server = value(QStringLiteral("version"));
    if (!IsNewerVersion(CurrentVersion, server)) {
        toolkit::showMessage(parentWindow, QStringLiteral("There is no update available."),
                             QMessageBox::Information, QMessageBox::Ok,
                             QStringLiteral("No Update Found"));
        return false;
    }
    const QString available = QStringLiteral("Current version is %1.\rVersion %2 is available.")
                                  .arg(CurrentVersion, server);
    const QString readme = value(QStringLiteral("readme"));
    if (!readme.isEmpty()
        && AskYesNo(parentWindow,
                    available + QStringLiteral("\rWould you like to view the ReadMe file?"),
                    QStringLiteral("Update Available"))
               == QMessageBox::Yes) {
        auto wait = std::make_unique<WaitWindow>(
            parentWindow, QStringLiteral("Retrieving ReadMe..."), [this] { abort(); });
        bool ok = false;
        try {
            ok = request(m_pageUrl.resolved(QUrl(readme)), nullptr);
        } catch (const std::exception& e) {
            m_lastError = QString::fromLocal8Bit(e.what());
        }
        wait.reset();
        if (ok && m_client->statusCode() > 200)
            m_lastError = m_client->reason();
        else if (ok)
            ShowReadMe(parentWindow, QString::fromUtf8(m_client->body()));
        else if (m_client->raised())
            exceptionMessage(m_lastError);
    }
    if (AskYesNo(parentWindow, available + QStringLiteral("\rDownload the update?"),
                 QStringLiteral("Update Available"))
        != QMessageBox::Yes)
        return false;
    QString target = askSavePath ? askSavePath(m_fileName) : QString();
    if (target.isEmpty())
        return false;
    if (target.endsWith(QLatin1Char('/')) || target.endsWith(QLatin1Char('\\')))
        target += m_fileName;
    m_lastError.clear();
    const bool done = download(target);
    if (!done && m_cancelled)
        return false; // the user stopped it and knows; nothing was kept
    if (!done && m_client->raised()) {
        exceptionMessage(m_lastError);
        return false;
    }
    if (!done) {
        Warn(parentWindow,
             withError(QStringLiteral("Error occurred while downloading update."), m_lastError),
             QStringLiteral("Download Error"));
        return false;
    }
    if (AskYesNo(parentWindow,
                 QStringLiteral("Do you want to install the update now?\rThis will close %1.")
                     .arg(kTitle),
                 QStringLiteral("Install Update"))
        != QMessageBox::Yes)
        return true;
    // The run's changed ratios and defaults are kept before the program gives way; the exit
    // dialog is still skipped.
    if (saveSettings)
        saveSettings();
    if (!startFile || !startFile(target, value(QStringLiteral("runparams")))) {
        toolkit::showMessage(parentWindow, QStringLiteral("Can not start program."),
                             QMessageBox::Critical, QMessageBox::Ok, QStringLiteral("Error"));
        return true;
    }
    if (endProgram)
        endProgram();
    return true;
}

} // namespace qn::update
