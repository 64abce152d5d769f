// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
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

// What one request brought back: the page, or why there is none.
struct PageAnswer {
    bool ok = false;
    QByteArray body;  // the first max_bytes bytes of the body, when ok
    QString error;    // in the system's words, when not ok
};

// Reads web pages without blocking the caller. Every answer comes fresh from the network: no
// cache is asked or filled.
class WebRequest {
  public:
    virtual ~WebRequest() = default;

    // Starts reading the page and returns at once. `done` runs later, once, from the event
    // loop, with the first max_bytes bytes of the body, or with the reason when the page cannot
    // be read (no network, refused, timed out, HTTP error). It does not run when `context` has
    // been destroyed by then.
    virtual void get(const PageRequest& request, QObject* context,
                     std::function<void(const PageAnswer&)> done) = 0;
};

}  // namespace quorvane
