// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/colour_cell.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "colour/colour_values.h"

namespace quorvane {

ColourCell::ColourCell(QWidget* parent, QSizeF size)
    : QWidget(parent),
      colour_(colour_number_of(QGuiApplication::palette().color(QPalette::Window))),
      size_(size) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ColourCell::set_colour(int colour) {
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void ColourCell::set_outline(Outline outline) {
    if (outline != outline_) {
        outline_ = outline;
        update();
    }
}

QSize ColourCell::sizeHint() const {
    const int line = fontMetrics().height();
    return QSize(int(std::lround(size_.width() * line)), int(std::lround(size_.height() * line)));
}

QSize ColourCell::minimumSizeHint() const {
    return sizeHint();
}

void ColourCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect area = rect();
    if (outline_ == Outline::Chosen) {
        // The chosen slot: a red frame with a gap, so that it stands out from any colour.
        painter.fillRect(area, Qt::red);
        area.adjust(2, 2, -2, -2);
        painter.fillRect(area, palette().color(QPalette::Window));
        area.adjust(1, 1, -1, -1);
    }
    painter.fillRect(area, to_qcolor(colour_));
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    if (outline_ == Outline::Marker) {
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    }
}

void ColourCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit pressed();
    }
}

}  // namespace quorvane
