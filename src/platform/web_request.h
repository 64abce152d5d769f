#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <functional>

namespace quorvane {

// One GET of a small web page.
struct PageRequest {
    QUrl url;
    QByteArray user_agent;
    // Bytes of the body beyond this are never read.
    qsizetype max_bytes = 0;
};

// Reads web pages without blocking the caller. Every answer comes fresh from the network: no
// cache is asked or filled.
class WebRequest {
  public:
    virtual ~WebRequest() = default;

    // Starts reading the page and returns at once. `done` runs later, once, from the event
    // loop, with the first max_bytes bytes of the body; with an empty text when the page cannot
    // be read (no network, refused, timed out, HTTP error). It does not run when `context` has
    // been destroyed by then.
    virtual void get(const PageRequest& request, QObject* context,
                     std::function<void(const QByteArray&)> done) = 0;
};

}  // namespace quorvane
