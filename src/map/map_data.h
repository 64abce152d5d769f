// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <array>
#include <memory>
#include <span>
#include <vector>

#include "map/map_features.h"

namespace quorvane {

// One line or one area of the map: a line has one ring (its points in order), an area one or
// more closed rings, its outer rings turning anticlockwise and its holes clockwise (north up),
// so that they fill with the non-zero rule.
struct MapShape {
    quint32 first_ring = 0;
    quint32 ring_count = 0;
    quint32 name = 0;  // into the map's names; 0 when it has none
    MapFeature feature = kNoMapFeature;
};

// What real extracts lack at their edges: ways drawn from the nodes the file has, and areas
// that could not be closed and were left out. Normal data, reported, not an error.
struct MapEdgeCounts {
    qint64 ways_missing_nodes = 0;
    qint64 areas_left_out = 0;

    MapEdgeCounts& operator+=(const MapEdgeCounts& other) {
        ways_missing_nodes += other.ways_missing_nodes;
        areas_left_out += other.areas_left_out;
        return *this;
    }
    friend bool operator==(const MapEdgeCounts&, const MapEdgeCounts&) = default;
};

class MapIndex;

// The map's data: every shape by feature, in Web Mercator metres, with a spatial index per
// feature so that drawing and picking visit only what is in view. Built once by
// MapDataBuilder and never changed after: share it between threads as a pointer to const.
class MapData {
  public:
    ~MapData();
    MapData(const MapData&) = delete;
    MapData& operator=(const MapData&) = delete;

    qsizetype shape_count() const { return qsizetype(shapes_.size()); }
    const MapShape& shape(quint32 k) const { return shapes_[k]; }
    std::span<const QPointF> ring(quint32 k) const {
        return {points_.data() + ring_starts_[k], points_.data() + ring_starts_[k + 1]};
    }

    // Rings simplified for far views: at level L no point of a ring lies further than
    // simplification_tolerance(L) metres from its simplified form (Douglas-Peucker). Level 0 is
    // the data as read.
    static constexpr int kSimplifiedLevels = 6;
    static double simplification_tolerance(int level);
    // The coarsest level whose tolerance is at most `tolerance` metres.
    static int level_for(double tolerance);
    std::span<const QPointF> ring(quint32 k, int level) const {
        if (level <= 0) {
            return ring(k);
        }
        const RingRange r = simplified_[size_t(level - 1)][k];
        return {points_.data() + r.first, r.count};
    }
    const QString& name_of(const MapShape& shape) const { return names_[shape.name]; }
    qsizetype point_count() const { return qsizetype(points_.size()); }
    // Everything the data covers; empty for no data.
    const QRectF& bounds() const { return bounds_; }
    const MapEdgeCounts& edge_counts() const { return edge_counts_; }
    bool has_feature(MapFeature feature) const;

    // Appends to `found` the shapes of `feature` whose bounding box meets `area` and whose
    // box is at least `smallest` metres wide or high; the rest would be below a pixel.
    void find_shapes(MapFeature feature, const QRectF& area, double smallest,
                     std::vector<quint32>& found) const;
    // The same with each shape's bounding box, for those that only need to know its extent.
    struct FoundShape {
        quint32 shape = 0;
        QRectF box;
    };
    void find_shapes(MapFeature feature, const QRectF& area, double smallest,
                     std::vector<FoundShape>& found) const;
    // Whether any shape of `feature` meets `area`.
    bool has_shape_in(MapFeature feature, const QRectF& area) const;

  private:
    friend class MapDataBuilder;
    MapData();
    template <typename Found>
    void visit_shapes(MapFeature feature, const QRectF& area, double smallest,
                      const Found& found) const;

    struct RingRange {
        quint32 first = 0;
        quint32 count = 0;
    };

    std::vector<QPointF> points_;
    std::vector<quint32> ring_starts_{0};
    // Per simplified level, every ring's points: a range of points_, shared with the level
    // below when simplifying removed nothing.
    std::array<std::vector<RingRange>, kSimplifiedLevels - 1> simplified_;
    std::vector<MapShape> shapes_;
    std::vector<QString> names_{QString()};
    QRectF bounds_;
    MapEdgeCounts edge_counts_;
    std::unique_ptr<MapIndex> index_;
};

// Collects the shapes the readers find, then hands over the finished map.
class MapDataBuilder {
  public:
    MapDataBuilder();
    ~MapDataBuilder();

    // A line of two points or more; shorter ones are dropped.
    void add_line(MapFeature feature, std::span<const QPointF> points, QStringView name);
    // An area, ring by ring: outer rings and holes in any order and turning either way. A ring
    // of fewer than three points is dropped, and an area without a ring too.
    void begin_area(MapFeature feature, QStringView name);
    void add_ring(std::span<const QPointF> points, bool outer);
    void end_area();

    MapEdgeCounts& edge_counts() { return data_->edge_counts_; }

    // What the builder holds at one moment, to go back to when a file turns out unreadable.
    struct Mark {
        size_t points = 0, rings = 0, shapes = 0, names = 0;
        MapEdgeCounts edge_counts;
    };
    Mark mark() const;
    void roll_back(const Mark& mark);
    qsizetype point_count() const { return qsizetype(data_->points_.size()); }

    // Builds the spatial index and gives the map away; the builder is empty after.
    std::shared_ptr<const MapData> finish();

  private:
    quint32 name_index(QStringView name);
    void simplify_rings();

    std::unique_ptr<MapData> data_;
    MapShape open_area_;
    QHash<QString, quint32> name_lookup_;
};

}  // namespace quorvane
