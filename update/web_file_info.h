#pragma once

#include "toolkit/product.h"

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

class QDialog;
class QIODevice;

namespace qn::update {

class HttpClient;

// The product-information page: the values of "META HTTP-EQUIV" tags named in `tags`.
// The tag name is matched exactly, "CONTENT=" in upper case; the first META of a line
// counts, and a later line with the same name replaces an earlier one.
std::map<QString, QString> ReadInfoTags(const QString& page, const QStringList& tags);

// "July 13, 1999": a month name (its first three letters in any case), a two-digit day
// before the first comma, a blank and a four-digit year at the end.
std::optional<QDate> ParseInfoDate(const QString& text);

// Whether `server` is a newer version than `current`, compared part by part at the dots,
// each part as a whole number (not a number counts as 0; a missing part too).
bool IsNewerVersion(const QString& current, const QString& server);

// Whether `signature` (64 bytes) is the Ed25519 signature of `data` under `publicKey`
// (32 bytes). OpenSSL 3 does the check.
bool VerifyEd25519(const QByteArray& data, const QByteArray& signature,
                   const QByteArray& publicKey);

// The signature tag's text, in hex or base64, as bytes; empty when it is neither.
QByteArray DecodeSignature(const QString& text);

// The key our releases are signed with (scripts/sign-release.sh); its private half is kept
// outside the repository.
QByteArray ReleasePublicKey();

// The progress window's count: "524,288 of 1,048,576 bytes received."; without an
// announced length (total < 0) only what arrived.
QString ProgressText(qint64 received, qint64 total);

// The save dialog's filters, in order: "Application (*.EXE)", "Zipped File (*.ZIP)",
// "All Files (*.*)". A chosen name without an extension gets ".EXE" under the first and
// ".ZIP" under the second.
QString WithFilterExtension(const QString& path, int filterIndex);

// Asks where to save the download (the platform's save dialog); empty when cancelled.
QString AskDownloadName(QWidget* parent, const QString& proposed);

// Opens the downloaded file with its run parameters: started when executable, else given
// to the platform's handler.
bool StartDownloadedFile(const QString& file, const QString& params);

// The update component: reads the maker's product-information page, compares versions,
// downloads a newer installer, checks its signature and starts it.
class TWebFileInfo : public QObject {
    Q_OBJECT
public:
    explicit TWebFileInfo(QObject* parent = nullptr);
    ~TWebFileInfo() override;

    QString CurrentVersion = toolkit::kVersionText;
    QStringList InfoTags = infoTags();  // the tags read; all empty: nothing can be learned

    // Accepts an http or https address (any letter case); a new one forgets what was learned.
    bool setHomeURL(const QString& url);
    const QString& homeURL() const { return m_home; }
    void setProxy(const QString& host, quint16 port);

    bool GetInformation();
    bool RetrieveUpdate();
    // Ends the request that runs, if any, as its Cancel would.
    void abort();
    // The last request ended by the user (Cancel, Escape, a window closed).
    bool cancelled() const { return m_cancelled; }
    bool isActive() const { return m_active; }
    const QString& lastError() const { return m_lastError; }
    QString value(const QString& tag) const;  // "version", "date", "url", ...
    const QString& downloadFileName() const { return m_fileName; }

    // What the component needs of the program, replaceable in tests.
    QPointer<QWidget> parentWindow;  // the windows' owner; a closed one is never reached
    QByteArray publicKey;            // default: ReleasePublicKey()
    std::function<QString(const QString& proposed)> askSavePath = [this](const QString& p) {
        return AskDownloadName(parentWindow, p);
    };
    std::function<bool(const QString& file, const QString& params)> startFile = StartDownloadedFile;
    std::function<void()> saveSettings;  // before the program gives way to the installer
    std::function<void()> endProgram;
    int timeoutMs = 30000;       // without data: a page, a read-me or a download ends
    int pageDeadlineMs = 60000;  // in all: a page or a read-me ends, however it trickles

    static const QStringList& infoTags();
    static constexpr int kMaxPageRedirects = 5;

private:
    // Runs one GET while `window` (already shown) keeps the user waiting; false on a
    // transport failure, with the last error set.
    bool request(const QUrl& url, QIODevice* sink);
    bool fetchPage(const QUrl& url);
    bool download(const QString& target);
    void showReadMe(const QString& text);
    void exceptionMessage(const QString& what);

    QString m_home;
    QUrl m_pageUrl;  // where the page was finally read, for relative addresses in it
    QString m_proxyHost;
    quint16 m_proxyPort = 80;
    HttpClient* m_client = nullptr;
    std::map<QString, QString> m_values;
    QString m_fileName;
    QString m_lastError;
    bool m_active = false;
    bool m_cancelled = false;
    int m_generation = 0;  // of the requests started
};

}  // namespace qn::update
