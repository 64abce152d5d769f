// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_editor/theme_colours.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "colour/colour_values.h"

namespace quorvane {

namespace {

std::optional<int> colour_of(const QString& text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    // Nearly every text is six digits: read those without the general routine's copies.
    return text.size() == 6 ? typed_colour(text) : colour_number(text);
}

// Where each colour met so far is counted: an open-addressing table of colour numbers (24 bits,
// so -1 marks a free slot) to their place in the list of colours in order of first use. A theme
// can hold a hundred thousand distinct colours; one allocation serves them all.
class ColourPlaces {
  public:
    explicit ColourPlaces(size_t most) : slots_(std::bit_ceil(std::max<size_t>(most * 2, 16))) {}

    // The place of `colour`, or `next` when it is new (and is then remembered there).
    uint32_t place_of(int colour, uint32_t next) {
        const size_t mask = slots_.size() - 1;
        // Multiplicative hashing spreads the close numbers of similar colours.
        for (size_t at = (uint32_t(colour) * 2654435761u) & mask;; at = (at + 1) & mask) {
            Slot& slot = slots_[at];
            if (slot.colour == colour) {
                return slot.place;
            }
            if (slot.colour < 0) {
                slot = Slot{colour, next};
                return next;
            }
        }
    }

  private:
    struct Slot {
        int colour = -1;
        uint32_t place = 0;
    };
    std::vector<Slot> slots_;
};

}  // namespace

std::vector<ThemeColour> theme_colours(const Theme& theme, int limit) {
    std::vector<ThemeColour> used;  // in order of first use
    ColourPlaces places(theme.elements.size() * 4);
    for (const Element& e : theme.elements) {
        std::array<int, 4> seen{};
        int seen_count = 0;
        for (const QString* text :
             {&e.primary_day, &e.secondary_day, &e.primary_night, &e.secondary_night}) {
            const std::optional<int> colour = colour_of(*text);
            if (!colour || std::find(seen.begin(), seen.begin() + seen_count, *colour) !=
                               seen.begin() + seen_count) {
                continue;
            }
            seen[size_t(seen_count++)] = *colour;
            const uint32_t place = places.place_of(*colour, uint32_t(used.size()));
            if (place == used.size()) {
                used.push_back(ThemeColour{*colour, 0});
            }
            ++used[place].styles;
        }
    }
    // Only the first `limit` are wanted: a partial sort, equally used ones by first use.
    std::vector<uint32_t> order(used.size());
    for (uint32_t k = 0; k < order.size(); ++k) {
        order[k] = k;
    }
    const size_t wanted = std::min(order.size(), size_t(std::max(limit, 0)));
    std::partial_sort(
        order.begin(), order.begin() + ptrdiff_t(wanted), order.end(), [&](uint32_t a, uint32_t b) {
            return used[a].styles != used[b].styles ? used[a].styles > used[b].styles : a < b;
        });
    std::vector<ThemeColour> result;
    result.reserve(wanted);
    for (size_t k = 0; k < wanted; ++k) {
        result.push_back(used[order[k]]);
    }
    return result;
}

}  // namespace quorvane
