// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/colour_vision.h"

#include "colour/cielab.h"

namespace quorvane {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// The dichromacy matrices of G. M. Machado, M. M. Oliveira and L. A. F. Fernandes, "A
// Physiologically-based Model for Simulation of Color Vision Deficiency", IEEE Transactions on
// Visualization and Computer Graphics 15(6), 1291-1298, 2009 (doi:10.1109/TVCG.2009.113), at
// severity 1.0. They act on linear-light RGB.
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                              {-0.078411, 0.930809, 0.147602},
                              {0.004733, 0.691367, 0.303900}}};

int through(const Matrix& m, int colour) {
    const LinearRgb c = linear_rgb_of(colour);
    const auto row = [&c](const std::array<double, 3>& r) {
        return r[0] * c.red + r[1] * c.green + r[2] * c.blue;
    };
    return colour_of_linear({row(m[0]), row(m[1]), row(m[2])});
}

}  // namespace

int simulated_colour(int colour, ColourVision vision) {
    switch (vision) {
        case ColourVision::Normal:
            break;
        case ColourVision::Protanopia:
            return through(kProtanopia, colour);
        case ColourVision::Deuteranopia:
            return through(kDeuteranopia, colour);
        case ColourVision::Tritanopia:
            return through(kTritanopia, colour);
        case ColourVision::Greyscale: {
            // The grey of the same luminance, so lightness and contrasts stay as they were.
            const int level = srgb_channel(relative_luminance(colour));
            return level + level * 256 + level * 65536;
        }
    }
    return colour;
}

}  // namespace quorvane
