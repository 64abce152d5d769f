// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/colour_adjustment.h"

#include <algorithm>

#include "colour/cielab.h"

namespace quorvane {

int adjusted_colour(int colour, const ColourAdjustment& adjustment) {
    if (adjustment.is_identity()) {
        return colour;
    }
    Lch lch = lch_of(lab_of(colour));
    lch.h += std::clamp(adjustment.hue_shift, -kMostHueShift, kMostHueShift);
    lch.c *= 1 + std::clamp(adjustment.saturation, -kMostAdjustment, kMostAdjustment) / 100.0;
    const double spread =
        1 + std::clamp(adjustment.contrast, -kMostAdjustment, kMostAdjustment) / 100.0;
    double l = std::clamp(50 + (lch.l - 50) * spread, 0.0, 100.0);
    const double towards =
        std::clamp(adjustment.lightness, -kMostAdjustment, kMostAdjustment) / 100.0;
    l += towards > 0 ? (100 - l) * towards : l * towards;
    lch.l = l;
    return colour_of_lab(within_srgb_gamut(lab_of_lch(lch)));
}

}  // namespace quorvane
