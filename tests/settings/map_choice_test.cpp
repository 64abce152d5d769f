// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/map_choice.h"

namespace quorvane {
namespace {

TEST(MapChoice, WhatIsSavedIsLoaded) {
    QTemporaryDir dir;
    const MapChoice choice{{"/maps/a.osm.pbf", "/maps/walk \u00e9t\u00e9.gpx"},
                           "PEDESTRIAN",
                           true,
                           true,
                           QPointF(1.1e6, 7.2e6),
                           2.5};
    ASSERT_TRUE(save_map_choice(dir.path(), choice));
    EXPECT_EQ(load_map_choice(dir.path()), choice);
}

// A view edited by hand or cut short shows the map whole; the rest of the choice stays.
TEST(MapChoice, AViewThatIsNoViewShowsTheMapWhole) {
    for (const char* view :
         {"centre=@Invalid()\nmetres_per_pixel=2", "metres_per_pixel=2",
          "centre=@PointF(1 2)\nmetres_per_pixel=0", "centre=@PointF(1 2)\nmetres_per_pixel=-4",
          "centre=@PointF(1 2)\nmetres_per_pixel=nan", "centre=@PointF(1 2)\nmetres_per_pixel=inf",
          "centre=@PointF(1 2)\nmetres_per_pixel=wide"}) {
        QTemporaryDir dir;
        QFile file(map_choice_path(dir.path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[map]\nfiles=/maps/a.osm\n") + view + "\n");
        file.close();
        const MapChoice loaded = load_map_choice(dir.path());
        EXPECT_EQ(loaded.metres_per_pixel, 0) << view;
        EXPECT_EQ(loaded.files, QStringList{"/maps/a.osm"}) << view;
    }
}

}  // namespace
}  // namespace quorvane
