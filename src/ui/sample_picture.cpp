// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sample_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "colour/colour_values.h"
#include "ui/widget_placement.h"

namespace quorvane {

namespace {

const int kSampleGround = rgb(240, 240, 240);

}  // namespace

SamplePicture::SamplePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sample"));
}

void SamplePicture::set_sample_layout(const SampleLayout& layout) {
    layout_ = layout;
    update();
}

void SamplePicture::set_body_colour(int colour) {
    body_colour_ = colour;
    update();
}

void SamplePicture::set_strip_colour(int colour) {
    strip_colour_ = colour;
    update();
}

QRect SamplePicture::body_pixels() const {
    return to_pixels(layout_.body.normalized());
}
QRect SamplePicture::upper_strip_pixels() const {
    return to_pixels(layout_.upper_strip.normalized());
}
QRect SamplePicture::lower_strip_pixels() const {
    return to_pixels(layout_.lower_strip.normalized());
}

void SamplePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), to_qcolor(kSampleGround));
    if (!layout_.polygon) {
        painter.fillRect(upper_strip_pixels(), to_qcolor(strip_colour_));
        painter.fillRect(lower_strip_pixels(), to_qcolor(strip_colour_));
    }
    // The body lies over the strips where they overlap.
    painter.fillRect(body_pixels(), to_qcolor(body_colour_));
    if (!layout_.polygon) {
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(to_pixels(layout_.outline.normalized()).adjusted(0, 0, -1, -1));
    }
    // The picture's own sunken edge.
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(rect().topLeft(), rect().topRight());
    painter.drawLine(rect().topLeft(), rect().bottomLeft());
    painter.setPen(Qt::white);
    painter.drawLine(rect().bottomLeft(), rect().bottomRight());
    painter.drawLine(rect().topRight(), rect().bottomRight());
}

void SamplePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const SamplePart part = sample_part_at(layout_, twips_of(event->position()));
    if (part != SamplePart::None) {
        emit part_pressed(part);
    }
}

}  // namespace quorvane
