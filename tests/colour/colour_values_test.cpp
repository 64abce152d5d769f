// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "colour/colour_values.h"
#include "support/printers.h"

namespace quorvane {
namespace {

TEST(FlipColour, PadsTheCallersTextAndSwaps) {
    QString empty;
    EXPECT_EQ(pad_and_swap_red_blue(empty), "000000");
    EXPECT_EQ(empty, "000000");

    QString ff = QStringLiteral("FF");
    EXPECT_EQ(pad_and_swap_red_blue(ff), "FF0000");
    EXPECT_EQ(ff, "0000FF");

    QString text = QStringLiteral("A1B2C3");
    EXPECT_EQ(pad_and_swap_red_blue(text), "C3B2A1");
    QString back = pad_and_swap_red_blue(text);
    EXPECT_EQ(pad_and_swap_red_blue(back), "A1B2C3");

    QString longer = QStringLiteral("1234567");
    EXPECT_EQ(pad_and_swap_red_blue(longer), "673412");
    EXPECT_EQ(longer, "1234567");
}

TEST(ReadHex, ReadsEitherPrefixAndCase) {
    EXPECT_EQ(read_hex_literal(QStringLiteral("&h00FFaa")), 0x00FFAA);
    EXPECT_EQ(read_hex_literal(QStringLiteral("&HFF0000")), 0xFF0000);
    EXPECT_EQ(read_hex_literal(QStringLiteral("&hzz0000")), std::nullopt);
    EXPECT_EQ(read_hex_literal(QStringLiteral("&h")), std::nullopt);
    EXPECT_EQ(read_hex_literal(QStringLiteral("FF")), std::nullopt);
    EXPECT_EQ(read_hex_literal(QStringLiteral("&h+1")), std::nullopt);
}

TEST(ColourNumber, ConvertsBothWaysWithoutTouchingTheText) {
    const QString aa = QStringLiteral("aaFF00");
    EXPECT_EQ(colour_number(aa), 0x00FFAA);
    EXPECT_EQ(colour_number(QStringLiteral("FF")), 0xFF0000);  // short texts are blue
    EXPECT_EQ(colour_number(QStringLiteral("zz0000")), std::nullopt);
    EXPECT_EQ(rgb(255, 224, 192), 0x00C0E0FF);
    EXPECT_EQ(colour_text(rgb(255, 224, 192)), "FFE0C0");
    EXPECT_EQ(colour_text(255), "FF0000");
    EXPECT_EQ(colour_text(0), "000000");
    EXPECT_EQ(hex_digits(0xC0E0FF), "C0E0FF");
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
