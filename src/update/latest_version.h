#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "platform/web_request.h"

namespace quorvane {

// The request for the update page: agent "qvn1", the first 1000 bytes only.
PageRequest update_page_request();

// Reads the update page and hands the fetched version (see cut_version) to `done`, later, from
// the event loop; an empty text when the page cannot be read or no update page is configured.
// Nothing is handed over once `context` is gone.
void fetch_latest_version(WebRequest& web, QObject* context,
                          std::function<void(const QString& fetched)> done);

// The start-up check: runs `on_newer_version` when the update page names a version numerically
// above this program's; does nothing otherwise. Never blocks and shows nothing itself.
void check_for_update(WebRequest& web, QObject* context, std::function<void()> on_newer_version);

}  // namespace quorvane
