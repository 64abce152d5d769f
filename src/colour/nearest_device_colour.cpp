// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/nearest_device_colour.h"

#include <vector>

#include "colour/cielab.h"
#include "colour/device_palette.h"

namespace quorvane {

namespace {

struct PaletteLab {
    int colour;
    Lab lab;
};

const std::vector<PaletteLab>& palette_labs() {
    static const std::vector<PaletteLab> labs = [] {
        std::vector<PaletteLab> all;
        for (const PaletteCell& cell : device_palette()) {
            all.push_back({cell.colour, lab_of(cell.colour)});
        }
        return all;
    }();
    return labs;
}

}  // namespace

int nearest_device_colour_by_full_search(int colour) {
    const Lab lab = lab_of(colour);
    int best = 0;
    double best_difference = 1e300;
    for (const PaletteLab& p : palette_labs()) {
        const double d = delta_e_2000(lab, p.lab);
        if (d < best_difference) {
            best_difference = d;
            best = p.colour;
        }
    }
    return best;
}

int nearest_device_colour(int colour) {
    return nearest_device_colour_by_full_search(colour);
}

}  // namespace quorvane
