#include "colour/device_palette.h"

#include <QStringList>

#include "colour/colour_values.h"

namespace quorvane {

namespace {

// The device's channel levels, as two-digit hexadecimal texts.
const char* const kRedLevels = "00,39,7b,bd,ff";
const char* const kGreenLevels = "00,30,65,95,ca,ff";
const char* const kBlueLevels = "00,20,41,6a,8B,b4,d5,ff";
const char* const kGreys =
    "101010,202020,313131,414141,525252,626262,737373,"
    "838383,949494,a4a4a4,b4b4b4,c5c5c5,d5d5d5,e6e6e6";

int hex_value(const QString& digits) {
    return read_hex(QStringLiteral("&H") + digits).value_or(0);
}

}  // namespace

std::vector<PaletteCell> col256() {
    const QStringList red = QString::fromLatin1(kRedLevels).split(QLatin1Char(','));
    const QStringList green = QString::fromLatin1(kGreenLevels).split(QLatin1Char(','));
    const QStringList blue = QString::fromLatin1(kBlueLevels).split(QLatin1Char(','));
    const QStringList greys = QString::fromLatin1(kGreys).split(QLatin1Char(','));

    std::vector<PaletteCell> cells(kPaletteCellCount);
    int n = 0;
    for (const QString& g : green) {
        for (const QString& r : red) {
            for (const QString& b : blue) {
                cells[n].tool_tip = QStringLiteral("#") + (r + g + b).toUpper();
                // Blue, green, red order spells the colour number.
                cells[n].colour = hex_value(b + g + r);
                ++n;
            }
        }
    }
    for (const QString& grey : greys) {
        cells[n].colour = hex_value(grey);
        ++n;
    }
    return cells;
}

QRect palette_cell_rect(int index) {
    return QRect(kPaletteLeft + (index % kPaletteColumns) * kPaletteCellSize,
                 kPaletteTop + (index / kPaletteColumns) * kPaletteCellSize, kPaletteCellSize,
                 kPaletteCellSize);
}

QRect palette_grid_rect() {
    const int rows = (kPaletteCellCount + kPaletteColumns - 1) / kPaletteColumns;
    return QRect(kPaletteLeft, kPaletteTop, kPaletteColumns * kPaletteCellSize,
                 rows * kPaletteCellSize);
}

int palette_cell_at(QPoint twips) {
    const int x = twips.x() - kPaletteLeft;
    const int y = twips.y() - kPaletteTop;
    if (x < 0 || y < 0) {
        return -1;
    }
    const int column = x / kPaletteCellSize;
    const int row = y / kPaletteCellSize;
    if (column >= kPaletteColumns) {
        return -1;
    }
    const int index = row * kPaletteColumns + column;
    return index < kPaletteCellCount ? index : -1;
}

}  // namespace quorvane
