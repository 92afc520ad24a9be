#pragma once

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

class QWidget;

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
// each part as a whole number (not a number counts as 0).
bool IsNewerVersion(const QString& current, const QString& server);

// Whether `signature` (64 bytes) is the Ed25519 signature of `data` under `publicKey`
// (32 bytes). OpenSSL 3 does the check.
bool VerifyEd25519(const QByteArray& data, const QByteArray& signature,
                   const QByteArray& publicKey);

// The key our releases are signed with (scripts/sign-release.sh); its private half is kept
// outside the repository.
QByteArray ReleasePublicKey();

// The update component: reads the maker's product-information page, compares versions,
// downloads a newer installer, checks its signature and starts it.
class TWebFileInfo : public QObject {
    Q_OBJECT
public:
    explicit TWebFileInfo(QObject* parent = nullptr);
    ~TWebFileInfo() override;

    QString CurrentVersion = QStringLiteral("1.0.02");
    // Accepts an http or https address (any letter case); a new one forgets what was learned.
    bool setHomeURL(const QString& url);
    const QString& homeURL() const { return m_home; }
    void setProxy(const QString& host, quint16 port);

    bool GetInformation();
    bool RetrieveUpdate();
    bool isActive() const { return m_active; }
    const QString& lastError() const { return m_lastError; }
    QString value(const QString& tag) const;  // "version", "date", "url", ...
    const QString& downloadFileName() const { return m_fileName; }

    // What the component needs of the program, replaceable in tests.
    QWidget* parentWindow = nullptr;
    QByteArray publicKey;                             // default: ReleasePublicKey()
    std::function<QString(const QString& proposed)> askSavePath;  // empty: cancelled
    std::function<bool(const QString& file, const QString& params)> startFile;
    std::function<void()> saveSettings;               // before the program ends
    std::function<void()> endProgram;
    int timeoutMs = 30000;

    static const QStringList& infoTags();

private:
    bool fetch(const QUrl& url, const QString& waitText, QByteArray* body);
    bool download(const QString& target);
    void showReadMe(const QString& text);

    QString m_home;
    QString m_proxyHost;
    quint16 m_proxyPort = 80;
    HttpClient* m_client = nullptr;
    std::map<QString, QString> m_values;
    QString m_fileName;
    QString m_lastError;
    bool m_active = false;
};

} // namespace qn::update
