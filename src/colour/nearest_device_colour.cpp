// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/nearest_device_colour.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "colour/cielab.h"
#include "colour/device_palette.h"

namespace quorvane {

namespace {

double squared_distance(const Lab& a, const Lab& b) {
    const double dl = a.l - b.l;
    const double da = a.a - b.a;
    const double db = a.b - b.b;
    return dl * dl + da * da + db * db;
}

// CIELAB is cut into cubes; each cube lists the palette colours that can be the nearest for
// some colour inside it, so a search compares a colour with a handful of them only. A palette
// colour is listed when its least distance to the cube is no more than the greatest distance
// from the cube to the palette colour that is nearest at worst: the nearest for any colour inside
// cannot lie further than that one.
class PaletteCubes {
  public:
    PaletteCubes() {
        for (const PaletteCell& cell : device_palette()) {
            palette_.push_back({cell.colour, lab_of(cell.colour)});
        }
        for (int l = 0; l < kCubesL; ++l) {
            for (int a = 0; a < kCubesAb; ++a) {
                for (int b = 0; b < kCubesAb; ++b) {
                    list_cube({kLowL + l * kSide, kLowAb + a * kSide, kLowAb + b * kSide});
                }
            }
        }
        starts_.push_back(int(listed_.size()));
    }

    int nearest(const Lab& lab) const {
        const int cube = cube_of(lab);
        int best = -1;
        double best_squared = 0;
        for (int k = starts_[size_t(cube)]; k < starts_[size_t(cube) + 1]; ++k) {
            const int index = listed_[size_t(k)];
            const double d = squared_distance(lab, palette_[size_t(index)].lab);
            // Listed in palette order: of equally near colours the first stays.
            if (best < 0 || d < best_squared) {
                best = index;
                best_squared = d;
            }
        }
        return palette_[size_t(best)].colour;
    }

    int nearest_by_full_search(const Lab& lab) const {
        size_t best = 0;
        for (size_t k = 1; k < palette_.size(); ++k) {
            if (squared_distance(lab, palette_[k].lab) <
                squared_distance(lab, palette_[best].lab)) {
                best = k;
            }
        }
        return palette_[best].colour;
    }

  private:
    // The cubes cover more than sRGB reaches (L 0..100, a -87..99, b -108..95).
    static constexpr double kSide = 8;
    static constexpr double kLowL = 0;
    static constexpr double kLowAb = -128;
    static constexpr int kCubesL = 13;
    static constexpr int kCubesAb = 32;

    struct PaletteLab {
        int colour;
        Lab lab;
    };

    static int cube_index(double value, double low, int cubes) {
        return std::clamp(int((value - low) / kSide), 0, cubes - 1);
    }
    static int cube_of(const Lab& lab) {
        return (cube_index(lab.l, kLowL, kCubesL) * kCubesAb +
                cube_index(lab.a, kLowAb, kCubesAb)) *
                   kCubesAb +
               cube_index(lab.b, kLowAb, kCubesAb);
    }

    void list_cube(const Lab& low) {
        const double lows[3] = {low.l, low.a, low.b};
        const auto axes = [](const Lab& p) { return std::array<double, 3>{p.l, p.a, p.b}; };
        std::vector<double> least(palette_.size());
        double reach = 1e300;
        for (size_t k = 0; k < palette_.size(); ++k) {
            const std::array<double, 3> p = axes(palette_[k].lab);
            double near = 0;
            double far = 0;
            for (int axis = 0; axis < 3; ++axis) {
                const double from = lows[axis];
                const double to = from + kSide;
                const double outside = p[size_t(axis)] < from ? from - p[size_t(axis)]
                                       : p[size_t(axis)] > to ? p[size_t(axis)] - to
                                                              : 0;
                const double furthest =
                    std::max(std::abs(p[size_t(axis)] - from), std::abs(p[size_t(axis)] - to));
                near += outside * outside;
                far += furthest * furthest;
            }
            least[k] = near;
            reach = std::min(reach, far);
        }
        starts_.push_back(int(listed_.size()));
        for (size_t k = 0; k < palette_.size(); ++k) {
            if (least[k] <= reach) {
                listed_.push_back(std::uint8_t(k));
            }
        }
    }

    std::vector<PaletteLab> palette_;
    std::vector<int> starts_;           // per cube, where its list starts in listed_
    std::vector<std::uint8_t> listed_;  // palette numbers
};

const PaletteCubes& palette_cubes() {
    static const PaletteCubes cubes;
    return cubes;
}

}  // namespace

int nearest_device_colour(int colour) {
    return palette_cubes().nearest(lab_of(colour));
}

int nearest_device_colour_by_full_search(int colour) {
    return palette_cubes().nearest_by_full_search(lab_of(colour));
}

}  // namespace quorvane
