// SPDX-License-Identifier: GPL-3.0-or-later
// Includes libosmium, like the map's own reader, in one file only.
#include "generated_city.h"

#include <cmath>
#include <numbers>
#include <osmium/builder/attr.hpp>
#include <osmium/io/pbf_output.hpp>
#include <osmium/io/writer.hpp>
#include <osmium/memory/buffer.hpp>
#include <string>
#include <vector>

namespace quorvane {

namespace {

using namespace osmium::builder::attr;

constexpr double kOriginLat = 50.0;
constexpr double kOriginLon = 10.0;
constexpr double kCell = 200;  // metres
constexpr int kBuildingsPerCell = 10;
constexpr int kRoadPoints = 12;
constexpr int kOuterPoints = 16;
constexpr int kInnerPoints = 8;

osmium::Location location(double x, double y) {
    const double lat = kOriginLat + y / 111320.0;
    const double lon = kOriginLon + x / (111320.0 * std::cos(kOriginLat * std::numbers::pi / 180));
    return osmium::Location(lon, lat);
}

const char* road_class(int row, int col, int k) {
    const int line = k == 0 ? row : col;
    if (k == 2) {
        return (row + col) % 3 == 0 ? "footway" : (row + col) % 3 == 1 ? "service" : "track";
    }
    return line % 50 == 0   ? "motorway"
           : line % 20 == 0 ? "primary"
           : line % 10 == 0 ? "secondary"
           : line % 5 == 0  ? "tertiary"
                            : "residential";
}

const std::pair<const char*, const char*> kLandCovers[] = {{"landuse", "residential"},
                                                           {"natural", "wood"},
                                                           {"leisure", "park"},
                                                           {"natural", "water"},
                                                           {"landuse", "forest"}};

// Collects objects in a buffer and hands full buffers to the writer.
class CityWriter {
  public:
    explicit CityWriter(const QString& path)
        : writer_(osmium::io::File(path.toStdString(), "pbf"), osmium::io::overwrite::allow) {}

    osmium::memory::Buffer& buffer() {
        if (buffer_.committed() > (8 << 20)) {
            writer_(std::move(buffer_));
            buffer_ = osmium::memory::Buffer(16 << 20, osmium::memory::Buffer::auto_grow::yes);
        }
        return buffer_;
    }
    void close() {
        writer_(std::move(buffer_));
        writer_.close();
    }

  private:
    osmium::io::Writer writer_;
    osmium::memory::Buffer buffer_{16 << 20, osmium::memory::Buffer::auto_grow::yes};
};

}  // namespace

GeneratedCity write_generated_city(const QString& path, int cells) {
    CityWriter out(path);
    GeneratedCity city;
    osmium::object_id_type next_node = 1;
    const auto add_node = [&](double x, double y) {
        osmium::builder::add_node(out.buffer(), _id(next_node), _version(1),
                                  _location(location(x, y)));
        ++city.nodes;
        return next_node++;
    };
    // Nodes first, as the format wants; the ways are built from the same walk afterwards.
    std::vector<std::vector<osmium::object_id_type>> buildings, roads, outers, inners;
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            const double x0 = col * kCell;
            const double y0 = row * kCell;
            for (int b = 0; b < kBuildingsPerCell; ++b) {
                const double x = x0 + 20 + (b % 5) * 34;
                const double y = y0 + (b < 5 ? 25 : 160);
                std::vector<osmium::object_id_type> ring{add_node(x, y), add_node(x + 14, y),
                                                         add_node(x + 14, y + 11),
                                                         add_node(x, y + 11)};
                ring.push_back(ring.front());
                buildings.push_back(std::move(ring));
            }
            for (int k = 0; k < 3; ++k) {
                std::vector<osmium::object_id_type> line;
                for (int p = 0; p < kRoadPoints; ++p) {
                    const double t = kCell * p / (kRoadPoints - 1);
                    const double wobble = 3 * std::sin(p + row + col);
                    line.push_back(k == 0   ? add_node(x0 + t, y0 + wobble)
                                   : k == 1 ? add_node(x0 + wobble, y0 + t)
                                            : add_node(x0 + t, y0 + t * 0.6 + 40));
                }
                roads.push_back(std::move(line));
            }
            for (int m = 0; m < 2; ++m) {
                const double cx = x0 + (m == 0 ? 60 : 140);
                const double cy = y0 + 95;
                std::vector<osmium::object_id_type> outer, inner;
                for (int p = 0; p < kOuterPoints; ++p) {
                    const double a = 2 * std::numbers::pi * p / kOuterPoints;
                    outer.push_back(add_node(cx + 45 * std::cos(a), cy + 45 * std::sin(a)));
                }
                for (int p = 0; p < kInnerPoints; ++p) {
                    const double a = -2 * std::numbers::pi * p / kInnerPoints;
                    inner.push_back(add_node(cx + 15 * std::cos(a), cy + 15 * std::sin(a)));
                }
                outer.push_back(outer.front());
                inner.push_back(inner.front());
                outers.push_back(std::move(outer));
                inners.push_back(std::move(inner));
            }
        }
    }
    osmium::object_id_type next_way = 1;
    const auto add_way = [&](const std::vector<osmium::object_id_type>& refs, const char* key,
                             const char* value) {
        if (key != nullptr) {
            osmium::builder::add_way(out.buffer(), _id(next_way), _version(1), _nodes(refs),
                                     _tag(key, value));
        } else {
            osmium::builder::add_way(out.buffer(), _id(next_way), _version(1), _nodes(refs));
        }
        ++city.ways;
        return next_way++;
    };
    for (const auto& ring : buildings) {
        add_way(ring, "building", "yes");
    }
    for (size_t k = 0; k < roads.size(); ++k) {
        const int cell = int(k / 3);
        add_way(roads[k], "highway", road_class(cell / cells, cell % cells, int(k % 3)));
    }
    std::vector<std::pair<osmium::object_id_type, osmium::object_id_type>> members;
    for (size_t k = 0; k < outers.size(); ++k) {
        const osmium::object_id_type outer = add_way(outers[k], nullptr, nullptr);
        members.emplace_back(outer, add_way(inners[k], nullptr, nullptr));
    }
    for (size_t k = 0; k < members.size(); ++k) {
        const auto& [key, value] = kLandCovers[k % std::size(kLandCovers)];
        osmium::builder::add_relation(out.buffer(), _id(osmium::object_id_type(k + 1)), _version(1),
                                      _member(osmium::item_type::way, members[k].first, "outer"),
                                      _member(osmium::item_type::way, members[k].second, "inner"),
                                      _tag("type", "multipolygon"), _tag(key, value));
        ++city.multipolygons;
    }
    out.close();
    return city;
}

}  // namespace quorvane
