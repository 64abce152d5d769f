// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map/map_files.h"
#include "support/printers.h"

namespace quorvane {
namespace {

const MapFeatureTable& shipped_table() {
    static const MapFeatureTable table = [] {
        QStringList errors;
        const std::optional<MapFeatureTable> read =
            read_map_feature_table(QStringLiteral(QUORVANE_MAP_FEATURES), &errors);
        EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
        return read.value_or(MapFeatureTable());
    }();
    return table;
}

struct TagCase {
    const char* tags;  // "key=value key=value"
    MapShapeKind kind;
    const char* feature;  // "" for none
};

// The examples, the narrow rules before the broad ones, lines against areas.
const TagCase kTagCases[] = {
    {"highway=motorway", MapShapeKind::Line, "ROAD_INTERSTATE"},
    {"highway=trunk", MapShapeKind::Line, "ROAD_HWY_MJR"},
    {"highway=trunk motorroad=yes", MapShapeKind::Line, "ROAD_SS_INTERSTATE"},
    {"highway=primary", MapShapeKind::Line, "ROAD_ARTERIAL"},
    {"highway=secondary", MapShapeKind::Line, "ROAD_HWY_MNR"},
    {"highway=tertiary", MapShapeKind::Line, "ROAD_COLLECTOR"},
    {"highway=residential", MapShapeKind::Line, "ROAD_RESIDENTIAL"},
    {"highway=residential surface=gravel", MapShapeKind::Line, "ROAD_UNPAVED"},
    {"highway=service service=alley", MapShapeKind::Line, "ROAD_ALLY"},
    {"highway=service access=private", MapShapeKind::Line, "ROAD_DIM"},
    {"highway=construction", MapShapeKind::Line, "ROAD_DIM"},
    {"highway=track", MapShapeKind::Line, "ROAD_UNPAVED"},
    {"highway=path", MapShapeKind::Line, "ROAD_TRAIL"},
    {"highway=footway", MapShapeKind::Line, "ROAD_TRAIL"},
    {"highway=motorway_link", MapShapeKind::Line, "ROAD_RAMP"},
    {"highway=primary_link", MapShapeKind::Line, "ROAD_RAMP"},
    {"highway=pedestrian area=yes", MapShapeKind::Line, ""},
    {"highway=pedestrian area=yes", MapShapeKind::Area, ""},
    {"railway=rail", MapShapeKind::Line, "ROAD_RAILRD"},
    {"natural=water", MapShapeKind::Area, "WATER"},
    {"natural=water", MapShapeKind::Line, ""},
    {"natural=water water=reservoir", MapShapeKind::Area, "MISC_WATER_AREA"},
    {"waterway=river", MapShapeKind::Line, "MISC_WATER_LINE"},
    {"waterway=stream", MapShapeKind::Line, "MISC_WATER_LINE"},
    {"landuse=forest", MapShapeKind::Area, "WOODS"},
    {"natural=wood", MapShapeKind::Area, "WOODS"},
    {"leisure=park", MapShapeKind::Area, "PARK"},
    {"natural=beach", MapShapeKind::Area, "BEACH"},
    {"natural=wetland", MapShapeKind::Area, "WETLAND"},
    {"natural=glacier", MapShapeKind::Area, "GLACIER"},
    {"building=yes", MapShapeKind::Area, "BUILDING"},
    {"building=church", MapShapeKind::Area, "BUILDING"},
    {"building=no", MapShapeKind::Area, ""},
    {"aeroway=runway", MapShapeKind::Area, "RWY_HSRFC"},
    {"landuse=residential", MapShapeKind::Area, "URBAN_LAND"},
    {"landuse=commercial", MapShapeKind::Area, "URBAN_LAND"},
    {"landuse=quarry", MapShapeKind::Area, "EXTRD_AREA"},
    {"landuse=military", MapShapeKind::Area, "MISC_RESTR"},
    {"natural=reef", MapShapeKind::Area, "MISC_OBSTR"},
    {"aeroway=aerodrome", MapShapeKind::Area, "MISC_AREA"},
    {"place=islet", MapShapeKind::Area, "LAND"},
    {"power=line", MapShapeKind::Line, "MISC_LINE"},
    {"boundary=administrative admin_level=2", MapShapeKind::Line, "PLTCL_INTL"},
    {"boundary=administrative admin_level=4", MapShapeKind::Line, "PLTCL_MJR"},
    {"boundary=administrative admin_level=8", MapShapeKind::Line, "PLTCL_MNR"},
    {"contour=elevation ele=300", MapShapeKind::Line, "CNTR_MJR"},
    {"contour=elevation ele=250", MapShapeKind::Line, "CNTR_INT"},
    {"contour=elevation ele=225", MapShapeKind::Line, "CNTR_MNR"},
    {"contour=elevation ele=-100", MapShapeKind::Line, "CNTR_MJR"},
    {"contour=elevation ele=tall", MapShapeKind::Line, "CNTR_MNR"},
    {"contour=depth depth=50", MapShapeKind::Line, "DPTH_CNTR_MJR"},
    {"contour=depth depth=20", MapShapeKind::Line, "DPTH_CNTR_INT"},
    {"contour=depth depth=5", MapShapeKind::Line, "DPTH_CNTR_MNR"},
    {"gpx=route gpx:first=yes", MapShapeKind::Line, "RTE_ACTV_LEG"},
    {"gpx=route gpx:first=no", MapShapeKind::Line, "RTE_INACTV_LEG"},
    {"gpx=route gpx:first=yes type=poi", MapShapeKind::Line, "RTE_GPI_EMB"},
    {"gpx=track gpx:first=yes", MapShapeKind::Line, "TRK"},
    {"gpx=track gpx:first=no", MapShapeKind::Line, "TRK_SAVED"},
    {"name=Nowhere", MapShapeKind::Line, ""},
    {"", MapShapeKind::Area, ""},
};

TEST(MapFeatureTable, TheShippedTableMapsTagsToFeatures) {
    for (const TagCase& c : kTagCases) {
        std::vector<std::string> words;
        for (const QString& word : QString::fromLatin1(c.tags).split(' ', Qt::SkipEmptyParts)) {
            words.push_back(word.toStdString());
        }
        std::vector<MapTag> tags;
        for (const std::string& word : words) {
            const size_t equals = word.find('=');
            tags.push_back({std::string_view(word).substr(0, equals),
                            std::string_view(word).substr(equals + 1)});
        }
        const MapFeature found = shipped_table().feature_for(tags, c.kind);
        const QString name = found == kNoMapFeature ? QString() : map_feature_name(found);
        EXPECT_EQ(name, QLatin1String(c.feature))
            << c.tags << (c.kind == MapShapeKind::Area ? " as an area" : " as a line");
    }
}

struct TableErrorCase {
    const char* line;
    const char* error;  // "" when the line reads
    int rules;
};

const TableErrorCase kTableErrorCases[] = {
    {"WATER natural=water   # a comment", "", 1},
    {"   # only a comment", "", 0},
    {"- highway=*", "", 1},
    {"ROAD_CANAL waterway=canal", "line 1: ROAD_CANAL is not a feature of the catalogue", 0},
    {"WATER", "line 1: WATER has no tags to match", 0},
    {"WATER natural", "line 1: \"natural\" is not key=value", 0},
    {"WATER =water", "line 1: \"=water\" is not key=value", 0},
    {"WATER natural=", "line 1: \"natural=\" is not key=value", 0},
    {"CNTR_MJR ele=%0", "line 1: \"%0\" is not a whole multiple of a number above 0", 0},
    {"CNTR_MJR ele=%x", "line 1: \"%x\" is not a whole multiple of a number above 0", 0},
    {"WATER natural=water|", "line 1: \"natural=water|\" has an empty value", 0},
};

TEST(MapFeatureTable, ALineThatDoesNotReadIsNamedWithItsNumber) {
    for (const TableErrorCase& c : kTableErrorCases) {
        QStringList errors;
        const MapFeatureTable table = MapFeatureTable::from_text(c.line, &errors);
        EXPECT_EQ(errors.join(QLatin1Char('\n')), QLatin1String(c.error)) << c.line;
        EXPECT_EQ(table.rule_count(), c.rules) << c.line;
    }
}

TEST(MapFeatureTable, AnUnreadableTableIsRefusedWhole) {
    QStringList errors;
    EXPECT_FALSE(
        read_map_feature_table(QStringLiteral(QUORVANE_TEST_DATA "/map/none.txt"), &errors));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(
        QStringLiteral("Cannot read the map feature table " QUORVANE_TEST_DATA "/map/none.txt: ")));
    errors.clear();
    // A table with a wrong line would draw a wrong map: nothing of it is used.
    EXPECT_FALSE(
        read_map_feature_table(QStringLiteral(QUORVANE_TEST_DATA "/map/tiny-town.osm"), &errors));
    EXPECT_GT(errors.size(), 3);
}

}  // namespace
}  // namespace quorvane
