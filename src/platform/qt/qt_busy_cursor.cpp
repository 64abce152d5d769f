// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_busy_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace quorvane {

void QtBusyCursor::busy_on() {
    if (QGuiApplication::overrideCursor() == nullptr) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
}

void QtBusyCursor::busy_off() {
    while (QGuiApplication::overrideCursor() != nullptr) {
        QGuiApplication::restoreOverrideCursor();
    }
}

}  // namespace quorvane
