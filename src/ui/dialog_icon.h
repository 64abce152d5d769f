// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace quorvane {

// Gives a dialog the main window's icon: its parent's, or the application's without a parent.
void take_main_window_icon(QWidget& dialog, const QWidget* parent);

}  // namespace quorvane
