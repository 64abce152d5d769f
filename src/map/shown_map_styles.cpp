// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/shown_map_styles.h"

#include "model/element_catalogue.h"
#include "model/recolouring.h"
#include "model/theme.h"
#include "text/ascii_text.h"

namespace quorvane {

QStringList map_presentations(const Theme& theme) {
    QStringList names;
    for (const Element& e : theme.elements) {
        const QString name = ascii_upper(space_trimmed(e.presentation));
        // Elements of one presentation stand together: the last name is the one to compare.
        if (names.isEmpty() || (names.last() != name && !names.contains(name))) {
            names.append(name);
        }
    }
    if (names.isEmpty()) {
        names.append(default_map_presentation(theme));
    }
    return names;
}

std::vector<int> map_feature_elements(const Theme& theme, const QString& presentation,
                                      MapFeature feature) {
    std::vector<int> found;
    if (feature == kNoMapFeature) {
        return found;
    }
    const QString wanted = ascii_upper(space_trimmed(presentation));
    const QString field = catalogue_field_name(map_feature_name(feature));
    for (int k = 0; k < theme.element_count(); ++k) {
        const Element& e = theme.elements[size_t(k)];
        if (e.field_name == field && space_trimmed_view(e.presentation) == wanted) {
            found.push_back(k);
        }
    }
    return found;
}

MapStyles shown_map_styles(const Theme& theme, MapStyles styles, const ColourOperation* proposal,
                           const ColourView& view) {
    for (MapFeatureStyle& style : styles.features) {
        if (!style.styled()) {
            continue;
        }
        if (proposal != nullptr) {
            if (const std::optional<StyleColours> colours = proposal->recoloured(style.element)) {
                Element proposed = theme.elements[size_t(style.element)];
                colours->write_to(proposed);
                style = map_feature_style(proposed, style.element, styles.light);
            }
        }
        if (!view.is_plain()) {
            style.primary = viewed_colour(style.primary, view);
            style.secondary = viewed_colour(style.secondary, view);
        }
    }
    return styles;
}

}  // namespace quorvane
