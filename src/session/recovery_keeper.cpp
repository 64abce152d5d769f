// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/recovery_keeper.h"

#include "format/writer.h"
#include "model/theme_document.h"

namespace quorvane {

RecoveryKeeper::RecoveryKeeper(ThemeDocument& document, const QString& folder, QObject* parent)
    : QObject(parent), document_(document), copies_(folder) {
    delay_.setSingleShot(true);
    delay_.setInterval(kDelayMs);
    connect(&delay_, &QTimer::timeout, this, &RecoveryKeeper::write_now);
    connect(&document_, &ThemeDocument::changed, this, [this] { delay_.start(); });
    connect(&document_, &ThemeDocument::modified_changed, this, [this](bool modified) {
        if (!modified) {
            delay_.stop();
            forget();
        }
    });
}

void RecoveryKeeper::write_now() {
    delay_.stop();
    if (!document_.is_modified()) {
        forget();
        return;
    }
    const QString belongs_to = document_.has_file() ? document_.file_name() : QString();
    copies_.write(recovery_bytes(document_.theme()), belongs_to);
}

void RecoveryKeeper::forget() {
    copies_.remove();
}

}  // namespace quorvane
