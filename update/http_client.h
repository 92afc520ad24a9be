#pragma once

#include "update/http_parse.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <memory>

class QIODevice;
class QTcpSocket;
class QTimer;

namespace qn::update {

// A GET of one address at a time, asynchronous on the user-interface thread: HTTP/1.0 over
// TCP, or over TLS for https, optionally through a proxy; "Location" redirects are
// followed up to five times; 30 s without data ends the request, and so does an overall
// deadline when one is set, however steadily a server trickles its answer.
class HttpClient : public QObject {
    Q_OBJECT
public:
    explicit HttpClient(QObject* parent = nullptr);
    ~HttpClient() override;

    void setProxy(const QString& host, quint16 port);
    // Time allowed without any data arriving.
    void setTimeout(int milliseconds);
    // Time allowed for the whole request, redirects included, from get() on; 0: none.
    void setDeadline(int milliseconds);

    // The body goes to `sink` when given, else into memory (at most 1 MiB, which no
    // product-information page comes near).
    void get(const QUrl& url, QIODevice* sink = nullptr);
    void abort();
    bool isRunning() const;

    const QByteArray& body() const { return m_body; }
    int statusCode() const { return m_status.code; }
    const QString& reason() const { return m_status.reason; }
    bool failed() const { return m_failed; }
    const QString& errorText() const { return m_error; }
    // The failure was raised as an error while the answer was read, not a transport one.
    bool raised() const { return m_raised; }

    static constexpr qint64 kMemoryLimit = 1024 * 1024;
    static constexpr int kMaxRedirects = 5;

signals:
    void progress(qint64 received, qint64 total); // total -1: not announced
    void finished(bool error);

private:
    void start(const QUrl& url);
    void sendRequest();
    void readTunnelAnswer();
    template <typename Fn> void guarded(Fn fn);
    void onReadyRead();
    void onClosed();
    void readAnswer();
    void finishAnswer();
    void onSocketError();
    void complete(bool error, const QString& reason);
    void dropSocket();

    QString m_proxyHost;
    quint16 m_proxyPort = 80;
    int m_timeoutMs = 30000;
    int m_deadlineMs = 0;
    QUrl m_url;
    QPointer<QIODevice> m_sink;
    QTcpSocket* m_socket = nullptr;
    QTimer* m_timer = nullptr;
    QTimer* m_deadline = nullptr;
    std::unique_ptr<ResponseParser> m_parser;
    QByteArray m_body;
    StatusLine m_status;
    bool m_running = false;
    bool m_failed = false;
    bool m_raised = false;
    QString m_error;
    int m_redirects = 0;
    enum class Tunnel { None, Asked, Open };
    Tunnel m_tunnel = Tunnel::None;
    QByteArray m_tunnelAnswer;
};

} // namespace qn::update
