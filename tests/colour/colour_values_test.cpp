// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "colour/colour_values.h"
#include "support/printers.h"

namespace quorvane {
namespace {

TEST(ColourNumber, ReadsThemeTextsPaddedOrCut) {
    const struct {
        const char* text;
        std::optional<int> colour;
    } cases[] = {
        {"aaFF00", 0x00FFAA},
        {"A1B2C3", rgb(0xA1, 0xB2, 0xC3)},
        {"FF", 0xFF0000},  // short texts are padded with leading zeros: blue
        {"", 0},
        {"12345", rgb(0x01, 0x23, 0x45)},
        {"1234567", rgb(0x12, 0x34, 0x67)},  // of longer texts the first four and last two
        {"1234zz78", rgb(0x12, 0x34, 0x78)},
        {"12zz5678", std::nullopt},
        {"zz0000", std::nullopt},
        {"+1", std::nullopt},
        {"-FFFFF", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(colour_number(QString::fromLatin1(c.text)), c.colour) << c.text;
    }
    EXPECT_EQ(colour_number(QString::fromUtf8("\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11")),
              std::nullopt);
}

TEST(ColourNumber, WritesSixUpperCaseDigits) {
    EXPECT_EQ(rgb(255, 224, 192), 0x00C0E0FF);
    EXPECT_EQ(colour_text(rgb(255, 224, 192)), "FFE0C0");
    EXPECT_EQ(colour_text(255), "FF0000");
    EXPECT_EQ(colour_text(0), "000000");
    for (const int colour : {0, 1, 0xABCDEF, 0xFFFFFF, rgb(7, 8, 9)}) {
        EXPECT_EQ(colour_number(colour_text(colour)), colour) << colour;
    }
}

TEST(TypedColour, TakesSixHexDigitsWithOrWithoutAHashInEitherCase) {
    const struct {
        const char* typed;
        std::optional<int> colour;
    } cases[] = {
        {"FF0000", rgb(255, 0, 0)},
        {"#FF0000", rgb(255, 0, 0)},
        {"#ff8000", rgb(255, 128, 0)},
        {"00fF80", rgb(0, 255, 128)},
        {"  #0a0B0c ", rgb(10, 11, 12)},
        {"000000", 0},
        {"", std::nullopt},
        {"#", std::nullopt},
        {"FF00", std::nullopt},      // too short: typed texts are never padded
        {"FF000000", std::nullopt},  // too long
        {"GG0000", std::nullopt},
        {"##FF0000", std::nullopt},
        {"FF 000", std::nullopt},
        {"0xFF00", std::nullopt},
        {"-FFFFF", std::nullopt},
        {"&hFF00", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(typed_colour(QString::fromLatin1(c.typed)), c.colour) << c.typed;
    }
    // Full-width digits look like digits but are none.
    EXPECT_EQ(typed_colour(QString::fromUtf8("\uFF11\uFF11\uFF11\uFF11\uFF11\uFF11")),
              std::nullopt);
}

TEST(split_channels, SplitsChannels) {
    int r = -1, g = -1, b = -1;
    split_channels(0x00C0E0FF, r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 224);
    EXPECT_EQ(b, 192);
    split_channels(0, r, g, b);
    EXPECT_EQ(r + g + b, 0);
}

}  // namespace
}  // namespace quorvane
