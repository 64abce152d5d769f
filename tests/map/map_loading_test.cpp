// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <vector>

#include "map/map_files.h"
#include "map/map_loader.h"
#include "support/printers.h"

namespace quorvane {
namespace {

const QString kMapData = QStringLiteral(QUORVANE_TEST_DATA "/map/");

const MapFeatureTable& table() {
    static const MapFeatureTable read = [] {
        QStringList errors;
        return read_map_feature_table(QStringLiteral(QUORVANE_MAP_FEATURES), &errors).value();
    }();
    return read;
}

// How many shapes of each named feature a map holds.
int count_of(const MapData& map, const char* feature) {
    int count = 0;
    for (quint32 s = 0; s < quint32(map.shape_count()); ++s) {
        count += map_feature_name(map.shape(s).feature) == QLatin1String(feature) ? 1 : 0;
    }
    return count;
}

struct HostileCase {
    const char* file;
    const char* reason;  // the start of what follows "Cannot read map <path>: "
};

// Each unreadable in its own way; none may crash, hang or leave anything in the map.
const HostileCase kHostileCases[] = {
    {"broken.osm", "XML parsing error at line 5, column 2: mismatched tag"},
    {"truncated.osm", "XML parsing error at line 9"},
    {"truncated.osm.bz2", "bzip2 error"},
    {"bad-block.osm.pbf", "failed to uncompress data"},
    {"truncated.osm.pbf", "PBF error"},
    {"untyped-block.osm.pbf", "failed to uncompress data"},
    {"looping-relation.osm", "relation "},
    {"member-without-id.osm", "relation 1 has a member without an id"},
    {"out-of-range.osm", "node 2 lies outside the world (latitude 95, longitude 10)"},
    {"broken.gpx", "XML error at line 6, column 9"},
    {"out-of-range.gpx", "line 3: a point outside the world (latitude 12.5, longitude 190)"},
    {"not-gpx.gpx", "this is not GPX: the document is a <kml>"},
    {"tiny-town.kmtf", "not map data"},
    {"missing.osm", "No such file or directory"},
    {"", "Is a directory"},
};

TEST(MapLoading, UnreadableMapDataIsNamedWithItsReasonAndLeavesNothing) {
    for (const HostileCase& c : kHostileCases) {
        const QString path = kMapData + QLatin1String(c.file);
        // The good file first: what it gave stays, what the bad one gave is taken back.
        const MapLoadResult result = load_map({kMapData + "tiny-town.osm", path}, table());
        ASSERT_EQ(result.errors.size(), 1) << c.file;
        const QString expected = QStringLiteral("Cannot read map %1: %2").arg(path, c.reason);
        EXPECT_TRUE(result.errors[0].startsWith(expected))
            << result.errors[0].toStdString() << "\nexpected: " << expected.toStdString();
        ASSERT_TRUE(result.map) << c.file;
        EXPECT_EQ(result.map->shape_count(), 3) << c.file;
        EXPECT_FALSE(result.complete());
    }
}

TEST(MapLoading, TwoGigabyteFilesOfNothingAreRefusedAtOnce) {
    struct Case {
        const char* name;
        const char* start;   // what the file holds before its 2.2 GB of zero bytes
        const char* reason;  // the start of the reason
    };
    const Case cases[] = {
        {"big.osm", "<?xml version=\"1.0\"?>\n<osm version=\"0.6\">\n",
         "XML parsing error at line 3"},
        {"big.gpx", "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"><trk><trkseg>\n",
         "XML error at line 3"},
        {"big.osm.pbf", "", "PBF error"},
        {"big.osm.bz2", "", "bzip2 error"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        // Sparse: the test needs no disk space for it.
        const QString path = dir.filePath(QLatin1String(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.start);
        ASSERT_TRUE(file.resize(qint64(2200) << 20)) << c.name;
        file.close();
        const MapLoadResult result = load_map({path}, table());
        ASSERT_EQ(result.errors.size(), 1) << c.name;
        EXPECT_TRUE(result.errors[0].startsWith(cannot_read_map_message(path, c.reason)))
            << result.errors[0].toStdString();
        EXPECT_EQ(result.map->point_count(), 0) << c.name;
        QFile::remove(path);
    }
}

TEST(MapLoading, AGpxWithHugePointCountsCutShortIsRefusedWithoutKeepingThem) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.gpx"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"><trk><trkseg>\n");
    QByteArray points;
    for (int k = 0; k < 400000; ++k) {
        points += "<trkpt lat=\"" + QByteArray::number(k % 1000 * 0.0001) + "\" lon=\"0.5\"/>\n";
        if (points.size() > (1 << 20)) {
            file.write(points);
            points.clear();
        }
    }
    file.write(points);
    file.write("<trkpt lat=\"0.1\" lo");
    file.close();
    const MapLoadResult result = load_map({path}, table());
    ASSERT_EQ(result.errors.size(), 1);
    EXPECT_TRUE(result.errors[0].contains(QStringLiteral("XML error at line 400003")))
        << result.errors[0].toStdString();
    EXPECT_EQ(result.map->point_count(), 0);
}

TEST(MapLoading, IncompleteEdgesAreCountedNotRefused) {
    const MapLoadResult result = load_map({kMapData + "incomplete-edges.osm"}, table());
    ASSERT_TRUE(result.complete()) << result.errors.join(' ').toStdString();
    // Way 1 lost a node and is drawn from the other three; the wood and the lake cannot close.
    EXPECT_EQ(result.map->edge_counts(), (MapEdgeCounts{1, 2}));
    EXPECT_EQ(count_of(*result.map, "ROAD_RESIDENTIAL"), 1);
    EXPECT_EQ(result.map->ring(result.map->shape(0).first_ring).size(), 3u);
    EXPECT_EQ(count_of(*result.map, "ROAD_ARTERIAL"), 1);
    EXPECT_EQ(count_of(*result.map, "WOODS"), 0);
    EXPECT_EQ(count_of(*result.map, "WATER"), 0);
    EXPECT_EQ(edge_counts_message(result.map->edge_counts()),
              QStringLiteral("Incomplete at the edges of the map data: 1 way drawn from the "
                             "nodes present, 2 areas left out"));
    EXPECT_EQ(edge_counts_message({}), QString());
}

TEST(MapLoading, XmlBzip2AndPbfOfOneTownGiveTheSameMap) {
    const MapLoadResult xml = load_map({kMapData + "tiny-town.osm"}, table());
    ASSERT_TRUE(xml.complete());
    for (const char* name : {"tiny-town.osm.pbf", "tiny-town.osm.bz2"}) {
        SCOPED_TRACE(name);
        const MapLoadResult other = load_map({kMapData + name}, table());
        ASSERT_TRUE(other.complete()) << other.errors.join(' ').toStdString();
        ASSERT_EQ(other.map->shape_count(), xml.map->shape_count());
        EXPECT_EQ(other.map->bounds(), xml.map->bounds());
        for (const char* feature : {"WATER", "BUILDING", "ROAD_ARTERIAL"}) {
            EXPECT_EQ(count_of(*other.map, feature), 1) << feature;
        }
    }
}

TEST(MapLoading, GpxRoutesAndTracksTakeTheirFeaturesAndFilesCombine) {
    const MapLoadResult result =
        load_map({kMapData + "routes-and-tracks.gpx", kMapData + "tiny-town.osm"}, table());
    ASSERT_TRUE(result.complete());
    const MapData& map = *result.map;
    EXPECT_EQ(count_of(map, "RTE_ACTV_LEG"), 1);
    EXPECT_EQ(count_of(map, "RTE_INACTV_LEG"), 1);
    EXPECT_EQ(count_of(map, "RTE_GPI_EMB"), 1);
    EXPECT_EQ(count_of(map, "TRK"), 2);  // one line per segment
    EXPECT_EQ(count_of(map, "TRK_SAVED"), 1);
    EXPECT_EQ(count_of(map, "WATER"), 1);
    for (quint32 s = 0; s < quint32(map.shape_count()); ++s) {
        if (map_feature_name(map.shape(s).feature) == QLatin1String("RTE_ACTV_LEG")) {
            EXPECT_EQ(map.name_of(map.shape(s)), QStringLiteral("First"));
        }
    }
}

TEST(MapLoading, ReportsProgressAndStopsWhenCancelled) {
    std::vector<double> reported;
    MapLoadProgress progress;
    progress.report = [&](double done) { reported.push_back(done); };
    const QStringList files{kMapData + "tiny-town.osm", kMapData + "routes-and-tracks.gpx"};
    ASSERT_TRUE(load_map(files, table(), progress).complete());
    ASSERT_FALSE(reported.empty());
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_DOUBLE_EQ(reported.back(), 1.0);

    std::atomic<bool> cancel{true};
    progress.cancel = &cancel;
    const MapLoadResult cancelled = load_map(files, table(), progress);
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_FALSE(cancelled.map);
    EXPECT_TRUE(cancelled.errors.isEmpty());
}

double distance_to_line(QPointF p, std::span<const QPointF> line) {
    double nearest = HUGE_VAL;
    for (size_t k = 1; k < line.size(); ++k) {
        const QPointF ab = line[k] - line[k - 1];
        const double length = QPointF::dotProduct(ab, ab);
        const double t =
            length > 0 ? std::clamp(QPointF::dotProduct(p - line[k - 1], ab) / length, 0.0, 1.0)
                       : 0.0;
        const QPointF d = p - (line[k - 1] + ab * t);
        nearest = std::min(nearest, std::hypot(d.x(), d.y()));
    }
    return nearest;
}

// Every simplified level of every line stays within its tolerance of the line as read, keeps
// the line's ends and drops points.
void expect_simplified_within_tolerance(const MapData& map) {
    for (int level = 1; level < MapData::kSimplifiedLevels; ++level) {
        const double tolerance = MapData::simplification_tolerance(level);
        qsizetype full = 0;
        qsizetype kept = 0;
        for (quint32 s = 0; s < quint32(map.shape_count()); ++s) {
            const MapShape& shape = map.shape(s);
            if (is_area_feature(shape.feature)) {
                continue;
            }
            const std::span<const QPointF> line = map.ring(shape.first_ring);
            const std::span<const QPointF> simple = map.ring(shape.first_ring, level);
            full += qsizetype(line.size());
            kept += qsizetype(simple.size());
            // Lines still meet where they met.
            ASSERT_EQ(simple.front(), line.front());
            ASSERT_EQ(simple.back(), line.back());
            for (const QPointF& p : line) {
                ASSERT_LE(distance_to_line(p, simple), tolerance * 1.000001) << "level " << level;
            }
        }
        EXPECT_LT(kept, full) << "level " << level;
    }
}

TEST(MapLoading, SimplifiedLinesStayWithinTheirToleranceAndKeepTheirEnds) {
    const MapLoadResult result =
        load_map({QStringLiteral(QUORVANE_EXAMPLES "/sample-town.osm")}, table());
    ASSERT_TRUE(result.complete());
    expect_simplified_within_tolerance(*result.map);

    // A track longer than the pieces long lines are simplified in: they join into one line
    // within the tolerance.
    MapDataBuilder builder;
    std::vector<QPointF> parabola;
    for (int k = 0; k < 5000; ++k) {
        const double x = k * 0.5;
        parabola.emplace_back(x, x * x / 2000);
    }
    builder.add_line(map_feature_named(u"TRK"), parabola, {});
    expect_simplified_within_tolerance(*builder.finish());

    EXPECT_EQ(MapData::level_for(0.5), 0);
    EXPECT_EQ(MapData::level_for(MapData::simplification_tolerance(2)), 2);
    EXPECT_EQ(MapData::level_for(1e9), MapData::kSimplifiedLevels - 1);
}

}  // namespace
}  // namespace quorvane
