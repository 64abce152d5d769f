// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/slider_track.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/widget_placement.h"

namespace quorvane {

SliderTrack::SliderTrack(QWidget* parent) : QWidget(parent) {}

void SliderTrack::set_knob_left(int twips) {
    if (twips != knob_left_) {
        knob_left_ = twips;
        update();
    }
}

QRect SliderTrack::knob_pixels() const {
    const QRect knob = to_pixels(QRectF(knob_left_, 0, kSliderKnobWidth, 0));
    return QRect(knob.left(), 0, knob.width(), height());
}

void SliderTrack::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The groove: a sunken bar along the middle.
    const int groove_height = std::max(2, height() / 3);
    const QRect groove(0, (height() - groove_height) / 2, width(), groove_height);
    painter.fillRect(groove, QColor(160, 160, 160));
    painter.setPen(QColor(96, 96, 96));
    painter.drawLine(groove.topLeft(), groove.topRight());
    painter.setPen(Qt::white);
    painter.drawLine(groove.bottomLeft(), groove.bottomRight());

    // The knob: a raised block with a grip line.
    const QRect knob = knob_pixels();
    painter.fillRect(knob, QColor(224, 224, 224));
    painter.setPen(Qt::white);
    painter.drawLine(knob.topLeft(), knob.topRight());
    painter.drawLine(knob.topLeft(), knob.bottomLeft());
    painter.setPen(QColor(64, 64, 64));
    painter.drawLine(knob.bottomLeft(), knob.bottomRight());
    painter.drawLine(knob.topRight(), knob.bottomRight());
    painter.setPen(QColor(128, 128, 128));
    const int middle = knob.left() + knob.width() / 2;
    painter.drawLine(middle, knob.top() + 3, middle, knob.bottom() - 3);
}

void SliderTrack::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && knob_pixels().contains(event->position().toPoint())) {
        dragging_ = true;
        grab_offset_ = event->position().x() * kTwipsPerPixel - knob_left_;
        emit knob_pressed();
    }
}

void SliderTrack::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    emit knob_dragged(event->position().x() * kTwipsPerPixel - knob_left_ - grab_offset_);
}

void SliderTrack::mouseReleaseEvent(QMouseEvent* event) {
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        emit knob_released();
    }
}

}  // namespace quorvane
