#pragma once

#include <QStringList>

#include "model/theme.h"

namespace quorvane {

class Messages;

// Adds presentations: for each name, in the given order, appends a copy of every Element the
// theme held before, renamed to that presentation with its sort code recomputed, and appends the
// name to the presentation table. Marks the theme modified.
void add_presentations(Theme& theme, const QStringList& adding, Messages& messages);

// Removes presentations with all their Elements. An Element goes when its presentation (by rank,
// as the presentation list shows it) is named in `removing`; the others keep their order and
// every field. Marks the theme modified, also when nothing was removed.
void remove_presentations(Theme& theme, const QStringList& removing);

}  // namespace quorvane
