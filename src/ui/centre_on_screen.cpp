// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/centre_on_screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quorvane {

void centre_on_screen(QWidget& form) {
    const QScreen* screen =
        form.screen() != nullptr ? form.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // A window laid out but not given a size yet opens at the size its layout asks for.
    if (!form.testAttribute(Qt::WA_Resized)) {
        form.adjustSize();
    }
    const QRect area = screen->geometry();
    const QSize size = form.frameGeometry().size();
    form.move(area.left() + (area.width() - size.width()) / 2,
              area.top() + (area.height() - size.height()) / 2);
}

}  // namespace quorvane
