// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSet>

#include "model/element_catalogue.h"

namespace quorvane {
namespace {

TEST(ElementCatalogue, HoldsTheFeatureNamesInCatalogueOrder) {
    const QStringList& polygons = polygon_catalogue();
    const QStringList& lines = line_catalogue();
    ASSERT_EQ(polygons.size(), 16);
    ASSERT_EQ(lines.size(), 33);
    EXPECT_EQ(polygons.first(), "BEACH");
    EXPECT_EQ(polygons[7], "MISC_RESTR");
    EXPECT_EQ(polygons[8], "MISC_OBSTR");
    EXPECT_EQ(polygons.last(), "WOODS");
    EXPECT_EQ(lines.first(), "CNTR_MJR");
    EXPECT_EQ(lines[1], "CNTR_INT");
    EXPECT_EQ(lines[17], "ROAD_SS_INTERSTATE");
    EXPECT_EQ(lines[29], "TRK");
    EXPECT_EQ(lines[30], "TRK_SAVED");
    EXPECT_EQ(lines[31], "LEGEND");
    EXPECT_EQ(lines.last(), "SCALE_LINE");
}

TEST(ElementCatalogue, EveryNameIsOneKindOnly) {
    QSet<QString> seen;
    for (const QString& name : polygon_catalogue() + line_catalogue()) {
        EXPECT_FALSE(seen.contains(name)) << name.toStdString();
        seen.insert(name);
        EXPECT_NE(is_catalogue_polygon(name), is_catalogue_line(name)) << name.toStdString();
        for (QChar c : name) {
            EXPECT_TRUE((c >= 'A' && c <= 'Z') || c == '_') << name.toStdString();
        }
    }
    EXPECT_TRUE(is_catalogue_polygon("WATER"));
    EXPECT_TRUE(is_catalogue_line("ROAD_HWY_MJR"));
    EXPECT_FALSE(is_catalogue_polygon("water"));
    EXPECT_FALSE(is_catalogue_line("MAP_TRK_CLR"));
}

}  // namespace
}  // namespace quorvane
