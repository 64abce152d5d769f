// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/colour_adjustment.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "colour/cielab.h"

namespace quorvane {

int adjusted_colour(int colour, const ColourAdjustment& adjustment) {
    if (adjustment.is_identity()) {
        return colour;
    }
    const Lab lab = lab_of(colour);
    // Turning the hue and scaling the chroma is one rotation and scaling of the a-b plane.
    const double turn =
        std::clamp(adjustment.hue_shift, -kMostHueShift, kMostHueShift) * std::numbers::pi / 180;
    const double scale =
        1 + std::clamp(adjustment.saturation, -kMostAdjustment, kMostAdjustment) / 100.0;
    const double cos_turn = std::cos(turn) * scale;
    const double sin_turn = std::sin(turn) * scale;
    const double spread =
        1 + std::clamp(adjustment.contrast, -kMostAdjustment, kMostAdjustment) / 100.0;
    double l = std::clamp(50 + (lab.l - 50) * spread, 0.0, 100.0);
    const double towards =
        std::clamp(adjustment.lightness, -kMostAdjustment, kMostAdjustment) / 100.0;
    l += towards > 0 ? (100 - l) * towards : l * towards;
    return colour_of_lab(within_srgb_gamut(
        {l, lab.a * cos_turn - lab.b * sin_turn, lab.a * sin_turn + lab.b * cos_turn}));
}

}  // namespace quorvane
