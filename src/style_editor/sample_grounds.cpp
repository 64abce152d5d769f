// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_editor/sample_grounds.h"

#include "colour/colour_values.h"
#include "model/element_catalogue.h"
#include "model/presentations.h"

namespace quorvane {

SampleGrounds sample_grounds(const Theme& theme, const Element& element, SampleGrounds canvas) {
    static const QString land = catalogue_field_name(QStringLiteral("LAND"));
    const int rank = rank_of(element.sort_code);
    for (const Element& e : theme.elements) {
        if (e.field_name != land || rank_of(e.sort_code) != rank) {
            continue;
        }
        // An empty text reads as black but names no colour.
        const auto colour_or = [](const QString& text, int otherwise) {
            return text.isEmpty() ? otherwise : colour_number(text).value_or(otherwise);
        };
        return {colour_or(e.primary_day, canvas.day), colour_or(e.primary_night, canvas.night)};
    }
    return canvas;
}

}  // namespace quorvane
