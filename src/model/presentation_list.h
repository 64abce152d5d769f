// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <vector>

#include "model/element.h"
#include "model/theme.h"

namespace quorvane {

// The standard names of the presentations the Elements belong to, each once, in the order their
// rank first appears in the table (rank order when the table is sorted).
QStringList presentations_in_table(const std::vector<Element>& elements);

// Rebuilds the theme's presentation table from the sort codes and lists those names in the main
// window's presentation list.
void relist_presentations(Theme& theme);

}  // namespace quorvane
