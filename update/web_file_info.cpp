#include "update/web_file_info.h"

#include "toolkit/message_box.h"
#include "update/http_client.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QVBoxLayout>

#include <openssl/evp.h>

#include <memory>

namespace qn::update {

namespace {

const QString kTitle = QStringLiteral("Quennary");

QMessageBox::StandardButton ask(QWidget* parent, const QString& text, const QString& title)
{
    return toolkit::showMessage(parent, text, QMessageBox::Question,
                                QMessageBox::Yes | QMessageBox::No, title);
}

// Leading whole number of a version part; anything else counts as 0.
long long partValue(const QString& part)
{
    bool ok = false;
    const long long v = part.toLongLong(&ok);
    return ok ? v : 0;
}

QByteArray decodeSignature(const QString& text)
{
    const QByteArray raw = text.trimmed().toLatin1();
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{128}$"));
    if (hex.match(QString::fromLatin1(raw)).hasMatch())
        return QByteArray::fromHex(raw);
    return QByteArray::fromBase64(raw);
}

// A small modal window that runs while a request does, closed by its completion.
class WaitWindow : public QDialog {
public:
    WaitWindow(QWidget* parent, const QString& text)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    {
        setObjectName(QStringLiteral("frmWait"));
        setWindowTitle(QStringLiteral("Please Wait"));
        setFixedSize(240, 100);
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(0, 0, 240, 100);
        setCursor(Qt::WaitCursor);
    }
};

} // namespace

std::map<QString, QString> ReadInfoTags(const QString& page, const QStringList& tags)
{
    std::map<QString, QString> values;
    const QStringList lines = page.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (const QString& line : lines) {
        const qsizetype meta = line.indexOf(QStringLiteral("META HTTP-EQUIV"), 0, Qt::CaseInsensitive);
        if (meta < 0)
            continue;
        qsizetype at = meta + 15;
        if (line.mid(at, 2) != QStringLiteral("=\""))
            continue;
        at += 2;
        const qsizetype close = line.indexOf(QLatin1Char('"'), at);
        if (close < 0)
            continue;
        const QString name = line.mid(at, close - at);
        if (!tags.contains(name))
            continue;
        const qsizetype content = line.indexOf(QStringLiteral("CONTENT=\""), close);
        if (content < 0)
            continue;
        const qsizetype start = content + 9;
        const qsizetype end = line.indexOf(QLatin1Char('"'), start);
        if (end < 0)
            continue;
        values[name] = line.mid(start, end - start);
    }
    return values;
}

std::optional<QDate> ParseInfoDate(const QString& text)
{
    static const char* const months[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                         "jul", "aug", "sep", "oct", "nov", "dec"};
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 2 || text.size() < 4)
        return std::nullopt;
    int month = 0;
    for (int m = 0; m < 12; ++m) {
        if (text.left(3).compare(QLatin1String(months[m]), Qt::CaseInsensitive) == 0)
            month = m + 1;
    }
    bool dayOk = false;
    bool yearOk = false;
    const int day = text.mid(comma - 2, 2).toInt(&dayOk);
    const int year = text.right(4).toInt(&yearOk);
    const QDate date(year, month, day);
    if (!month || !dayOk || !yearOk || !date.isValid())
        return std::nullopt;
    return date;
}

bool IsNewerVersion(const QString& current, const QString& server)
{
    QString a = current;
    QString b = server;
    while (true) {
        const long long mine = partValue(a.section(QLatin1Char('.'), 0, 0));
        const long long theirs = partValue(b.section(QLatin1Char('.'), 0, 0));
        if (mine < theirs)
            return true;
        if (mine > theirs)
            return false;
        const bool more = a.contains(QLatin1Char('.'));
        if (!more)
            return false;
        a = a.section(QLatin1Char('.'), 1);
        if (b.contains(QLatin1Char('.')))
            b = b.section(QLatin1Char('.'), 1);
        else
            b.clear();
    }
}

bool VerifyEd25519(const QByteArray& data, const QByteArray& signature,
                   const QByteArray& publicKey)
{
    if (signature.size() != 64 || publicKey.size() != 32)
        return false;
    std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                    reinterpret_cast<const unsigned char*>(publicKey.constData()),
                                    32),
        EVP_PKEY_free);
    if (!key)
        return false;
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!ctx || EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(ctx.get(),
                            reinterpret_cast<const unsigned char*>(signature.constData()), 64,
                            reinterpret_cast<const unsigned char*>(data.constData()),
                            static_cast<std::size_t>(data.size()))
           == 1;
}

QByteArray ReleasePublicKey()
{
    return QByteArray::fromHex("4d29bca37f92b1df351a7fe4155accdaebe3137b35fc527668664019a2843148");
}

const QStringList& TWebFileInfo::infoTags()
{
    static const QStringList tags = {
        QStringLiteral("name"),     QStringLiteral("version"), QStringLiteral("date"),
        QStringLiteral("author"),   QStringLiteral("email"),   QStringLiteral("url"),
        QStringLiteral("readme"),   QStringLiteral("redirect"), QStringLiteral("runparams"),
        QStringLiteral("signature")};
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
    if (url.size() <= 6
        || !(lower.startsWith(QStringLiteral("http://")) || lower.startsWith(QStringLiteral("https://"))))
        return false;
    m_home = url;
    m_active = false;
    m_values.clear();
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

bool TWebFileInfo::fetch(const QUrl& url, const QString& waitText, QByteArray* body)
{
    m_client->setProxy(m_proxyHost, m_proxyPort);
    m_client->setTimeout(timeoutMs);
    WaitWindow wait(parentWindow, waitText);
    QMetaObject::Connection done =
        connect(m_client, &HttpClient::finished, &wait, [&wait] { wait.accept(); });
    m_client->get(url);
    if (m_client->isRunning())
        wait.exec();
    disconnect(done);
    if (m_client->failed()) {
        m_lastError = m_client->errorText();
        return false;
    }
    if (m_client->statusCode() > 200) {
        m_lastError = m_client->reason();
        toolkit::showMessage(parentWindow, QString::number(m_client->statusCode()));
        return false;
    }
    *body = m_client->body();
    return true;
}

bool TWebFileInfo::GetInformation()
{
    if (m_active)
        return true;
    if (m_home.isEmpty()) {
        toolkit::showMessage(parentWindow,
                             QStringLiteral("Can not retrieve version information\rbecause no "
                                            "home url was provided."),
                             QMessageBox::Warning, QMessageBox::Ok,
                             QStringLiteral("Missing Home URL"));
        return false;
    }
    m_lastError.clear();
    QUrl url(m_home);
    for (int hop = 0;; ++hop) {
        if (hop > HttpClient::kMaxRedirects) {
            m_lastError = QStringLiteral("Too many redirects");
            return false;
        }
        QByteArray page;
        const bool ok = fetch(url, QStringLiteral("Checking For Update..."), &page);
        m_values.clear();
        m_fileName.clear();
        if (!ok)
            return false;
        m_values = ReadInfoTags(QString::fromUtf8(page), infoTags());
        const QString redirect = value(QStringLiteral("redirect"));
        if (redirect.isEmpty())
            break;
        url = url.resolved(QUrl(redirect));
    }
    m_active = true;
    const QString download = value(QStringLiteral("url"));
    m_fileName = download.mid(download.lastIndexOf(QLatin1Char('/')) + 1);
    return true;
}

void TWebFileInfo::showReadMe(const QString& text)
{
    QDialog window(parentWindow);
    window.setObjectName(QStringLiteral("frmReadMe"));
    window.setWindowTitle(QStringLiteral("Read Me"));
    QSize size(800, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = screen->availableGeometry().size() * 4 / 5;
    window.resize(size);
    auto* memo = new QPlainTextEdit(text, &window);
    memo->setReadOnly(true);
    memo->setGeometry(10, 10, size.width() - 25, size.height() - 80);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), &window);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setGeometry((size.width() - 68) / 2, size.height() - 56, 68, 22);
    connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
    window.exec();
}

bool TWebFileInfo::download(const QString& target)
{
    // Written to a temporary name and renamed only once complete and verified, so that no
    // partial or unverified file ever stands under the chosen name.
    const QString partial = target + QStringLiteral(".part");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_lastError = file.errorString();
        return false;
    }
    QDialog progress(parentWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    progress.setObjectName(QStringLiteral("frmProgress"));
    progress.setWindowTitle(QStringLiteral("Download Progress"));
    progress.setFixedSize(272, 123);
    auto* title = new QLabel(QStringLiteral("Downloading Update"), &progress);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 8, 272, 18);
    auto* bar = new QProgressBar(&progress);
    bar->setObjectName(QStringLiteral("pbProgress"));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setGeometry(36, 32, 200, 14);
    auto* count = new QLabel(&progress);
    count->setObjectName(QStringLiteral("lblProgress"));
    count->setAlignment(Qt::AlignCenter);
    count->setGeometry(0, 54, 272, 18);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), &progress);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setGeometry(102, 90, 68, 22);
    bool cancelled = false;
    const QLocale grouped(QLocale::English, QLocale::UnitedStates);
    connect(m_client, &HttpClient::progress, &progress, [&](qint64 received, qint64 total) {
        if (cancelled)
            return;
        count->setText(QStringLiteral("%1 of %2 bytes received.")
                           .arg(grouped.toString(received), grouped.toString(std::max<qint64>(total, 0))));
        if (total > 0 && received * 100 / total > bar->value())
            bar->setValue(static_cast<int>(received * 100 / total));
    });
    connect(cancel, &QPushButton::clicked, &progress, [&] {
        cancelled = true;
        m_client->abort();
    });
    connect(m_client, &HttpClient::finished, &progress, [&progress] { progress.accept(); });
    m_client->setProxy(m_proxyHost, m_proxyPort);
    m_client->setTimeout(timeoutMs);
    m_client->get(QUrl(value(QStringLiteral("url"))), &file);
    if (m_client->isRunning())
        progress.exec();
    disconnect(m_client, nullptr, &progress, nullptr);
    file.close();
    bool ok = !m_client->failed() && m_client->statusCode() <= 200;
    if (!ok)
        m_lastError = m_client->failed() ? m_client->errorText() : m_client->reason();
    if (ok) {
        QFile downloaded(partial);
        ok = downloaded.open(QIODevice::ReadOnly)
             && VerifyEd25519(downloaded.readAll(), decodeSignature(value(QStringLiteral("signature"))),
                              publicKey);
        if (!ok)
            m_lastError = QStringLiteral(
                "The update's signature is missing or does not match; it was deleted");
    }
    if (!ok) {
        QFile::remove(partial);
        return false;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        m_lastError = QStringLiteral("The download could not be renamed to ") + target;
        QFile::remove(partial);
        return false;
    }
    return true;
}

bool TWebFileInfo::RetrieveUpdate()
{
    if (!GetInformation()) {
        toolkit::showMessage(parentWindow,
                             m_lastError.isEmpty()
                                 ? QStringLiteral("Could not retrieve version information from "
                                                  "the Internet.\rError unknown.")
                                 : QStringLiteral("Could not retrieve version information from "
                                                  "the Internet.\rError: \"")
                                       + m_lastError + QStringLiteral(".\""),
                             QMessageBox::Warning, QMessageBox::Ok,
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
        && ask(parentWindow, available + QStringLiteral("\rWould you like to view the ReadMe file?"),
               QStringLiteral("Update Available"))
               == QMessageBox::Yes) {
        QByteArray text;
        if (fetch(QUrl(value(QStringLiteral("url"))).resolved(QUrl(readme)),
                  QStringLiteral("Retrieving ReadMe..."), &text))
            showReadMe(QString::fromUtf8(text));
    }
    if (ask(parentWindow, available + QStringLiteral("\rDownload the update?"),
            QStringLiteral("Update Available"))
        != QMessageBox::Yes)
        return false;
    QString target = askSavePath ? askSavePath(m_fileName) : QString();
    if (target.isEmpty())
        return false;
    if (target.endsWith(QLatin1Char('/')) || target.endsWith(QLatin1Char('\\')))
        target += m_fileName;
    if (!download(target)) {
        toolkit::showMessage(parentWindow,
                             m_lastError.isEmpty()
                                 ? QStringLiteral("Error occurred while downloading update.\rError "
                                                  "unknown.")
                                 : QStringLiteral("Error occurred while downloading update.\rError: \"")
                                       + m_lastError + QStringLiteral(".\""),
                             QMessageBox::Warning, QMessageBox::Ok,
                             QStringLiteral("Download Error"));
        return false;
    }
    if (ask(parentWindow,
            QStringLiteral("Do you want to install the update now?\rThis will close %1.").arg(kTitle),
            QStringLiteral("Install Update"))
        != QMessageBox::Yes)
        return true;
    // The run's changed ratios and defaults are kept before the program gives way.
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
