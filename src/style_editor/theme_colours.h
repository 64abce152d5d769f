// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/theme.h"

namespace quorvane {

// A colour the theme uses, and in how many styles.
struct ThemeColour {
    int colour = 0;  // colour number
    int styles = 0;

    friend bool operator==(const ThemeColour&, const ThemeColour&) = default;
};

// How many of the theme's own colours the style editor offers.
inline constexpr int kThemeColourCount = 24;

// The colours in the four colour texts of the theme's styles, most used first (equally used ones
// in the order the theme first uses them), at most `limit`. A style counts once for a colour it
// uses twice; empty texts and texts that do not read as a colour count for nothing.
std::vector<ThemeColour> theme_colours(const Theme& theme, int limit = kThemeColourCount);

}  // namespace quorvane
