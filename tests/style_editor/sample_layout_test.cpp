// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "style_editor/sample_layout.h"

namespace quorvane {
namespace {

const QSizeF kSample(8256, 7332);

TEST(SampleLayout, LineWithScaleOneAndBorderPointSix) {
    const SampleLayout layout = lay_out_sample("1", ".6", kSample, false);
    EXPECT_FALSE(layout.polygon);
    EXPECT_EQ(layout.body, QRectF(200, 3666 - 400, 7856, 800));
    // The strips reach 60 twips into the body.
    EXPECT_EQ(layout.upper_strip, QRectF(200, 3266 - 480, 7856, 480 + 60));
    EXPECT_EQ(layout.lower_strip, QRectF(200, 3266 + 800 - 60, 7856, 480));
    EXPECT_EQ(layout.outline, QRectF(200, 3266 - 480, 7856, 800 + 2 * 480));
}

TEST(SampleLayout, HeightsAreWholeTwips) {
    EXPECT_EQ(sample_height("1"), 800);
    EXPECT_EQ(sample_height(".6"), 480);
    EXPECT_EQ(sample_height("0.0003125"), 0);  // 0.25
    EXPECT_EQ(sample_height("0.0009375"), 1);  // 0.75
    EXPECT_EQ(sample_height(""), 0);
    EXPECT_EQ(sample_height("abc"), 0);
    EXPECT_EQ(sample_height("1e300"), 0);
}

TEST(SampleLayout, NoScaleMakesAPolygonFillingTheSample) {
    for (const char* scale : {"", "x", "0"}) {
        const SampleLayout layout = lay_out_sample(scale, "", kSample, false);
        EXPECT_TRUE(layout.polygon) << scale;
        EXPECT_EQ(layout.body, QRectF(200, 200, 7856, 7332 - 400)) << scale;
    }
}

TEST(SampleLayout, PolygonModeIsNeverSwitchedOff) {
    const SampleLayout layout = lay_out_sample("1", ".6", kSample, true);
    EXPECT_TRUE(layout.polygon);
    EXPECT_EQ(layout.body.height(), 800);
}

TEST(SampleLayout, ClicksHitTheBodyOverTheStrips) {
    const SampleLayout line = lay_out_sample("1", ".6", kSample, false);
    EXPECT_EQ(sample_part_at(line, QPointF(1000, 3300)), SamplePart::Body);  // in the overlap
    EXPECT_EQ(sample_part_at(line, QPointF(1000, 2900)), SamplePart::Strip);
    EXPECT_EQ(sample_part_at(line, QPointF(1000, 4200)), SamplePart::Strip);
    EXPECT_EQ(sample_part_at(line, QPointF(100, 3666)), SamplePart::None);
    EXPECT_EQ(sample_part_at(line, QPointF(1000, 1000)), SamplePart::None);
    const SampleLayout polygon = lay_out_sample("", "", kSample, false);
    EXPECT_EQ(sample_part_at(polygon, QPointF(1000, 1000)), SamplePart::Body);
}

TEST(SampleLayout, MarkersBesideTheSelectedPart) {
    const SampleLayout line = lay_out_sample("1", ".6", kSample, false);
    const MarkerPlaces primary = sample_marker_places(line, true);
    EXPECT_TRUE(primary.first_shown);
    EXPECT_FALSE(primary.second_shown);
    EXPECT_EQ(primary.first_centre, 3666);
    const MarkerPlaces secondary = sample_marker_places(line, false);
    EXPECT_TRUE(secondary.first_shown);
    EXPECT_TRUE(secondary.second_shown);
    EXPECT_EQ(secondary.first_centre, line.upper_strip.center().y());
    EXPECT_EQ(secondary.second_centre, line.lower_strip.center().y());
    const MarkerPlaces none = sample_marker_places(lay_out_sample("", "", kSample, false), true);
    EXPECT_FALSE(none.first_shown);
    EXPECT_FALSE(none.second_shown);
}

}  // namespace
}  // namespace quorvane
