// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "map/map_features.h"
#include "preview/tile_drawing.h"

namespace quorvane {

struct Element;
struct Theme;

// How one catalogue feature is drawn in the chosen presentation and light.
struct MapFeatureStyle {
    int element = -1;            // the Element that styles it; -1 when the theme has none
    bool drawn_as_line = false;  // the style has a border: a casing under a core
    QColor primary;              // the fill or the core
    QColor secondary;            // the casing
    double scale = 0;            // in style units; unreadable texts count as 0
    double border = 0;

    bool styled() const { return element >= 0; }
};

// The styles of every catalogue feature for one presentation, by day or by night: what the
// map needs from the theme, worked out once per change of the theme rather than per frame. The
// colours follow the preview's tiles: an unreadable colour is black, and so is an empty day
// casing.
struct MapStyles {
    QString presentation;
    PreviewLight light = PreviewLight::Day;
    std::vector<MapFeatureStyle> features;  // by MapFeature

    const MapFeatureStyle& of(MapFeature feature) const { return features[size_t(feature)]; }
};

// How Element number `element` draws its feature.
MapFeatureStyle map_feature_style(const Element& e, int element, PreviewLight light);

// Each feature takes the first Element of `presentation` (upper case, spaces round it ignored,
// as the reader stores names) with its field name.
MapStyles map_styles(const Theme& theme, const QString& presentation, PreviewLight light);

// The presentation the map shows unless told otherwise: GUIDANCE when the theme has it, else
// the first the theme has, else GUIDANCE.
QString default_map_presentation(const Theme& theme);
bool has_presentation(const Theme& theme, const QString& presentation);

}  // namespace quorvane
