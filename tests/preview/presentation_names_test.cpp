// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "preview/presentation_names.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Theme theme_of(const std::vector<std::pair<QString, int>>& runs) {
    Theme theme;
    for (const auto& [presentation, count] : runs) {
        for (int k = 0; k < count; ++k) {
            Element e;
            e.field_name = QStringLiteral("MAP_ROAD_%1_CLR").arg(k);
            e.presentation = presentation;
            theme.elements.push_back(e);
        }
    }
    return theme;
}

TEST(PresentationNames, OneBandPerRunOfRowsFromTheFirstTileTopToTheLastLabelBottom) {
    // GUIDANCE fills two rows, BROWSE one, GUIDANCE comes back for one more.
    const Theme theme = theme_of({{" GUIDANCE ", 20}, {"BROWSE", 3}, {"GUIDANCE", 1}});
    const PreviewLayout layout = lay_out_preview(theme, {});
    const std::vector<PresentationBand> bands = presentation_bands(theme, layout);
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0], (PresentationBand{"GUIDANCE", 38, 38 + 1516 + 1416}));
    EXPECT_EQ(bands[1], (PresentationBand{"BROWSE", 38 + 1516 + 1616, 38 + 1516 + 1616 + 1416}));
    EXPECT_EQ(bands[2].name, "GUIDANCE");
    EXPECT_EQ(bands[2].top, 38 + 1516 + 2 * 1616);
    // Every band starts at a row, under its rule, and the tiles stay where they were.
    for (size_t k = 1; k < bands.size(); ++k) {
        EXPECT_EQ(layout.rules[k - 1], bands[k].top - 150);
    }
    EXPECT_EQ(layout.tile_positions[20], QPoint(238, 38 + 1516 + 1616));
    // The names stand left of the frames of the first column.
    EXPECT_EQ(name_margin_width(layout.tiles), layout.selection_frame(0).left());
}

TEST(PresentationNames, FollowTheShownTilesOnly) {
    const Theme theme = theme_of({{"GUIDANCE", 3}, {"BROWSE", 3}, {"TRAFFIC", 3}});
    // Nothing of BROWSE shown: no band for it.
    const PreviewLayout layout = lay_out_preview(theme, {}, {0, 7, 8});
    const std::vector<PresentationBand> bands = presentation_bands(theme, layout);
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0].name, "GUIDANCE");
    EXPECT_EQ(bands[1], (PresentationBand{"TRAFFIC", 38 + 1616, 38 + 1616 + 1416}));
    EXPECT_TRUE(presentation_bands(Theme{}, lay_out_preview(Theme{}, {})).empty());
}

TEST(PresentationNames, ANameStaysInViewWhileItsRowsAre) {
    const PresentationBand band{"GUIDANCE", 1000, 9000};
    const int length = 800;
    const struct {
        int shown_top;
        int expected;
    } cases[] = {
        {0, 1000},                // the band's top in view: the name at its top
        {1000 - kNameGap, 1000},  // just so
        {4000, 4000 + kNameGap},  // its top scrolled away: the name under the viewport's top
        {8500, 9000 - length},    // near the end: it stops at the band's bottom
        {20000, 9000 - length},   // the band out of sight
    };
    for (const auto& c : cases) {
        EXPECT_EQ(name_top(band, length, c.shown_top), c.expected) << c.shown_top;
    }
    // A name longer than its band starts at the band's top.
    EXPECT_EQ(name_top(PresentationBand{"ROUTE PREVIEW", 1000, 1500}, 800, 1200), 1000);
}

}  // namespace
}  // namespace quorvane
