// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "colour/cielab.h"
#include "colour/colour_adjustment.h"
#include "colour/colour_values.h"
#include "colour/colour_view.h"
#include "colour/colour_vision.h"
#include "colour/device_palette.h"
#include "colour/nearest_device_colour.h"

namespace quorvane {
namespace {

// The Machado, Oliveira and Fernandes matrices (severity 1) applied in linear light to the
// primaries and a few other colours, worked out by hand from the published figures.
TEST(ColourVision, SimulationsGiveTheMatricesResultsOnKnownColours) {
    struct Case {
        ColourVision vision;
        int colour;
        int seen;
    };
    const Case cases[] = {
        {ColourVision::Protanopia, rgb(255, 0, 0), rgb(109, 95, 0)},
        {ColourVision::Protanopia, rgb(0, 255, 0), rgb(255, 229, 0)},
        {ColourVision::Protanopia, rgb(0, 0, 255), rgb(0, 89, 255)},
        {ColourVision::Protanopia, rgb(255, 165, 0), rgb(195, 172, 0)},
        {ColourVision::Deuteranopia, rgb(255, 0, 0), rgb(163, 144, 0)},
        {ColourVision::Deuteranopia, rgb(0, 255, 0), rgb(239, 214, 58)},
        {ColourVision::Deuteranopia, rgb(128, 0, 128), rgb(48, 75, 125)},
        {ColourVision::Tritanopia, rgb(0, 255, 0), rgb(0, 247, 217)},
        {ColourVision::Tritanopia, rgb(0, 0, 255), rgb(0, 107, 150)},
        {ColourVision::Tritanopia, rgb(255, 165, 0), rgb(255, 142, 141)},
        {ColourVision::Greyscale, rgb(255, 0, 0), rgb(127, 127, 127)},
        {ColourVision::Greyscale, rgb(0, 255, 0), rgb(220, 220, 220)},
        {ColourVision::Normal, rgb(12, 34, 56), rgb(12, 34, 56)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(colour_text(simulated_colour(c.colour, c.vision)), colour_text(c.seen))
            << int(c.vision) << " " << colour_text(c.colour).toStdString();
    }
    // Greys look the same to everyone.
    for (const ColourVision vision : kColourDeficiencies) {
        for (const int level : {0, 60, 128, 200, 255}) {
            const int grey = rgb(level, level, level);
            EXPECT_LE(delta_e(lab_of(simulated_colour(grey, vision)), lab_of(grey)), 0.5);
        }
    }
}

TEST(DeviceColours, NearestColourIsTheFullSearchsAndPaletteColoursStay) {
    for (const PaletteCell& cell : device_palette()) {
        ASSERT_EQ(nearest_device_colour(cell.colour), cell.colour) << cell.colour;
    }
    // A spread of colours that fall between the levels, near greys and near the corners.
    for (int seed = 1; seed < 20000; ++seed) {
        const int colour = int((quint32(seed) * 2654435761u) & 0xFFFFFF);
        ASSERT_EQ(nearest_device_colour(colour), nearest_device_colour_by_full_search(colour))
            << colour_text(colour).toStdString();
    }
    EXPECT_EQ(nearest_device_colour(rgb(250, 250, 250)), rgb(255, 255, 255));
    EXPECT_EQ(nearest_device_colour(rgb(0x9C, 0xC9, 0xF0)), rgb(0x7b, 0xca, 0xff));
}

TEST(ColourView, QuantisesFirstThenSimulates) {
    const int colour = rgb(0x9C, 0xC9, 0xF0);
    EXPECT_EQ(viewed_colour(colour, {}), colour);
    EXPECT_EQ(viewed_colour(colour, {ColourVision::Normal, true}), nearest_device_colour(colour));
    EXPECT_EQ(viewed_colour(colour, {ColourVision::Tritanopia, true}),
              simulated_colour(nearest_device_colour(colour), ColourVision::Tritanopia));
}

TEST(ColourAdjustment, EachControlMovesItsOwnDimension) {
    const int colour = rgb(200, 120, 40);
    const Lch before = lch_of(lab_of(colour));
    struct Case {
        ColourAdjustment adjustment;
        double lightness;  // expected, or -1 for "as before"
        double chroma_share;
        double hue_turn;
    };
    const Case cases[] = {
        {{}, -1, 1, 0},
        {{90, 0, 0, 0}, -1, -1, 90},
        {{-180, 0, 0, 0}, -1, -1, 180},
        {{0, -100, 0, 0}, -1, 0, 0},
        {{0, -50, 0, 0}, -1, 0.5, 0},
        {{0, 0, 100, 0}, 100, -1, -1},
        {{0, 0, -100, 0}, 0, -1, -1},
        {{0, 0, 50, 0}, before.l + (100 - before.l) / 2, -1, -1},
        {{0, 0, 0, -100}, 50, -1, -1},
        {{0, 0, 0, 50}, 50 + (before.l - 50) * 1.5, -1, -1},
    };
    for (const Case& c : cases) {
        const int result = adjusted_colour(colour, c.adjustment);
        const Lch after = lch_of(lab_of(result));
        SCOPED_TRACE(colour_text(result).toStdString());
        EXPECT_NEAR(after.l, c.lightness < 0 ? before.l : c.lightness, 0.6);
        if (c.chroma_share >= 0) {
            EXPECT_NEAR(after.c, before.c * c.chroma_share, 1.0);
        }
        if (c.hue_turn >= 0 && after.c > 5) {
            const double turn = std::fmod(after.h - before.h + 720, 360);
            EXPECT_NEAR(turn, c.hue_turn, 2.0);
        }
    }
    EXPECT_EQ(adjusted_colour(colour, {}), colour);
}

}  // namespace
}  // namespace quorvane
