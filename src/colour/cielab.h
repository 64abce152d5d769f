// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvane {

// Colour arithmetic in the terms of perception. Colours come and go as colour numbers (red in
// the lowest byte) in sRGB; CIELAB is relative to the D65 white of sRGB screens, 2° observer.

// A colour in linear light, each channel 0..1 when the colour lies inside sRGB.
struct LinearRgb {
    double red = 0;
    double green = 0;
    double blue = 0;
};

// A CIELAB colour: lightness 0..100 and the two opponent axes.
struct Lab {
    double l = 0;
    double a = 0;
    double b = 0;
};

// The same colour as lightness, chroma and hue angle in degrees (0..360).
struct Lch {
    double l = 0;
    double c = 0;
    double h = 0;
};

// One sRGB channel value 0..255 in linear light.
double linear_channel(int value);
// The channel value 0..255 whose light is nearest to `linear` (limited to 0..1).
int srgb_channel(double linear);

LinearRgb linear_rgb_of(int colour);
// Channels outside 0..1 are limited to it.
int colour_of_linear(const LinearRgb& rgb);

Lab lab_of(int colour);
Lab lab_of_linear(const LinearRgb& rgb);
LinearRgb linear_of_lab(const Lab& lab);
// The nearest colour number; a colour outside sRGB has its channels limited.
int colour_of_lab(const Lab& lab);

Lch lch_of(const Lab& lab);
Lab lab_of_lch(const Lch& lch);

// The lightness of a relative luminance (0..1), and back.
double lightness_of_luminance(double luminance);
double luminance_of_lightness(double lightness);

// Whether an sRGB screen can show the colour.
bool in_srgb_gamut(const Lab& lab);
// The colour of the same lightness and hue with as much of its chroma as sRGB can show; hue
// and lightness stay, so only the colourfulness gives way.
Lab within_srgb_gamut(const Lab& lab);

// The colour difference this program uses throughout, CIE76: the plain distance in CIELAB
// (about 2.3 is the least difference people notice side by side). It is preferred to CIEDE2000
// for two reasons. Being a true distance, it lets the nearest of the 254 device colours be
// found exactly by looking only at palette colours within reach in lightness; CIEDE2000 is no
// distance, needs every palette colour compared, and costs far more per comparison, while a
// theme of 30,000 styles holds up to 120,000 colours to snap in one step. And CIEDE2000's
// corrections were fitted to small differences between like samples (below about 5); the
// device's palette colours lie 5 to 20 apart, and two lines on a map must differ by more than
// that to be told apart, where the two formulas rank pairs much alike.
double delta_e(const Lab& first, const Lab& second);

// Relative luminance of a colour number, 0 (black) to 1 (white).
double relative_luminance(int colour);
// Contrast of two luminances as the web accessibility guidelines define it, 1 to 21.
double contrast_of_luminances(double first, double second);
double contrast_between(int first, int second);

}  // namespace quorvane
