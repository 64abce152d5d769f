// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "colour/cielab.h"
#include "colour/colour_values.h"
#include "colour/night_colours.h"

namespace quorvane {
namespace {

double lightness(int colour) {
    return lab_of(colour).l;
}

// Hue kept: the turn between two colours, in degrees, or 0 when either is near grey (its hue
// is lost to rounding).
double hue_turn(int first, int second) {
    const Lch a = lch_of(lab_of(first));
    const Lch b = lch_of(lab_of(second));
    if (a.c < 12 || b.c < 12) {
        return 0;
    }
    const double turn = std::abs(a.h - b.h);
    return std::min(turn, 360 - turn);
}

const int kDarknesses[] = {kLeastDarkness, 35, kDefaultDarkness, kMostDarkness};
// Day grounds: the demo theme's cream land, white, a light grey and a green one.
const int kGrounds[] = {rgb(0xF6, 0xF3, 0xEC), rgb(255, 255, 255), rgb(0xD9, 0xD9, 0xD9),
                        rgb(0xCD, 0xE6, 0xB4)};

TEST(NightColours, GroundIsTheDarkestAreaAndLightAreasTurnDark) {
    const int areas[] = {rgb(0x9C, 0xC9, 0xF0), rgb(0xA7, 0xCF, 0x8F), rgb(0xF4, 0xE3, 0xB5),
                         rgb(0xD8, 0xD0, 0xC4), rgb(0x60, 0x60, 0x60), rgb(255, 255, 255),
                         rgb(0x20, 0x40, 0x90)};
    for (const int day_ground : kGrounds) {
        double previous_ground = 101;
        for (const int darkness : kDarknesses) {
            SCOPED_TRACE(darkness);
            const MapGround ground{day_ground, night_ground_colour(day_ground, darkness)};
            EXPECT_LT(lightness(ground.night), previous_ground);
            EXPECT_LE(lightness(ground.night), 31);
            EXPECT_LE(hue_turn(ground.night, day_ground), 5);
            previous_ground = lightness(ground.night);
            for (const int area : areas) {
                const int night = night_area_colour(area, ground, darkness);
                SCOPED_TRACE(colour_text(area).toStdString());
                EXPECT_GE(lightness(night), lightness(ground.night) - 0.5);
                if (lightness(area) > 60) {
                    EXPECT_LT(lightness(night), 50);
                }
                EXPECT_LE(hue_turn(night, area), 5);
            }
        }
    }
}

TEST(NightColours, LinesKeepTheirContrastsUpToThreeAndCoresStayMidLight) {
    struct Line {
        int core;
        std::optional<int> casing;
    };
    const Line lines[] = {
        {rgb(255, 255, 255), rgb(0x8A, 0x8A, 0x8A)},     // white street, grey casing
        {rgb(0xFF, 0xD5, 0x4F), rgb(0xC8, 0x7A, 0x00)},  // yellow highway, orange casing
        {rgb(0xF2, 0x8C, 0x28), std::nullopt},           // orange, no casing
        {rgb(0x30, 0x30, 0x30), rgb(255, 255, 255)},     // dark rail on a light casing
        {rgb(0xE0, 0xE0, 0xE0), rgb(0xD0, 0xD0, 0xD0)},  // faint path, faint casing
        {rgb(0xC0, 0x10, 0xC0), rgb(0xC0, 0x10, 0xC0)},  // route, casing as core
        {rgb(0x1E, 0x5A, 0xC8), rgb(0x0A, 0x28, 0x64)},  // dark blue line
        {rgb(0xF6, 0xF3, 0xEC), rgb(0xF6, 0xF3, 0xEC)},  // a line in the ground's own colour
    };
    for (const int day_ground : kGrounds) {
        for (const int darkness : kDarknesses) {
            const MapGround ground{day_ground, night_ground_colour(day_ground, darkness)};
            for (const Line& line : lines) {
                SCOPED_TRACE(colour_text(line.core).toStdString() + " on " +
                             colour_text(day_ground).toStdString() + " at " +
                             std::to_string(darkness));
                const LineColours night =
                    night_line_colours({line.core, line.casing}, ground, darkness);
                ASSERT_EQ(night.casing.has_value(), line.casing.has_value());
                double day_visibility = contrast_between(line.core, ground.day);
                double night_visibility = contrast_between(night.core, ground.night);
                if (line.casing) {
                    day_visibility =
                        std::max(day_visibility, contrast_between(*line.casing, ground.day));
                    night_visibility =
                        std::max(night_visibility, contrast_between(*night.casing, ground.night));
                    EXPECT_GE(contrast_between(night.core, *night.casing),
                              std::min(contrast_between(line.core, *line.casing), 3.0));
                    EXPECT_EQ(relative_luminance(*night.casing) <= relative_luminance(night.core),
                              relative_luminance(*line.casing) <= relative_luminance(line.core));
                    EXPECT_LE(hue_turn(*night.casing, *line.casing), 5);
                }
                EXPECT_GE(night_visibility, std::min(day_visibility, 3.0));
                EXPECT_LE(hue_turn(night.core, line.core), 5);
                if (lightness(line.core) > 70) {
                    EXPECT_GT(lightness(night.core), 30);
                    EXPECT_LT(lightness(night.core), 90);
                }
            }
        }
    }
}

TEST(NightColours, LinesFollowAGroundThatStaysLight) {
    // A ground whose night colour was never changed: lines still stand out from it.
    const MapGround ground{rgb(0xF6, 0xF3, 0xEC), rgb(0xF6, 0xF3, 0xEC)};
    const LineColours night =
        night_line_colours({rgb(0x80, 0x80, 0x80), rgb(0x20, 0x20, 0x20)}, ground, 70);
    EXPECT_GE(contrast_between(night.core, ground.night), 3.0);
    EXPECT_GE(contrast_between(night.core, *night.casing), 3.0);
}

}  // namespace
}  // namespace quorvane
