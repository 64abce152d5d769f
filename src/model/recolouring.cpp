// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/recolouring.h"

#include <QHash>
#include <algorithm>

#include "colour/colour_values.h"
#include "colour/nearest_device_colour.h"
#include "model/element_catalogue.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// Passes every colour text of the slots through `change` (colour number to colour number); a
// text that does not read, or whose colour stays, is kept as it is.
template <typename Change>
void change_slots(StyleColours& colours, const ColourSlots& colour_slots, Change change) {
    const auto one = [&change](QString& text) {
        if (const std::optional<int> colour = six_digit_colour(text)) {
            const int changed = change(*colour);
            if (changed != *colour) {
                text = colour_text(changed);
            }
        }
    };
    for (const bool night : {false, true}) {
        if (night ? !colour_slots.night : !colour_slots.day) {
            continue;
        }
        if (colour_slots.primary) {
            one(colours.primary(night));
        }
        if (colour_slots.secondary) {
            one(colours.secondary(night));
        }
    }
}

const QString& land_field_name() {
    static const QString name = catalogue_field_name(QStringLiteral("LAND"));
    return name;
}

// The ground's day colour when a presentation has no readable LAND colour: the device's white.
constexpr int kPlainGround = 0xFFFFFF;

}  // namespace

std::vector<int> all_elements(const Theme& theme) {
    std::vector<int> all(theme.elements.size());
    for (size_t k = 0; k < all.size(); ++k) {
        all[k] = int(k);
    }
    return all;
}

std::vector<int> presentation_elements(const Theme& theme, const QString& presentation) {
    const QStringView wanted = space_trimmed_view(presentation);
    std::vector<int> found;
    for (int k = 0; k < theme.element_count(); ++k) {
        if (space_trimmed_view(theme.elements[size_t(k)].presentation) == wanted) {
            found.push_back(k);
        }
    }
    return found;
}

ColourOperation::ColourOperation(const Theme& theme, const std::vector<int>& elements,
                                 RecolourKind kind)
    : theme_(theme), kind_(kind), in_scope_(theme.elements.size(), 0) {
    for (const int k : elements) {
        if (k >= 0 && k < theme.element_count()) {
            in_scope_[size_t(k)] = 1;
        }
    }
    for (int k = 0; k < theme.element_count(); ++k) {
        if (in_scope_[size_t(k)]) {
            elements_.push_back(k);
        }
    }
}

std::optional<StyleColours> ColourOperation::recoloured(int element) const {
    if (!in_scope(element) || element >= theme_.element_count()) {
        return std::nullopt;
    }
    const Element& e = theme_.elements[size_t(element)];
    StyleColours colours = recolour(e, element);
    if (colours == StyleColours::of(e)) {
        return std::nullopt;
    }
    return colours;
}

Recolouring ColourOperation::recolouring() const {
    Recolouring result;
    result.kind = kind_;
    for (const int k : elements_) {
        if (std::optional<StyleColours> colours = recoloured(k)) {
            result.styles.push_back({k, std::move(*colours)});
        }
    }
    return result;
}

ReplaceColourOperation::ReplaceColourOperation(const Theme& theme, const std::vector<int>& elements,
                                               const ColourReplacement& replacement)
    : ColourOperation(theme, elements, RecolourKind::ReplaceColour), replacement_(replacement) {}

StyleColours ReplaceColourOperation::recolour(const Element& e, int) const {
    StyleColours colours = StyleColours::of(e);
    change_slots(colours, replacement_.colour_slots, [this](int colour) {
        return colour == replacement_.from ? replacement_.to : colour;
    });
    return colours;
}

int ReplaceColourOperation::styles_using() const {
    int count = 0;
    for (const int k : elements()) {
        StyleColours colours = StyleColours::of(theme().elements[size_t(k)]);
        bool uses = false;
        change_slots(colours, replacement_.colour_slots, [this, &uses](int colour) {
            uses = uses || colour == replacement_.from;
            return colour;
        });
        count += uses ? 1 : 0;
    }
    return count;
}

AdjustColoursOperation::AdjustColoursOperation(const Theme& theme, const std::vector<int>& elements,
                                               const ColourAdjustment& adjustment,
                                               const ColourSlots& colour_slots)
    : ColourOperation(theme, elements, RecolourKind::AdjustColours),
      adjustment_(adjustment),
      slots_(colour_slots) {}

StyleColours AdjustColoursOperation::recolour(const Element& e, int) const {
    StyleColours colours = StyleColours::of(e);
    if (!adjustment_.is_identity()) {
        change_slots(colours, slots_,
                     [this](int colour) { return adjusted_colour(colour, adjustment_); });
    }
    return colours;
}

NightColoursOperation::NightColoursOperation(const Theme& theme, const std::vector<int>& elements,
                                             int darkness)
    : ColourOperation(theme, elements, RecolourKind::MakeNightColours),
      presentation_of_(theme.elements.size(), 0) {
    QHash<QStringView, int> numbers;
    const QString* last = nullptr;
    int current = -1;
    for (int k = 0; k < theme.element_count(); ++k) {
        const Element& e = theme.elements[size_t(k)];
        // The Elements of one presentation stand together: the name is looked up when it changes.
        if (last == nullptr || *last != e.presentation) {
            last = &e.presentation;
            const QStringView name = space_trimmed_view(e.presentation);
            auto it = numbers.find(name);
            if (it == numbers.end()) {
                it = numbers.insert(name, int(land_of_.size()));
                land_of_.push_back(-1);
            }
            current = it.value();
        }
        presentation_of_[size_t(k)] = current;
        if (land_of_[size_t(current)] < 0 && e.field_name == land_field_name()) {
            land_of_[size_t(current)] = k;
        }
    }
    grounds_.resize(land_of_.size());
    set_darkness(darkness);
}

void NightColoursOperation::set_darkness(int darkness) {
    darkness_ = std::clamp(darkness, kLeastDarkness, kMostDarkness);
    for (size_t p = 0; p < land_of_.size(); ++p) {
        MapGround& ground = grounds_[p];
        const int land = land_of_[p];
        const Element* e = land >= 0 ? &theme().elements[size_t(land)] : nullptr;
        ground.day = kPlainGround;
        if (e != nullptr) {
            ground.day = six_digit_colour(e->primary_day).value_or(kPlainGround);
        }
        const std::optional<int> kept =
            e != nullptr && !in_scope(land) ? six_digit_colour(e->primary_night) : std::nullopt;
        ground.night = kept.value_or(night_ground_colour(ground.day, darkness_));
    }
}

StyleColours NightColoursOperation::recolour(const Element& e, int element) const {
    StyleColours colours = StyleColours::of(e);
    const MapGround& ground = grounds_[size_t(presentation_of_[size_t(element)])];
    const std::optional<int> primary = six_digit_colour(e.primary_day);
    const std::optional<int> secondary = six_digit_colour(e.secondary_day);
    const auto write = [](QString& text, int colour) {
        if (six_digit_colour(text) != colour) {
            text = colour_text(colour);
        }
    };
    if (e.is_polygon()) {
        const bool is_ground = element == land_of_[size_t(presentation_of_[size_t(element)])];
        if (primary) {
            write(colours.primary_night,
                  is_ground ? ground.night : night_area_colour(*primary, ground, darkness_));
        }
        if (secondary) {
            write(colours.secondary_night, night_area_colour(*secondary, ground, darkness_));
        }
        return colours;
    }
    if (!primary) {
        return colours;
    }
    const LineColours night = night_line_colours({*primary, secondary}, ground, darkness_);
    write(colours.primary_night, night.core);
    if (night.casing) {
        write(colours.secondary_night, *night.casing);
    }
    return colours;
}

SnapToPaletteOperation::SnapToPaletteOperation(const Theme& theme, const std::vector<int>& elements,
                                               const ColourSlots& colour_slots)
    : ColourOperation(theme, elements, RecolourKind::SnapToPalette), slots_(colour_slots) {}

StyleColours SnapToPaletteOperation::recolour(const Element& e, int) const {
    StyleColours colours = StyleColours::of(e);
    change_slots(colours, slots_, nearest_device_colour);
    return colours;
}

Recolouring replace_colour(const Theme& theme, const std::vector<int>& elements,
                           const ColourReplacement& replacement) {
    return ReplaceColourOperation(theme, elements, replacement).recolouring();
}

Recolouring adjust_colours(const Theme& theme, const std::vector<int>& elements,
                           const ColourAdjustment& adjustment, const ColourSlots& colour_slots) {
    return AdjustColoursOperation(theme, elements, adjustment, colour_slots).recolouring();
}

Recolouring make_night_colours(const Theme& theme, const std::vector<int>& elements, int darkness) {
    return NightColoursOperation(theme, elements, darkness).recolouring();
}

Recolouring snap_to_device_palette(const Theme& theme, const std::vector<int>& elements,
                                   const ColourSlots& colour_slots) {
    return SnapToPaletteOperation(theme, elements, colour_slots).recolouring();
}

int apply_recolouring(Theme& theme, const Recolouring& recolouring) {
    for (const RecolouredStyle& style : recolouring.styles) {
        style.colours.write_to(theme.elements[size_t(style.element)]);
    }
    return recolouring.count();
}

}  // namespace quorvane
