#pragma once

#include "model/theme.h"

namespace quorvane {

// Rebuilds the theme's presentation table from its Elements: each rank once, in order of its
// first Element, under its standard name; the listed presentations become the same names.
void show_presentations(Theme& theme);

}  // namespace quorvane
