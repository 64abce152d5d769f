// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace quorvane {

// Brightness offset and contrast amount both run from -255 to +255.
inline constexpr int kAdjustmentLimit = 255;

using ChannelTable = std::array<int, 256>;

// t[i] = i + offset, limited to 0..255.
ChannelTable brightness_table(int offset);

// u[i] = i + (i - mean) * amount / 100 (integer division toward zero), limited to 0..255.
ChannelTable contrast_table(int mean, int amount);

// Every channel of a colour number through the brightness table.
int change_brightness_colour(int base, int offset);

// The contrast pivot: the mean of the shown colour's channels, each with the brightness offset
// added, integer-divided by 3. The shown colour already carries the offset, so the offset
// counts once more here.
int contrast_pivot(int shown, int offset);

// Every channel of `base` through the contrast table around the pivot of `shown`, plus the
// brightness offset, limited to 0..255.
int change_contrast_colour(int base, int shown, int offset, int amount);

// What a brightness and contrast setting makes of a base colour: the brightness result (what the
// swatch shows first, and the contrast pivot's source) and the final colour.
struct AdjustedColour {
    int brightened = 0;
    int adjusted = 0;  // the contrast result, or the brightness result when the amount is 0
};
AdjustedColour adjust_colour(int base, int offset, int amount);

}  // namespace quorvane
