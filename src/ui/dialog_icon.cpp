// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_icon.h"

#include <QApplication>
#include <QWidget>

namespace quorvane {

void take_main_window_icon(QWidget& dialog, const QWidget* parent) {
    dialog.setWindowIcon(parent != nullptr ? parent->windowIcon() : QApplication::windowIcon());
}

}  // namespace quorvane
