// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_editor/sliders.h"

#include <algorithm>
#include <cstdlib>

#include "colour/adjustments.h"
#include "geometry/rounding.h"

namespace quorvane {

int dragged_knob_left(double knob_left, double pointer_x, int track_width, int knob_width) {
    const int left = round_half_even(knob_left + pointer_x) / kSliderStep * kSliderStep;
    return std::clamp(left, 0, std::max(0, track_width - knob_width));
}

int adjustment_value(int knob_left, int span) {
    if (span <= 0) {
        return 0;
    }
    return round_half_even(knob_left * 2.0 * kAdjustmentLimit / span - kAdjustmentLimit);
}

int border_value(int knob_left, int span) {
    if (span <= 0) {
        return 0;
    }
    return round_half_even(knob_left * 250.0 / span);
}

int scale_value(int knob_left, int span) {
    return std::max(1, border_value(knob_left, span));
}

QString hundredths_text(int hundredths) {
    const QString sign = hundredths < 0 ? QStringLiteral("-") : QString();
    const int magnitude = std::abs(hundredths);
    QString text = sign + QString::number(magnitude / 100);
    const int fraction = magnitude % 100;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
        if (digits.endsWith(QLatin1Char('0'))) {
            digits.chop(1);
        }
        text += QLatin1Char('.') + digits;
    }
    return text;
}

}  // namespace quorvane
