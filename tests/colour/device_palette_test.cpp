// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "colour/colour_values.h"
#include "colour/device_palette.h"

namespace quorvane {
namespace {

TEST(Palette, HoldsTheDeviceLevelsThenTheGreys) {
    const std::vector<PaletteCell> cells = device_palette();
    ASSERT_EQ(cells.size(), 254u);

    struct Expected {
        int index;
        int colour;
        const char* tip;
    };
    const Expected expected[] = {
        {0, rgb(0, 0, 0), "#000000"},           {7, rgb(0, 0, 255), "#0000FF"},
        {8, rgb(57, 0, 0), "#390000"},          {40, rgb(0, 48, 0), "#003000"},
        {63, rgb(0x7b, 0x30, 0xff), "#7B30FF"}, {239, rgb(255, 255, 255), "#FFFFFF"},
        {240, rgb(0x10, 0x10, 0x10), ""},       {253, rgb(0xe6, 0xe6, 0xe6), ""},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.index);
        EXPECT_EQ(cells[e.index].colour, e.colour);
        EXPECT_EQ(cells[e.index].tool_tip, QString::fromLatin1(e.tip));
    }
}

TEST(Palette, CellNumberSpellsGreenRedBlueLevels) {
    const std::vector<PaletteCell> cells = device_palette();
    const int red[] = {0, 57, 123, 189, 255};
    const int green[] = {0, 48, 101, 149, 202, 255};
    const int blue[] = {0, 32, 65, 106, 139, 180, 213, 255};
    for (int g = 0; g < 6; ++g) {
        for (int r = 0; r < 5; ++r) {
            for (int b = 0; b < 8; ++b) {
                const int n = 40 * g + 8 * r + b;
                EXPECT_EQ(cells[n].colour, rgb(red[r], green[g], blue[b])) << n;
                EXPECT_EQ(cells[n].tool_tip, "#" + colour_text(cells[n].colour)) << n;
            }
        }
    }
    for (int n = 240; n < 254; ++n) {
        EXPECT_TRUE(cells[n].tool_tip.isEmpty()) << n;
    }
}

}  // namespace
}  // namespace quorvane
