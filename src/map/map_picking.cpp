// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_picking.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "map/map_data.h"
#include "map/map_overlays.h"
#include "model/element_additions.h"
#include "model/theme.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// How near a thin line the pointer must be, in pixels, to be on it.
constexpr double kPickTolerance = 3;

double distance_to_segment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length_squared = QPointF::dotProduct(ab, ab);
    const double t = length_squared > 0
                         ? std::clamp(QPointF::dotProduct(p - a, ab) / length_squared, 0.0, 1.0)
                         : 0.0;
    const QPointF d = p - (a + ab * t);
    return std::hypot(d.x(), d.y());
}

double distance_to_line(QPointF p, std::span<const QPointF> line, bool closed) {
    double nearest = HUGE_VAL;
    for (size_t k = 1; k < line.size(); ++k) {
        nearest = std::min(nearest, distance_to_segment(p, line[k - 1], line[k]));
    }
    if (closed && line.size() > 2) {
        nearest = std::min(nearest, distance_to_segment(p, line.back(), line.front()));
    }
    return nearest;
}

// Non-zero winding over all rings of a shape, as the drawing fills it.
bool inside_area(const MapData& map, const MapShape& shape, QPointF p) {
    int winding = 0;
    for (quint32 r = shape.first_ring; r < shape.first_ring + shape.ring_count; ++r) {
        const std::span<const QPointF> ring = map.ring(r);
        for (size_t k = 0, j = ring.size() - 1; k < ring.size(); j = k++) {
            const QPointF a = ring[j];
            const QPointF b = ring[k];
            const double side =
                (b.x() - a.x()) * (p.y() - a.y()) - (p.x() - a.x()) * (b.y() - a.y());
            if (a.y() <= p.y()) {
                winding += b.y() > p.y() && side > 0 ? 1 : 0;
            } else {
                winding -= b.y() <= p.y() && side < 0 ? 1 : 0;
            }
        }
    }
    return winding != 0;
}

class Picker {
  public:
    Picker(const MapData& map, const MapStyles& styles, const MapView& view, QPointF pixel,
           const MapDrawOptions& options)
        : map_(map),
          styles_(styles),
          view_(view),
          pixel_(pixel),
          options_(options),
          at_(view.to_metres(pixel)),
          unit_(view.pixels_per_style_unit()),
          smallest_(smallest_drawn(view)) {}

    MapPick pick() {
        const DrawnFeatures& drawn = drawn_features();
        const ScaleBar bar = scale_bar(view_);
        if (shown(drawn.legend) && bar.text_box.contains(pixel_)) {
            return found(drawn.legend);
        }
        if (shown(drawn.scale_line) && distance_to_line(pixel_, bar.bar, false) <=
                                           reach(drawn.scale_line, kOverlayPixelsPerStyleUnit)) {
            return found(drawn.scale_line);
        }
        if (shown(drawn.route_arrow)) {
            const QRectF near(pixel_ - QPointF(20, 20), QSizeF(40, 40));
            for (const QPolygonF& arrow : route_arrows(map_, view_, near)) {
                if (arrow.boundingRect().adjusted(-2, -2, 2, 2).contains(pixel_)) {
                    return found(drawn.route_arrow);
                }
            }
        }
        const std::vector<MapFeature>& overlays = overlay_draw_order();
        for (auto f = overlays.rbegin(); f != overlays.rend(); ++f) {
            if (*f == drawn.grid_line) {
                if (on_grid_line()) {
                    return found(drawn.grid_line);
                }
            } else if (*f != drawn.legend && *f != drawn.scale_line && *f != drawn.route_arrow) {
                if (const MapPick pick = line_at(*f); pick.feature != kNoMapFeature) {
                    return pick;
                }
            }
        }
        const std::vector<MapFeature>& lines = line_draw_order();
        for (auto f = lines.rbegin(); f != lines.rend(); ++f) {
            if (const MapPick pick = line_at(*f); pick.feature != kNoMapFeature) {
                return pick;
            }
        }
        const std::vector<MapFeature>& areas = area_draw_order();
        for (auto f = areas.rbegin(); f != areas.rend(); ++f) {
            if (const MapPick pick = area_at(*f, at_); pick.feature != kNoMapFeature) {
                return pick;
            }
            const double shadow = building_shadow_offset(view_);
            if (*f == drawn.building && shown(drawn.building_shadow) && shadow > 0) {
                // The shadow lies down and to the right of its building.
                const double offset = shadow * view_.metres_per_pixel;
                const MapPick under = area_at(*f, at_ + QPointF(-offset, offset));
                if (under.feature != kNoMapFeature) {
                    return found(drawn.building_shadow);
                }
            }
        }
        return found(drawn.land);
    }

  private:
    bool shown(MapFeature f) const { return styles_.of(f).styled() || options_.show_unstyled; }

    MapPick found(MapFeature f, const QString& name = {}) const {
        return {f, styles_.of(f).element, name};
    }

    // How far from a line's centre it is drawn, plus the tolerance, in pixels.
    double reach(MapFeature f, double unit) const {
        const MapFeatureStyle& style = styles_.of(f);
        if (!style.styled()) {
            return kPickTolerance;
        }
        const double core = std::max(1.0, style.scale * unit);
        const double width = style.drawn_as_line ? core + 2 * style.border * unit : core;
        return std::max(kPickTolerance, width / 2 + 1);
    }

    std::vector<quint32> shapes_near(MapFeature f, double reach_pixels) {
        found_.clear();
        const QRectF box(pixel_ - QPointF(reach_pixels, reach_pixels),
                         QSizeF(2 * reach_pixels, 2 * reach_pixels));
        map_.find_shapes(f, view_.metres_of(box), smallest_, found_);
        return found_;
    }

    MapPick line_at(MapFeature f) {
        if (!shown(f)) {
            return {};
        }
        const double within = reach(f, unit_);
        for (const quint32 s : shapes_near(f, within)) {
            const MapShape& shape = map_.shape(s);
            for (quint32 r = shape.first_ring; r < shape.first_ring + shape.ring_count; ++r) {
                if (distance_to_line(at_, map_.ring(r), false) / view_.metres_per_pixel <= within) {
                    return found(f, map_.name_of(shape));
                }
            }
        }
        return {};
    }

    MapPick area_at(MapFeature f, QPointF at) {
        if (!shown(f)) {
            return {};
        }
        const MapFeatureStyle& style = styles_.of(f);
        const bool outline = style.styled() && style.drawn_as_line;
        const double within = outline ? reach(f, unit_) : 0;
        found_.clear();
        const QPointF margin(within * view_.metres_per_pixel, within * view_.metres_per_pixel);
        map_.find_shapes(f, QRectF(at - margin, at + margin), smallest_, found_);
        for (const quint32 s : found_) {
            const MapShape& shape = map_.shape(s);
            if (!outline && inside_area(map_, shape, at)) {
                return found(f, map_.name_of(shape));
            }
            for (quint32 r = shape.first_ring; outline && r < shape.first_ring + shape.ring_count;
                 ++r) {
                if (distance_to_line(at, map_.ring(r), true) / view_.metres_per_pixel <= within) {
                    return found(f, map_.name_of(shape));
                }
            }
        }
        return {};
    }

    bool on_grid_line() const {
        const QRectF near(pixel_ - QPointF(kPickTolerance, kPickTolerance),
                          QSizeF(2 * kPickTolerance, 2 * kPickTolerance));
        for (const QLineF& line : grid_lines(view_, near)) {
            const QPointF ends[] = {line.p1(), line.p2()};
            if (distance_to_line(pixel_, ends, false) <=
                reach(drawn_features().grid_line, kOverlayPixelsPerStyleUnit)) {
                return true;
            }
        }
        return false;
    }

    const MapData& map_;
    const MapStyles& styles_;
    const MapView& view_;
    const QPointF pixel_;
    const MapDrawOptions& options_;
    const QPointF at_;
    const double unit_;
    const double smallest_;
    std::vector<quint32> found_;
};

}  // namespace

MapPick pick_map_feature(const MapData& map, const MapStyles& styles, const MapView& view,
                         QPointF pixel, const MapDrawOptions& options) {
    return Picker(map, styles, view, pixel, options).pick();
}

QString map_pick_text(const Theme& theme, const MapStyles& styles, const MapPick& pick) {
    if (pick.feature == kNoMapFeature) {
        return {};
    }
    if (!pick.styled() || pick.element >= theme.element_count()) {
        return QCoreApplication::translate("MapPicking", "%1 · not styled in %2")
            .arg(space_trimmed(element_display_name(map_feature_name(pick.feature))),
                 styles.presentation);
    }
    const Element& e = theme.elements[size_t(pick.element)];
    QString text =
        QStringLiteral("%1 · %2").arg(space_trimmed(e.display_name), styles.presentation);
    if (!e.is_polygon()) {
        text += QCoreApplication::translate("MapPicking", " · scale %1, border %2")
                    .arg(e.scale, e.border);
    }
    return text;
}

std::vector<MapLegendEntry> map_legend(const MapData& map, const MapStyles& styles,
                                       const MapView& view) {
    const DrawnFeatures& drawn = drawn_features();
    const QRectF shown = view.metres_shown();
    std::vector<MapLegendEntry> legend;
    for (MapFeature f = 0; f < map_feature_count(); ++f) {
        MapLegendEntry entry;
        entry.feature = f;
        entry.element = styles.of(f).element;
        if (f == drawn.land || f == drawn.grid_line || f == drawn.scale_line || f == drawn.legend) {
            entry.in_data = entry.in_view = true;
        } else {
            // Shadows come with buildings, arrows with the active leg.
            const MapFeature source = f == drawn.building_shadow ? drawn.building
                                      : f == drawn.route_arrow   ? drawn.active_leg
                                                                 : f;
            entry.in_data = map.has_feature(source);
            entry.in_view = entry.in_data && map.has_shape_in(source, shown);
        }
        legend.push_back(entry);
    }
    return legend;
}

}  // namespace quorvane
