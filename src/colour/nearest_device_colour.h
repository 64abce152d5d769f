// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvane {

// The colour of the device palette nearest to `colour` in CIELAB (CIE76 colour
// difference); of
// equally near ones, the first in the palette. What the device shows for a colour it cannot.
int nearest_device_colour(int colour);

// The same found by comparing the colour with every palette colour: slow, for checking.
int nearest_device_colour_by_full_search(int colour);

}  // namespace quorvane
