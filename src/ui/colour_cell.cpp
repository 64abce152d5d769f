// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/colour_cell.h"
#include "colour/colour_values.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include "ui/widget_placement.h"

namespace quorvane {

ColourCell::ColourCell(QWidget* parent)
    : QWidget(parent),
      colour_(colour_number_of(QGuiApplication::palette().color(QPalette::Window))) {}

void ColourCell::set_colour(int colour) {
    if (colour != colour_) {
        colour_ = colour;
        update();
    }
}

void ColourCell::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), to_qcolor(colour_));
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColourCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit pressed();
    }
}

}  // namespace quorvane
