// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/shades.h"

#include <algorithm>
#include <optional>
#include <span>

#include "colour/colour_values.h"
#include "colour/device_levels.h"

namespace quorvane {

namespace {

struct ChannelStep {
    int top = 0;     // new channel value of the top-row cell
    int bottom = 0;  // new channel value of the bottom-row cell
};

// The neighbouring levels of level `at`. At the lowest level the top row of red and blue holds
// the higher of the two new values; green keeps its nearer neighbour on top.
ChannelStep channel_step(std::span<const int> levels, size_t at, bool nearer_on_top) {
    if (at == 0) {
        return nearer_on_top ? ChannelStep{levels[1], levels[2]}
                             : ChannelStep{levels[2], levels[1]};
    }
    if (at + 1 < levels.size()) {
        return {levels[at + 1], levels[at - 1]};
    }
    return {levels[at - 1], levels[at - 2]};
}

// Where a channel value stands among the levels; nothing when it is on none.
std::optional<size_t> level_of(std::span<const int> levels, int value) {
    const auto found = std::find(levels.begin(), levels.end(), value);
    if (found == levels.end()) {
        return std::nullopt;
    }
    return size_t(found - levels.begin());
}

}  // namespace

ShadeCells shade_cells(int colour) {
    int red = 0;
    int green = 0;
    int blue = 0;
    split_channels(colour, red, green, blue);
    const std::optional<size_t> red_at = level_of(kRedLevels, red);
    const std::optional<size_t> green_at = level_of(kGreenLevels, green);
    const std::optional<size_t> blue_at = level_of(kBlueLevels, blue);

    ShadeCells cells;
    if (!red_at || !green_at || !blue_at) {
        cells.greyed_out = true;
        cells.colours.fill(rgb(kShadeGrey, kShadeGrey, kShadeGrey));
    } else {
        const ChannelStep g = channel_step(kGreenLevels, *green_at, true);
        cells.colours[4] = rgb(red, g.top, blue);
        cells.colours[5] = rgb(red, g.bottom, blue);
        const ChannelStep r = channel_step(kRedLevels, *red_at, false);
        cells.colours[1] = rgb(r.top, green, blue);
        cells.colours[3] = rgb(r.bottom, green, blue);
        const ChannelStep b = channel_step(kBlueLevels, *blue_at, false);
        cells.colours[0] = rgb(red, green, b.top);
        cells.colours[2] = rgb(red, green, b.bottom);
    }
    for (int k = 0; k < kShadeCellCount; ++k) {
        cells.tool_tips[size_t(k)] = QStringLiteral("#") + colour_text(cells.colours[size_t(k)]);
    }
    return cells;
}

}  // namespace quorvane
