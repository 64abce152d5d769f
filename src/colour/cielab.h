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

// The CIEDE2000 colour difference. It is the one this program uses throughout: unlike the plain
// distance of CIE76 it weights lightness, chroma and hue as people see them, so a step among
// saturated blues or near-greys counts as much as an equally visible step anywhere else. That
// matters both for the nearest device colour and for telling when two colours look alike.
double delta_e_2000(const Lab& first, const Lab& second);

// Relative luminance of a colour number, 0 (black) to 1 (white).
double relative_luminance(int colour);
// Contrast of two luminances as the web accessibility guidelines define it, 1 to 21.
double contrast_of_luminances(double first, double second);
double contrast_between(int first, int second);

}  // namespace quorvane
