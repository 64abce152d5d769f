// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_web_request.h"

#include <QCoreApplication>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <memory>

namespace quorvane {

namespace {

// What one transfer has gathered so far.
struct Transfer {
    QByteArray body;
    qsizetype max_bytes = 0;
    bool cut = false;  // stopped on purpose once max_bytes were read
    bool timed_out = false;
};

void read_available(QNetworkReply& reply, Transfer& transfer) {
    if (!reply.isOpen() || transfer.cut) {
        return;
    }
    transfer.body.append(reply.read(transfer.max_bytes - transfer.body.size()));
    if (transfer.body.size() >= transfer.max_bytes) {
        transfer.cut = true;
        reply.abort();  // the rest of the page is not wanted
    }
}

QNetworkRequest network_request(const PageRequest& request, std::chrono::milliseconds timeout) {
    QNetworkRequest network(request.url);
    network.setHeader(QNetworkRequest::UserAgentHeader, request.user_agent);
    network.setRawHeader("Cache-Control", "no-cache");
    network.setRawHeader("Pragma", "no-cache");
    network.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    network.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    network.setTransferTimeout(static_cast<int>(timeout.count()));
    return network;
}

// Why a finished transfer brought no page, or nothing when it did.
QString failure_of(QNetworkReply& reply, const Transfer& transfer,
                   std::chrono::milliseconds timeout) {
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (transfer.timed_out || (!transfer.cut && reply.error() == QNetworkReply::TimeoutError) ||
        (!transfer.cut && reply.error() == QNetworkReply::OperationCanceledError)) {
        return QCoreApplication::translate("QtWebRequest", "No answer within %1 seconds")
            .arg(double(timeout.count()) / 1000.0);
    }
    // A page cut short ends "cancelled"; an error page cut short is still an error.
    if (status >= 400) {
        return QCoreApplication::translate("QtWebRequest", "The server answered %1 %2")
            .arg(status)
            .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
            .trimmed();
    }
    if (reply.error() != QNetworkReply::NoError && !transfer.cut) {
        return reply.errorString();
    }
    return QString();
}

}  // namespace

QtWebRequest::QtWebRequest(std::chrono::milliseconds timeout) : timeout_(timeout) {
    manager_.setProxy(QNetworkProxy::NoProxy);
}

void QtWebRequest::get(const PageRequest& request, QObject* context,
                       std::function<void(const PageAnswer&)> done) {
    const QPointer<QObject> guard(context);
    if (!request.url.isValid() || request.url.isEmpty() || request.max_bytes <= 0) {
        QTimer::singleShot(0, context, [guard, done = std::move(done)] {
            if (!guard.isNull()) {
                done(PageAnswer{
                    false, {}, QCoreApplication::translate("QtWebRequest", "No web address")});
            }
        });
        return;
    }

    QNetworkReply* reply = manager_.get(network_request(request, timeout_));
    // Qt would otherwise take in the page as fast as the server sends it, however large, before
    // the first bytes reach us and we hang up.
    reply->setReadBufferSize(request.max_bytes);
    auto transfer = std::make_shared<Transfer>();
    transfer->max_bytes = request.max_bytes;

    // A hard cap on the whole transfer: the transfer timeout alone restarts with every byte.
    QTimer::singleShot(timeout_, reply, [reply, transfer] {
        transfer->timed_out = true;
        reply->abort();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply,
                     [reply, transfer] { read_available(*reply, *transfer); });
    QObject::connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
    QObject::connect(reply, &QNetworkReply::finished, context != nullptr ? context : reply,
                     [reply, transfer, guard, has_context = context != nullptr,
                      done = std::move(done), timeout = timeout_] {
                         read_available(*reply, *transfer);
                         if (has_context && guard.isNull()) {
                             return;
                         }
                         const QString failure = failure_of(*reply, *transfer, timeout);
                         done(failure.isEmpty() ? PageAnswer{true, transfer->body, QString()}
                                                : PageAnswer{false, QByteArray(), failure});
                     });
    if (context != nullptr) {
        // Nobody waits for the answer any more: stop the transfer, but not from inside the
        // destruction of the one who asked.
        QObject::connect(context, &QObject::destroyed, reply, &QNetworkReply::abort,
                         Qt::QueuedConnection);
    }
}

}  // namespace quorvane
