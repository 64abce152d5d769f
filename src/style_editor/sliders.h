// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "style_editor/style_editor_layout.h"

namespace quorvane {

// The editor's sliders: a knob moving in a track, in twips.
using style_editor_layout::kSliderKnobWidth;
using style_editor_layout::kSliderStep;
using style_editor_layout::kSliderTrackHeight;
using style_editor_layout::kSliderTrackWidth;

// How far a knob can travel: track width - knob width.
constexpr int slider_span(int track_width = kSliderTrackWidth, int knob_width = kSliderKnobWidth) {
    return track_width - knob_width;
}

// The knob's left at the middle of its track.
constexpr int middle_knob_left(int track_width = kSliderTrackWidth,
                               int knob_width = kSliderKnobWidth) {
    return track_width / 2 - knob_width / 2;
}

// Where a dragged knob goes: its left plus the pointer's position within it, rounded, cut down to
// a whole step and kept on the track.
int dragged_knob_left(double knob_left, double pointer_x, int track_width = kSliderTrackWidth,
                      int knob_width = kSliderKnobWidth);

// Brightness or contrast of a knob position: -255 at the left end, 0 in the middle, +255 at the
// right end (halves to even).
int adjustment_value(int knob_left, int span = slider_span());

// Border width, in hundredths, of a knob position: 0 to 250 (halves to even).
int border_value(int knob_left, int span = slider_span());

// Scale, in hundredths: as the border, but never below 1.
int scale_value(int knob_left, int span = slider_span());

// Hundredths as the decimal text the boxes show and the theme file holds: 60 -> "0.6",
// 125 -> "1.25", 1 -> "0.01", 0 -> "0".
QString hundredths_text(int hundredths);

}  // namespace quorvane
