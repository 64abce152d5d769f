// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QNetworkAccessManager>
#include <chrono>

#include "platform/web_request.h"

namespace quorvane {

// Long enough for a slow line, short enough that nobody waits on a dead server.
inline constexpr std::chrono::milliseconds kDefaultWebTimeout{5000};

// Web requests over Qt Network, direct (no proxy), caches bypassed, each one cancelled when it
// has not finished within the timeout. Requests still running when this object goes away are
// dropped without an answer.
class QtWebRequest : public WebRequest {
  public:
    explicit QtWebRequest(std::chrono::milliseconds timeout = kDefaultWebTimeout);

    void get(const PageRequest& request, QObject* context,
             std::function<void(const PageAnswer&)> done) override;

  private:
    QNetworkAccessManager manager_;
    std::chrono::milliseconds timeout_;
};

}  // namespace quorvane
