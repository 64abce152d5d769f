// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

namespace quorvane {

// The style editor's sample, in twips inside the sample picture: a line body with a border strip
// above and below, or a filled rectangle for a polygon. Its margin, how far each border strip
// reaches into the line body, and the height of one unit of scale or border:
inline constexpr int kSampleMargin = 200;
inline constexpr int kStripOverlap = 60;
inline constexpr int kTwipsPerSizeUnit = 800;

// A scale or border text as a drawing height: the number times 800, to whole twips; 0 when the
// text is empty or not a number.
int sample_height(const QString& text);

struct SampleLayout {
    bool polygon = false;  // drawn as a filled rectangle: no strips, no outline, no markers
    QRectF body;           // the line body, or the polygon's fill
    QRectF upper_strip;
    QRectF lower_strip;
    QRectF outline;  // around the body and both strips
};

// Lays the sample out. A scale giving height 0 makes it a polygon; `polygon_mode` once set stays
// set, so a polygon never turns back into a line.
SampleLayout lay_out_sample(const QString& scale_text, const QString& border_text, QSizeF sample,
                            bool polygon_mode);

enum class SamplePart { None, Body, Strip };

// What a click at a point of the sample hits; the body lies over the strips.
SamplePart sample_part_at(const SampleLayout& layout, QPointF twips);

// Vertical centres of the two ">" markers beside the selected part: with the primary slot one
// marker on the body, with the secondary slot one on each strip. Hidden for a polygon.
struct MarkerPlaces {
    bool first_shown = false;
    double first_centre = 0;
    bool second_shown = false;
    double second_centre = 0;
};
MarkerPlaces sample_marker_places(const SampleLayout& layout, bool primary_slot);

}  // namespace quorvane
