// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_editor/sample_layout.h"

#include <cmath>

#include "geometry/rounding.h"

namespace quorvane {

namespace {

// Far beyond any window; keeps absurd texts from overflowing the twips.
constexpr double kLargestHeight = 1.0e7;

}  // namespace

int sample_height(const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return 0;
    }
    const double height = value * kTwipsPerSizeUnit;
    if (std::fabs(height) > kLargestHeight) {
        return 0;
    }
    return round_half_even(height);
}

SampleLayout lay_out_sample(const QString& scale_text, const QString& border_text, QSizeF sample,
                            bool polygon_mode) {
    SampleLayout layout;
    const double border_height = sample_height(border_text);
    double scale_height = sample_height(scale_text);
    double top = 0;
    layout.polygon = polygon_mode;
    if (scale_height != 0) {
        top = sample.height() / 2 - scale_height / 2;
    } else {
        layout.polygon = true;
        top = kSampleMargin;
        scale_height = sample.height() - 2 * kSampleMargin;
    }
    const double left = kSampleMargin;
    const double width = sample.width() - 2 * kSampleMargin;
    layout.body = QRectF(left, top, width, scale_height);
    layout.upper_strip = QRectF(left, top - border_height, width, border_height + kStripOverlap);
    layout.lower_strip = QRectF(left, top + scale_height - kStripOverlap, width, border_height);
    layout.outline = QRectF(left, top - border_height, width, scale_height + 2 * border_height);
    return layout;
}

SamplePart sample_part_at(const SampleLayout& layout, QPointF twips) {
    if (layout.body.normalized().contains(twips)) {
        return SamplePart::Body;
    }
    if (!layout.polygon && (layout.upper_strip.normalized().contains(twips) ||
                            layout.lower_strip.normalized().contains(twips))) {
        return SamplePart::Strip;
    }
    return SamplePart::None;
}

MarkerPlaces sample_marker_places(const SampleLayout& layout, bool primary_slot) {
    MarkerPlaces places;
    if (layout.polygon) {
        return places;
    }
    places.first_shown = true;
    if (primary_slot) {
        places.first_centre = layout.body.center().y();
    } else {
        places.first_centre = layout.upper_strip.center().y();
        places.second_shown = true;
        places.second_centre = layout.lower_strip.center().y();
    }
    return places;
}

}  // namespace quorvane
