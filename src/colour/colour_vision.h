// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace quorvane {

// How a person sees colours: with normal colour vision, with one of the three kinds of
// dichromacy (one type of cone missing), or without any colour at all (greyscale).
enum class ColourVision { Normal, Protanopia, Deuteranopia, Tritanopia, Greyscale };

// The dichromacies, for which a theme's lines should stay apart.
inline constexpr std::array kColourDeficiencies{
    ColourVision::Protanopia, ColourVision::Deuteranopia, ColourVision::Tritanopia};

// The colour number a person with that colour vision perceives as they see `colour`: shown on
// a screen with normal vision, the result looks to everyone as `colour` looks to them. Normal
// gives the colour back unchanged.
int simulated_colour(int colour, ColourVision vision);

}  // namespace quorvane
