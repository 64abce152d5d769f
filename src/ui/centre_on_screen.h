// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace quorvane {

// Moves a window so that it is centred on its screen; its size is not changed, except that a
// window never sized is given the size its layout asks for first. A window larger than the
// screen gets a negative left or top.
void centre_on_screen(QWidget& form);

}  // namespace quorvane
