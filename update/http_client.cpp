#include "update/http_client.h"

#include <QFileDevice>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

namespace qn::update {

HttpClient::HttpClient(QObject* parent) : QObject(parent)
{
    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        complete(true, QStringLiteral("The server did not answer in time"));
    });
}

HttpClient::~HttpClient() { dropSocket(); }

void HttpClient::setProxy(const QString& host, quint16 port)
{
    m_proxyHost = host;
    m_proxyPort = port;
}

void HttpClient::setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

bool HttpClient::isRunning() const { return m_running; }

void HttpClient::get(const QUrl& url, QIODevice* sink)
{
    abort();
    m_sink = sink;
    m_redirects = 0;
    start(url);
}

void HttpClient::start(const QUrl& url)
{
    dropSocket();
    m_url = url;
    m_body.clear();
    m_status = {};
    m_failed = false;
    m_error.clear();
    m_running = true;
    m_parser = std::make_unique<ResponseParser>(
        m_sink ? std::nullopt : std::optional<qint64>(kMemoryLimit));
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
    connect(m_socket, &QTcpSocket::connected, this, &HttpClient::onConnected);
    connect(m_socket, &QTcpSocket::readyRead, this, &HttpClient::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &HttpClient::onClosed);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, &HttpClient::onSocketError);
    const bool viaProxy = !m_proxyHost.isEmpty();
    const QString host = viaProxy ? m_proxyHost : url.host();
    const quint16 port = viaProxy ? m_proxyPort
                                  : static_cast<quint16>(url.port(tls ? 443 : 80));
    m_timer->start(m_timeoutMs);
    if (auto* ssl = qobject_cast<QSslSocket*>(m_socket); ssl && !viaProxy) {
        disconnect(m_socket, &QTcpSocket::connected, this, &HttpClient::onConnected);
        connect(ssl, &QSslSocket::encrypted, this, &HttpClient::onConnected);
        ssl->connectToHostEncrypted(host, port);
    } else {
        m_socket->connectToHost(host, port);
    }
}

void HttpClient::onConnected()
{
    m_socket->write(BuildRequest(m_url, !m_proxyHost.isEmpty()));
    m_timer->start(m_timeoutMs);
}

void HttpClient::onReadyRead()
{
    if (!m_running || !m_socket)
        return;
    m_timer->start(m_timeoutMs);
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
        onClosed();
}

void HttpClient::onClosed()
{
    if (!m_running)
        return;
    if (m_socket && m_socket->bytesAvailable() > 0) {
        onReadyRead();
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
