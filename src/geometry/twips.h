// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>

#include "geometry/rounding.h"

namespace quorvane {

// Geometry is kept in twips (1/1440 inch); 15 twips make one pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

inline int twips_to_pixels(double twips) {
    return round_half_even(twips / kTwipsPerPixel);
}
inline int pixels_to_twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A rectangle in twips on whole pixels. Each edge is converted on its own, so rectangles that
// touch in twips touch in pixels too.
inline QRect to_pixels(const QRectF& twips) {
    const int left = twips_to_pixels(twips.left());
    const int top = twips_to_pixels(twips.top());
    const int right = twips_to_pixels(twips.left() + twips.width());
    const int bottom = twips_to_pixels(twips.top() + twips.height());
    return QRect(left, top, right - left, bottom - top);
}
inline QRect to_pixels(const QRect& twips) {
    return to_pixels(QRectF(twips));
}

// A control's place given in twips (left, top, width, height), in pixels, each number converted
// on its own so that a control keeps its size wherever it stands.
inline QRect twips_rect(int left, int top, int width, int height) {
    return QRect(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                 twips_to_pixels(height));
}

// A point in pixels as twips: the middle of the pixel.
inline QPointF twips_of(QPointF pixels) {
    return QPointF((pixels.x() + 0.5) * kTwipsPerPixel, (pixels.y() + 0.5) * kTwipsPerPixel);
}

}  // namespace quorvane
