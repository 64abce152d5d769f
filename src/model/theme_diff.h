// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "model/style_colours.h"
#include "model/style_fields.h"
#include "model/theme.h"
#include "model/theme_edits.h"

namespace quorvane {

// What differs between two themes by meaning: the texts of the file, not its lines.

struct MetadataDifference {
    MetadataField field = MetadataField::Title;
    QString old_text;
    QString new_text;
    friend bool operator==(const MetadataDifference&, const MetadataDifference&) = default;
};

// A presentation only one of the themes has; its styles are not listed one by one.
struct PresentationDifference {
    QString name;  // without surrounding spaces
    bool added = false;
    int styles = 0;
    friend bool operator==(const PresentationDifference&, const PresentationDifference&) = default;
};

struct FieldDifference {
    StyleField field = StyleField::None;
    QString old_text;
    QString new_text;
    friend bool operator==(const FieldDifference&, const FieldDifference&) = default;
};

enum class StyleChange { Added, Removed, Changed };

// One feature of a presentation both themes have: added, removed or changed.
struct StyleDifference {
    StyleChange change = StyleChange::Changed;
    QString presentation;  // without surrounding spaces
    QString field_name;
    ElementStyle style;                   // added or removed: the style's values
    std::vector<FieldDifference> fields;  // changed: each field that differs, in kStyleFields order
    friend bool operator==(const StyleDifference&, const StyleDifference&) = default;
};

struct ThemeDiff {
    std::vector<MetadataDifference> metadata;
    std::vector<PresentationDifference> presentations;
    // Grouped by presentation (in the order the new theme has them), by field name within one.
    std::vector<StyleDifference> styles;
    // The same styles in another order, and nothing else differs.
    bool reordered = false;

    bool same() const {
        return metadata.empty() && presentations.empty() && styles.empty() && !reordered;
    }
};

// Compares `old_theme` with `new_theme`. A style is known by its presentation (spaces around the
// name ignored) and field name; a feature a presentation styles twice is paired in order. Colours
// compare as values, scales and borders as numbers; the display name and sort code, which follow
// from the rest, are not compared.
ThemeDiff diff_themes(const Theme& old_theme, const Theme& new_theme);

}  // namespace quorvane
