#pragma once

#include <QList>
#include <QPointer>
#include <QTimer>

#include "platform/url_opener.h"
#include "platform/web_request.h"

namespace quorvane {

// Test double: records every request and answers each with the same page (or with nothing,
// like a failed request) from the event loop, as the real one does.
class ScriptedWebRequest : public WebRequest {
  public:
    explicit ScriptedWebRequest(QByteArray page = {}) : page(std::move(page)) {}

    void get(const PageRequest& request, QObject* context,
             std::function<void(const QByteArray&)> done) override {
        requests.append(request);
        if (!answer_at_once) {
            held.append({QPointer<QObject>(context), std::move(done), request.max_bytes});
            return;
        }
        QTimer::singleShot(
            0, context,
            [done = std::move(done), answer = page.left(request.max_bytes)] { done(answer); });
    }

    // With answer_at_once false, requests wait here until answer_held() runs.
    void answer_held() {
        const QList<Held> waiting = std::exchange(held, {});
        for (const Held& h : waiting) {
            if (!h.context.isNull()) {
                h.done(page.left(h.max_bytes));
            }
        }
    }

    QByteArray page;
    bool answer_at_once = true;
    QList<PageRequest> requests;

  private:
    struct Held {
        QPointer<QObject> context;
        std::function<void(const QByteArray&)> done;
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
