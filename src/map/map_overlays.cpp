// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_overlays.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "map/map_data.h"

namespace quorvane {

namespace {

constexpr double kGridSpacingPixels = 150;
// A shadow nearer its building than this, in pixels, would only smudge its edge.
constexpr double kSmallestShadowOffset = 1.5;
constexpr double kArrowSpacingPixels = 90;
constexpr double kArrowSizePixels = 9;
constexpr double kScaleBarLongest = 160;
constexpr double kScaleBarMargin = 14;
constexpr double kScaleBarTickHeight = 6;

// Mercator metres per degree of longitude.
const double kMetresPerDegree = 2 * std::numbers::pi * 6378137 / 360;

// The largest of 1, 2 and 5 times a power of ten that is at most `limit`.
double round_length_below(double limit) {
    const double power = std::pow(10, std::floor(std::log10(limit)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= limit) {
            return step * power;
        }
    }
    return power;
}

}  // namespace

double building_shadow_offset(const MapView& view) {
    const double offset = 0.5 * view.pixels_per_style_unit();
    return offset < kSmallestShadowOffset ? 0 : offset;
}

std::vector<QLineF> grid_lines(const MapView& view, const QRectF& pixels) {
    // Round steps in degrees: seconds, minutes, then degrees.
    static const double kSteps[] = {1.0 / 3600,  2.0 / 3600, 5.0 / 3600, 10.0 / 3600, 15.0 / 3600,
                                    30.0 / 3600, 1.0 / 60,   2.0 / 60,   5.0 / 60,    10.0 / 60,
                                    15.0 / 60,   30.0 / 60,  1,          2,           5,
                                    10,          15,         30,         45,          90};
    const double wanted = kGridSpacingPixels * view.metres_per_pixel / kMetresPerDegree;
    const double* found = std::lower_bound(std::begin(kSteps), std::end(kSteps), wanted);
    const double step = found == std::end(kSteps) ? 90 : *found;

    std::vector<QLineF> lines;
    const QRectF area = view.metres_of(pixels);
    const QPointF west_south = degrees_from_mercator(area.topLeft());
    const QPointF east_north = degrees_from_mercator(area.bottomRight());
    const double first_longitude = std::ceil(std::max(-180.0, west_south.x()) / step) * step;
    for (double lon = first_longitude; lon <= std::min(180.0, east_north.x()); lon += step) {
        const double x = view.to_pixel(mercator_from_degrees(lon, 0)).x();
        lines.emplace_back(x, pixels.top(), x, pixels.bottom());
    }
    const double first_latitude = std::ceil(std::max(-90.0, west_south.y()) / step) * step;
    for (double lat = first_latitude; lat <= std::min(90.0, east_north.y()); lat += step) {
        const double y = view.to_pixel(mercator_from_degrees(0, lat)).y();
        lines.emplace_back(pixels.left(), y, pixels.right(), y);
    }
    return lines;
}

ScaleBar scale_bar(const MapView& view) {
    const double ground_per_pixel =
        view.metres_per_pixel * ground_metres_per_mercator_metre(view.centre.y());
    const double longest = std::min(kScaleBarLongest, view.size.width() * 0.4);
    const double metres = round_length_below(std::max(longest, 1.0) * ground_per_pixel);
    const double length = metres / ground_per_pixel;
    const double left = kScaleBarMargin;
    const double base = view.size.height() - kScaleBarMargin;
    ScaleBar bar;
    bar.bar << QPointF(left, base - kScaleBarTickHeight) << QPointF(left, base)
            << QPointF(left + length, base) << QPointF(left + length, base - kScaleBarTickHeight);
    bar.text = metres >= 1000
                   ? QCoreApplication::translate("MapOverlays", "%1 km").arg(metres / 1000)
                   : QCoreApplication::translate("MapOverlays", "%1 m").arg(metres);
    bar.text_origin = QPointF(left + 4, base - kScaleBarTickHeight - 4);
    bar.text_box = QRectF(left, base - kScaleBarTickHeight - 20, std::max(length, 60.0), 16);
    return bar;
}

std::vector<QPolygonF> route_arrows(const MapData& map, const MapView& view, const QRectF& pixels) {
    std::vector<QPolygonF> arrows;
    const MapFeature leg = drawn_features().active_leg;
    const QRectF near =
        pixels.adjusted(-kArrowSizePixels, -kArrowSizePixels, kArrowSizePixels, kArrowSizePixels);
    std::vector<quint32> shapes;
    map.find_shapes(leg, view.metres_of(near), 0, shapes);
    const double spacing = kArrowSpacingPixels * view.metres_per_pixel;
    const double half = kArrowSizePixels / 2;
    for (const quint32 s : shapes) {
        const std::span<const QPointF> line = map.ring(map.shape(s).first_ring);
        // Metres walked from the line's start; the next arrow stands at `next`.
        double walked = 0;
        double next = spacing / 2;
        for (size_t k = 1; k < line.size(); ++k) {
            const QPointF a = line[k - 1];
            const QPointF b = line[k];
            const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
            for (; next <= walked + length && length > 0; next += spacing) {
                const QPointF at = a + (b - a) * ((next - walked) / length);
                const QPointF centre = view.to_pixel(at);
                if (!near.contains(centre)) {
                    continue;
                }
                // North is up: the direction in pixels has its y turned over.
                const QPointF ahead((b.x() - a.x()) / length, -(b.y() - a.y()) / length);
                const QPointF side(-ahead.y(), ahead.x());
                arrows.push_back(QPolygonF{centre - ahead * half + side * half,
                                           centre + ahead * half,
                                           centre - ahead * half - side * half});
            }
            walked += length;
        }
    }
    return arrows;
}

}  // namespace quorvane
