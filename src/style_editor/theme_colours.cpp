#include "style_editor/theme_colours.h"

#include <algorithm>
#include <array>
#include <unordered_map>

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

}  // namespace

std::vector<ThemeColour> theme_colours(const Theme& theme, int limit) {
    std::vector<ThemeColour> used;  // in order of first use
    std::unordered_map<int, size_t> place;
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
            const auto [at, added] = place.try_emplace(*colour, used.size());
            if (added) {
                used.push_back(ThemeColour{*colour, 0});
            }
            ++used[at->second].styles;
        }
    }
    std::stable_sort(used.begin(), used.end(), [](const ThemeColour& a, const ThemeColour& b) {
        return a.styles > b.styles;
    });
    used.resize(std::min(used.size(), size_t(std::max(limit, 0))));
    return used;
}

}  // namespace quorvane
