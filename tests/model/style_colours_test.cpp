// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/style_colours.h"
#include "model/theme.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

Element element(const QString& field, const QString& presentation, const QString& colour) {
    Element e;
    e.field_name = field;
    e.presentation = presentation;
    e.scale = "1";
    e.border = ".5";
    e.primary_day = colour;
    e.primary_night = colour;
    e.secondary_day = colour;
    e.secondary_night = colour;
    return e;
}

TEST(ReverseColours, ExchangesOnlyThePairShownAndTwiceRestores) {
    StyleColours colours{"111111", "222222", "333333", "444444"};
    reverse_colours(colours, false);
    EXPECT_EQ(colours, (StyleColours{"222222", "111111", "333333", "444444"}));
    reverse_colours(colours, false);
    EXPECT_EQ(colours, (StyleColours{"111111", "222222", "333333", "444444"}));
    reverse_colours(colours, true);
    EXPECT_EQ(colours, (StyleColours{"111111", "222222", "444444", "333333"}));
}

TEST(ApplyToAll, CopiesToTheSameFieldInEveryPresentation) {
    Theme theme;
    theme.elements = {element("MAP_WATER_CLR", "GUIDANCE", "0000FF"),
                      element("MAP_WATER_CLR", "BROWSE", "000000"),
                      element("MAP_ROAD_CLR", "BROWSE", "000000"),
                      element("map_water_clr", "TRAFFIC", "000000"),
                      element("MAP_WATER_CLR", "TRAFFIC", "000000"),
                      element("MAP_WATER_CLR", "PEDESTRIAN", "000000")};
    theme.elements[0].scale = "2";
    theme.elements[0].border = "";
    MessageList messages;
    EXPECT_EQ(copy_style_to_all_presentations(theme, 0, messages), 3);
    EXPECT_EQ(messages.texts(), QStringList{"Applied to 3 additional elements"});
    for (int j : {1, 4, 5}) {
        const Element& e = theme.elements[j];
        EXPECT_EQ(e.scale, "2") << j;
        EXPECT_EQ(e.border, "") << j;
        EXPECT_EQ(StyleColours::of(e), StyleColours::of(theme.elements[0])) << j;
    }
    // Field names match case-sensitively, and other fields stay.
    EXPECT_EQ(theme.elements[2].primary_day, "000000");
    EXPECT_EQ(theme.elements[3].primary_day, "000000");
    EXPECT_EQ(theme.elements[4].presentation, "TRAFFIC");
}

TEST(ApplyToAll, NoOtherElementNoMessage) {
    Theme theme;
    theme.elements = {element("MAP_WATER_CLR", "GUIDANCE", "0000FF"),
                      element("MAP_ROAD_CLR", "GUIDANCE", "000000")};
    MessageList messages;
    EXPECT_EQ(copy_style_to_all_presentations(theme, 0, messages), 0);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(theme.elements[1].primary_day, "000000");
}

}  // namespace
}  // namespace quorvane
