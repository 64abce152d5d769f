#pragma once

#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace quorvane {

// A tiny web server on 127.0.0.1 for the update-check tests; it never reaches outside.
// Every request gets the same treatment: an answer, silence, or bytes and then silence.
class LocalHttpServer : public QObject {
  public:
    enum class Behaviour { Answer, Silent, SendAndHold };

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

    QUrl url() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/version.html").arg(server_.serverPort()));
    }

    // The head of every request received.
    QList<QByteArray> requests;

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
