// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QWidget>

#include "geometry/twips.h"

namespace quorvane {

// Puts a control at its place given in twips inside its container.
inline void place(QWidget& widget, const QRectF& twips) {
    widget.setGeometry(to_pixels(twips));
}

// Names a control after its role and puts it at its place (in pixels).
template <typename Widget>
Widget* place_named(Widget* widget, const char* name, const QRect& where) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(where);
    return widget;
}

inline void place_twips(QWidget& widget, int left, int top, int width, int height) {
    place(widget, QRectF(left, top, width, height));
}

// Gives a dialog a fixed client area in twips: a single border, no minimise or maximise button.
inline void fix_client_area_twips(QWidget& dialog, int width, int height) {
    dialog.setFixedSize(twips_to_pixels(width), twips_to_pixels(height));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

}  // namespace quorvane
