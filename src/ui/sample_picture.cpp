// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sample_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "colour/colour_values.h"
#include "geometry/twips.h"

namespace quorvane {

namespace {

// The marker beside a part, in twips from the picture's left, and its height.
constexpr int kMarkerLeft = 45;
constexpr int kMarkerWidth = 180;
constexpr int kMarkerHeight = 300;

// Black marks on a light ground, white ones on a dark ground.
QColor mark_colour(int ground) {
    return qGray(to_qcolor(ground).rgb()) >= 128 ? Qt::black : Qt::white;
}

}  // namespace

SamplePicture::SamplePicture(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SamplePicture::show_sample(const SampleView& sample, const QString& scale,
                                const QString& border, bool polygon, ColourSlot slot) {
    sample_ = sample;
    scale_ = scale;
    border_ = border;
    polygon_ = polygon;
    slot_ = slot;
    update();
}

SampleLayout SamplePicture::sample_layout() const {
    return lay_out_sample(scale_, border_,
                          QSizeF(pixels_to_twips(width()), pixels_to_twips(height())), polygon_);
}

QRect SamplePicture::body_pixels() const {
    return to_pixels(sample_layout().body.normalized());
}
QRect SamplePicture::upper_strip_pixels() const {
    return to_pixels(sample_layout().upper_strip.normalized());
}
QRect SamplePicture::lower_strip_pixels() const {
    return to_pixels(sample_layout().lower_strip.normalized());
}

QRect SamplePicture::marker_pixels(int k) const {
    if (!sample_.chosen) {
        return QRect();
    }
    const MarkerPlaces places = sample_marker_places(sample_layout(), slot_ == ColourSlot::Primary);
    const bool shown = k == 0 ? places.first_shown : places.second_shown;
    const double centre = k == 0 ? places.first_centre : places.second_centre;
    if (!shown) {
        return QRect();
    }
    return to_pixels(
        QRectF(kMarkerLeft, centre - kMarkerHeight / 2.0, kMarkerWidth, kMarkerHeight));
}

QSize SamplePicture::sizeHint() const {
    return QSize(300, 260);
}

QSize SamplePicture::minimumSizeHint() const {
    return QSize(160, 140);
}

void SamplePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), to_qcolor(sample_.ground));
    const SampleLayout layout = sample_layout();
    if (!layout.polygon) {
        painter.fillRect(upper_strip_pixels(), to_qcolor(sample_.strip));
        painter.fillRect(lower_strip_pixels(), to_qcolor(sample_.strip));
    }
    // The body lies over the strips where they overlap.
    painter.fillRect(body_pixels(), to_qcolor(sample_.body));
    if (!layout.polygon) {
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(to_pixels(layout.outline.normalized()).adjusted(0, 0, -1, -1));
    }
    const QColor marks = mark_colour(sample_.ground);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(marks);
    for (int k = 0; k < 2; ++k) {
        if (const QRect marker = marker_pixels(k); !marker.isEmpty()) {
            painter.drawText(marker, Qt::AlignCenter, QStringLiteral(">"));
        }
    }
    // The chosen sample's frame in the desktop's highlight; the other one a plain edge.
    if (sample_.chosen) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    } else {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void SamplePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit part_pressed(sample_part_at(sample_layout(), twips_of(event->position())));
    }
}

}  // namespace quorvane
