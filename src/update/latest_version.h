// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "platform/web_request.h"

namespace quorvane {

// The request for the update page: agent "qvn1", the first 1000 bytes only.
PageRequest update_page_request();

// What asking the update page came to.
struct UpdateCheck {
    enum class Outcome {
        Answered,   // the page was read; `version` is what it names (see cut_version)
        TurnedOff,  // no update page is configured: nothing was asked
        Failed,     // the page could not be read; `error` says why
    };
    Outcome outcome = Outcome::Failed;
    QString version;
    QString error;
};

// Reads the update page and hands what came of it to `done`, later, from the event loop.
// Nothing is handed over once `context` is gone.
void fetch_latest_version(WebRequest& web, QObject* context,
                          std::function<void(const UpdateCheck& check)> done);

// The start-up check: runs `on_newer_version` when the update page names a version numerically
// above this program's; does nothing otherwise. Never blocks and shows nothing itself.
void check_for_update(WebRequest& web, QObject* context, std::function<void()> on_newer_version);

}  // namespace quorvane
