// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace quorvane {

// Positions on the map are Web Mercator metres (EPSG:3857): x east, y north, 0, 0 where the
// equator meets the prime meridian. Latitudes beyond the projection's reach are held at its
// edge, about 85.05 degrees.
QPointF mercator_from_degrees(double longitude, double latitude);
QPointF degrees_from_mercator(QPointF metres);  // x longitude, y latitude
// How many ground metres one Mercator metre is at this northing.
double ground_metres_per_mercator_metre(double northing);

// What a picture of the map shows: the Mercator point at its centre, how many Mercator metres
// one pixel spans, and its size in pixels. Pixel y grows downwards.
struct MapView {
    QPointF centre;
    double metres_per_pixel = 1;
    QSize size;

    // The view that shows `area` whole and centred in `size` pixels; `margin` is the share of
    // the picture kept free round it. An empty area is shown as a square kilometre.
    static MapView fitting(const QRectF& area, QSize size, double margin = 0);

    QPointF to_pixel(QPointF metres) const;
    QPointF to_metres(QPointF pixel) const;
    // The Mercator rectangle under a rectangle of pixels (the whole picture by default).
    QRectF metres_of(const QRectF& pixels) const;
    QRectF metres_shown() const { return metres_of(QRectF(QPointF(0, 0), QSizeF(size))); }

    // The web maps' zoom level: 0 shows the world in 256 pixels, each level doubles the scale.
    double zoom_level() const;
    // The same view at another zoom level (held between kMinZoom and kMaxZoom), with the map
    // point under `anchor` (pixels) staying where it is.
    MapView zoomed_to(double level, QPointF anchor) const;
    MapView panned_by(QPointF pixels) const;

    // Pixels for 1.0 of a style's scale or border at this view's zoom: 4 at level 16 (as in the
    // preview's tiles), twice as many every two levels in, and 2^(3/4) times fewer every level out.
    double pixels_per_style_unit() const;

    friend bool operator==(const MapView&, const MapView&) = default;
};

inline constexpr double kMinZoom = 1;
inline constexpr double kMaxZoom = 21;

}  // namespace quorvane
