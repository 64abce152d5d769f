// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/style_colours.h"

#include <QCoreApplication>
#include <utility>

#include "model/theme.h"

namespace quorvane {

StyleColours StyleColours::of(const Element& element) {
    return {element.secondary_day, element.primary_day, element.secondary_night,
            element.primary_night};
}

void StyleColours::write_to(Element& element) const {
    element.primary_day = primary_day;
    element.secondary_day = secondary_day;
    element.primary_night = primary_night;
    element.secondary_night = secondary_night;
}

ElementStyle ElementStyle::of(const Element& element) {
    return {element.scale, element.border, StyleColours::of(element)};
}

void ElementStyle::write_to(Element& element) const {
    element.scale = scale;
    element.border = border;
    colours.write_to(element);
}

void reverse_colours(StyleColours& colours, bool night) {
    std::swap(colours.primary(night), colours.secondary(night));
}

int copy_style_to_all_presentations(Theme& theme, int current, MessageList& messages) {
    if (current < 0 || current >= theme.element_count()) {
        return 0;
    }
    const Element source = theme.elements[current];
    int n = 0;
    for (int j = 0; j < theme.element_count(); ++j) {
        Element& target = theme.elements[j];
        if (j == current || target.field_name != source.field_name) {
            continue;
        }
        ++n;
        ElementStyle::of(source).write_to(target);
    }
    tell_applied_to_others(n, messages);
    return n;
}

void tell_applied_to_others(int others, MessageList& messages) {
    if (others >= 1) {
        messages.add(
            QCoreApplication::translate("StyleColours", "Applied to %1 additional elements")
                .arg(others));
    }
}

}  // namespace quorvane
