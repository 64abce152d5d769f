// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/element_search.h"

#include "model/element_filter.h"
#include "text/ascii_text.h"

namespace quorvane {

int ElementSearch::find(const Theme& theme, const QString& text) {
    const QString wanted = ascii_upper(text);
    const int count = theme.element_count();
    auto search_from = [&](int from) {
        for (int i = from; i < count; ++i) {
            if (element_matches(theme.elements[size_t(i)], wanted)) {
                return i;
            }
        }
        return -1;
    };
    int hit = search_from(position_);
    if (hit < 0 && position_ > 0) {
        position_ = 0;
        hit = search_from(0);
    }
    if (hit >= 0) {
        position_ = hit + 1;
    }
    if (position_ > count - 1) {
        position_ = 0;
    }
    return hit;
}

}  // namespace quorvane
