// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/file_dialogs.h"

namespace quorvane {

// Whose file dialog opens: the desktop's (through its portal where there is one), or the
// toolkit's own, whose controls a test can reach.
enum class FileDialogKind { Desktop, Toolkit };

// A file dialog, modal on a parent window.
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr, FileDialogKind kind = FileDialogKind::Desktop)
        : parent_(parent), kind_(kind) {}
    void set_parent(QWidget* parent) { parent_ = parent; }

    QString file_dialog(FileDialogMode mode, const QString& filter,
                        const QString& initial) override;
    QStringList open_files_dialog(const QString& filter, const QString& initial) override;

  private:
    QPointer<QWidget> parent_;
    FileDialogKind kind_;
};

}  // namespace quorvane
