// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/night_colours.h"

#include <algorithm>
#include <cmath>

#include "colour/cielab.h"

namespace quorvane {

namespace {

double share_of(int darkness) {
    return std::clamp(darkness, kLeastDarkness, kMostDarkness) / double(kMostDarkness);
}

double ground_lightness(double s) {
    return 30 - 26 * s;
}
double area_spread(double s) {
    return 0.85 - 0.35 * s;
}
double area_chroma(double s) {
    return 1 - 0.4 * s;
}
double line_chroma(double s) {
    return 1 - 0.2 * s;
}
// The mid-light band line colours are squeezed into.
double squeezed_line_lightness(double day_lightness, double s) {
    const double low = 50 - 15 * s;
    const double high = 90 - 25 * s;
    return low + (high - low) * std::clamp(day_lightness, 0.0, 100.0) / 100;
}

// A colour of this lightness with the day colour's hue and a share of its chroma, as much of it
// as the screen can show.
int coloured(double lightness, const Lab& day, double chroma_share) {
    return colour_of_lab(within_srgb_gamut(
        {std::clamp(lightness, 0.0, 100.0), day.a * chroma_share, day.b * chroma_share}));
}

// Rounding to channel values can cost a contrast a little: the targets are aimed a little
// higher, and a result still short is moved on in small steps.
constexpr double kTargetMargin = 1.005;
constexpr double kNudge = 0.25;
constexpr int kMostNudges = 40;

// The colour of lightness `lightness`, or of a lightness moved towards `direction` (+1 lighter,
// -1 darker) just far enough that its contrast with `against` (a luminance) reaches `target`.
int with_contrast(double lightness, int direction, double against, double target, const Lab& day,
                  double chroma_share) {
    int colour = coloured(lightness, day, chroma_share);
    for (int k = 0;
         k < kMostNudges && contrast_of_luminances(relative_luminance(colour), against) < target;
         ++k) {
        lightness += direction * kNudge;
        if (lightness < 0 || lightness > 100) {
            break;
        }
        colour = coloured(lightness, day, chroma_share);
    }
    return colour;
}

// The luminance nearest `wanted` that lies inside [low, high] and is at least `target` in
// contrast from `ground`, and the side of the ground it lies on (+1 above, -1 below).
struct Placed {
    double luminance;
    int direction;
};
Placed place_against_ground(double wanted, double low, double high, double ground, double target) {
    const double above = target * (ground + 0.05) - 0.05;  // the least far enough above
    const double below = (ground + 0.05) / target - 0.05;  // the most far enough below
    struct Interval {
        double from;
        double to;
        int direction;
    };
    const Interval options[] = {{std::max(above, low), high, +1}, {low, std::min(below, high), -1}};
    Placed best{std::clamp(wanted, low, high), wanted >= ground ? +1 : -1};
    double best_distance = 1e300;
    for (const Interval& i : options) {
        if (i.from > i.to) {
            continue;
        }
        const double y = std::clamp(wanted, i.from, i.to);
        if (std::abs(y - wanted) < best_distance) {
            best_distance = std::abs(y - wanted);
            best = {y, i.direction};
        }
    }
    return best;
}

}  // namespace

int night_ground_colour(int day_ground, int darkness) {
    // A tinted ground looks muddy that dark: it keeps half the chroma other areas keep.
    const double s = share_of(darkness);
    return coloured(ground_lightness(s), lab_of(day_ground), area_chroma(s) / 2);
}

int night_area_colour(int day_colour, const MapGround& ground, int darkness) {
    const double s = share_of(darkness);
    const Lab day = lab_of(day_colour);
    const double apart = std::abs(day.l - lab_of(ground.day).l);
    return coloured(lab_of(ground.night).l + apart * area_spread(s), day, area_chroma(s));
}

LineColours night_line_colours(const LineColours& day, const MapGround& ground, int darkness) {
    const double s = share_of(darkness);
    const double chroma = line_chroma(s);
    const Lab core_day = lab_of(day.core);
    const double core_y = relative_luminance(day.core);
    const double ground_day_y = relative_luminance(ground.day);
    const double ground_night_y = relative_luminance(ground.night);

    double visibility = contrast_of_luminances(core_y, ground_day_y);
    double casing_target = 1;
    bool casing_darker = true;
    if (day.casing) {
        const double casing_y = relative_luminance(*day.casing);
        visibility = std::max(visibility, contrast_of_luminances(casing_y, ground_day_y));
        casing_target = std::min(contrast_of_luminances(core_y, casing_y), kContrastKeptUpTo);
        casing_darker = casing_y <= core_y;
    }
    const double ground_target = std::min(visibility, kContrastKeptUpTo);

    // The core leaves room for its casing on the casing's side, even at black or white.
    double low = 0;
    double high = 1;
    if (day.casing) {
        const double target = casing_target * kTargetMargin;
        if (casing_darker) {
            low = target * 0.05 - 0.05;
        } else {
            high = 1.05 / target - 0.05;
        }
    }
    const double wanted = luminance_of_lightness(squeezed_line_lightness(core_day.l, s));
    const Placed core =
        place_against_ground(wanted, low, high, ground_night_y, ground_target * kTargetMargin);
    LineColours night;
    night.core = with_contrast(lightness_of_luminance(core.luminance), core.direction,
                               ground_night_y, ground_target, core_day, chroma);
    if (!day.casing) {
        return night;
    }

    const Lab casing_day = lab_of(*day.casing);
    const double core_night_y = relative_luminance(night.core);
    const double casing_wanted = luminance_of_lightness(squeezed_line_lightness(casing_day.l, s));
    const double target = casing_target * kTargetMargin;
    const double casing_y =
        casing_darker
            ? std::clamp(std::min(casing_wanted, (core_night_y + 0.05) / target - 0.05), 0.0, 1.0)
            : std::clamp(std::max(casing_wanted, target * (core_night_y + 0.05) - 0.05), 0.0, 1.0);
    night.casing = with_contrast(lightness_of_luminance(casing_y), casing_darker ? -1 : +1,
                                 core_night_y, casing_target, casing_day, chroma);
    return night;
}

}  // namespace quorvane
