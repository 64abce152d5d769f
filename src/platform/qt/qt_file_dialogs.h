// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/file_dialogs.h"

namespace quorvane {

// The toolkit's own file dialog, modal on a parent window.
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }

    QString file_dialog(FileDialogMode mode, const QString& filter,
                        const QString& initial) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace quorvane
