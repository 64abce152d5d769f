#pragma once

#include <QRect>
#include <QString>
#include <array>

namespace quorvane {

// The six shade cells under the palette: per channel two variants of a colour with only that
// channel moved to a neighbouring device level. Cell numbers as laid out: red 1 (top) and 3,
// green 4 (top) and 5, blue 0 (top) and 2.
inline constexpr int kShadeCellCount = 6;
inline constexpr int kShadeCellSize = 264;
inline constexpr int kShadeGrey = 220;  // each channel of the grey-out colour

struct ShadeCells {
    std::array<int, kShadeCellCount> colours{};
    std::array<QString, kShadeCellCount> tool_tips;
    // True when a channel of the colour is on no level: all cells are grey and the palette's
    // selection marker is hidden.
    bool greyed_out = false;
};

// Computes the six cells around a colour number. A channel is looked up as a plain substring of
// its level string, so two digits that straddle two levels match too, and their neighbours are
// then read from that position as they stand; a neighbour that would lie before the start of the
// string, or past its end, cannot be read and its cell keeps its colour from `previous`.
ShadeCells shades_(int colour, const std::array<int, kShadeCellCount>& previous = {});

// Where shade cell k stands inside the palette frame, in twips.
QRect shade_cell_rect(int k);

enum class ShadeChannel { Red = 0, Green = 1, Blue = 2 };

// The left of the shade column of a channel, in twips inside the palette frame; its "*" head
// stands above it at kShadeHeadTop.
int shade_column_left(ShadeChannel channel);
inline constexpr int kShadeHeadTop = 3300;

}  // namespace quorvane
