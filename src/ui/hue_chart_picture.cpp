// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/hue_chart_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "colour/hue_chart.h"

namespace quorvane {

SpectrumPicture::SpectrumPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("spectrum"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

int SpectrumPicture::colour_at(QPoint pixel) const {
    return spectrum_colour(size(), pixel);
}

QSize SpectrumPicture::sizeHint() const {
    return QSize(kSpectrumWidth, kSpectrumHeight * 3 / 4);
}

QSize SpectrumPicture::minimumSizeHint() const {
    return QSize(120, 80);
}

void SpectrumPicture::resizeEvent(QResizeEvent*) {
    shown_ = spectrum_image(size());
}

void SpectrumPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, shown_);
}

void SpectrumPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit picked(colour_at(event->position().toPoint()));
    }
}

void SpectrumPicture::mouseMoveEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) {
        emit hovered(colour_at(event->position().toPoint()));
    }
}

}  // namespace quorvane
