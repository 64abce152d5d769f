#include "model/element_additions.h"

#include <QStringList>
#include <algorithm>

#include "model/presentations.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {


QString field_name_of(const QString& name) {
    return QStringLiteral("MAP_") + name + QStringLiteral("_CLR");
}

// Appends one Element per non-empty CR LF separated name; returns whether any was added.
template <typename Make>
bool append_names(std::vector<Element>& elements, const QString& names, Make make) {
    bool added = false;
    for (const QString& name : names.split(kCrLf)) {
        if (!name.isEmpty()) {
            elements.push_back(make(name));
            added = true;
        }
    }
    return added;
}

}  // namespace

QString element_display_name(const QString& name) {
    QString display = name;
    display.replace(QLatin1Char('_'), QLatin1Char(' '));
    display.remove(QStringLiteral("CLR"));
    return display;
}

Element new_polygon(const QString& name, const QString& presentation, int rank) {
    Element e;
    e.sort_code = rank * 10;
    e.field_name = field_name_of(name);
    e.display_name = element_display_name(name);
    e.presentation = presentation;
    e.primary_day = QStringLiteral("CECECE");
    e.primary_night = QStringLiteral("FFE0C0");
    return e;
}

Element new_line(const QString& name, const QString& presentation, int rank) {
    Element e;
    e.sort_code = rank * 10 + 1;
    e.field_name = field_name_of(name);
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

void sort_elements(std::vector<Element>& elements) {
    const auto by_code = [](const Element& a, const Element& b) {
        return a.sort_code < b.sort_code;
    };
    // A table that is already in order (the usual case) is left untouched.
    if (!std::is_sorted(elements.begin(), elements.end(), by_code)) {
        std::stable_sort(elements.begin(), elements.end(), by_code);
    }
}

void add_element(Theme& theme, PickedElements& picked) {
    // The rank is the first character's digit value; anything else counts as rank 0.
    int rank = 0;
    if (!picked.target.isEmpty()) {
        const int digit = picked.target.at(0).digitValue();
        rank = digit < 0 ? 0 : digit;
        picked.target = picked.target.mid(1);
    }
    const QString presentation = picked.target;
    if (presentation.isEmpty()) {
        return;
    }
    const bool polygons = append_names(theme.elements, picked.polygons, [&](const QString& name) {
        return new_polygon(name, presentation, rank);
    });
    const bool lines = append_names(theme.elements, picked.lines, [&](const QString& name) {
        return new_line(name, presentation, rank);
    });
    if (polygons || lines) {
        sort_elements(theme.elements);
        theme.modified = true;
    }
}

bool has_element(const Theme& theme, const QString& name, int rank) {
    // The exact field name: WATER is not present merely because MISC_WATER_AREA is.
    const QString field = field_name_of(name);
    return std::any_of(theme.elements.begin(), theme.elements.end(), [&](const Element& e) {
        return rank_of(e.sort_code) == rank && e.field_name == field;
    });
}

}  // namespace quorvane
