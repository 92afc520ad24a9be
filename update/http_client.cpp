#include "update/http_client.h"

#include <QFileDevice>
#include <QNetworkProxy>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

namespace qn::update {

HttpClient::HttpClient(QObject* parent) : QObject(parent)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this,
            [this] { complete(true, QStringLiteral("The server did not answer in time")); });
    m_deadline = new QTimer(this);
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this,
            [this] { complete(true, QStringLiteral("The server took too long to answer")); });
}

HttpClient::~HttpClient() { dropSocket(); }

void HttpClient::setProxy(const QString& host, quint16 port)
{
    m_proxyHost = host;
    m_proxyPort = port;
}

void HttpClient::setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

void HttpClient::setDeadline(int milliseconds) { m_deadlineMs = milliseconds; }

bool HttpClient::isRunning() const { return m_running; }

void HttpClient::get(const QUrl& url, QIODevice* sink)
{
    abort();
    m_sink = sink;
    m_redirects = 0;
    if (m_deadlineMs > 0)
        m_deadline->start(m_deadlineMs);
    start(url);
}

void HttpClient::start(const QUrl& url)
{
    dropSocket();
    m_url = url;
    m_body.clear();
    m_status = {};
    m_tunnel = Tunnel::None;
    m_tunnelAnswer.clear();
    m_failed = false;
    m_raised = false;
    m_error.clear();
    m_running = true;
    m_parser = std::make_unique<ResponseParser>(m_sink ? std::nullopt
                                                       : std::optional<qint64>(kMemoryLimit));
    if (m_sink) {
        // A redirect starts the file again.
        if (auto* file = qobject_cast<QFileDevice*>(m_sink.data()))
            file->resize(0);
        m_sink->seek(0);
    }
    const QString scheme = url.scheme().toLower();
    const bool tls = scheme == QStringLiteral("https");
    if (!tls && scheme != QStringLiteral("http")) {
        QTimer::singleShot(0, this, [this] {
            complete(true, QStringLiteral("The address is neither http nor https"));
        });
        return;
    }
    m_socket = tls ? new QSslSocket(this) : new QTcpSocket(this);
    // Requests go exactly where the settings say, never through a proxy of the system's.
    m_socket->setProxy(QNetworkProxy::NoProxy);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpClient::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpClient::onClosed);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &HttpClient::onSocketError);
    const bool viaProxy = !m_proxyHost.isEmpty();
    const QString host = viaProxy ? m_proxyHost : url.host();
    const quint16 port = viaProxy ? m_proxyPort : static_cast<quint16>(url.port(tls ? 443 : 80));
    m_timer->start(m_timeoutMs);
    auto* ssl = qobject_cast<QSslSocket*>(m_socket);
    if (ssl)
        connect(ssl, &QSslSocket::encrypted, this, &HttpClient::sendRequest);
    if (ssl && viaProxy) {
        // https through a proxy: a CONNECT tunnel first, so the proxy never sees the request.
        m_tunnel = Tunnel::Asked;
        connect(m_socket, &QTcpSocket::connected, this,
                [this] { m_socket->write(BuildConnectRequest(m_url)); });
        m_socket->connectToHost(host, port);
    } else if (ssl) {
        ssl->connectToHostEncrypted(host, port);
    } else {
        connect(m_socket, &QTcpSocket::connected, this, &HttpClient::sendRequest);
        m_socket->connectToHost(host, port);
    }
}

void HttpClient::sendRequest()
{
    const bool viaProxy = !m_proxyHost.isEmpty() && m_url.scheme().toLower() != u"https";
    m_socket->write(BuildRequest(m_url, viaProxy));
    m_timer->start(m_timeoutMs);
}

// The proxy's answer to CONNECT: a status line and headers, then the tunnel is ours.
void HttpClient::readTunnelAnswer()
{
    m_tunnelAnswer += m_socket->readAll();
    const qsizetype end = m_tunnelAnswer.indexOf("\r\n\r\n");
    if (end < 0) {
        if (m_tunnelAnswer.size() > ResponseParser::kMaxHeaderBytes)
            complete(true, QStringLiteral("The proxy's answer is too long"));
        return;
    }
    const auto status = ParseStatusLine(m_tunnelAnswer.left(m_tunnelAnswer.indexOf("\r\n")));
    if (!status || status->code != 200) {
        complete(true, QStringLiteral("The proxy refused the connection: ")
                           + (status ? QString::number(status->code) + u' ' + status->reason
                                     : QStringLiteral("not HTTP")));
        return;
    }
    m_tunnel = Tunnel::Open;
    m_tunnelAnswer.clear();
    auto* ssl = static_cast<QSslSocket*>(m_socket);
    ssl->setPeerVerifyName(m_url.host());
    ssl->startClientEncryption();
}

// A failure raised while an answer is read (memory, mostly) ends the request with its
// text instead of unwinding through the event loop.
template <typename Fn> void HttpClient::guarded(Fn fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        m_raised = true;
        complete(true, QString::fromLocal8Bit(e.what()));
    }
}

void HttpClient::onReadyRead()
{
    guarded([this] { readAnswer(); });
}

void HttpClient::onClosed()
{
    guarded([this] { finishAnswer(); });
}

void HttpClient::readAnswer()
{
    if (!m_running || !m_socket)
        return;
    m_timer->start(m_timeoutMs);
    if (m_tunnel == Tunnel::Asked) {
        readTunnelAnswer();
        return;
    }
    const QByteArray body = m_parser->feed(m_socket->readAll());
    if (m_parser->state() == ResponseParser::State::Failed) {
        complete(true, m_parser->error());
        return;
    }
    if (!body.isEmpty()) {
        if (m_sink) {
            if (m_sink->write(body) != body.size()) {
                complete(true, QStringLiteral("The download could not be written"));
                return;
            }
        } else {
            m_body += body;
        }
    }
    if (m_parser->state() != ResponseParser::State::Headers)
        emit progress(m_parser->received(), m_parser->contentLength().value_or(-1));
    if (m_parser->state() == ResponseParser::State::Done)
        finishAnswer();
}

void HttpClient::finishAnswer()
{
    if (!m_running)
        return;
    if (m_socket && m_socket->bytesAvailable() > 0) {
        readAnswer();
        if (!m_running)
            return;
    }
    m_parser->finish();
    if (m_parser->state() == ResponseParser::State::Failed) {
        complete(true, m_parser->error());
        return;
    }
    m_status = m_parser->status();
    const int code = m_status.code;
    const QString location = m_parser->header("location");
    if ((code == 301 || code == 302 || code == 303 || code == 307 || code == 308)
        && !location.isEmpty()) {
        if (++m_redirects > kMaxRedirects) {
            complete(true, QStringLiteral("Too many redirects"));
            return;
        }
        const QUrl next = m_url.resolved(QUrl(location));
        QTimer::singleShot(0, this, [this, next] { start(next); });
        dropSocket();
        return;
    }
    complete(false, m_status.reason);
}

void HttpClient::onSocketError()
{
    // The server closing after its answer is how an HTTP/1.0 answer ends.
    if (m_socket && m_socket->error() == QAbstractSocket::RemoteHostClosedError)
        return;
    if (m_socket)
        complete(true, m_socket->errorString());
}

void HttpClient::abort()
{
    if (m_running)
        complete(true, QStringLiteral("Cancelled"));
}

void HttpClient::dropSocket()
{
    if (!m_socket)
        return;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void HttpClient::complete(bool error, const QString& reason)
{
    if (!m_running)
        return;
    m_running = false;
    m_timer->stop();
    m_deadline->stop();
    if (m_parser && m_parser->state() != ResponseParser::State::Headers)
        m_status = m_parser->status();
    m_failed = error;
    m_error = error ? reason : QString();
    if (!error)
        m_status.reason = reason;
    dropSocket();
    emit finished(error);
}

} // namespace qn::update
