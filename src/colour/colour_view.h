// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "colour/colour_vision.h"

namespace quorvane {

// How the theme's colours are shown, beyond the theme itself: as the device's palette would
// quantise them, and as a person with some colour vision would see that. Only views change;
// the theme never does.
struct ColourView {
    ColourVision vision = ColourVision::Normal;
    bool device_colours = false;

    bool is_plain() const { return vision == ColourVision::Normal && !device_colours; }
    friend bool operator==(const ColourView&, const ColourView&) = default;
};

// What a theme colour looks like in the view: first the device's nearest palette colour, then
// through the colour vision. Every picture of the theme (tiles, map) draws its colours through
// this.
int viewed_colour(int colour, const ColourView& view);
QColor viewed_colour(const QColor& colour, const ColourView& view);

}  // namespace quorvane
