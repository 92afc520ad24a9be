#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <map>
#include <optional>

namespace qn::update {

// The request the program sends: an HTTP/1.0 GET with a Host header and nothing else; the
// header carries the port when the address names one that is not the scheme's default.
QByteArray BuildRequest(const QUrl& url, bool viaProxy);

// What opens a tunnel through a proxy for an https address: "CONNECT host:port HTTP/1.0".
QByteArray BuildConnectRequest(const QUrl& url);

struct StatusLine {
    int code = 0;
    QString reason;
};

// "HTTP/1.0 200 OK" or "HTTP/1.1 404 Not Found"; none for anything else.
std::optional<StatusLine> ParseStatusLine(const QByteArray& line);

// Reads a response as its bytes arrive, without any network: the status line, the headers
// and the body, with or without Content-Length. Answers that are too large or malformed
// end in an error with a reason, never in unbounded memory.
class ResponseParser {
public:
    enum class State { Headers, Body, Done, Failed };

    // bodyLimit: the most body bytes kept in memory (a file download passes none).
    explicit ResponseParser(std::optional<qint64> bodyLimit = std::nullopt);

    // Feeds received bytes; body bytes are returned for the caller to store.
    QByteArray feed(const QByteArray& bytes);
    // The connection closed: a body without a length ends here; one shorter than announced
    // is a failure.
    void finish();

    State state() const { return m_state; }
    const StatusLine& status() const { return m_status; }
    QString header(const QByteArray& lowerName) const;
    std::optional<qint64> contentLength() const { return m_length; }
    qint64 received() const { return m_received; }
    const QString& error() const { return m_error; }

    static constexpr qint64 kMaxHeaderBytes = 64 * 1024;

private:
    void fail(const QString& reason);
    void parseHeaders(const QByteArray& block);

    State m_state = State::Headers;
    std::optional<qint64> m_bodyLimit;
    QByteArray m_pending;    // the headers until their end has arrived
    qsizetype m_scanned = 0; // bytes of m_pending searched for the end
    qsizetype m_lineStart = 0;
    StatusLine m_status;
    std::map<QByteArray, QString> m_headers;
    std::optional<qint64> m_length;
    qint64 m_received = 0;
    QString m_error;
};

} // namespace qn::update
