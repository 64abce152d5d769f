// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include "settings/recovery_copies.h"

namespace quorvane {

class Messages;
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

    // Writes the copy now when the document has unsaved changes (the delay's end).
    void write_now();
    // Removes this editor's copy.
    void forget();
    bool has_copy() const { return copies_.exists(); }
    // Copies that editors which ended without saving left behind.
    QList<RecoveryCopies::LeftBehind> left_behind() const { return copies_.left_behind(); }

  private:
    ThemeDocument& document_;
    RecoveryCopies copies_;
    QTimer delay_;
};

}  // namespace quorvane
