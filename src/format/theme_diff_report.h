// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

#include "model/theme_diff.h"

namespace quorvane {

// The differences as aligned text: the metadata, the presentations added or removed, then each
// presentation's styles marked + (added), - (removed) or ~ (changed, one line per field,
// old -> new), and a line that sums up. Nothing when the themes are the same. `colour` adds the
// terminal's colour codes.
QString theme_diff_text(const ThemeDiff& diff, bool colour);

// The same as one JSON object: "same", "reordered", "metadata", "presentations" and "styles",
// values as the dump writes them.
QJsonObject theme_diff_json(const ThemeDiff& diff);

}  // namespace quorvane
