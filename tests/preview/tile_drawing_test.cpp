// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "preview/tile_drawing.h"

namespace quorvane {
namespace {

Element line(const QString& scale, const QString& border) {
    Element e;
    e.scale = scale;
    e.border = border;
    e.primary_day = QStringLiteral("CECECE");
    e.primary_night = QStringLiteral("aaFF00");
    e.secondary_day = QStringLiteral("0a0a0a");
    e.secondary_night = QStringLiteral("DD0011");
    return e;
}

std::vector<std::pair<double, double>> bands(const TileDrawing& d) {
    std::vector<std::pair<double, double>> out;
    for (int k = 0; k < d.count; ++k) {
        out.emplace_back(d.fills[size_t(k)].rect.top(), d.fills[size_t(k)].rect.bottom());
    }
    return out;
}

TEST(TileDrawing, DrawsALineAsDayAboveNightSamples) {
    const TileDrawing d = tile_drawing(line("1", ".6"), 38);
    ASSERT_EQ(d.count, 6);
    using B = std::vector<std::pair<double, double>>;
    EXPECT_EQ(bands(d),
              (B{{100, 136}, {136, 196}, {196, 232}, {382, 418}, {418, 478}, {478, 514}}));
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(d.fills[size_t(k)].rect.left(), 38);
        EXPECT_EQ(d.fills[size_t(k)].rect.right(), 738);
    }
    EXPECT_EQ(d.fills[0].colour, QColor(10, 10, 10));
    EXPECT_EQ(d.fills[1].colour, QColor(0xCE, 0xCE, 0xCE));
    EXPECT_EQ(d.fills[3].colour, QColor(0xDD, 0x00, 0x11));
    EXPECT_EQ(d.fills[4].colour, QColor(0xAA, 0xFF, 0x00));
}

TEST(TileDrawing, KeepsFractionsOfBandsAndRoundsTheNightTop) {
    // b = 15, s = 45: night starts at round(2 * 15 + 45 + 250) = 325.
    const TileDrawing d = tile_drawing(line(".75", ".25"), 38);
    EXPECT_EQ(d.fills[2].rect.bottom(), 100 + 15 + 45 + 15);
    EXPECT_EQ(d.fills[3].rect.top(), 325);
    // Halves go to the even neighbour: 311.5 -> 312, 314.5 -> 314.
    EXPECT_EQ(tile_drawing(line(".025", ".5"), 38).fills[3].rect.top(), 312);
    EXPECT_EQ(tile_drawing(line(".075", ".5"), 38).fills[3].rect.top(), 314);
}

TEST(TileDrawing, DrawsAPolygonAsItsDayFillPatch) {
    Element e;
    e.primary_day = QStringLiteral("CECECE");
    e.primary_night = QStringLiteral("FFE0C0");
    const TileDrawing d = tile_drawing(e, 38);
    ASSERT_EQ(d.count, 1);
    EXPECT_EQ(d.fills[0].rect, QRectF(QPointF(60, 60), QPointF(768, 730)));
    EXPECT_EQ(d.fills[0].colour, QColor(0xCE, 0xCE, 0xCE));
}

TEST(TileDrawing, EmptyBorderColoursDrawBlackAndStayEmpty) {
    Element e = line("1", ".6");
    e.secondary_day.clear();
    e.secondary_night.clear();
    const Element before = e;
    const TileDrawing d = tile_drawing(e, 38);
    EXPECT_EQ(d.fills[0].colour, QColor(0, 0, 0));
    EXPECT_EQ(d.fills[3].colour, QColor(0, 0, 0));
    EXPECT_EQ(e, before);
}

TEST(TileDrawing, ShortColoursArePaddedOnACopy) {
    Element e;
    e.primary_day = QStringLiteral("FF");  // 0000FF: blue
    const TileDrawing d = tile_drawing(e, 38);
    EXPECT_EQ(d.fills[0].colour, QColor(0, 0, 255));
    EXPECT_EQ(e.primary_day, "FF");
}

TEST(TileDrawing, ABorderOfZeroLeavesTheCoreBandAlone) {
    const TileDrawing d = tile_drawing(line("1", "0"), 38);
    EXPECT_EQ(d.fills[0].rect.height(), 0);
    EXPECT_EQ(d.fills[1].rect, QRectF(QPointF(38, 100), QPointF(738, 160)));
    EXPECT_EQ(d.fills[3].rect.top(), 310);
}

TEST(TileDrawing, UnreadableValuesDrawAsZeroAndBlack) {
    Element e = line("wide", "x");
    e.primary_day = QStringLiteral("GGGGGG");
    e.primary_night = QStringLiteral("-12345");
    const TileDrawing d = tile_drawing(e, 38);
    EXPECT_EQ(d.fills[1].rect.height(), 0);
    EXPECT_EQ(d.fills[1].colour, QColor(0, 0, 0));
    EXPECT_EQ(d.fills[4].colour, QColor(0, 0, 0));
    EXPECT_EQ(d.fills[3].rect.top(), 250);
}

TEST(TileDrawing, ReadsDecimalsWithAPoint) {
    EXPECT_EQ(read_decimal(".6"), 0.6);
    EXPECT_EQ(read_decimal(" 1.5 "), 1.5);
    EXPECT_EQ(read_decimal("1,5"), std::nullopt);
    EXPECT_EQ(read_decimal(""), std::nullopt);
    EXPECT_EQ(read_decimal("inf"), std::nullopt);
}

}  // namespace
}  // namespace quorvane
