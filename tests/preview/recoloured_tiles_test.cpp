// SPDX-License-Identifier: GPL-3.0-or-later
// Tiles drawn through the colour views (device palette, colour vision) and with a recolouring's
// proposed colours, while the theme stays as it is.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "colour/colour_values.h"
#include "colour/nearest_device_colour.h"
#include "model/recolouring.h"
#include "preview/preview_painter.h"

namespace quorvane {
namespace {

void ensure_gui_application() {
    static int argc = 1;
    static char name[] = "recoloured_tiles_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app =
        QGuiApplication::instance() == nullptr ? new QGuiApplication(argc, argv) : nullptr;
    (void)app;
}

TEST(RecolouredTiles, PatchesShowTheViewOfTheProposedOrOwnColour) {
    ensure_gui_application();
    Theme theme;
    Element water;
    water.presentation = QStringLiteral("GUIDANCE");
    water.field_name = QStringLiteral("MAP_WATER_CLR");
    water.primary_day = QStringLiteral("9CC9F0");
    theme.elements = {water};
    const Theme before = theme;
    PreviewFrame frame;
    const PreviewLayout layout = lay_out_preview(theme, frame);
    const TwipsPoint tile = layout.tile_positions[0];
    const QPoint patch(tile.x() / 15 + 20, tile.y() / 15 + 20);

    const int own = rgb(0x9C, 0xC9, 0xF0);
    const int proposed = rgb(0x10, 0x20, 0x30);
    const ReplaceColourOperation replace(theme, {0}, {own, proposed, {}});
    const struct {
        ColourView view;
        bool with_proposal;
        int expected;
    } cases[] = {
        {{}, false, own},
        {{}, true, proposed},
        {{ColourVision::Greyscale, false}, false, simulated_colour(own, ColourVision::Greyscale)},
        {{ColourVision::Normal, true}, false, nearest_device_colour(own)},
        {{ColourVision::Tritanopia, true},
         false,
         simulated_colour(nearest_device_colour(own), ColourVision::Tritanopia)},
        {{ColourVision::Protanopia, false},
         true,
         simulated_colour(proposed, ColourVision::Protanopia)},
    };
    for (const auto& c : cases) {
        QImage image(canvas_pixel_size(layout), QImage::Format_RGB32);
        QPainter painter(&image);
        PreviewLook look;
        look.colours = c.view;
        look.proposal = c.with_proposal ? &replace : nullptr;
        paint_preview(painter, theme, layout, image.rect(), {}, look);
        painter.end();
        EXPECT_EQ(colour_text(colour_number_of(image.pixelColor(patch))), colour_text(c.expected))
            << int(c.view.vision) << " " << c.view.device_colours << " " << c.with_proposal;
    }
    EXPECT_EQ(theme, before);
}

}  // namespace
}  // namespace quorvane
