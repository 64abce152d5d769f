// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "preview/tile_drawing.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Element line(const QString& secondary_night) {
    Element e;
    e.field_name = QStringLiteral("MAP_ROAD_CLR");
    e.display_name = QStringLiteral("ROAD");
    e.presentation = QStringLiteral("GUIDANCE");
    e.scale = QStringLiteral("1");
    e.border = QStringLiteral(".6");
    e.primary_day = QStringLiteral("CECECE");
    e.secondary_day = QStringLiteral("0a0a0a");
    e.primary_night = QStringLiteral("aaFF00");
    e.secondary_night = secondary_night;
    return e;
}

Element polygon(const QString& day, const QString& night) {
    Element e;
    e.field_name = QStringLiteral("MAP_WATER_CLR");
    e.display_name = QStringLiteral("WATER");
    e.presentation = QStringLiteral("GUIDANCE");
    e.primary_day = day;
    e.primary_night = night;
    return e;
}

TEST(NightView, DrawsAPolygonInItsNightColourWhereTheDayFillWas) {
    const Element e = polygon(QStringLiteral("CECECE"), QStringLiteral("102040"));
    const TileDrawing day = tile_drawing(e, 38, PreviewLight::Day);
    const TileDrawing night = tile_drawing(e, 38, PreviewLight::Night);
    ASSERT_EQ(night.count, 1);
    EXPECT_EQ(night.fills[0].rect, day.fills[0].rect);
    EXPECT_EQ(night.fills[0].colour, QColor(0x10, 0x20, 0x40));
    EXPECT_EQ(day.fills[0].colour, QColor(0xCE, 0xCE, 0xCE));
}

TEST(NightView, PutsALinesNightSampleOnTopAndItsDaySampleGreyedBelow) {
    const struct {
        const char* secondary_night;
        QColor night_border;
    } cases[] = {{"DD0011", QColor(0xDD, 0x00, 0x11)}, {"", QColor(0, 0, 0)}};
    for (const auto& c : cases) {
        const Element e = line(QString::fromLatin1(c.secondary_night));
        const TileDrawing day = tile_drawing(e, 38, PreviewLight::Day);
        const TileDrawing night = tile_drawing(e, 38, PreviewLight::Night);
        ASSERT_EQ(night.count, 6);
        for (int k = 0; k < 6; ++k) {
            // The same bands in the same places; only the colours move.
            EXPECT_EQ(night.fills[size_t(k)].rect, day.fills[size_t(k)].rect) << k;
        }
        EXPECT_EQ(night.fills[0].colour, c.night_border) << c.secondary_night;
        EXPECT_EQ(night.fills[1].colour, QColor(0xAA, 0xFF, 0x00));
        EXPECT_EQ(night.fills[2].colour, c.night_border);
        EXPECT_EQ(night.fills[3].colour, greyed(QColor(0x0A, 0x0A, 0x0A)));
        EXPECT_EQ(night.fills[4].colour, greyed(QColor(0xCE, 0xCE, 0xCE)));
    }
}

TEST(NightView, DrawsAnUnreadableOrEmptyNightColourBlackAndLeavesTheElementAlone) {
    std::vector<Element> elements = {polygon(QStringLiteral("CECECE"), QStringLiteral("zz0000")),
                                     polygon(QStringLiteral("CECECE"), QString()),
                                     line(QStringLiteral("12"))};
    elements[2].primary_night = QStringLiteral("NIGHT!");
    const std::vector<Element> before = elements;
    EXPECT_EQ(tile_drawing(elements[0], 38, PreviewLight::Night).fills[0].colour, QColor(0, 0, 0));
    EXPECT_EQ(tile_drawing(elements[1], 38, PreviewLight::Night).fills[0].colour, QColor(0, 0, 0));
    const TileDrawing line_drawing = tile_drawing(elements[2], 38, PreviewLight::Night);
    EXPECT_EQ(line_drawing.fills[1].colour, QColor(0, 0, 0));
    // A short text reads padded ("000012", dark blue) without being padded itself.
    EXPECT_EQ(line_drawing.fills[0].colour, QColor(0, 0, 0x12));
    EXPECT_EQ(elements, before);
}

}  // namespace
}  // namespace quorvane
