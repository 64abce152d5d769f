// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/element.h"

namespace quorvane {

// Gives a new identity, counting up from `next`, to every Element that has none yet and to every
// Element that shares its identity with an Element before it (a copy: the first keeps it).
void give_identities(std::vector<Element>& elements, quint64& next);

}  // namespace quorvane
