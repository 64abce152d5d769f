// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

#include "format/file_identity.h"
#include "settings/recovery_copies.h"

namespace quorvane {

class ThemeDocument;

// Keeps a recovery copy of the theme while it has unsaved changes: a moment after the last change
// (so typing is never held up) the theme is written, as Save would write it, to the working-data
// folder; a save or a clean exit removes it.
class RecoveryKeeper : public QObject {
    Q_OBJECT

  public:
    RecoveryKeeper(ThemeDocument& document, const QString& folder, QObject* parent = nullptr);

    // How long after the last change the copy is written.
    static constexpr int kDelayMs = 2000;

    // Writes the copy now when the document has unsaved changes (the delay's end). Returns
    // whether this editor's copy holds them: false when it could not be written (a full disk).
    bool write_now();
    // Removes this editor's copy.
    void forget();
    bool has_copy() const { return copies_.exists(); }
    // What the theme's file held when the editor last read or wrote it, kept with the copy so
    // that a restore can tell whether another program changed the file since.
    void set_file_identity(const std::optional<FileIdentity>& identity) { identity_ = identity; }
    RecoveryCopies& copies() { return copies_; }

  signals:
    // The copy could not be written, and why; said once until a copy is written again.
    void cannot_keep_copies(const QString& reason);

  private:
    ThemeDocument& document_;
    RecoveryCopies copies_;
    QTimer delay_;
    std::optional<FileIdentity> identity_;
    bool failure_told_ = false;
};

}  // namespace quorvane
