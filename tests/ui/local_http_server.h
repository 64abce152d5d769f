// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <algorithm>

namespace quorvane {

// A tiny web server on 127.0.0.1 for the update-check tests; it never reaches outside.
// Every request gets the same treatment: an answer, silence, or bytes and then silence.
class LocalHttpServer : public QObject {
  public:
    enum class Behaviour { Answer, Silent, SendAndHold, Flood };

    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] { accept(); });
    }

    // A complete answer: status line, length, body, then the connection closes.
    void answer(const QByteArray& body, int status = 200) {
        behaviour_ = Behaviour::Answer;
        body_ = body;
        status_ = status;
    }
    // Accepts the connection and never says a word.
    void stay_silent() { behaviour_ = Behaviour::Silent; }
    // Sends a body without a length and keeps the connection open, as if the page never ended.
    void send_and_hold(const QByteArray& body) {
        behaviour_ = Behaviour::SendAndHold;
        body_ = body;
    }

    // Sends a page of `size` bytes as fast as the connection takes it, counting what it took.
    void flood(qint64 size) {
        behaviour_ = Behaviour::Flood;
        flood_left_ = size;
    }

    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/version.html").arg(server_.serverPort()));
    }

    // The head of every request received.
    QList<QByteArray> requests;
    // Flood: the body bytes the client's side of the connection accepted, and whether it hung up.
    qint64 bytes_taken = 0;
    bool hung_up = false;

  private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            QObject::connect(socket, &QTcpSocket::readyRead, this,
                             [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket* socket) {
        QByteArray& head = heads_[socket];
        head.append(socket->readAll());
        if (!head.contains("\r\n\r\n") || socket->property("answered").toBool()) {
            return;
        }
        socket->setProperty("answered", true);
        requests.append(head.left(head.indexOf("\r\n\r\n")));
        switch (behaviour_) {
            case Behaviour::Silent:
                return;
            case Behaviour::SendAndHold:
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n" + body_);
                return;
            case Behaviour::Flood:
                start_flood(socket);
                return;
            case Behaviour::Answer:
                socket->write("HTTP/1.1 " + QByteArray::number(status_) +
                              (status_ == 200 ? " OK" : " Failed") +
                              "\r\nContent-Type: text/html\r\nConnection: close" +
                              "\r\nContent-Length: " + QByteArray::number(body_.size()) +
                              "\r\n\r\n" + body_);
                socket->disconnectFromHost();
                return;
        }
    }

    // A fast server: a megabyte always waits to be sent, topped up as the connection takes it.
    void start_flood(QTcpSocket* socket) {
        const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                QByteArray::number(flood_left_) + "\r\n\r\n";
        const qint64 head_size = head.size();
        qint64 head_left = head_size;
        QObject::connect(socket, &QTcpSocket::bytesWritten, this,
                         [this, socket, head_left](qint64 written) mutable {
                             const qint64 body = std::max<qint64>(0, written - head_left);
                             head_left = std::max<qint64>(0, head_left - written);
                             bytes_taken += body;
                             top_up(socket);
                         });
        QObject::connect(socket, &QTcpSocket::disconnected, this, [this] { hung_up = true; });
        socket->write(head);
        top_up(socket);
    }

    void top_up(QTcpSocket* socket) {
        constexpr qint64 kChunk = 1 << 20;
        while (flood_left_ > 0 && socket->bytesToWrite() < kChunk &&
               socket->state() == QAbstractSocket::ConnectedState) {
            const qint64 n = std::min(kChunk, flood_left_);
            socket->write(QByteArray(n, 'x'));
            flood_left_ -= n;
        }
    }

    qint64 flood_left_ = 0;
    QTcpServer server_;
    Behaviour behaviour_ = Behaviour::Answer;
    QByteArray body_;
    int status_ = 200;
    QHash<QTcpSocket*, QByteArray> heads_;
};

// A port on 127.0.0.1 where nobody listens: a server is opened there and closed again.
inline QUrl refused_url() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1/version.html").arg(port));
}

}  // namespace quorvane
