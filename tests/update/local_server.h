#pragma once

// A web server of the test's own on 127.0.0.1 with an ephemeral port, the product-information
// page it serves, and a way to answer a modal window from a timer.

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>

namespace update_test {

// A server of the test's own: each path answers with canned bytes, optionally in two parts
// with a pause between them, or the second part a byte at a time every `trickleMs`, or not
// at all.

struct Answer {
    Answer(QByteArray f, QByteArray r = {}, int pause = 0)
        : first(std::move(f)), rest(std::move(r)), pauseMs(pause)
    {
    }
    QByteArray first;
    QByteArray rest;
    int pauseMs = 0;
    bool close = true;
    int trickleMs = 0;
};

class TestServer : public QObject {
public:
    TestServer()
    {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost, 0));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection())
                serve(socket);
        });
    }
    QString url(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }
    quint16 port() const { return m_server.serverPort(); }
    // `target` is the request line's second word: a path, or a whole address through a proxy.
    void answer(const QString& target, Answer a)
    {
        m_answers.insert_or_assign(target, std::move(a));
    }
    static QByteArray ok(const QByteArray& body)
    {
        return "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n"
               + body;
    }
    static QByteArray redirect(const QString& to)
    {
        return "HTTP/1.0 302 Found\r\nLocation: " + to.toLatin1() + "\r\n\r\n";
    }
    int count(const QString& target) const
    {
        return static_cast<int>(
            std::count_if(requests.begin(), requests.end(), [&](const QByteArray& r) {
                return r.split(' ').value(1) == target.toLatin1();
            }));
    }
    QList<QByteArray> requests;

private:
    void serve(QTcpSocket* socket)
    {
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            *request += socket->readAll();
            if (!request->endsWith("\r\n\r\n"))
                return;
            requests.append(*request);
            const QString target = QString::fromLatin1(request->split(' ').value(1));
            const auto it = m_answers.find(target);
            if (it == m_answers.end()) {
                socket->write("HTTP/1.0 404 Not Found\r\n\r\n");
                socket->disconnectFromHost();
                return;
            }
            const Answer a = it->second;
            socket->write(a.first);
            if (a.trickleMs > 0) {
                auto* timer = new QTimer(socket);
                auto sent = std::make_shared<qsizetype>(0);
                connect(timer, &QTimer::timeout, socket, [socket, timer, sent, a] {
                    if (*sent < a.rest.size()) {
                        socket->write(a.rest.mid((*sent)++, 1));
                        return;
                    }
                    timer->stop();
                    socket->disconnectFromHost();
                });
                timer->start(a.trickleMs);
                return;
            }
            auto finish = [socket, a] {
                if (!a.rest.isEmpty())
                    socket->write(a.rest);
                if (a.close)
                    socket->disconnectFromHost();
            };
            if (a.pauseMs > 0)
                QTimer::singleShot(a.pauseMs, socket, finish);
            else
                finish();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

    QTcpServer m_server;
    std::map<QString, Answer> m_answers;
};

inline QByteArray infoPage(const QString& version, const QString& download = {},
                           const QString& signature = {}, const QString& readme = {})
{
    QString page = QStringLiteral("<HTML><HEAD>\n"
                                  "<META HTTP-EQUIV=\"version\" CONTENT=\"%1\">\n"
                                  "<META HTTP-EQUIV=\"date\" CONTENT=\"December 08, 2026\">\n")
                       .arg(version);
    if (!download.isEmpty())
        page += QStringLiteral("<META HTTP-EQUIV=\"url\" CONTENT=\"%1\">\n").arg(download);
    if (!signature.isEmpty())
        page += QStringLiteral("<META HTTP-EQUIV=\"signature\" CONTENT=\"%1\">\n").arg(signature);
    if (!readme.isEmpty())
        page += QStringLiteral("<META HTTP-EQUIV=\"readme\" CONTENT=\"%1\">\n").arg(readme);
    return (page + QStringLiteral("</HEAD></HTML>\n")).toUtf8();
}

// Runs `act` on the modal window named `name` (any, when empty) once it is up; a window that never
// comes fails the test after five seconds instead of leaving it waiting.
inline void whenModal(const QString& name, std::function<void(QWidget*)> act)
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && (name.isEmpty() || modal->objectName() == name) && modal->isVisible()) {
            act(modal);
            return;
        }
        if (timer->elapsed() > 5000) {
            ADD_FAILURE() << "no window " << name.toStdString();
            if (modal)
                modal->close();
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(10, *poll);
}

} // namespace update_test
