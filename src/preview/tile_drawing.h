// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>

#include "model/element.h"
#include "text/ascii_text.h"

namespace quorvane {

// How the preview is lit. Day shows what the device shows by day; Night shows the night colours
// first, on a dark canvas, with a line's day sample greyed below its night one.
enum class PreviewLight { Day, Night };

// One filled rectangle of a tile, in twips from the tile's top-left corner.
struct TileFill {
    QRectF rect;
    QColor colour;

    friend bool operator==(const TileFill&, const TileFill&) = default;
};

// What one tile shows: a polygon's fill patch, or a line's two samples one above the other, each
// a core band between two border bands.
struct TileDrawing {
    std::array<TileFill, 6> fills;
    int count = 0;
};

// The colour a colour text draws in. The text itself is never changed: a short text is padded on a
// copy, an empty one draws black, and one that does not read as a colour draws black too.
QColor preview_colour(const QString& colour_text);

// A colour turned into a dim grey of its own lightness, for the day sample in Night view: it
// stays legible but gives way to the night colours.
QColor greyed(const QColor& colour);

// The fills of Element `e`'s tile, for samples starting `sample_offset` from the tile's left edge.
// By day: a polygon's day fill, or a line's day sample above its night sample. By night: a
// polygon's night fill, or a line's night sample above its day sample greyed. An unreadable
// scale or border counts as 0.
TileDrawing tile_drawing(const Element& e, int sample_offset,
                         PreviewLight light = PreviewLight::Day);

}  // namespace quorvane
