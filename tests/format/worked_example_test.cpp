// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "format/reader.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

// The writer's text for one polygon and one line in GUIDANCE, from the presentation on.
const QByteArray kExample =
    "<PRESENTATION ID=\"GUIDANCE\" > \r\n"
    "<STYLELIST>\r\n"
    "\r\n"
    "<STYLE field = \"MAP_WATER_CLR\">\r\n"
    " <COLOR >\r\n"
    "<PRIMARY      day = \"#CECECE\" night=\"#FFE0C0\"/>\r\n"
    " </COLOR >\r\n"
    "</STYLE>\r\n"
    "\r\n"
    "<STYLE field = \"MAP_ROAD_HWY_MJR_CLR\" scale=\"1\"  border=\".6\" >\r\n"
    " <COLOR >\r\n"
    "<PRIMARY      day = \"#CECECE\" night=\"#aaFF00\"/>\r\n"
    "<SECONDARY      day = \"#0a0a0a\" night=\"#DD0011\"/>\r\n"
    " </COLOR >\r\n"
    "</STYLE>\r\n"
    "</STYLELIST>\r\n"
    "</PRESENTATION>\r\n";

TEST(WorkedExample, ReadsBackAsDescribed) {
    Theme theme;
    MessageList messages;
    parse_theme_text(theme, kExample, messages);

    EXPECT_EQ(messages.texts(), QStringList{"Oops no meta"});
    EXPECT_EQ(theme.listed_presentations, QStringList{" GUIDANCE \r"});
    EXPECT_EQ(theme.project_presentations, QStringList{"GUIDANCE \r"});
    ASSERT_EQ(theme.element_count(), 2);

    const Element& water = theme.elements[0];
    EXPECT_EQ(water.field_name, "MAP_WATER_CLR");
    EXPECT_EQ(water.display_name, "WATER");
    EXPECT_EQ(water.presentation, " GUIDANCE ");
    EXPECT_EQ(water.scale, "");
    EXPECT_EQ(water.border, "");
    EXPECT_EQ(water.sort_code, 0);
    EXPECT_EQ(water.primary_day, "CECECE");
    EXPECT_EQ(water.primary_night, "FFE0C0");
    EXPECT_EQ(water.secondary_day, "");
    EXPECT_EQ(water.secondary_night, "");

    const Element& road = theme.elements[1];
    EXPECT_EQ(road.field_name, "MAP_ROAD_HWY_MJR_CLR");
    EXPECT_EQ(road.display_name, "ROAD HWY MJR ");
    EXPECT_EQ(road.presentation, " GUIDANCE ");
    EXPECT_EQ(road.scale, "1");
    EXPECT_EQ(road.border, ".6");
    EXPECT_EQ(road.sort_code, 1);
    EXPECT_EQ(road.primary_day, "CECECE");
    EXPECT_EQ(road.primary_night, "AAFF00");
    EXPECT_EQ(road.secondary_day, "0A0A0A");
    EXPECT_EQ(road.secondary_night, "DD0011");
}

}  // namespace
}  // namespace quorvane
