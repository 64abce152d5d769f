// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace quorvane {

// Night colours derived from day colours. The rule, in CIELAB lightness, chroma and hue:
//
// - The ground (the LAND area the map is drawn on) becomes the darkest colour of the night map:
//   lightness from 30 (darkness 0) down to 4 (darkness 100), its hue kept with half the chroma
//   other areas keep.
// - Every other area keeps its hue and lies above the night ground by a share of how far its
//   day lightness lay from the day ground (0.85 of it at darkness 0, 0.5 at 100): areas light
//   by day become dark, and areas that stood apart from the ground by day still do.
// - A line's core and casing keep their hues; their day lightness 0..100 is squeezed into a
//   mid-light band (50..90 at darkness 0, 35..65 at 100), so cores stay mid-light on the dark
//   ground and keep their day order.
// - Then two contrasts (as the web accessibility guidelines measure them) are made good: the
//   line against the night ground at least as much as the more visible of core and casing
//   against the day ground, and the core against its casing at least as much as by day, each up
//   to 3:1. The core moves only as far as needed, and the casing stays on the side of the core
//   (darker or lighter) it had by day.
// - Chroma shrinks with darkness (areas to 0.6 of it at darkness 100, lines to 0.8), and then
//   as far as the screen needs at the new lightness.
//
// A plain inversion of lightness would turn white road cores black and lose their contrast
// with the ground; this rule keeps the day map's hierarchy readable on a dark screen.

inline constexpr int kLeastDarkness = 0;
inline constexpr int kMostDarkness = 100;
inline constexpr int kDefaultDarkness = 70;
// Contrasts are kept as they were by day up to this ratio: enough to read at a glance.
inline constexpr double kContrastKeptUpTo = 3.0;

// The map's ground by day and by night (colour numbers).
struct MapGround {
    int day = 0;
    int night = 0;
};

// The night colour of the ground itself, from its day colour.
int night_ground_colour(int day_ground, int darkness);

// The night colour of an area on `ground`.
int night_area_colour(int day_colour, const MapGround& ground, int darkness);

// A line's colours: its core and, when it has one, its casing.
struct LineColours {
    int core = 0;
    std::optional<int> casing;

    friend bool operator==(const LineColours&, const LineColours&) = default;
};

// The night colours of a line drawn on `ground`.
LineColours night_line_colours(const LineColours& day, const MapGround& ground, int darkness);

}  // namespace quorvane
