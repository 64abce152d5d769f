#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

namespace quorvane {

// The colours the navigation device can show: every combination of 5 red, 6 green and 8 blue
// levels, then 14 greys. 254 cells in rows of 16; the last row has two empty places.
inline constexpr int kPaletteCellCount = 254;
inline constexpr int kPaletteColumns = 16;
inline constexpr int kPaletteLevelCells = 240;

// Geometry of the grid inside the palette frame, in twips: cell 0's corner and the cell size.
inline constexpr int kPaletteLeft = 744;
inline constexpr int kPaletteTop = 204;
inline constexpr int kPaletteCellSize = 192;

struct PaletteCell {
    int colour = 0;    // colour number
    QString tool_tip;  // "#RRGGBB"; empty for the greys
};

// Builds the palette: cell n = 40 * green level + 8 * red level + blue level, then the greys.
std::vector<PaletteCell> col256();

// Where cell i stands inside the palette frame, in twips.
QRect palette_cell_rect(int index);

// The whole grid: 16 columns by 16 rows of cells, in twips inside the palette frame.
QRect palette_grid_rect();

// The cell under a point given in twips inside the palette frame, or -1.
int palette_cell_at(QPoint twips);

}  // namespace quorvane
