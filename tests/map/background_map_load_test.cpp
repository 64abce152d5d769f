// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "map/background_map_load.h"
#include "map/map_data.h"
#include "map/map_files.h"
#include "support/gui_application.h"

namespace quorvane {
namespace {

std::shared_ptr<const MapFeatureTable> feature_table() {
    QStringList errors;
    return std::make_shared<const MapFeatureTable>(
        read_map_feature_table(QStringLiteral(QUORVANE_MAP_FEATURES), &errors).value());
}

const QString kTown = QStringLiteral(QUORVANE_TEST_DATA "/map/tiny-town.osm");
const QString kRoutes = QStringLiteral(QUORVANE_TEST_DATA "/map/routes-and-tracks.gpx");
const QString kBroken = QStringLiteral(QUORVANE_TEST_DATA "/map/broken.osm");

MapLoadResult finished_load(QSignalSpy& finished) {
    EXPECT_TRUE(finished.wait(10000));
    EXPECT_EQ(finished.size(), 1);
    return finished.isEmpty() ? MapLoadResult{} : finished.first().first().value<MapLoadResult>();
}

TEST(BackgroundMapLoad, HandsOverWhatWasReadWholeAndSaysWhatWasNot) {
    ensure_gui_application();
    BackgroundMapLoad load;
    QSignalSpy progressed(&load, &BackgroundMapLoad::progressed);
    QSignalSpy finished(&load, &BackgroundMapLoad::finished);
    load.start({kTown, kBroken, kRoutes}, feature_table());
    EXPECT_TRUE(load.loading());
    const MapLoadResult result = finished_load(finished);
    EXPECT_FALSE(load.loading());
    ASSERT_EQ(result.errors.size(), 1);
    EXPECT_TRUE(result.errors[0].startsWith("Cannot read map " + kBroken + ": "));
    ASSERT_NE(result.map, nullptr);
    EXPECT_TRUE(result.map->has_feature(map_feature_named(u"ROAD_ARTERIAL")));
    EXPECT_TRUE(result.map->has_feature(map_feature_named(u"TRK")));
    ASSERT_FALSE(progressed.isEmpty());
    EXPECT_DOUBLE_EQ(progressed.last().first().toDouble(), 1.0);
}

TEST(BackgroundMapLoad, ACancelledOrReplacedLoadSaysNothing) {
    ensure_gui_application();
    {
        BackgroundMapLoad load;
        QSignalSpy spy(&load, &BackgroundMapLoad::finished);
        load.start({kTown}, feature_table());
        load.cancel();
        EXPECT_FALSE(load.loading());
        // Replaced before it ends: only the second load's map arrives.
        load.start({kTown}, feature_table());
        load.start({kRoutes}, feature_table());
        const MapLoadResult result = finished_load(spy);
        ASSERT_NE(result.map, nullptr);
        EXPECT_FALSE(result.map->has_feature(map_feature_named(u"ROAD_ARTERIAL")));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !load.working(); }, 10000));
        QTest::qWait(20);
        EXPECT_EQ(spy.size(), 1);
        // Destroyed with a load under way: it stops, and nothing arrives after.
        load.start({kTown, kRoutes}, feature_table());
    }
}

}  // namespace
}  // namespace quorvane
