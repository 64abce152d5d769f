// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/nearest_device_colour.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "colour/cielab.h"
#include "colour/device_palette.h"

namespace quorvane {

namespace {

struct PaletteLab {
    int colour;
    int index;  // in the palette: of equally near colours, the first wins
    Lab lab;
};

// The palette from darkest to lightest.
const std::vector<PaletteLab>& palette_by_lightness() {
    static const std::vector<PaletteLab> labs = [] {
        std::vector<PaletteLab> all;
        int index = 0;
        for (const PaletteCell& cell : device_palette()) {
            all.push_back({cell.colour, index++, lab_of(cell.colour)});
        }
        std::stable_sort(all.begin(), all.end(), [](const PaletteLab& a, const PaletteLab& b) {
            return a.lab.l < b.lab.l;
        });
        return all;
    }();
    return labs;
}

double squared_distance(const Lab& a, const Lab& b) {
    const double dl = a.l - b.l;
    const double da = a.a - b.a;
    const double db = a.b - b.b;
    return dl * dl + da * da + db * db;
}

}  // namespace

int nearest_device_colour_by_full_search(int colour) {
    const Lab lab = lab_of(colour);
    const PaletteLab* best = nullptr;
    double best_squared = 1e300;
    for (const PaletteLab& p : palette_by_lightness()) {
        const double d = squared_distance(lab, p.lab);
        if (d < best_squared || (d == best_squared && p.index < best->index)) {
            best_squared = d;
            best = &p;
        }
    }
    return best->colour;
}

int nearest_device_colour(int colour) {
    // Palette colours are visited outwards from the colour's lightness; once the lightness alone
    // differs by more than the nearest so far, nothing further that way can be nearer.
    const std::vector<PaletteLab>& palette = palette_by_lightness();
    const Lab lab = lab_of(colour);
    const auto start =
        std::lower_bound(palette.begin(), palette.end(), lab.l,
                         [](const PaletteLab& p, double lightness) { return p.lab.l < lightness; });
    const PaletteLab* best = nullptr;
    double best_squared = 1e300;
    const auto consider = [&](const PaletteLab& p) {
        const double dl = p.lab.l - lab.l;
        if (dl * dl > best_squared) {
            return false;
        }
        const double d = squared_distance(lab, p.lab);
        if (d < best_squared || (d == best_squared && p.index < best->index)) {
            best_squared = d;
            best = &p;
        }
        return true;
    };
    auto up = start;
    auto down = start;
    bool going_up = up != palette.end();
    bool going_down = down != palette.begin();
    while (going_up || going_down) {
        if (going_up) {
            going_up = consider(*up) && ++up != palette.end();
        }
        if (going_down) {
            --down;
            going_down = consider(*down) && down != palette.begin();
        }
    }
    return best->colour;
}

}  // namespace quorvane
