#pragma once

#include "toolkit/product.h"
#include "update/info_page.h"
#include "update/signature.h"
#include "update/update_dialogs.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <map>

class QIODevice;

namespace qn::update {

class HttpClient;

// The update component: reads the maker's product-information page, compares versions,
// downloads a newer installer, checks its signature and starts it.
class TWebFileInfo : public QObject {
    Q_OBJECT
public:
    explicit TWebFileInfo(QObject* parent = nullptr);
    ~TWebFileInfo() override;

    QString CurrentVersion = toolkit::kVersionText;
    QStringList InfoTags = infoTags(); // the tags read; all empty: nothing can be learned

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
    QString value(const QString& tag) const; // "version", "date", "url", ...
    const QString& downloadFileName() const { return m_fileName; }

    // What the component needs of the program, replaceable in tests.
    QPointer<QWidget> parentWindow; // the windows' owner; a closed one is never reached
    QByteArray publicKey;           // default: ReleasePublicKey()
    std::function<QString(const QString& proposed)> askSavePath = [this](const QString& p) {
        return AskDownloadName(parentWindow, p);
    };
    std::function<bool(const QString& file, const QString& params)> startFile = StartDownloadedFile;
    std::function<void()> saveSettings; // before the program gives way to the installer
    std::function<void()> endProgram;
    int timeoutMs = 30000;      // without data: a page, a read-me or a download ends
    int pageDeadlineMs = 60000; // in all: a page or a read-me ends, however it trickles

    static const QStringList& infoTags();
    static constexpr int kMaxPageRedirects = 5;

private:
    // Runs one GET while `window` (already shown) keeps the user waiting; false on a
    // transport failure, with the last error set.
    bool request(const QUrl& url, QIODevice* sink);
    bool fetchPage(const QUrl& url);
    bool download(const QString& target);
    void exceptionMessage(const QString& what);

    QString m_home;
    QUrl m_pageUrl; // where the page was finally read, for relative addresses in it
    QString m_proxyHost;
    quint16 m_proxyPort = 80;
    HttpClient* m_client = nullptr;
    std::map<QString, QString> m_values;
    QString m_fileName;
    QString m_lastError;
    bool m_active = false;
    bool m_cancelled = false;
    int m_generation = 0; // of the requests started
};

} // namespace qn::update
