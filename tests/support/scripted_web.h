// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QTimer>

#include "platform/url_opener.h"
#include "platform/web_request.h"

namespace quorvane {

// Test double: records every request and answers each with the same page, or with `error` when
// that is set (a failed request), from the event loop, as the real one does.
class ScriptedWebRequest : public WebRequest {
  public:
    explicit ScriptedWebRequest(QByteArray page = {}) : page(std::move(page)) {}

    void get(const PageRequest& request, QObject* context,
             std::function<void(const PageAnswer&)> done) override {
        requests.append(request);
        if (!answer_at_once) {
            held.append({QPointer<QObject>(context), std::move(done), request.max_bytes});
            return;
        }
        QTimer::singleShot(
            0, context,
            [done = std::move(done), answer = answer(request.max_bytes)] { done(answer); });
    }

    // With answer_at_once false, requests wait here until answer_held() runs.
    void answer_held() {
        const QList<Held> waiting = std::exchange(held, {});
        for (const Held& h : waiting) {
            if (!h.context.isNull()) {
                h.done(answer(h.max_bytes));
            }
        }
    }

    QByteArray page;
    QString error;
    bool answer_at_once = true;
    QList<PageRequest> requests;

  private:
    PageAnswer answer(qsizetype max_bytes) const {
        return error.isEmpty() ? PageAnswer{true, page.left(max_bytes), QString()}
                               : PageAnswer{false, QByteArray(), error};
    }

    struct Held {
        QPointer<QObject> context;
        std::function<void(const PageAnswer&)> done;
        qsizetype max_bytes;
    };
    QList<Held> held;
};

// Test double: records the addresses instead of starting a browser.
class RecordingUrlOpener : public UrlOpener {
  public:
    void open_url(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

}  // namespace quorvane
