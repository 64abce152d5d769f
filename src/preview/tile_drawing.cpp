// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/tile_drawing.h"

#include <algorithm>
#include <cmath>

#include "colour/colour_values.h"
#include "geometry/rounding.h"

namespace quorvane {

namespace {

constexpr int kSampleWidth = 700;

// Border band, core band, border band, starting at y.
void add_sample(TileDrawing& d, double left, double y, double b, double s, const QColor& core,
                const QColor& border) {
    const double right = left + kSampleWidth;
    d.fills[size_t(d.count++)] = {QRectF(QPointF(left, y), QPointF(right, y + b)), border};
    d.fills[size_t(d.count++)] = {QRectF(QPointF(left, y + b), QPointF(right, y + b + s)), core};
    d.fills[size_t(d.count++)] = {QRectF(QPointF(left, y + b + s), QPointF(right, y + 2 * b + s)),
                                  border};
}

// A border or scale text times 60. Bands far taller than any tile are cut, so that huge values
// cannot overflow the arithmetic; the tile shows only its own 816 twips anyway.
double band_height(const QString& text) {
    constexpr double kLimit = 1e6;
    return std::clamp(read_decimal(text).value_or(0) * 60, -kLimit, kLimit);
}

}  // namespace

QColor preview_colour(const QString& colour_text) {
    const std::optional<int> number = colour_number(colour_text);
    if (!number || *number < 0 || *number > 0xFFFFFF) {
        return QColor(0, 0, 0);
    }
    return to_qcolor(*number);
}

QColor greyed(const QColor& colour) {
    const int level = 40 + qGray(colour.rgb()) * 100 / 255;
    return QColor(level, level, level);
}

TileDrawing tile_drawing(const Element& e, int sample_offset, PreviewLight light) {
    TileDrawing d;
    const double c = sample_offset;
    const bool night = light == PreviewLight::Night;
    if (e.is_polygon()) {
        const QColor fill = preview_colour(night ? e.primary_night : e.primary_day);
        d.fills[0] = {QRectF(QPointF(60, 60), QPointF(c + 730, 730)), fill};
        d.count = 1;
        return d;
    }
    const double b = band_height(e.border);
    const double s = band_height(e.scale);
    const QColor day_core = preview_colour(e.primary_day);
    const QColor day_border =
        e.secondary_day.isEmpty() ? QColor(0, 0, 0) : preview_colour(e.secondary_day);
    const QColor night_core = preview_colour(e.primary_night);
    const QColor night_border = preview_colour(e.secondary_night);
    // The lower sample starts 150 below the end of the upper one.
    const double lower_top = round_half_even(2 * b + s + 250);
    if (night) {
        add_sample(d, c, 100, b, s, night_core, night_border);
        add_sample(d, c, lower_top, b, s, greyed(day_core), greyed(day_border));
    } else {
        add_sample(d, c, 100, b, s, day_core, day_border);
        add_sample(d, c, lower_top, b, s, night_core, night_border);
    }
    return d;
}

}  // namespace quorvane
