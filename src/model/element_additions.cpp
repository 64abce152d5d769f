// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/element_additions.h"

#include <QStringList>
#include <algorithm>

#include "model/element_catalogue.h"
#include "model/presentations.h"

namespace quorvane {

QString element_display_name(const QString& name) {
    QString display = name;
    display.replace(QLatin1Char('_'), QLatin1Char(' '));
    display.remove(QStringLiteral("CLR"));
    return display;
}

Element new_polygon(const QString& name, const QString& presentation, int rank) {
    Element e;
    e.sort_code = rank * 10;
    e.field_name = catalogue_field_name(name);
    e.display_name = element_display_name(name);
    e.presentation = presentation;
    e.primary_day = QStringLiteral("CECECE");
    e.primary_night = QStringLiteral("FFE0C0");
    return e;
}

Element new_line(const QString& name, const QString& presentation, int rank) {
    Element e;
    e.sort_code = rank * 10 + 1;
    e.field_name = catalogue_field_name(name);
    e.display_name = element_display_name(name);
    e.presentation = presentation;
    e.scale = QStringLiteral("1");
    e.border = QStringLiteral(".6");
    e.primary_day = QStringLiteral("CECECE");
    e.primary_night = QStringLiteral("aaFF00");
    e.secondary_day = QStringLiteral("0a0a0a");
    e.secondary_night = QStringLiteral("DD0011");
    return e;
}

void sort_elements(std::vector<Element>& elements, std::vector<int>* origin) {
    const auto by_code = [](const Element& a, const Element& b) {
        return a.sort_code < b.sort_code;
    };
    const int count = static_cast<int>(elements.size());
    if (origin != nullptr) {
        origin->resize(size_t(count));
        for (int i = 0; i < count; ++i) {
            (*origin)[size_t(i)] = i;
        }
    }
    // A table that is already in order (the usual case) is left untouched.
    if (std::is_sorted(elements.begin(), elements.end(), by_code)) {
        return;
    }
    std::vector<int> order(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        order[size_t(i)] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return elements[size_t(a)].sort_code < elements[size_t(b)].sort_code;
    });
    std::vector<Element> sorted;
    sorted.reserve(size_t(count));
    for (int from : order) {
        sorted.push_back(std::move(elements[size_t(from)]));
    }
    elements = std::move(sorted);
    if (origin != nullptr) {
        *origin = std::move(order);
    }
}

namespace {

// Appends one Element per picked name (empty names skipped), unsorted.
void append_picked_elements(Theme& theme, const ElementPick& pick) {
    if (pick.presentation.isEmpty()) {
        return;
    }
    for (const QString& name : pick.polygons) {
        if (!name.isEmpty()) {
            theme.elements.push_back(new_polygon(name, pick.presentation, pick.rank));
        }
    }
    for (const QString& name : pick.lines) {
        if (!name.isEmpty()) {
            theme.elements.push_back(new_line(name, pick.presentation, pick.rank));
        }
    }
}

}  // namespace

int add_picked_elements(Theme& theme, const ElementPick& pick, std::vector<int>* origin) {
    return add_picked_elements(theme, std::vector<ElementPick>{pick}, origin);
}

int add_picked_elements(Theme& theme, const std::vector<ElementPick>& picks,
                        std::vector<int>* origin) {
    const int before = theme.element_count();
    for (const ElementPick& pick : picks) {
        append_picked_elements(theme, pick);
    }
    const int added = theme.element_count() - before;
    if (added > 0) {
        sort_elements(theme.elements, origin);
        if (origin != nullptr) {
            for (int& from : *origin) {
                if (from >= before) {
                    from = -1;
                }
            }
        }
    }
    return added;
}

bool has_element(const Theme& theme, const QString& name, int rank) {
    // The exact field name: WATER is not present merely because MISC_WATER_AREA is.
    const QString field = catalogue_field_name(name);
    return std::any_of(theme.elements.begin(), theme.elements.end(), [&](const Element& e) {
        return rank_of(e.sort_code) == rank && e.field_name == field;
    });
}

}  // namespace quorvane
