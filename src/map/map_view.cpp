// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvane {

namespace {

constexpr double kEarthRadius = 6378137;
// The latitude at which the projection's world is square.
constexpr double kLatitudeLimit = 85.0511287798066;
// Metres per pixel at zoom level 0: the equator in 256 pixels.
constexpr double kLevelZeroMetresPerPixel = 2 * std::numbers::pi * kEarthRadius / 256;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

double degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

}  // namespace

QPointF mercator_from_degrees(double longitude, double latitude) {
    const double phi = radians(std::clamp(latitude, -kLatitudeLimit, kLatitudeLimit));
    return {kEarthRadius * radians(longitude),
            kEarthRadius * std::log(std::tan(std::numbers::pi / 4 + phi / 2))};
}

QPointF degrees_from_mercator(QPointF metres) {
    return {degrees(metres.x() / kEarthRadius),
            degrees(2 * std::atan(std::exp(metres.y() / kEarthRadius)) - std::numbers::pi / 2)};
}

double ground_metres_per_mercator_metre(double northing) {
    return std::cos(radians(degrees_from_mercator(QPointF(0, northing)).y()));
}

MapView MapView::fitting(const QRectF& area, QSize size, double margin) {
    MapView view;
    view.size = size;
    const QRectF shown = area.isValid() && !area.isEmpty()
                             ? area
                             : QRectF(area.center() - QPointF(500, 500), QSizeF(1000, 1000));
    view.centre = shown.center();
    const double free = std::clamp(1 - 2 * margin, 0.1, 1.0);
    const double across = std::max(1, size.width()) * free;
    const double down = std::max(1, size.height()) * free;
    view.metres_per_pixel = std::max(shown.width() / across, shown.height() / down);
    return view.zoomed_to(std::clamp(view.zoom_level(), kMinZoom, kMaxZoom),
                          view.to_pixel(view.centre));
}

QPointF MapView::to_pixel(QPointF metres) const {
    return {(metres.x() - centre.x()) / metres_per_pixel + size.width() / 2.0,
            (centre.y() - metres.y()) / metres_per_pixel + size.height() / 2.0};
}

QPointF MapView::to_metres(QPointF pixel) const {
    return {centre.x() + (pixel.x() - size.width() / 2.0) * metres_per_pixel,
            centre.y() - (pixel.y() - size.height() / 2.0) * metres_per_pixel};
}

QRectF MapView::metres_of(const QRectF& pixels) const {
    return QRectF(to_metres(pixels.bottomLeft()), to_metres(pixels.topRight()));
}

double MapView::zoom_level() const {
    return std::log2(kLevelZeroMetresPerPixel / metres_per_pixel);
}

MapView MapView::zoomed_to(double level, QPointF anchor) const {
    MapView view = *this;
    const QPointF held = to_metres(anchor);
    view.metres_per_pixel =
        kLevelZeroMetresPerPixel / std::exp2(std::clamp(level, kMinZoom, kMaxZoom));
    view.centre += held - view.to_metres(anchor);
    return view;
}

MapView MapView::panned_by(QPointF pixels) const {
    MapView view = *this;
    view.centre += QPointF(-pixels.x(), pixels.y()) * metres_per_pixel;
    return view;
}

double MapView::pixels_per_style_unit() const {
    const double level = zoom_level() - 16;
    return 4 * std::exp2(level > 0 ? level / 2 : level * 0.75);
}

}  // namespace quorvane
