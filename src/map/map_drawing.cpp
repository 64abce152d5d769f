// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "map/map_data.h"
#include "map/map_overlays.h"

namespace quorvane {

namespace {

// Shapes are cut this far outside the part drawn, beyond the widest line's reach.
constexpr double kClipMargin = 1024;
// Points nearer than this (squared, in pixels) to the last point kept are left out.
constexpr double kNearSquared = 0.25;
// A casing narrower than this on each side is not drawn: it would only blur the core.
constexpr double kThinnestCasing = 0.3;
// The thinnest core, so that a line far out stays visible.
constexpr double kThinnestCore = 1;
// The building shadow's offset, as a share of a style unit, down and to the right.
constexpr double kShadowOffset = 0.5;

int outcode(QPointF p, const QRectF& r) {
    return (p.x() < r.left()    ? 1
            : p.x() > r.right() ? 2
                                : 0) |
           (p.y() < r.top()      ? 4
            : p.y() > r.bottom() ? 8
                                 : 0);
}

// Sutherland-Hodgman: the part of a ring inside `r`, for the few rings far larger than the view.
QPolygonF clipped(const QPolygonF& ring, const QRectF& r) {
    QPolygonF out = ring;
    for (int edge = 0; edge < 4; ++edge) {
        const auto inside = [&](QPointF p) {
            switch (edge) {
                case 0:
                    return p.x() >= r.left();
                case 1:
                    return p.x() <= r.right();
                case 2:
                    return p.y() >= r.top();
                default:
                    return p.y() <= r.bottom();
            }
        };
        const auto crossing = [&](QPointF a, QPointF b) {
            const bool vertical = edge < 2;
            const double at = edge == 0   ? r.left()
                              : edge == 1 ? r.right()
                              : edge == 2 ? r.top()
                                          : r.bottom();
            const double t =
                vertical ? (at - a.x()) / (b.x() - a.x()) : (at - a.y()) / (b.y() - a.y());
            return a + (b - a) * t;
        };
        const QPolygonF in = out;
        out.clear();
        for (qsizetype k = 0; k < in.size(); ++k) {
            const QPointF cur = in[k];
            const QPointF prev = in[(k + in.size() - 1) % in.size()];
            if (inside(cur)) {
                if (!inside(prev)) {
                    out << crossing(prev, cur);
                }
                out << cur;
            } else if (inside(prev)) {
                out << crossing(prev, cur);
            }
        }
        if (out.isEmpty()) {
            break;
        }
    }
    return out;
}

class MapPainter {
  public:
    MapPainter(QPainter& painter, const MapData& map, const MapStyles& styles, const MapView& view,
               const MapDrawOptions& options, const QRectF& pixels)
        : painter_(painter),
          map_(map),
          styles_(styles),
          view_(view),
          options_(options),
          pixels_(pixels),
          safe_(pixels.adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin)),
          area_(view.metres_of(
              pixels.adjusted(-kClipMargin, -kClipMargin, kClipMargin, kClipMargin))),
          unit_(view.pixels_per_style_unit()),
          smallest_(smallest_drawn(view)),
          left_(view.to_metres(QPointF(0, 0)).x()),
          top_(view.to_metres(QPointF(0, 0)).y()),
          per_metre_(1 / view.metres_per_pixel),
          unstyled_(unstyled_colour(styles.light)) {}

    void draw() {
        painter_.save();
        painter_.setClipRect(pixels_);
        painter_.setRenderHint(QPainter::Antialiasing);
        const MapFeatureStyle& land = styles_.of(drawn_features().land);
        painter_.fillRect(pixels_,
                          land.styled() ? land.primary : unstyled_background(styles_.light));
        for (const MapFeature f : area_draw_order()) {
            draw_areas(f);
        }
        const std::vector<MapFeature>& order = line_draw_order();
        std::vector<QPainterPath> lines(order.size());
        for (size_t k = 0; k < order.size(); ++k) {
            lines[k] = line_path(order[k]);
        }
        for (size_t k = 0; k < order.size(); ++k) {
            stroke_casing(lines[k], styles_.of(order[k]), unit_);
        }
        for (size_t k = 0; k < order.size(); ++k) {
            stroke_core(lines[k], styles_.of(order[k]), unit_);
        }
        draw_overlays();
        painter_.restore();
    }

  private:
    QPointF pixel(QPointF m) const {
        return {(m.x() - left_) * per_metre_, (top_ - m.y()) * per_metre_};
    }

    bool shown(const MapFeatureStyle& style) const {
        return style.styled() || options_.show_unstyled;
    }

    // The feature's shapes in view, drawn as lines: points less than half a pixel apart merge,
    // and stretches wholly outside the view are left out.
    QPainterPath line_path(MapFeature feature) {
        QPainterPath path;
        if (!shown(styles_.of(feature))) {
            return path;
        }
        found_.clear();
        map_.find_shapes(feature, area_, smallest_, found_);
        for (const quint32 s : found_) {
            const MapShape& shape = map_.shape(s);
            for (quint32 r = shape.first_ring; r < shape.first_ring + shape.ring_count; ++r) {
                add_line(path, map_.ring(r));
            }
        }
        return path;
    }

    void add_line(QPainterPath& path, std::span<const QPointF> points) {
        if (points.size() < 2) {
            return;
        }
        QPointF last = pixel(points[0]);  // the last point kept
        int last_code = outcode(last, safe_);
        bool drawing = false;  // whether the path's current stretch ends at `last`
        for (size_t k = 1; k < points.size(); ++k) {
            const QPointF p = pixel(points[k]);
            const QPointF d = p - last;
            if (d.x() * d.x() + d.y() * d.y() < kNearSquared && k + 1 < points.size()) {
                continue;
            }
            const int code = outcode(p, safe_);
            if ((code & last_code) == 0) {
                if (!drawing) {
                    path.moveTo(last);
                    drawing = true;
                }
                path.lineTo(p);
            } else {
                // Both ends beyond the same side: nothing of it shows.
                drawing = false;
            }
            last = p;
            last_code = code;
        }
    }

    // The feature's shapes in view as one path of closed rings, filled with the non-zero rule.
    QPainterPath area_path(MapFeature feature) {
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        found_.clear();
        map_.find_shapes(feature, area_, smallest_, found_);
        QPolygonF ring;
        for (const quint32 s : found_) {
            const MapShape& shape = map_.shape(s);
            for (quint32 r = shape.first_ring; r < shape.first_ring + shape.ring_count; ++r) {
                ring.clear();
                double x0 = HUGE_VAL, y0 = HUGE_VAL, x1 = -HUGE_VAL, y1 = -HUGE_VAL;
                for (const QPointF& m : map_.ring(r)) {
                    const QPointF p = pixel(m);
                    if (!ring.isEmpty()) {
                        const QPointF d = p - ring.last();
                        if (d.x() * d.x() + d.y() * d.y() < kNearSquared) {
                            continue;
                        }
                    }
                    ring << p;
                    x0 = std::min(x0, p.x());
                    x1 = std::max(x1, p.x());
                    y0 = std::min(y0, p.y());
                    y1 = std::max(y1, p.y());
                }
                if (ring.size() < 3) {
                    continue;
                }
                if (x0 < safe_.left() || x1 > safe_.right() || y0 < safe_.top() ||
                    y1 > safe_.bottom()) {
                    ring = clipped(ring, safe_);
                    if (ring.size() < 3) {
                        continue;
                    }
                }
                path.addPolygon(ring);
                path.closeSubpath();
            }
        }
        return path;
    }

    void draw_areas(MapFeature feature) {
        const MapFeatureStyle& style = styles_.of(feature);
        if (!shown(style)) {
            return;
        }
        const QPainterPath path = area_path(feature);
        if (path.isEmpty()) {
            return;
        }
        if (feature == drawn_features().building) {
            const MapFeatureStyle& shadow = styles_.of(drawn_features().building_shadow);
            if (shown(shadow)) {
                const double offset = std::max(1.0, kShadowOffset * unit_);
                fill_area(path.translated(offset, offset), shadow);
            }
        }
        fill_area(path, style);
    }

    void fill_area(const QPainterPath& path, const MapFeatureStyle& style) {
        if (!style.styled()) {
            painter_.setPen(QPen(unstyled_, 1));
            painter_.setBrush(QBrush(unstyled_, Qt::BDiagPattern));
            painter_.drawPath(path);
        } else if (style.drawn_as_line) {
            // A style with a border makes even an area a line: its outline.
            stroke_casing(path, style, unit_);
            stroke_core(path, style, unit_);
        } else {
            painter_.fillPath(path, style.primary);
        }
    }

    double core_width(const MapFeatureStyle& style, double unit) const {
        return std::max(kThinnestCore, style.scale * unit);
    }

    void stroke_casing(const QPainterPath& path, const MapFeatureStyle& style, double unit) {
        if (path.isEmpty() || !style.styled() || !style.drawn_as_line ||
            style.border * unit < kThinnestCasing) {
            return;
        }
        const double core = style.scale > 0 ? core_width(style, unit) : 0;
        painter_.strokePath(path, QPen(style.secondary, core + 2 * style.border * unit,
                                       Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }

    void stroke_core(const QPainterPath& path, const MapFeatureStyle& style, double unit) {
        if (path.isEmpty()) {
            return;
        }
        if (!style.styled()) {
            if (options_.show_unstyled) {
                painter_.strokePath(path, QPen(unstyled_, 1));
            }
            return;
        }
        // A line styled without a border is drawn as one colour, as the device does.
        if (style.drawn_as_line && style.scale <= 0) {
            return;
        }
        painter_.strokePath(path, QPen(style.primary, core_width(style, unit), Qt::SolidLine,
                                       Qt::RoundCap, Qt::RoundJoin));
    }

    void draw_overlays() {
        const DrawnFeatures& drawn = drawn_features();
        for (const MapFeature f : overlay_draw_order()) {
            const MapFeatureStyle& style = styles_.of(f);
            if (!shown(style)) {
                continue;
            }
            QPainterPath path;
            double unit = unit_;
            if (f == drawn.grid_line) {
                for (const QLineF& line : grid_lines(view_, pixels_)) {
                    path.moveTo(line.p1());
                    path.lineTo(line.p2());
                }
                unit = kOverlayPixelsPerStyleUnit;
            } else if (f == drawn.route_arrow) {
                for (const QPolygonF& arrow : route_arrows(map_, view_, pixels_)) {
                    path.addPolygon(arrow);
                }
            } else if (f == drawn.scale_line) {
                path.addPolygon(scale_bar(view_).bar);
                unit = kOverlayPixelsPerStyleUnit;
            } else if (f == drawn.legend) {
                draw_legend_text(style);
                continue;
            } else {
                path = line_path(f);
            }
            stroke_casing(path, style, unit);
            stroke_core(path, style, unit);
        }
    }

    // The scale bar's text: LEGEND's PRIMARY colour, with a halo of its SECONDARY colour when
    // it has a border.
    void draw_legend_text(const MapFeatureStyle& style) {
        const ScaleBar bar = scale_bar(view_);
        if (!bar.text_box.intersects(pixels_)) {
            return;
        }
        QFont font = painter_.font();
        font.setPixelSize(12);
        QPainterPath text;
        text.addText(bar.text_origin, font, bar.text);
        if (style.styled() && style.drawn_as_line && style.border > 0) {
            painter_.strokePath(text,
                                QPen(style.secondary, 2 * style.border * kOverlayPixelsPerStyleUnit,
                                     Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
        painter_.fillPath(text, style.styled() ? style.primary : unstyled_);
    }

    QPainter& painter_;
    const MapData& map_;
    const MapStyles& styles_;
    const MapView& view_;
    const MapDrawOptions& options_;
    const QRectF pixels_;
    const QRectF safe_;
    const QRectF area_;
    const double unit_;
    const double smallest_;
    const double left_;
    const double top_;
    const double per_metre_;
    const QColor unstyled_;
    std::vector<quint32> found_;
};

}  // namespace

QColor unstyled_colour(PreviewLight light) {
    return light == PreviewLight::Night ? QColor(128, 128, 136) : QColor(150, 150, 150);
}

QColor unstyled_background(PreviewLight light) {
    return light == PreviewLight::Night ? QColor(40, 40, 46) : QColor(242, 242, 242);
}

double smallest_drawn(const MapView& view) {
    return 0.75 * view.metres_per_pixel;
}

void draw_map(QPainter& painter, const MapData& map, const MapStyles& styles, const MapView& view,
              const MapDrawOptions& options, std::optional<QRectF> pixels) {
    const QRectF part = pixels.value_or(QRectF(QPointF(0, 0), QSizeF(view.size)));
    MapPainter(painter, map, styles, view, options, part).draw();
}

}  // namespace quorvane
