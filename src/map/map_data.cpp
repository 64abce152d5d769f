// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_data.h"

#include <algorithm>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <cmath>

namespace quorvane {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace {

using IndexPoint = bg::model::point<double, 2, bg::cs::cartesian>;
using IndexBox = bg::model::box<IndexPoint>;
using IndexEntry = std::pair<IndexBox, quint32>;
using Tree = bgi::rtree<IndexEntry, bgi::quadratic<16>>;

// Shapes are sorted into size classes by the larger side of their box, a power of two each, so
// that a far view can skip whole classes of shapes below a pixel without visiting them.
constexpr int kSizeClasses = 32;

int size_class(double side) {
    return side < 1 ? 0 : std::min(kSizeClasses - 1, int(std::log2(side)) + 1);
}

// The largest side of any shape of a size class.
double largest_side(int size_class) {
    return std::exp2(size_class);
}

IndexBox index_box(const QRectF& r) {
    return IndexBox(IndexPoint(r.left(), r.top()), IndexPoint(r.right(), r.bottom()));
}

double larger_side(const IndexBox& box) {
    return std::max(box.max_corner().get<0>() - box.min_corner().get<0>(),
                    box.max_corner().get<1>() - box.min_corner().get<1>());
}

// Twice the signed area of a ring: above 0 when it turns anticlockwise with y north.
double twice_signed_area(std::span<const QPointF> ring) {
    double sum = 0;
    for (size_t k = 0, j = ring.size() - 1; k < ring.size(); j = k++) {
        sum += (ring[j].x() - ring[k].x()) * (ring[j].y() + ring[k].y());
    }
    return sum;
}

// Douglas-Peucker splits a line where it lies furthest from the chord; on a line made to split
// one point at a time its work grows with the square of the points. Long lines are therefore
// simplified in pieces of this many points, whose ends are kept: the work stays linear, and the
// next level, which simplifies this level's result, joins most pieces again.
constexpr size_t kSimplifiedPiecePoints = 512;

// Douglas-Peucker: marks in `keep` the points of `line` to keep so that no point lies further
// than `tolerance` from the line through the kept ones. The ends are always kept. Without
// recursion, as a ring may have millions of points.
void mark_kept_points(std::span<const QPointF> line, double tolerance, std::vector<char>& keep,
                      std::vector<std::pair<size_t, size_t>>& stack) {
    keep.assign(line.size(), 0);
    if (line.empty()) {
        return;
    }
    keep.front() = keep.back() = 1;
    stack.clear();
    for (size_t first = 0; first + 1 < line.size(); first += kSimplifiedPiecePoints) {
        const size_t last = std::min(first + kSimplifiedPiecePoints, line.size() - 1);
        keep[last] = 1;
        stack.emplace_back(first, last);
    }
    const double limit = tolerance * tolerance;
    while (!stack.empty()) {
        const auto [first, last] = stack.back();
        stack.pop_back();
        const QPointF a = line[first];
        const QPointF ab = line[last] - a;
        const double length_squared = QPointF::dotProduct(ab, ab);
        double farthest = -1;
        size_t at = first;
        for (size_t k = first + 1; k < last; ++k) {
            const QPointF ap = line[k] - a;
            // Squared distance to the segment: a line that turns back beyond its chord's ends is
            // as far from the chord as from those ends.
            const double along = QPointF::dotProduct(ap, ab);
            double d = 0;
            if (along <= 0 || length_squared == 0) {
                d = QPointF::dotProduct(ap, ap);
            } else if (along >= length_squared) {
                const QPointF bp = line[k] - line[last];
                d = QPointF::dotProduct(bp, bp);
            } else {
                const double cross = ab.x() * ap.y() - ab.y() * ap.x();
                d = cross * cross / length_squared;
            }
            if (d > farthest) {
                farthest = d;
                at = k;
            }
        }
        if (farthest > limit) {
            keep[at] = 1;
            stack.emplace_back(first, at);
            stack.emplace_back(at, last);
        }
    }
}

}  // namespace

double MapData::simplification_tolerance(int level) {
    return level <= 0 ? 0 : 0.25 * std::exp2(2 * level);
}

int MapData::level_for(double tolerance) {
    int level = 0;
    while (level + 1 < kSimplifiedLevels && simplification_tolerance(level + 1) <= tolerance) {
        ++level;
    }
    return level;
}

class MapIndex {
  public:
    // One tree per feature and size class; empty ones are never built.
    std::vector<std::array<Tree, kSizeClasses>> trees;
};

MapData::MapData() = default;
MapData::~MapData() = default;

bool MapData::has_feature(MapFeature feature) const {
    if (feature < 0 || size_t(feature) >= index_->trees.size()) {
        return false;
    }
    const auto& classes = index_->trees[size_t(feature)];
    return std::any_of(classes.begin(), classes.end(), [](const Tree& t) { return !t.empty(); });
}

template <typename Found>
void MapData::visit_shapes(MapFeature feature, const QRectF& area, double smallest,
                           const Found& found) const {
    if (feature < 0 || size_t(feature) >= index_->trees.size()) {
        return;
    }
    const IndexBox box = index_box(area);
    const auto& classes = index_->trees[size_t(feature)];
    for (int c = 0; c < kSizeClasses; ++c) {
        const Tree& tree = classes[size_t(c)];
        if (tree.empty() || largest_side(c) < smallest) {
            continue;
        }
        const bool check_each = c > 0 && largest_side(c - 1) < smallest;
        for (auto it = tree.qbegin(bgi::intersects(box)); it != tree.qend(); ++it) {
            if (!check_each || larger_side(it->first) >= smallest) {
                found(*it);
            }
        }
    }
}

void MapData::find_shapes(MapFeature feature, const QRectF& area, double smallest,
                          std::vector<quint32>& found) const {
    visit_shapes(feature, area, smallest, [&](const IndexEntry& e) { found.push_back(e.second); });
}

void MapData::find_shapes(MapFeature feature, const QRectF& area, double smallest,
                          std::vector<FoundShape>& found) const {
    visit_shapes(feature, area, smallest, [&](const IndexEntry& e) {
        const IndexPoint& low = e.first.min_corner();
        const IndexPoint& high = e.first.max_corner();
        found.push_back({e.second, QRectF(QPointF(low.get<0>(), low.get<1>()),
                                          QPointF(high.get<0>(), high.get<1>()))});
    });
}

bool MapData::has_shape_in(MapFeature feature, const QRectF& area) const {
    if (feature < 0 || size_t(feature) >= index_->trees.size()) {
        return false;
    }
    const IndexBox box = index_box(area);
    for (const Tree& tree : index_->trees[size_t(feature)]) {
        if (!tree.empty() && tree.qbegin(bgi::intersects(box)) != tree.qend()) {
            return true;
        }
    }
    return false;
}

MapDataBuilder::MapDataBuilder() : data_(new MapData) {}
MapDataBuilder::~MapDataBuilder() = default;

quint32 MapDataBuilder::name_index(QStringView name) {
    if (name.isEmpty()) {
        return 0;
    }
    const QString text = name.toString();
    const auto it = name_lookup_.constFind(text);
    if (it != name_lookup_.constEnd()) {
        return it.value();
    }
    const auto index = quint32(data_->names_.size());
    data_->names_.push_back(text);
    name_lookup_.insert(text, index);
    return index;
}

void MapDataBuilder::add_line(MapFeature feature, std::span<const QPointF> points,
                              QStringView name) {
    if (points.size() < 2) {
        return;
    }
    MapData& d = *data_;
    d.shapes_.push_back({quint32(d.ring_starts_.size() - 1), 1, name_index(name), feature});
    d.points_.insert(d.points_.end(), points.begin(), points.end());
    d.ring_starts_.push_back(quint32(d.points_.size()));
}

void MapDataBuilder::begin_area(MapFeature feature, QStringView name) {
    open_area_ = {quint32(data_->ring_starts_.size() - 1), 0, name_index(name), feature};
}

void MapDataBuilder::add_ring(std::span<const QPointF> points, bool outer) {
    if (points.size() < 3) {
        return;
    }
    MapData& d = *data_;
    const size_t start = d.points_.size();
    d.points_.insert(d.points_.end(), points.begin(), points.end());
    const bool anticlockwise = twice_signed_area(points) > 0;
    if (anticlockwise != outer) {
        std::reverse(d.points_.begin() + qsizetype(start), d.points_.end());
    }
    d.ring_starts_.push_back(quint32(d.points_.size()));
    ++open_area_.ring_count;
}

void MapDataBuilder::end_area() {
    if (open_area_.ring_count > 0) {
        data_->shapes_.push_back(open_area_);
    }
    open_area_ = MapShape();
}

void MapDataBuilder::simplify_rings() {
    MapData& d = *data_;
    const size_t rings = d.ring_starts_.size() - 1;
    std::vector<bool> area_ring(rings, false);
    for (const MapShape& shape : d.shapes_) {
        for (quint32 r = shape.first_ring; r < shape.first_ring + shape.ring_count; ++r) {
            area_ring[r] = is_area_feature(shape.feature);
        }
    }
    std::vector<char> keep;
    std::vector<std::pair<size_t, size_t>> stack;
    std::vector<QPointF> closed;
    for (int level = 1; level < MapData::kSimplifiedLevels; ++level) {
        std::vector<MapData::RingRange>& ranges = d.simplified_[size_t(level - 1)];
        ranges.resize(rings);
        for (size_t r = 0; r < rings; ++r) {
            const std::span<const QPointF> below = d.ring(quint32(r), level - 1);
            // A fill ring does not repeat its first point; simplified as a closed line it keeps
            // its shape all round.
            std::span<const QPointF> line = below;
            if (area_ring[r]) {
                closed.assign(below.begin(), below.end());
                closed.push_back(below.front());
                line = closed;
            }
            // Each level simplifies the one below, whose points already stray up to that level's
            // tolerance: what is left of this level's keeps the sum within its own.
            mark_kept_points(line,
                             MapData::simplification_tolerance(level) -
                                 MapData::simplification_tolerance(level - 1),
                             keep, stack);
            if (area_ring[r]) {
                keep.pop_back();
            }
            const auto kept = size_t(std::count(keep.begin(), keep.end(), 1));
            const MapData::RingRange previous =
                level == 1 ? MapData::RingRange{d.ring_starts_[r], quint32(below.size())}
                           : d.simplified_[size_t(level - 2)][r];
            if (kept == below.size() || (area_ring[r] && kept < 3)) {
                ranges[r] = previous;
                continue;
            }
            const auto first = quint32(d.points_.size());
            for (size_t k = 0; k < below.size(); ++k) {
                if (keep[k] != 0) {
                    // `below` may point into points_, which push_back can move: index it.
                    d.points_.push_back(d.points_[previous.first + k]);
                }
            }
            ranges[r] = {first, quint32(kept)};
        }
    }
}

MapDataBuilder::Mark MapDataBuilder::mark() const {
    const MapData& d = *data_;
    return {d.points_.size(), d.ring_starts_.size(), d.shapes_.size(), d.names_.size(),
            d.edge_counts_};
}

void MapDataBuilder::roll_back(const Mark& mark) {
    MapData& d = *data_;
    d.points_.resize(mark.points);
    d.ring_starts_.resize(mark.rings);
    d.shapes_.resize(mark.shapes);
    for (size_t k = mark.names; k < d.names_.size(); ++k) {
        name_lookup_.remove(d.names_[k]);
    }
    d.names_.resize(mark.names);
    d.edge_counts_ = mark.edge_counts;
    open_area_ = MapShape();
}

std::shared_ptr<const MapData> MapDataBuilder::finish() {
    MapData& d = *data_;
    std::vector<std::array<std::vector<IndexEntry>, kSizeClasses>> entries;
    entries.resize(size_t(map_feature_count()));
    double all_left = HUGE_VAL, all_bottom = HUGE_VAL, all_right = -HUGE_VAL, all_top = -HUGE_VAL;
    for (quint32 s = 0; s < quint32(d.shapes_.size()); ++s) {
        const MapShape& shape = d.shapes_[s];
        double left = HUGE_VAL, bottom = HUGE_VAL, right = -HUGE_VAL, top = -HUGE_VAL;
        for (quint32 r = shape.first_ring; r < shape.first_ring + shape.ring_count; ++r) {
            for (const QPointF& p : d.ring(r)) {
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                bottom = std::min(bottom, p.y());
                top = std::max(top, p.y());
            }
        }
        const IndexBox box(IndexPoint(left, bottom), IndexPoint(right, top));
        entries[size_t(shape.feature)][size_t(size_class(larger_side(box)))].emplace_back(box, s);
        all_left = std::min(all_left, left);
        all_bottom = std::min(all_bottom, bottom);
        all_right = std::max(all_right, right);
        all_top = std::max(all_top, top);
    }
    if (!d.shapes_.empty()) {
        d.bounds_ = QRectF(QPointF(all_left, all_bottom), QPointF(all_right, all_top));
    }
    d.index_ = std::make_unique<MapIndex>();
    d.index_->trees.resize(entries.size());
    for (size_t f = 0; f < entries.size(); ++f) {
        for (size_t c = 0; c < size_t(kSizeClasses); ++c) {
            if (!entries[f][c].empty()) {
                // Packed in one go: faster to build and to query than one insert at a time.
                d.index_->trees[f][c] = Tree(entries[f][c].begin(), entries[f][c].end());
                std::vector<IndexEntry>().swap(entries[f][c]);
            }
        }
    }
    simplify_rings();
    d.points_.shrink_to_fit();
    d.ring_starts_.shrink_to_fit();
    d.shapes_.shrink_to_fit();
    name_lookup_.clear();
    std::shared_ptr<const MapData> finished(data_.release());
    data_.reset(new MapData);
    return finished;
}

}  // namespace quorvane
