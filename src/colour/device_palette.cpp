// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/device_palette.h"

#include <QStringList>

#include "colour/colour_values.h"
#include "colour/device_levels.h"

namespace quorvane {

namespace {

int hex_value(const QString& digits) {
    return read_hex_literal(QStringLiteral("&H") + digits).value_or(0);
}

}  // namespace

std::vector<PaletteCell> device_palette() {
    std::vector<PaletteCell> cells(kPaletteCellCount);
    int n = 0;
    for (const QString& g : green_levels()) {
        for (const QString& r : red_levels()) {
            for (const QString& b : blue_levels()) {
                cells[n].tool_tip = QStringLiteral("#") + (r + g + b).toUpper();
                // Blue, green, red order spells the colour number.
                cells[n].colour = hex_value(b + g + r);
                ++n;
            }
        }
    }
    for (const QString& grey : device_greys()) {
        cells[n].colour = hex_value(grey);
        ++n;
    }
    return cells;
}

}  // namespace quorvane
