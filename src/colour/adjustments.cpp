// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/adjustments.h"

#include <algorithm>

#include "colour/colour_values.h"

namespace quorvane {

namespace {

int channel_limit(int value) {
    return std::clamp(value, 0, 255);
}

int through(const ChannelTable& table, int colour, int add) {
    int red = 0;
    int green = 0;
    int blue = 0;
    split_channels(colour, red, green, blue);
    return rgb(channel_limit(table[red] + add), channel_limit(table[green] + add),
               channel_limit(table[blue] + add));
}

}  // namespace

ChannelTable brightness_table(int offset) {
    ChannelTable table{};
    for (int i = 0; i < 256; ++i) {
        table[i] = channel_limit(i + offset);
    }
    return table;
}

ChannelTable contrast_table(int mean, int amount) {
    ChannelTable table{};
    for (int i = 0; i < 256; ++i) {
        table[i] = channel_limit(i + (i - mean) * amount / 100);
    }
    return table;
}

int change_brightness_colour(int base, int offset) {
    return through(brightness_table(offset), base, 0);
}

int contrast_pivot(int shown, int offset) {
    int red = 0;
    int green = 0;
    int blue = 0;
    split_channels(shown, red, green, blue);
    return ((red + offset) + (green + offset) + (blue + offset)) / 3;
}

int change_contrast_colour(int base, int shown, int offset, int amount) {
    return through(contrast_table(contrast_pivot(shown, offset), amount), base, offset);
}

AdjustedColour adjust_colour(int base, int offset, int amount) {
    AdjustedColour result;
    result.brightened = change_brightness_colour(base, offset);
    result.adjusted = amount != 0 ? change_contrast_colour(base, result.brightened, offset, amount)
                                  : result.brightened;
    return result;
}

}  // namespace quorvane
