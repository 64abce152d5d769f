// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/outline_shape.h"

#include <QPainter>

namespace quorvane {

OutlineShape::OutlineShape(QColor colour, int pen_width, QWidget* parent)
    : QWidget(parent), colour_(colour), pen_width_(pen_width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 0; i < pen_width_; ++i) {
        painter.setPen(colour_);
        painter.drawRect(rect().adjusted(i, i, -1 - i, -1 - i));
    }
}

}  // namespace quorvane
