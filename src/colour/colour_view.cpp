// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/colour_view.h"

#include "colour/colour_values.h"
#include "colour/nearest_device_colour.h"

namespace quorvane {

int viewed_colour(int colour, const ColourView& view) {
    if (view.device_colours) {
        colour = nearest_device_colour(colour);
    }
    return simulated_colour(colour, view.vision);
}

QColor viewed_colour(const QColor& colour, const ColourView& view) {
    if (view.is_plain()) {
        return colour;
    }
    QColor shown = to_qcolor(viewed_colour(colour_number_of(colour), view));
    shown.setAlpha(colour.alpha());
    return shown;
}

}  // namespace quorvane
