#include "update/web_file_info.h"

#include "toolkit/message_box.h"
#include "toolkit/safe_file.h"
#include "update/http_client.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>

#include <openssl/evp.h>

#include <algorithm>
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

bool allDigits(QStringView text)
{
    return !text.isEmpty()
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

// A small modal window that stays up while requests run. However it closes (Cancel, Escape,
// the window's own close), `cancel` runs, which ends the request: nothing goes on unseen.
class WaitWindow : public QDialog {
public:
    WaitWindow(QWidget* parent, const QString& text, std::function<void()> cancel)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
          m_cancel(std::move(cancel))
    {
        setObjectName(QStringLiteral("frmWait"));
        setWindowTitle(QStringLiteral("Please Wait"));
        setWindowModality(Qt::ApplicationModal);
        setFixedSize(240, 100);
        auto* label = new QLabel(text, this);
        label->setObjectName(QStringLiteral("lblWait"));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(0, 0, 240, 64);
        auto* button = new QPushButton(QStringLiteral("&Cancel"), this);
        button->setObjectName(QStringLiteral("btnCancel"));
        button->setGeometry(86, 66, 68, 22);
        button->setCursor(Qt::ArrowCursor);
        connect(button, &QPushButton::clicked, this, &QDialog::reject);
        setCursor(Qt::WaitCursor);
        centreOnScreen(*this);
        show();
    }

    void reject() override
    {
        QDialog::reject();
        if (m_cancel)
            m_cancel();
    }

private:
    std::function<void()> m_cancel;
};

const QStringList& saveFilters()
{
    static const QStringList filters = {QStringLiteral("Application (*.EXE)"),
                                        QStringLiteral("Zipped File (*.ZIP)"),
                                        QStringLiteral("All Files (*.*)")};
    return filters;
}

}  // namespace

std::map<QString, QString> ReadInfoTags(const QString& page, const QStringList& tags)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    std::map<QString, QString> values;
    const QStringList lines = page.split(lineEnd);
    for (const QString& line : lines) {
        const qsizetype meta =
            line.indexOf(QStringLiteral("META HTTP-EQUIV"), 0, Qt::CaseInsensitive);
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
        if (name.isEmpty() || !tags.contains(name))
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
    // "<month> DD, YYYY": the day right before the first comma, ", " and the year last.
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma < 6 || text.size() != comma + 6 || text[comma - 3] != u' ' || text[comma + 1] != u' ')
        return std::nullopt;
    const QStringView day = QStringView(text).mid(comma - 2, 2);
    const QStringView year = QStringView(text).right(4);
    if (!allDigits(day) || !allDigits(year))
        return std::nullopt;
    int month = 0;
    for (int m = 0; m < 12; ++m) {
        if (text.left(3).compare(QLatin1String(months[m]), Qt::CaseInsensitive) == 0)
            month = m + 1;
    }
    const QDate date(year.toInt(), month, day.toInt());
    if (!month || !date.isValid())
        return std::nullopt;
    return date;
}

bool IsNewerVersion(const QString& current, const QString& server)
{
    // A server text that runs out of parts counts as 0 from there on, so "1" is no update
    // of "1.0.02" (taken unchanged it would compare its 1 with the current 0 and win).
    QString a = current;
    QString b = server;
    while (true) {
        const long long mine = partValue(a.section(QLatin1Char('.'), 0, 0));
        const long long theirs = partValue(b.section(QLatin1Char('.'), 0, 0));
        if (mine < theirs)
            return true;
        if (mine > theirs)
            return false;
        if (!a.contains(QLatin1Char('.')))
            return false;
        a = a.section(QLatin1Char('.'), 1);
        b = b.contains(QLatin1Char('.')) ? b.section(QLatin1Char('.'), 1) : QString();
    }
}

bool VerifyEd25519(const QByteArray& data, const QByteArray& signature, const QByteArray& publicKey)
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

QByteArray DecodeSignature(const QString& text)
{
    const QByteArray raw = text.trimmed().toLatin1();
    static const QRegularExpression hex(QStringLiteral("^([0-9a-fA-F]{2})+$"));
    if (hex.match(QString::fromLatin1(raw)).hasMatch())
        return QByteArray::fromHex(raw);
    auto decoded = QByteArray::fromBase64Encoding(raw, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

QByteArray ReleasePublicKey()
{
    return QByteArray::fromHex("4d29bca37f92b1df351a7fe4155accdaebe3137b35fc527668664019a2843148");
}

QString ProgressText(qint64 received, qint64 total)
{
    // Grouped with "," whatever the user's locale, as the window has always shown it.
    const QLocale grouped(QLocale::English, QLocale::UnitedStates);
    if (total < 0)
        return QStringLiteral("%1 bytes received.").arg(grouped.toString(received));
    return QStringLiteral("%1 of %2 bytes received.")
        .arg(grouped.toString(received), grouped.toString(total));
}

QString WithFilterExtension(const QString& path, int filterIndex)
{
    if (!QFileInfo(path).suffix().isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    if (filterIndex == 0)
        return path + QStringLiteral(".EXE");
    if (filterIndex == 1)
        return path + QStringLiteral(".ZIP");
    return path;
}

QString AskDownloadName(QWidget* parent, const QString& proposed)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);  // in an existing folder; overwriting is asked
    dialog.setNameFilters(saveFilters());
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    const QString path = WithFilterExtension(
        chosen, static_cast<int>(saveFilters().indexOf(dialog.selectedNameFilter())));
    // The dialog asked about the name typed; the extension added makes another name.
    if (path != chosen && QFileInfo::exists(path)
        && ask(parent,
               QStringLiteral("The file %1 already exists.\rDo you want to overwrite it?")
                   .arg(path),
               QStringLiteral("File Exists"))
               != QMessageBox::Yes)
        return {};
    return path;
}

bool StartDownloadedFile(const QString& file, const QString& params)
{
    if (QFileInfo(file).isExecutable())
        return QProcess::startDetached(file, QProcess::splitCommand(params));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

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
        toolkit::showMessage(parentWindow,
                             QStringLiteral("Can not retrieve version information\rbecause no "
                                            "home url was provided."),
                             QMessageBox::Warning, QMessageBox::Ok,
                             QStringLiteral("Missing Home URL"));
        return false;
    }
    if (std::all_of(InfoTags.begin(), InfoTags.end(),
                    [](const QString& t) { return t.isEmpty(); })) {
        toolkit::showMessage(parentWindow,
                             QStringLiteral("Can not retrieve version information\rbecause no "
                                            "tag information was provided."),
                             QMessageBox::Warning, QMessageBox::Ok,
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

void TWebFileInfo::showReadMe(const QString& text)
{
    QDialog window(parentWindow);
    window.setObjectName(QStringLiteral("frmReadMe"));
    window.setWindowTitle(QStringLiteral("Read Me"));
    QSize size(800, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = screen->availableGeometry().size() * 4 / 5;
    window.setFixedSize(size);
    auto* memo = new QPlainTextEdit(text, &window);
    memo->setObjectName(QStringLiteral("memReadMe"));
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setGeometry(10, 10, size.width() - 25, size.height() - 80);
    auto* ok = new QPushButton(QStringLiteral("&Ok"), &window);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setGeometry((size.width() - 68) / 2, size.height() - 56, 68, 22);
    connect(ok, &QPushButton::clicked, &window, &QDialog::accept);
    centreOnScreen(window);
    window.exec();
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
    QDialog progress(parentWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    progress.setObjectName(QStringLiteral("frmProgress"));
    progress.setWindowTitle(QStringLiteral("Download Progress"));
    progress.setFixedSize(272, 123);
    progress.setCursor(Qt::WaitCursor);
    auto* title = new QLabel(QStringLiteral("Downloading Update"), &progress);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(0, 8, 272, 18);
    auto* bar = new QProgressBar(&progress);
    bar->setObjectName(QStringLiteral("pbProgress"));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setGeometry(36, 32, 200, 14);
    bar->setTextVisible(false);  // 14 pixels leave no room for it; the count is below
    auto* count = new QLabel(&progress);
    count->setObjectName(QStringLiteral("lblProgress"));
    count->setAlignment(Qt::AlignCenter);
    count->setGeometry(0, 54, 272, 18);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), &progress);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setGeometry(102, 90, 68, 22);
    m_cancelled = false;
    connect(m_client, &HttpClient::progress, &progress, [&](qint64 received, qint64 total) {
        if (m_cancelled)
            return;
        count->setText(ProgressText(received, total));
        if (total <= 0) {
            bar->setRange(0, 0);  // no length announced: a bar that only says "busy"
            return;
        }
        bar->setRange(0, 100);
        const qint64 percent = std::min<qint64>(received * 100 / total, 100);
        if (percent > bar->value())
            bar->setValue(static_cast<int>(percent));
    });
    // Cancel, Escape and closing the window all stop the download.
    connect(cancel, &QPushButton::clicked, &progress, &QDialog::reject);
    connect(&progress, &QDialog::rejected, this, [this] { abort(); });
    connect(m_client, &HttpClient::finished, &progress, [&progress] { progress.accept(); });
    m_client->setProxy(m_proxyHost, m_proxyPort);
    // However long a download takes, it goes on as long as data arrives.
    m_client->setTimeout(timeoutMs);
    m_client->setDeadline(0);
    ++m_generation;
    m_client->get(m_pageUrl.resolved(QUrl(value(QStringLiteral("url")))), &file);
    if (m_client->isRunning()) {
        centreOnScreen(progress);
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
        toolkit::showMessage(
            parentWindow,
            m_lastError.isEmpty() ? QStringLiteral("Could not retrieve version information from "
                                                   "the Internet.\rError unknown.")
                                  : QStringLiteral("Could not retrieve version information from "
                                                   "the Internet.\rError: \"")
                                        + m_lastError + QStringLiteral(".\""),
            QMessageBox::Warning, QMessageBox::Ok, QStringLiteral("Connection Error"));
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
        && ask(parentWindow,
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
            showReadMe(QString::fromUtf8(m_client->body()));
        else if (m_client->raised())
            exceptionMessage(m_lastError);
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
    m_lastError.clear();
    const bool done = download(target);
    if (!done && m_cancelled)
        return false;  // the user stopped it and knows; nothing was kept
    if (!done && m_client->raised()) {
        exceptionMessage(m_lastError);
        return false;
    }
    if (!done) {
        toolkit::showMessage(
            parentWindow,
            m_lastError.isEmpty()
                ? QStringLiteral("Error occurred while downloading update.\rError "
                                 "unknown.")
                : QStringLiteral("Error occurred while downloading update.\rError: \"")
                      + m_lastError + QStringLiteral(".\""),
            QMessageBox::Warning, QMessageBox::Ok, QStringLiteral("Download Error"));
        return false;
    }
    if (ask(parentWindow,
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

}  // namespace qn::update
