// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>
#include <utility>
#include <vector>

#include "model/copied_style.h"
#include "model/style_fields.h"
#include "model/style_setters.h"
#include "model/theme.h"
#include "model/theme_edits.h"

namespace quorvane {

// Whether the values of a theme come back the same once it is saved and opened again. The file
// format cannot hold every text: a night colour is written only with its day colour, a border of
// 0 is left out, a quote or a line end cuts an attribute short, and the reader upper-cases what
// it matches on. The commands that write what a script gave refuse such values; each function
// says why in a sentence that starts with the value, or gives an empty text.

// A colour as a script gives it: RRGGBB or #RRGGBB, in either case. The six digits, or nothing.
std::optional<QString> given_colour(const QString& text);

// One of the six values of a style, with the rest of the style as it stands.
QString style_value_problem(const Element& e, StyleField field);
QString field_name_problem(const QString& field_name);
// A presentation's name; spaces around it are left out of the file and do not count.
QString presentation_problem(const QString& presentation);
// Each metadata field that would not come back as written. Empty description, locale and
// version are written as their defaults, and a version as its major and minor part: those count
// as coming back. A line end is refused too: the editor's one-line boxes cannot hold one. An
// empty title is for the save to refuse.
std::vector<std::pair<MetadataField, QString>> metadata_problems(const Metadata& metadata);

// The values a batch edit changed that would not come back the same, one sentence each naming
// the style: "GUIDANCE, MAP_ROAD_DIM_CLR, primary.night: ...".
QStringList unwritable_changes(const Theme& theme, const StyleChanges& changes);

// Why a style from the clipboard may not be pasted: its scale or border is not a number that
// comes back from the file as it is ("Border: a border of 0 is left out ..."); an empty text
// when it may. Its colours the clipboard text itself allows only as digits.
QString copied_style_problem(const CopiedStyle& copied);

// The value as a message quotes it: in double quotes, with control characters escaped.
QString quoted_value(const QString& text);

}  // namespace quorvane
