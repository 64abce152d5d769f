// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <vector>

#include "colour/colour_view.h"
#include "map/map_styles.h"

namespace quorvane {

class ColourOperation;
struct Theme;

// The presentations a map of the theme can show: each one its Elements name, as the map
// compares names (upper case, no spaces round), in the theme's order; GUIDANCE alone for a
// theme without Elements.
QStringList map_presentations(const Theme& theme);

// The Elements that style `feature` in `presentation`, in the theme's order: the tiles a click
// on the feature selects. The first is the one the map draws with.
std::vector<int> map_feature_elements(const Theme& theme, const QString& presentation,
                                      MapFeature feature);

// The styles as the map shows them at this moment: where a recolouring is being tried out, its
// colours instead of the theme's for the styles it changes; then every colour as the colour
// view shows it (the device's palette, a colour vision). The theme stays as it is.
MapStyles shown_map_styles(const Theme& theme, MapStyles styles, const ColourOperation* proposal,
                           const ColourView& view);

}  // namespace quorvane
