// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_styles.h"

#include <QHash>
#include <algorithm>

#include "model/element_catalogue.h"
#include "model/presentations.h"
#include "model/theme.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// Widths beyond this many style units are held there: wider than any screen at any zoom.
constexpr double kWidestStyle = 100;

double style_units(const QString& text) {
    return std::clamp(read_decimal(text).value_or(0), 0.0, kWidestStyle);
}

QString wanted_name(const QString& presentation) {
    return ascii_upper(space_trimmed(presentation));
}

}  // namespace

MapStyles map_styles(const Theme& theme, const QString& presentation, PreviewLight light) {
    MapStyles styles;
    styles.presentation = wanted_name(presentation);
    styles.light = light;
    styles.features.resize(size_t(map_feature_count()));
    QHash<QString, MapFeature> by_field;
    for (MapFeature f = 0; f < map_feature_count(); ++f) {
        by_field.insert(catalogue_field_name(map_feature_name(f)), f);
    }
    for (int k = 0; k < theme.element_count(); ++k) {
        const Element& e = theme.elements[size_t(k)];
        if (space_trimmed_view(e.presentation) != styles.presentation) {
            continue;
        }
        const auto found = by_field.constFind(e.field_name);
        if (found == by_field.constEnd() || styles.features[size_t(*found)].styled()) {
            continue;
        }
        styles.features[size_t(*found)] = map_feature_style(e, k, light);
    }
    return styles;
}

MapFeatureStyle map_feature_style(const Element& e, int element, PreviewLight light) {
    const bool night = light == PreviewLight::Night;
    MapFeatureStyle style;
    style.element = element;
    style.drawn_as_line = !e.is_polygon();
    style.primary = preview_colour(night ? e.primary_night : e.primary_day);
    style.secondary = night || !e.secondary_day.isEmpty()
                          ? preview_colour(night ? e.secondary_night : e.secondary_day)
                          : QColor(0, 0, 0);
    style.scale = style_units(e.scale);
    style.border = style_units(e.border);
    return style;
}

QString default_map_presentation(const Theme& theme) {
    const QString guidance = presentation_names().first();
    if (theme.elements.empty() || has_presentation(theme, guidance)) {
        return guidance;
    }
    return wanted_name(theme.elements.front().presentation);
}

bool has_presentation(const Theme& theme, const QString& presentation) {
    const QString wanted = wanted_name(presentation);
    return std::any_of(theme.elements.begin(), theme.elements.end(), [&](const Element& e) {
        return space_trimmed_view(e.presentation) == wanted;
    });
}

}  // namespace quorvane
