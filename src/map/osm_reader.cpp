// SPDX-License-Identifier: GPL-3.0-or-later
// The one place that includes libosmium: its headers cost seconds of compile time each.
#include "map/osm_reader.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <new>
#include <osmium/area/assembler.hpp>
#include <osmium/area/multipolygon_manager.hpp>
#include <osmium/handler.hpp>
#include <osmium/handler/node_locations_for_ways.hpp>
#include <osmium/index/map/flex_mem.hpp>
#include <osmium/io/any_input.hpp>
#include <osmium/tags/tags_filter.hpp>
#include <osmium/visitor.hpp>
#include <unordered_map>
#include <vector>

#include "map/map_data.h"
#include "map/map_feature_table.h"
#include "map/map_view.h"

namespace quorvane {

namespace {

using LocationIndex =
    osmium::index::map::FlexMem<osmium::unsigned_object_id_type, osmium::Location>;
using LocationHandler = osmium::handler::NodeLocationsForWays<LocationIndex, LocationIndex>;
using AreaManager = osmium::area::MultipolygonManager<osmium::area::Assembler>;

// The first pass reads only relations, a small part of the work.
constexpr double kRelationPassShare = 0.15;
// The width of a runway or other band mapped as a line without a width tag, in metres.
constexpr double kDefaultBandWidth = 30;

QString reading_text(const char* text) {
    return QCoreApplication::translate("OsmReader", text);
}

std::string osmium_format(OsmFormat format) {
    switch (format) {
        case OsmFormat::Xml:
            return "osm";
        case OsmFormat::XmlBzip2:
            return "osm.bz2";
        case OsmFormat::XmlGzip:
            return "osm.gz";
        case OsmFormat::Pbf:
            return "pbf";
    }
    return "osm";
}

// The tags of an object, as the feature table reads them.
void collect_tags(const osmium::TagList& tags, std::vector<MapTag>& out) {
    out.clear();
    for (const osmium::Tag& tag : tags) {
        out.push_back({tag.key(), tag.value()});
    }
}

bool is_area_relation(const osmium::Relation& relation) {
    const char* type = relation.tags().get_value_by_key("type");
    if (type == nullptr ||
        (std::strcmp(type, "multipolygon") != 0 && std::strcmp(type, "boundary") != 0)) {
        return false;
    }
    return std::any_of(
        relation.members().begin(), relation.members().end(),
        [](const osmium::RelationMember& m) { return m.type() == osmium::item_type::way; });
}

// The first pass: which relations contain themselves, and how many relations should become
// areas or outlines.
class RelationPass : public osmium::handler::Handler {
  public:
    explicit RelationPass(const MapFeatureTable& table) : table_(table) {}

    void relation(const osmium::Relation& relation) {
        for (const osmium::RelationMember& member : relation.members()) {
            // No object has id 0; libosmium's area assembler would read past its list of
            // member ways for such a member.
            if (member.ref() == 0) {
                throw MapReadError{
                    reading_text("relation %1 has a member without an id").arg(relation.id())};
            }
            if (member.type() == osmium::item_type::relation) {
                members_[relation.id()].push_back(member.ref());
            }
        }
        if (is_area_relation(relation)) {
            collect_tags(relation.tags(), tags_);
            if (table_.feature_for(tags_, MapShapeKind::Area) != kNoMapFeature ||
                table_.feature_for(tags_, MapShapeKind::Line) != kNoMapFeature) {
                ++expected_areas;
            }
        }
    }

    // Throws for a relation that is its own member, directly or through others: whoever
    // follows such members never ends.
    void check_loops() const {
        enum class Visit : char { Open, Done };
        std::unordered_map<osmium::object_id_type, Visit> seen;
        for (const auto& [start, ignored] : members_) {
            if (seen.count(start) != 0) {
                continue;
            }
            // Depth first, without recursion: a chain of a million relations is data too.
            std::vector<std::pair<osmium::object_id_type, size_t>> path{{start, 0}};
            seen[start] = Visit::Open;
            while (!path.empty()) {
                auto& [id, next] = path.back();
                const auto found = members_.find(id);
                if (found == members_.end() || next == found->second.size()) {
                    seen[id] = Visit::Done;
                    path.pop_back();
                    continue;
                }
                const osmium::object_id_type member = found->second[next++];
                const auto state = seen.find(member);
                if (state == seen.end()) {
                    seen[member] = Visit::Open;
                    path.emplace_back(member, 0);
                } else if (state->second == Visit::Open) {
                    throw MapReadError{
                        reading_text("relation %1 is a member of itself").arg(member)};
                }
            }
        }
    }

    qint64 expected_areas = 0;

  private:
    const MapFeatureTable& table_;
    std::vector<MapTag> tags_;
    std::unordered_map<osmium::object_id_type, std::vector<osmium::object_id_type>> members_;
};

// The second pass: nodes are checked, ways become lines (or bands), assembled areas become
// areas or outlines.
class ShapePass : public osmium::handler::Handler {
  public:
    ShapePass(const MapFeatureTable& table, MapDataBuilder& builder)
        : table_(table), builder_(builder) {}

    void node(const osmium::Node& node) {
        const osmium::Location at = node.location();
        if (at.is_undefined()) {
            throw MapReadError{reading_text("node %1 has no coordinates").arg(node.id())};
        }
        if (!at.valid()) {
            throw MapReadError{
                reading_text("node %1 lies outside the world (latitude %2, longitude %3)")
                    .arg(node.id())
                    .arg(at.lat_without_check())
                    .arg(at.lon_without_check())};
        }
    }

    void way(const osmium::Way& way) {
        collect_tags(way.tags(), tags_);
        const MapFeature line = table_.feature_for(tags_, MapShapeKind::Line);
        const bool closed = way.nodes().size() > 3 && way.is_closed();
        MapFeature area = kNoMapFeature;
        if (line == kNoMapFeature) {
            area = table_.feature_for(tags_, MapShapeKind::Area);
            if (area == kNoMapFeature) {
                return;
            }
            if (closed) {
                // The area manager assembles it; the count tells how many it could not.
                if (!way.tags().has_tag("area", "no")) {
                    ++expected_way_areas;
                }
                return;
            }
        }
        points_.clear();
        for (const osmium::NodeRef& node : way.nodes()) {
            if (node.location().valid()) {
                points_.push_back(mercator_from_degrees(node.lon(), node.lat()));
            }
        }
        if (points_.size() != way.nodes().size()) {
            ++builder_.edge_counts().ways_missing_nodes;
        }
        const QString name = QString::fromUtf8(way.tags().get_value_by_key("name", ""));
        if (line != kNoMapFeature) {
            builder_.add_line(line, points_, name);
        } else {
            add_band(area, way.tags().get_value_by_key("width", ""), name);
        }
    }

    void area(const osmium::Area& area) {
        collect_tags(area.tags(), tags_);
        const MapFeature fill = table_.feature_for(tags_, MapShapeKind::Area);
        const MapFeature outline = fill != kNoMapFeature || area.from_way()
                                       ? kNoMapFeature
                                       : table_.feature_for(tags_, MapShapeKind::Line);
        if (fill == kNoMapFeature && outline == kNoMapFeature) {
            return;
        }
        ++(area.from_way() ? produced_way_areas : produced_relation_areas);
        const QString name = QString::fromUtf8(area.tags().get_value_by_key("name", ""));
        if (fill != kNoMapFeature) {
            builder_.begin_area(fill, name);
        }
        for (const osmium::OuterRing& outer : area.outer_rings()) {
            add_ring(outer, fill, outline, true, name);
            for (const osmium::InnerRing& inner : area.inner_rings(outer)) {
                add_ring(inner, fill, outline, false, name);
            }
        }
        if (fill != kNoMapFeature) {
            builder_.end_area();
        }
    }

    qint64 expected_way_areas = 0;
    qint64 produced_way_areas = 0;
    qint64 produced_relation_areas = 0;

  private:
    void add_ring(const osmium::NodeRefList& ring, MapFeature fill, MapFeature outline, bool outer,
                  const QString& name) {
        points_.clear();
        for (const osmium::NodeRef& node : ring) {
            points_.push_back(mercator_from_degrees(node.lon(), node.lat()));
        }
        if (fill != kNoMapFeature) {
            // The assembler repeats the first point at the end; the fill closes rings itself.
            if (points_.size() > 1 && points_.front() == points_.back()) {
                points_.pop_back();
            }
            builder_.add_ring(points_, outer);
        } else {
            builder_.add_line(outline, points_, name);
        }
    }

    // A line that stands for an area, such as a runway: a band of its width (a number of
    // metres at the start of the tag), made of one rectangle per segment.
    void add_band(MapFeature feature, const char* width_tag, const QString& name) {
        char* end = nullptr;
        double width = std::strtod(width_tag, &end);
        if (end == width_tag || !std::isfinite(width) || width <= 0) {
            width = kDefaultBandWidth;
        }
        width = std::min(width, 10000.0);
        builder_.begin_area(feature, name);
        for (size_t k = 1; k < points_.size(); ++k) {
            const QPointF a = points_[k - 1];
            const QPointF b = points_[k];
            const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
            if (length == 0) {
                continue;
            }
            const double half = width / 2 / ground_metres_per_mercator_metre((a.y() + b.y()) / 2);
            const QPointF across(-(b.y() - a.y()) / length * half, (b.x() - a.x()) / length * half);
            const QPointF corners[] = {a - across, b - across, b + across, a + across};
            builder_.add_ring(corners, true);
        }
        builder_.end_area();
    }

    const MapFeatureTable& table_;
    MapDataBuilder& builder_;
    std::vector<MapTag> tags_;
    std::vector<QPointF> points_;
};

// Calls the progress with the share of the file done, scaled into [start, start + share).
void report(const MapReadControl& control, const osmium::io::Reader& reader, double start,
            double share) {
    if (control.cancelled()) {
        throw MapReadCancelled{};
    }
    if (control.progress && reader.file_size() > 0) {
        const double done = double(reader.offset()) / double(reader.file_size());
        control.progress(start + share * std::min(1.0, done));
    }
}

void read_osm(const osmium::io::File& file, const MapFeatureTable& table, MapDataBuilder& builder,
              const MapReadControl& control) {
    // Only objects with a key the table knows can become areas.
    osmium::TagsFilter filter{false};
    for (const std::string& key : table.keys()) {
        filter.add_rule(true, osmium::TagMatcher{key});
    }
    osmium::area::AssemblerConfig config;
    config.create_empty_areas = false;
    AreaManager manager{config, filter};

    RelationPass relations(table);
    {
        osmium::io::Reader reader{file, osmium::osm_entity_bits::relation,
                                  osmium::io::read_meta::no};
        while (osmium::memory::Buffer buffer = reader.read()) {
            osmium::apply(buffer, manager, relations);
            report(control, reader, 0, kRelationPassShare);
        }
        reader.close();
    }
    relations.check_loops();
    manager.prepare_for_lookup();

    ShapePass shapes(table, builder);
    LocationIndex positive_ids;
    LocationIndex negative_ids;
    LocationHandler locations{positive_ids, negative_ids};
    // A way whose nodes the file lacks is drawn from the nodes it has.
    locations.ignore_errors();
    auto& assembled = manager.handler(
        [&shapes](osmium::memory::Buffer&& areas) { osmium::apply(areas, shapes); });
    {
        osmium::io::Reader reader{file,
                                  osmium::osm_entity_bits::node | osmium::osm_entity_bits::way |
                                      osmium::osm_entity_bits::relation,
                                  osmium::io::read_meta::no};
        while (osmium::memory::Buffer buffer = reader.read()) {
            osmium::apply(buffer, locations, shapes, assembled);
            report(control, reader, kRelationPassShare, 1 - kRelationPassShare);
        }
        reader.close();
    }
    MapEdgeCounts& counts = builder.edge_counts();
    counts.areas_left_out +=
        std::max<qint64>(0, shapes.expected_way_areas - shapes.produced_way_areas);
    counts.areas_left_out +=
        std::max<qint64>(0, relations.expected_areas - shapes.produced_relation_areas);
}

void read_guarded(const osmium::io::File& file, const MapFeatureTable& table,
                  MapDataBuilder& builder, const MapReadControl& control) {
    try {
        read_osm(file, table, builder, control);
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        // libosmium says what is wrong: "XML parsing error at line 3, column 7: ...", "PBF
        // error: ...", "Objects out of order ...".
        throw MapReadError{QString::fromUtf8(e.what())};
    }
}

}  // namespace

bool osm_format_of(const QString& path, OsmFormat* format) {
    const QString name = path.toLower();
    const std::pair<const char*, OsmFormat> endings[] = {{".osm", OsmFormat::Xml},
                                                         {".osm.bz2", OsmFormat::XmlBzip2},
                                                         {".osm.gz", OsmFormat::XmlGzip},
                                                         {".osm.pbf", OsmFormat::Pbf},
                                                         {".pbf", OsmFormat::Pbf}};
    for (const auto& [ending, kind] : endings) {
        if (name.endsWith(QLatin1String(ending))) {
            *format = kind;
            return true;
        }
    }
    return false;
}

void read_osm_file(const QString& path, OsmFormat format, const MapFeatureTable& table,
                   MapDataBuilder& builder, const MapReadControl& control) {
    read_guarded(osmium::io::File(path.toLocal8Bit().toStdString(), osmium_format(format)), table,
                 builder, control);
}

void read_osm_bytes(QByteArrayView bytes, OsmFormat format, const MapFeatureTable& table,
                    MapDataBuilder& builder, const MapReadControl& control) {
    read_guarded(osmium::io::File(bytes.data(), size_t(bytes.size()), osmium_format(format)), table,
                 builder, control);
}

}  // namespace quorvane
