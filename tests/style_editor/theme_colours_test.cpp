// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "colour/colour_values.h"
#include "style_editor/theme_colours.h"

namespace quorvane {
namespace {

Element style(const char* primary_day, const char* primary_night, const char* secondary_day = "",
              const char* secondary_night = "") {
    Element e;
    e.primary_day = QString::fromLatin1(primary_day);
    e.primary_night = QString::fromLatin1(primary_night);
    e.secondary_day = QString::fromLatin1(secondary_day);
    e.secondary_night = QString::fromLatin1(secondary_night);
    return e;
}

TEST(ThemeColours, MostUsedFirstThenInOrderOfFirstUse) {
    Theme theme;
    theme.elements = {
        style("FF0000", "000080"),
        style("00FF00", "000080", "ff0000", "FF0000"),  // red twice in one style counts once
        style("0000ff", "000080", "00FF00", ""),
        style("FF", "zz0000", "", "#123456"),  // "FF" reads as 0000FF; the rest as nothing
    };
    const std::vector<ThemeColour> colours = theme_colours(theme);
    const std::vector<ThemeColour> expected = {
        {rgb(0, 0, 0x80), 3},
        {rgb(255, 0, 0), 2},
        {rgb(0, 255, 0), 2},
        {rgb(0, 0, 255), 2},
    };
    EXPECT_EQ(colours, expected);
    EXPECT_TRUE(theme_colours(Theme{}).empty());
}

TEST(ThemeColours, OffersAtMostTheLimit) {
    Theme theme;
    for (int k = 0; k < 40; ++k) {
        // Colour k is used by k + 1 styles.
        for (int n = 0; n <= k; ++n) {
            theme.elements.push_back(style(qPrintable(colour_text(rgb(k, 0, 0))), ""));
        }
    }
    const std::vector<ThemeColour> colours = theme_colours(theme);
    ASSERT_EQ(colours.size(), size_t(kThemeColourCount));
    EXPECT_EQ(colours.front(), (ThemeColour{rgb(39, 0, 0), 40}));
    EXPECT_EQ(colours.back(), (ThemeColour{rgb(16, 0, 0), 17}));
    EXPECT_EQ(theme_colours(theme, 3).size(), 3u);
    EXPECT_TRUE(theme_colours(theme, 0).empty());
}

}  // namespace
}  // namespace quorvane
