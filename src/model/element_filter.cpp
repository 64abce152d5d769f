// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/element_filter.h"

#include "text/ascii_text.h"

namespace quorvane {

bool element_matches(const Element& e, QStringView upper_text) {
    return contains_ascii_upper(e.field_name, upper_text) ||
           contains_ascii_upper(e.display_name, upper_text);
}

void ElementFilter::set_text(const Theme& theme, const QString& text) {
    text_ = text;
    matches_.clear();
    matching_.clear();
    if (text_.isEmpty()) {
        return;
    }
    const QString upper = ascii_upper(text_);
    const int count = theme.element_count();
    matches_.assign(size_t(count), false);
    for (int i = 0; i < count; ++i) {
        if (element_matches(theme.elements[size_t(i)], upper)) {
            matches_[size_t(i)] = true;
            matching_.push_back(i);
        }
    }
}

}  // namespace quorvane
