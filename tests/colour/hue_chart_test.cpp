// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "colour/colour_values.h"
#include "colour/hue_chart.h"

namespace quorvane {
namespace {

TEST(Spectrum, HueAcrossLightnessDown) {
    const QImage image = spectrum_image();
    ASSERT_EQ(image.size(), QSize(234, 237));
    // White along the top, black along the bottom, pure red at the left of the middle row.
    EXPECT_EQ(spectrum_colour_at(image, QPoint(0, 0)), rgb(255, 255, 255));
    EXPECT_EQ(spectrum_colour_at(image, QPoint(200, 0)), rgb(255, 255, 255));
    EXPECT_EQ(spectrum_colour_at(image, QPoint(117, 236)), rgb(0, 0, 0));
    int red = 0;
    int green = 0;
    int blue = 0;
    split_channels(spectrum_colour_at(image, QPoint(0, 118)), red, green, blue);
    EXPECT_GT(red, 250);
    EXPECT_LT(green, 5);
    EXPECT_LT(blue, 5);
    // A third of the way across the hue is green.
    split_channels(spectrum_colour_at(image, QPoint(78, 118)), red, green, blue);
    EXPECT_GT(green, 250);
    EXPECT_LT(red, 5);
}

TEST(Spectrum, PointsOffTheImageAreClamped) {
    const QImage image = spectrum_image();
    EXPECT_EQ(spectrum_colour_at(image, QPoint(-5, -5)), spectrum_colour_at(image, QPoint(0, 0)));
    EXPECT_EQ(spectrum_colour_at(image, QPoint(500, 500)),
              spectrum_colour_at(image, QPoint(233, 236)));
}

TEST(Spectrum, AnyPointsColourIsTheImagesPixelAtThatSize) {
    for (const QSize size : {QSize(234, 237), QSize(180, 150), QSize(400, 320)}) {
        const QImage image = spectrum_image(size);
        ASSERT_EQ(image.size(), size);
        for (const QPoint at : {QPoint(0, 0), QPoint(size.width() / 3, size.height() / 2),
                                QPoint(size.width() - 1, size.height() - 1), QPoint(-3, 900)}) {
            EXPECT_EQ(spectrum_colour(size, at), spectrum_colour_at(image, at));
        }
    }
}

}  // namespace
}  // namespace quorvane
