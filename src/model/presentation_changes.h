// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <utility>
#include <vector>

#include "model/theme.h"
#include "text/message_list.h"

namespace quorvane {

// Adds presentations: for each name, in the given order, appends a copy of every Element the
// theme held before, renamed to that presentation with its sort code recomputed, and appends the
// name to the presentation table.
void add_presentations(Theme& theme, const QStringList& adding, MessageList& messages);

// Removes presentations with all their Elements. An Element goes when its presentation (by rank,
// as the presentation list shows it) is named in `removing`; the others keep their order and
// every field. Returns the removed Elements with their places, first place first.
std::vector<std::pair<int, Element>> remove_presentations(Theme& theme,
                                                          const QStringList& removing);

}  // namespace quorvane
