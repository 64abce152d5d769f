// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/device_palette.h"

#include "colour/colour_values.h"
#include "colour/device_levels.h"

namespace quorvane {

std::vector<PaletteCell> device_palette() {
    std::vector<PaletteCell> cells;
    cells.reserve(kPaletteCellCount);
    for (const int green : kGreenLevels) {
        for (const int red : kRedLevels) {
            for (const int blue : kBlueLevels) {
                const int colour = rgb(red, green, blue);
                cells.push_back({colour, QStringLiteral("#") + colour_text(colour)});
            }
        }
    }
    for (const int grey : kDeviceGreys) {
        cells.push_back({rgb(grey, grey, grey), QString()});
    }
    return cells;
}

}  // namespace quorvane
