// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvane {

// One adjustment for many colours at once, worked in CIELAB lightness, chroma and hue so that
// a hue turn keeps each colour's lightness and a lightness step looks alike on every hue.
struct ColourAdjustment {
    int hue_shift = 0;   // degrees, -180..180, around the colour wheel
    int saturation = 0;  // -100 (grey) .. 100 (twice the chroma, as far as the screen goes)
    int lightness = 0;   // -100 (black) .. 100 (white): that share of the way there
    int contrast = 0;    // -100 (all mid-grey lightness) .. 100 (lightness twice as far from it)

    bool is_identity() const {
        return hue_shift == 0 && saturation == 0 && lightness == 0 && contrast == 0;
    }
    friend bool operator==(const ColourAdjustment&, const ColourAdjustment&) = default;
};

inline constexpr int kMostHueShift = 180;
inline constexpr int kMostAdjustment = 100;

// The colour number after the adjustment: hue turned, chroma scaled, lightness spread from or
// gathered to the middle by the contrast, then moved towards white or black. Chroma the screen
// cannot show gives way; the identity adjustment gives the colour back unchanged.
int adjusted_colour(int colour, const ColourAdjustment& adjustment);

}  // namespace quorvane
