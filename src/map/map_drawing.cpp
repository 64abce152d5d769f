// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>

#include "map/map_data.h"
#include "map/map_overlays.h"

namespace quorvane {

namespace {

// Beyond the widest line's half width, how far outside the part drawn shapes are still looked
// at and cut, in pixels.
constexpr double kClipMargin = 4;
// Points nearer than this (squared, in pixels) to the last point kept are left out.
constexpr double kNearSquared = 0.25;
// A casing narrower than this on each side is not drawn: it would only blur the core.
constexpr double kThinnestCasing = 0.3;
// The thinnest core, so that a line far out stays visible.
constexpr double kThinnestCore = 1;
// Lines up to this wide are drawn one pixel wide by the painter's fast thin-line drawing.
constexpr double kThinLine = 1.25;
// Lines are drawn in pieces of at most this many segments.
constexpr quint32 kPieceSegments = 8;
// Lines at least this wide get round ends; narrower ones square ends, which look the same.
constexpr double kRoundEnds = 6;
// Lines and their casings up to this wide together are drawn as one hairline.
constexpr double kHairline = 2.5;
// The simplification a view allows, in pixels: less than this makes no visible difference.
constexpr double kSimplification = 0.5;
// The most points a line may leave out in one stretch when it is simplified for a frame.
constexpr size_t kLongestStretch = 16;
// Nor does it join points further apart than this, in pixels: the painter outlines a slanting
// line in long pieces up to twice as slowly as in short ones.
constexpr double kLongestJoin = 32;
// Areas smaller than this many pixels across are not drawn.
constexpr double kSmallestArea = 1;
// Areas less than this many pixels across are drawn as dots.
constexpr double kSpeck = 4;
// Areas up to this many pixels across are drawn without antialiasing, which costs a fraction
// and shows no difference on a speck.
constexpr double kSmallShape = 8;

int outcode(QPointF p, const QRectF& r) {
    return (p.x() < r.left()    ? 1
            : p.x() > r.right() ? 2
                                : 0) |
           (p.y() < r.top()      ? 4
            : p.y() > r.bottom() ? 8
                                 : 0);
}

// std::ceil for a value well inside int's range, without a call to the maths library.
int ceiling(double v) {
    const int whole = int(v);
    return whole + (double(whole) < v ? 1 : 0);
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

// The shapes of one feature in pixels, ready to draw: every line or ring a run of points in one
// buffer, so that a frame allocates next to nothing. Each is drawn by a call of its own: the
// painter's antialiasing is many times slower on one path holding many shapes.
struct PixelShapes {
    // A run of points: a line, a ring, or (ring_count > 1) the first of an area's rings.
    struct Run {
        quint32 first = 0;
        quint32 count = 0;
        quint32 ring_count = 1;  // the rings of the area this run starts; the others follow
        bool small = false;      // a few pixels across: drawn without antialiasing
    };

    std::vector<QPointF> points;
    std::vector<Run> runs;
    // Areas only a few pixels across, as the centres of dots one, two and three pixels wide.
    std::array<std::vector<QPointF>, 3> specks;

    void clear() {
        points.clear();
        runs.clear();
        for (std::vector<QPointF>& dots : specks) {
            dots.clear();
        }
    }
    const QPointF* at(const Run& run) const { return points.data() + run.first; }
};

// Where an area's edge crosses the centre line of a row of pixels, going down (+1) or up.
struct RowCrossing {
    int row = 0;
    double x = 0;
    int turn = 0;

    friend bool operator<(const RowCrossing& a, const RowCrossing& b) {
        return a.row != b.row ? a.row < b.row : a.x < b.x;
    }
};

// What a frame works in, kept from frame to frame: allocated afresh, the larger buffers would
// come as new pages from the system for every frame, each of them cleared first.
struct FrameBuffers {
    std::vector<PixelShapes> lines;  // per feature in line_draw_order()
    PixelShapes areas;
    std::vector<quint32> found;
    std::vector<MapData::FoundShape> found_boxes;
    std::vector<QLineF> segments;
    std::vector<QPointF> simple;
    std::vector<QPointF> stretch;
    QPainterPath path;
    std::vector<QRect> pixel_rows;
    std::vector<RowCrossing> crossings;
};

class MapPainter {
  public:
    MapPainter(QPainter& painter, const MapData& map, const MapStyles& styles, const MapView& view,
               const MapDrawOptions& options, const QRectF& pixels, FrameBuffers& buffers)
        : painter_(painter),
          map_(map),
          styles_(styles),
          view_(view),
          options_(options),
          pixels_(pixels),
          unit_(view.pixels_per_style_unit()),
          safe_(reach_of(pixels, styles, unit_)),
          area_(view.metres_of(safe_)),
          smallest_(smallest_drawn(view)),
          level_(MapData::level_for(kSimplification * view.metres_per_pixel)),
          left_(view.to_metres(QPointF(0, 0)).x()),
          top_(view.to_metres(QPointF(0, 0)).y()),
          per_metre_(1 / view.metres_per_pixel),
          unstyled_(unstyled_colour(styles.light)),
          device_pixels_(painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1),
          buffers_(buffers) {}

    void draw() {
        painter_.save();
        painter_.setClipRect(pixels_);
        painter_.setRenderHint(QPainter::Antialiasing, options_.smooth_edges);
        const MapFeatureStyle& land = styles_.of(drawn_features().land);
        painter_.fillRect(pixels_,
                          land.styled() ? land.primary : unstyled_background(styles_.light));
        for (const MapFeature f : area_draw_order()) {
            draw_areas(f);
        }
        const std::vector<MapFeature>& order = line_draw_order();
        std::vector<PixelShapes>& lines = buffers_.lines;
        lines.resize(order.size());
        for (size_t k = 0; k < order.size(); ++k) {
            collect_lines(order[k], lines[k]);
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
    // The part drawn, widened by the half width of the widest line: what lies beyond cannot
    // show.
    static QRectF reach_of(const QRectF& pixels, const MapStyles& styles, double unit) {
        double widest = 1;
        for (const MapFeatureStyle& style : styles.features) {
            widest = std::max(widest, (style.scale + 2 * style.border) *
                                          std::max(unit, kOverlayPixelsPerStyleUnit));
        }
        const double margin = widest / 2 + kClipMargin;
        return pixels.adjusted(-margin, -margin, margin, margin);
    }

    QPointF pixel(QPointF m) const {
        return {(m.x() - left_) * per_metre_, (top_ - m.y()) * per_metre_};
    }

    bool shown(const MapFeatureStyle& style) const {
        return style.styled() || options_.show_unstyled;
    }

    // The feature's shapes in view as lines, simplified to the view's scale; stretches wholly
    // outside the view are left out.
    void collect_lines(MapFeature feature, PixelShapes& out) {
        out.clear();
        if (!shown(styles_.of(feature))) {
            return;
        }
        buffers_.found.clear();
        map_.find_shapes(feature, area_, smallest_, buffers_.found);
        std::sort(buffers_.found.begin(), buffers_.found.end());  // in the data's order
        for (const quint32 s : buffers_.found) {
            const MapShape& shape = map_.shape(s);
            for (quint32 r = shape.first_ring; r < shape.first_ring + shape.ring_count; ++r) {
                add_line(out, map_.ring(r, level_));
            }
        }
    }

    // Adds a line in pieces of a few segments: the painter outlines a long line several times
    // slower than the same line in pieces, whose ends meet where its bends were.
    void add_line(PixelShapes& out, std::span<const QPointF> metres) {
        if (metres.size() < 2) {
            return;
        }
        const std::span<const QPointF> points = simplified_pixels(metres);
        auto first = quint32(out.points.size());
        const auto finish = [&] {
            const auto count = quint32(out.points.size()) - first;
            if (count > 1) {
                out.runs.push_back({first, count});
            } else {
                out.points.resize(first);
            }
            first = quint32(out.points.size());
        };
        QPointF last = points[0];  // the last point kept
        int last_code = outcode(last, safe_);
        for (size_t k = 1; k < points.size(); ++k) {
            const QPointF p = points[k];
            const int code = outcode(p, safe_);
            if ((code & last_code) != 0) {
                // Both ends beyond the same side: nothing of it shows.
                finish();
            } else {
                if (out.points.size() == first) {
                    out.points.push_back(last);
                }
                out.points.push_back(p);
                if (out.points.size() - first > kPieceSegments) {
                    finish();
                }
            }
            last = p;
            last_code = code;
        }
        finish();
    }

    // The line in pixels without the points that lie within the simplification's reach (in
    // device pixels, so that a dense screen shows as fine a line) of the straight line between
    // their neighbours: the stored levels are a factor of four apart, so that far out a line
    // still holds several points a pixel that the painter would visit one by one. Each stretch
    // left out is checked whole, so that the line kept stays within reach of every point; a
    // stretch is at most kLongestStretch points, to bound the work.
    std::span<const QPointF> simplified_pixels(std::span<const QPointF> metres) {
        const double reach = kSimplification * kSimplification / (device_pixels_ * device_pixels_);
        buffers_.simple.clear();
        buffers_.simple.push_back(pixel(metres[0]));
        size_t anchor = 0;  // where the stretch being tried starts, in `stretch`
        buffers_.stretch.clear();
        buffers_.stretch.push_back(buffers_.simple.back());
        for (size_t k = 1; k < metres.size(); ++k) {
            const QPointF p = pixel(metres[k]);
            const QPointF a = buffers_.stretch[anchor];
            const QPointF ab = p - a;
            const double length = QPointF::dotProduct(ab, ab);
            bool near = buffers_.stretch.size() - anchor <= kLongestStretch &&
                        length <= kLongestJoin * kLongestJoin;
            for (size_t m = anchor + 1; near && m < buffers_.stretch.size(); ++m) {
                const QPointF aq = buffers_.stretch[m] - a;
                const double t =
                    length > 0 ? std::clamp(QPointF::dotProduct(aq, ab) / length, 0.0, 1.0) : 0;
                const QPointF off = aq - ab * t;
                near = QPointF::dotProduct(off, off) <= reach;
            }
            if (!near) {
                // The point before this one is kept and starts the next stretch.
                buffers_.simple.push_back(buffers_.stretch.back());
                anchor = buffers_.stretch.size() - 1;
            }
            buffers_.stretch.push_back(p);
        }
        if (buffers_.stretch.size() > 1) {
            buffers_.simple.push_back(buffers_.stretch.back());
        }
        return buffers_.simple;
    }

    // The feature's shapes in view as closed rings, simplified to the view's scale.
    void collect_areas(MapFeature feature, PixelShapes& out) {
        out.clear();
        buffers_.found_boxes.clear();
        map_.find_shapes(feature, area_, kSmallestArea * view_.metres_per_pixel,
                         buffers_.found_boxes);
        std::vector<quint32>& outlined = buffers_.found;
        outlined.clear();
        for (const MapData::FoundShape& found : buffers_.found_boxes) {
            const double side = std::max(found.box.width(), found.box.height()) * per_metre_;
            if (side < kSpeck) {
                // Far out a building is a dot: drawn as one, with the other dots in a single
                // call, at a small part of the cost of drawing its outline.
                out.specks[size_t(std::clamp(std::lround(side) - 1, 0L, 2L))].push_back(
                    pixel(found.box.center()));
            } else {
                outlined.push_back(found.shape);
            }
        }
        // In the order the data holds them, which reads it front to back rather than jumping
        // about: shapes of one feature have one look, so their order makes no difference.
        std::sort(outlined.begin(), outlined.end());
        for (const quint32 s : outlined) {
            const MapShape& shape = map_.shape(s);
            const size_t start = out.runs.size();
            for (quint32 r = shape.first_ring; r < shape.first_ring + shape.ring_count; ++r) {
                const auto first = quint32(out.points.size());
                QRectF box;
                if (!add_ring(out, map_.ring(r, level_), &box)) {
                    continue;
                }
                const double side = std::max(box.width(), box.height());
                if (r > shape.first_ring && side < kSpeck) {
                    // A hole too small to see: the shape is drawn without it.
                    out.points.resize(first);
                    continue;
                }
                out.runs.push_back(
                    {first, quint32(out.points.size()) - first, 0, side < kSmallShape});
            }
            if (out.runs.size() > start) {
                out.runs[start].ring_count = quint32(out.runs.size() - start);
            }
        }
    }

    // Appends a ring in pixels, points less than half a pixel apart merged, cut to the safe
    // rectangle when it reaches beyond it; `box` gets its bounds. False when too little of it is
    // left.
    bool add_ring(PixelShapes& out, std::span<const QPointF> points, QRectF* box) {
        const size_t first = out.points.size();
        double x0 = HUGE_VAL, y0 = HUGE_VAL, x1 = -HUGE_VAL, y1 = -HUGE_VAL;
        for (const QPointF& m : points) {
            const QPointF p = pixel(m);
            if (out.points.size() > first) {
                const QPointF d = p - out.points.back();
                if (d.x() * d.x() + d.y() * d.y() < kNearSquared) {
                    continue;
                }
            }
            out.points.push_back(p);
            x0 = std::min(x0, p.x());
            x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y());
            y1 = std::max(y1, p.y());
        }
        if (out.points.size() - first >= 3 &&
            (x0 < safe_.left() || x1 > safe_.right() || y0 < safe_.top() || y1 > safe_.bottom())) {
            const QPolygonF cut = clipped(
                QPolygonF(QList<QPointF>(out.points.begin() + qsizetype(first), out.points.end())),
                safe_);
            out.points.resize(first);
            out.points.insert(out.points.end(), cut.begin(), cut.end());
        }
        *box = QRectF(QPointF(x0, y0), QPointF(x1, y1));
        if (out.points.size() - first < 3) {
            out.points.resize(first);
            return false;
        }
        return true;
    }

    void draw_areas(MapFeature feature) {
        const MapFeatureStyle& style = styles_.of(feature);
        if (!shown(style)) {
            return;
        }
        collect_areas(feature, buffers_.areas);
        if (buffers_.areas.runs.empty() &&
            std::all_of(buffers_.areas.specks.begin(), buffers_.areas.specks.end(),
                        [](const std::vector<QPointF>& dots) { return dots.empty(); })) {
            return;
        }
        if (feature == drawn_features().building) {
            const MapFeatureStyle& shadow = styles_.of(drawn_features().building_shadow);
            const double offset = building_shadow_offset(view_);
            if (shown(shadow) && offset > 0) {
                painter_.save();
                painter_.translate(offset, offset);
                fill_areas(buffers_.areas, shadow);
                painter_.restore();
            }
        }
        fill_areas(buffers_.areas, style);
    }

    void fill_areas(const PixelShapes& shapes, const MapFeatureStyle& style) {
        if (style.styled() && style.drawn_as_line) {
            // A style with a border makes even an area a line: its outline.
            stroke_casing(shapes, style, unit_, true);
            stroke_core(shapes, style, unit_, true);
            return;
        }
        painter_.setRenderHint(QPainter::Antialiasing, false);
        for (size_t k = 0; k < shapes.specks.size(); ++k) {
            if (!shapes.specks[k].empty()) {
                QPen dot(style.styled() ? style.primary : unstyled_, double(k + 1) * device_pixels_,
                         Qt::SolidLine, Qt::SquareCap);
                dot.setCosmetic(true);
                painter_.setPen(dot);
                painter_.drawPoints(shapes.specks[k].data(), int(shapes.specks[k].size()));
            }
        }
        if (style.styled()) {
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(style.primary);
        } else {
            painter_.setPen(line_pen(unstyled_, 1));
            painter_.setBrush(QBrush(unstyled_, Qt::BDiagPattern));
        }
        // Shapes a few pixels across: filled without antialiasing, which makes no difference
        // there. Styled ones go as rows of pixels, all in one call: the painter spends many
        // times longer setting up a polygon than filling a few pixels.
        painter_.setRenderHint(QPainter::Antialiasing, false);
        if (style.styled()) {
            buffers_.pixel_rows.clear();
            for (size_t k = 0; k < shapes.runs.size(); k += shapes.runs[k].ring_count) {
                if (shapes.runs[k].small) {
                    add_pixel_rows(shapes, k, buffers_.pixel_rows);
                }
            }
            // The rows are device pixels, so that a dense screen shows the shapes as finely.
            painter_.save();
            painter_.scale(1 / device_pixels_, 1 / device_pixels_);
            painter_.drawRects(buffers_.pixel_rows.data(), int(buffers_.pixel_rows.size()));
            painter_.restore();
        }
        for (const bool small : {true, false}) {
            if (small && style.styled()) {
                continue;
            }
            painter_.setRenderHint(QPainter::Antialiasing, options_.smooth_edges && !small);
            for (size_t k = 0; k < shapes.runs.size(); k += shapes.runs[k].ring_count) {
                const PixelShapes::Run& run = shapes.runs[k];
                if (run.small != small) {
                    continue;
                }
                if (run.ring_count == 1) {
                    painter_.drawPolygon(shapes.at(run), int(run.count), Qt::WindingFill);
                    continue;
                }
                buffers_.path.clear();
                buffers_.path.setFillRule(Qt::WindingFill);
                for (size_t r = k; r < k + run.ring_count; ++r) {
                    const PixelShapes::Run& ring = shapes.runs[r];
                    const QPointF* points = shapes.at(ring);
                    buffers_.path.moveTo(points[0]);
                    for (quint32 p = 1; p < ring.count; ++p) {
                        buffers_.path.lineTo(points[p]);
                    }
                    buffers_.path.closeSubpath();
                }
                painter_.drawPath(buffers_.path);
            }
        }
        painter_.setRenderHint(QPainter::Antialiasing, options_.smooth_edges);
    }

    // Appends the device pixels the area starting at run `first` covers as rows, one rectangle
    // per stretch of a row, as the painter fills without antialiasing: a pixel is in when its
    // centre is, by the non-zero rule. Rows that repeat the one above extend its rectangle.
    void add_pixel_rows(const PixelShapes& shapes, size_t first, std::vector<QRect>& rows) {
        // Where each edge crosses the centre line of a row, and which way it goes.
        std::vector<RowCrossing>& crossings = buffers_.crossings;
        crossings.clear();
        for (size_t r = first; r < first + shapes.runs[first].ring_count; ++r) {
            const QPointF* points = shapes.at(shapes.runs[r]);
            const quint32 count = shapes.runs[r].count;
            for (quint32 k = 0; k < count; ++k) {
                const QPointF a = points[k] * device_pixels_;
                const QPointF b = points[k + 1 < count ? k + 1 : 0] * device_pixels_;
                const double low = std::min(a.y(), b.y());
                const double high = std::max(a.y(), b.y());
                const int end = ceiling(high - 0.5);
                int y = ceiling(low - 0.5);
                if (y >= end) {
                    continue;
                }
                const double step = (b.x() - a.x()) / (b.y() - a.y());
                const int turn = a.y() < b.y() ? 1 : -1;
                for (double x = a.x() + (y + 0.5 - a.y()) * step; y < end; ++y, x += step) {
                    crossings.push_back({y, x, turn});
                }
            }
        }
        std::sort(crossings.begin(), crossings.end());
        const size_t shape_rows = rows.size();
        int winding = 0;
        double from = 0;
        for (const RowCrossing& c : crossings) {
            const int before = winding;
            winding += c.turn;
            if (before == 0) {
                from = c.x;
                continue;
            }
            if (winding != 0) {
                continue;
            }
            const int left = ceiling(from - 0.5);
            const int right = ceiling(c.x - 0.5);  // the first pixel not covered
            if (right <= left) {
                continue;
            }
            QRect* above = rows.size() > shape_rows ? &rows.back() : nullptr;
            if (above != nullptr && above->left() == left && above->right() == right - 1 &&
                above->bottom() == c.row - 1) {
                above->setBottom(c.row);
            } else {
                rows.emplace_back(left, c.row, right - left, 1);
            }
        }
    }

    // Lines of about a pixel go to the painter's fast thin-line drawing; wider ones are drawn
    // with square ends, and with round ends and bevelled bends once they are wide enough for
    // the roundness to show: the painter takes several times longer over round ends and bends.
    // A thin line is one pixel of the view wide: as many device pixels as the screen has per
    // pixel, so that it looks the same on a dense screen.
    QPen line_pen(const QColor& colour, double width) const {
        QPen pen(colour, width, Qt::SolidLine, width >= kRoundEnds ? Qt::RoundCap : Qt::SquareCap,
                 Qt::BevelJoin);
        if (width <= kThinLine) {
            pen.setWidthF(device_pixels_);
            pen.setCosmetic(true);
        }
        return pen;
    }

    void stroke(const PixelShapes& shapes, const QPen& pen, bool closed) {
        painter_.setPen(pen);
        painter_.setBrush(Qt::NoBrush);
        if (pen.isCosmetic() || pen.capStyle() != Qt::RoundCap) {
            // Thin lines as one list of segments: a third less work than line by line. Lines
            // with square ends too: the painter fills a square-ended segment directly, at half
            // the cost of outlining a polyline and its bends, and the ends of the segments
            // overlap where the bends were.
            buffers_.segments.clear();
            for (const PixelShapes::Run& run : shapes.runs) {
                const QPointF* points = shapes.at(run);
                for (quint32 k = 1; k < run.count; ++k) {
                    buffers_.segments.emplace_back(points[k - 1], points[k]);
                }
                if (closed) {
                    buffers_.segments.emplace_back(points[run.count - 1], points[0]);
                }
            }
            painter_.drawLines(buffers_.segments.data(), int(buffers_.segments.size()));
            return;
        }
        for (const PixelShapes::Run& run : shapes.runs) {
            if (closed) {
                painter_.drawPolygon(shapes.at(run), int(run.count));
            } else {
                painter_.drawPolyline(shapes.at(run), int(run.count));
            }
        }
    }

    // The core and casing colours mixed by the share of the line's width each covers.
    QColor hairline_colour(const MapFeatureStyle& style, double unit) const {
        const double core = style.scale > 0 ? style.scale * unit : 0;
        const double casing = 2 * style.border * unit;
        const double share = core + casing > 0 ? core / (core + casing) : 1;
        const auto mix = [share](int a, int b) {
            return int(std::lround(a * share + b * (1 - share)));
        };
        return QColor(mix(style.primary.red(), style.secondary.red()),
                      mix(style.primary.green(), style.secondary.green()),
                      mix(style.primary.blue(), style.secondary.blue()));
    }

    double core_width(const MapFeatureStyle& style, double unit) const {
        return std::max(kThinnestCore, style.scale * unit);
    }

    // The whole width of a line with its casing, in pixels.
    double line_width(const MapFeatureStyle& style, double unit) const {
        const double core = style.scale > 0 ? core_width(style, unit) : 0;
        const double casing = style.border * unit < kThinnestCasing ? 0 : style.border * unit;
        return core + 2 * casing;
    }

    void stroke_casing(const PixelShapes& shapes, const MapFeatureStyle& style, double unit,
                       bool closed = false) {
        if (!style.styled() || !style.drawn_as_line || style.border * unit < kThinnestCasing ||
            line_width(style, unit) <= kHairline || shapes.runs.empty()) {
            return;
        }
        stroke(shapes, line_pen(style.secondary, line_width(style, unit)), closed);
    }

    void stroke_core(const PixelShapes& shapes, const MapFeatureStyle& style, double unit,
                     bool closed = false) {
        if (shapes.runs.empty()) {
            return;
        }
        if (!style.styled()) {
            if (options_.show_unstyled) {
                stroke(shapes, line_pen(unstyled_, 1), closed);
            }
            return;
        }
        // A line styled without a border is drawn as one colour, as the device does.
        if (style.drawn_as_line && style.scale <= 0 && line_width(style, unit) > kHairline) {
            return;
        }
        if (style.drawn_as_line && line_width(style, unit) <= kHairline) {
            // Far out a line and its casing make a hairline in their blended colours: a
            // fraction of the cost of two outlined lines, and the same to the eye.
            stroke(shapes, line_pen(hairline_colour(style, unit), 1), closed);
            return;
        }
        stroke(shapes, line_pen(style.primary, core_width(style, unit)), closed);
    }

    void draw_overlays() {
        const DrawnFeatures& drawn = drawn_features();
        PixelShapes shapes;
        const auto add = [&shapes](const QPointF* points, qsizetype count) {
            const auto first = quint32(shapes.points.size());
            shapes.points.insert(shapes.points.end(), points, points + count);
            shapes.runs.push_back({first, quint32(count)});
        };
        for (const MapFeature f : overlay_draw_order()) {
            const MapFeatureStyle& style = styles_.of(f);
            if (!shown(style)) {
                continue;
            }
            if (f == drawn.legend) {
                draw_legend_text(style);
                continue;
            }
            shapes.clear();
            double unit = unit_;
            if (f == drawn.grid_line) {
                for (const QLineF& line : grid_lines(view_, pixels_)) {
                    const QPointF ends[] = {line.p1(), line.p2()};
                    add(ends, 2);
                }
                unit = kOverlayPixelsPerStyleUnit;
            } else if (f == drawn.route_arrow) {
                for (const QPolygonF& arrow : route_arrows(map_, view_, pixels_)) {
                    add(arrow.constData(), arrow.size());
                }
            } else if (f == drawn.scale_line) {
                const QPolygonF bar = scale_bar(view_).bar;
                add(bar.constData(), bar.size());
                unit = kOverlayPixelsPerStyleUnit;
            } else {
                collect_lines(f, shapes);
            }
            stroke_casing(shapes, style, unit);
            stroke_core(shapes, style, unit);
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
    const double unit_;
    const QRectF safe_;
    const QRectF area_;
    const double smallest_;
    const int level_;
    const double left_;
    const double top_;
    const double per_metre_;
    const QColor unstyled_;
    // Device pixels per pixel of the view: 2 on a double-density screen.
    const qreal device_pixels_;
    FrameBuffers& buffers_;
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
    thread_local FrameBuffers buffers;
    MapPainter(painter, map, styles, view, options, part, buffers).draw();
}

}  // namespace quorvane
