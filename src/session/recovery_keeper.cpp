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

bool RecoveryKeeper::write_now() {
    delay_.stop();
    if (!document_.is_modified()) {
        forget();
        return true;
    }
    const QString belongs_to = document_.has_file() ? document_.file_name() : QString();
    QString error;
    if (copies_.write(recovery_bytes(document_.theme()), belongs_to,
                      document_.has_file() ? identity_ : std::nullopt, error)) {
        failure_told_ = false;
        return true;
    }
    if (!failure_told_) {
        failure_told_ = true;
        emit cannot_keep_copies(
            tr("Recovery copies cannot be kept in %1: %2").arg(copies_.folder(), error));
    }
    return false;
}

void RecoveryKeeper::forget() {
    copies_.remove();
}

}  // namespace quorvane
