#include "update/http_parse.h"

#include <algorithm>

namespace qn::update {

namespace {
// An IPv6 literal is written in brackets wherever a host name stands.
QByteArray hostText(const QUrl& url)
{
    const QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    return host.contains(':') ? '[' + host + ']' : host;
}

// The Host header names the port too when it is not the scheme's own (RFC 9110, 7.2).
QByteArray hostHeader(const QUrl& url)
{
    const int defaultPort = url.scheme().toLower() == u"https" ? 443 : 80;
    const int port = url.port(defaultPort);
    return port == defaultPort ? hostText(url) : hostText(url) + ':' + QByteArray::number(port);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
} // namespace

QByteArray BuildRequest(const QUrl& url, bool viaProxy)
{
    QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
    if (path.isEmpty())
        path = "/";
    if (url.hasQuery())
        path += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    // Through a proxy the request line carries the whole address (never a password or
    // a fragment).
    if (viaProxy)
        path = url.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveFragment | QUrl::RemovePath
                            | QUrl::RemoveQuery)
                   .toEncoded()
               + path;
    return "GET " + path + " HTTP/1.0\r\nHost: " + hostHeader(url) + "\r\n\r\n";
}

QByteArray BuildConnectRequest(const QUrl& url)
{
    const QByteArray authority = hostText(url) + ':' + QByteArray::number(url.port(443));
    return "CONNECT " + authority + " HTTP/1.0\r\nHost: " + authority + "\r\n\r\n";
}

std::optional<StatusLine> ParseStatusLine(const QByteArray& line)
{
    if (!line.startsWith("HTTP/1.0 ") && !line.startsWith("HTTP/1.1 "))
        return std::nullopt;
    const QByteArray code = line.mid(9, 3);
    if (code.size() != 3 || !std::all_of(code.begin(), code.end(), isDigit)
        || (line.size() > 12 && line[12] != ' '))
        return std::nullopt;
    const int value = code.toInt();
    if (value < 100)
        return std::nullopt;
    StatusLine status;
    status.code = value;
    status.reason = QString::fromLatin1(line.mid(13)).trimmed();
    return status;
}

ResponseParser::ResponseParser(std::optional<qint64> bodyLimit) : m_bodyLimit(bodyLimit) {}

void ResponseParser::fail(const QString& reason)
{
    m_state = State::Failed;
    m_error = reason;
    m_pending.clear();
}

QString ResponseParser::header(const QByteArray& lowerName) const
{
    const auto it = m_headers.find(lowerName);
    return it == m_headers.end() ? QString() : it->second;
}

void ResponseParser::parseHeaders(const QByteArray& block)
{
    const QList<QByteArray> lines = block.split('\n');
    const auto status = ParseStatusLine(lines.value(0).trimmed());
    if (!status) {
        fail(QStringLiteral("The server's answer is not HTTP"));
        return;
    }
    m_status = *status;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        m_headers[line.left(colon).trimmed().toLower()] =
            QString::fromLatin1(line.mid(colon + 1).trimmed());
    }
    const QString length = header("content-length");
    if (!length.isEmpty()) {
        bool ok = false;
        const qint64 value = length.toLongLong(&ok);
        if (!ok || value < 0) {
            fail(QStringLiteral("The server announced a length that is no number"));
            return;
        }
        m_length = value;
    }
    if (m_bodyLimit && m_length && *m_length > *m_bodyLimit)
        fail(QStringLiteral("The server's answer is too large"));
}

QByteArray ResponseParser::feed(const QByteArray& bytes)
{
    if (m_state == State::Done || m_state == State::Failed)
        return {};
    QByteArray body;
    if (m_state == State::Headers) {
        m_pending += bytes;
        // The headers end at the first empty line ("\n" or "\r\n"); the search resumes
        // where the last one stopped, so a server sending a byte at a time costs no more.
        qsizetype end = -1;
        qsizetype bodyStart = 0;
        for (qsizetype i = m_scanned; i < m_pending.size() && i <= kMaxHeaderBytes; ++i) {
            if (m_pending[i] != '\n')
                continue;
            const qsizetype lineStart = m_lineStart;
            m_lineStart = i + 1;
            if (i == lineStart || (i == lineStart + 1 && m_pending[lineStart] == '\r')) {
                end = lineStart;
                bodyStart = i + 1;
                break;
            }
        }
        m_scanned = m_pending.size();
        if (end < 0) {
            if (m_pending.size() > kMaxHeaderBytes)
                fail(QStringLiteral("The server's headers are too long"));
            return {};
        }
        parseHeaders(m_pending.left(end));
        if (m_state == State::Failed)
            return {};
        m_state = State::Body;
        body = m_pending.mid(bodyStart);
        m_pending.clear();
    } else {
        body = bytes;
    }
    if (m_length && m_received + body.size() > *m_length)
        body.truncate(*m_length - m_received); // anything after the announced end is not ours
    m_received += body.size();
    if (m_bodyLimit && m_received > *m_bodyLimit) {
        fail(QStringLiteral("The server's answer is too large"));
        return {};
    }
    if (m_length && m_received == *m_length)
        m_state = State::Done;
    return body;
}

void ResponseParser::finish()
{
    if (m_state == State::Headers)
        fail(QStringLiteral("The connection closed before the server answered"));
    else if (m_state == State::Body) {
        if (m_length && m_received < *m_length)
            fail(QStringLiteral("The connection closed before the whole answer arrived"));
        else
            m_state = State::Done;
    }
}

} // namespace qn::update
