// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <vector>

#include "model/theme.h"
#include "model/theme_edits.h"

namespace quorvane {

// The key of a metadata field in the dump: "title", "description", "locale", "version".
QString metadata_json_key(MetadataField field);

// One reason a JSON text does not make a theme, and where it is.
struct JsonProblem {
    int line = 0;    // from 1
    int column = 0;  // from 1, in characters
    QString path;    // "elements[12].primary_day"; empty where the text is no JSON at all
    QString message;

    // "LINE:COLUMN: PATH: message", or "LINE:COLUMN: message" without a path.
    QString text() const;
    friend bool operator==(const JsonProblem&, const JsonProblem&) = default;
};

struct ThemeFromJson {
    Theme theme;
    // Empty when the theme is complete. Text that is not JSON stops the reading at its first
    // fault; otherwise every unknown key, wrong type and value the file cannot hold is listed.
    std::vector<JsonProblem> problems;
};

// The theme a UTF-8 JSON text describes, in the shape of theme_json: the "file" and "messages"
// keys are ignored, and a missing key takes the editor's default. An element needs "field_name"
// and "presentation"; its missing scale, border and colours are those the editor gives a new
// style of its kind (the catalogue's kind, or for another name a line when it has a border), its
// display name and sort code follow from the rest. Missing metadata texts are empty; missing
// "presentations" and "list" name the presentations in the order of the elements. Every value
// must come back the same once the theme is saved and opened again (see writable_values.h);
// colours are RRGGBB or #RRGGBB.
ThemeFromJson theme_from_json(QByteArrayView json);

}  // namespace quorvane
