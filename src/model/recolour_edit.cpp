// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/recolour_edit.h"

#include <QCoreApplication>
#include <utility>

namespace quorvane {

QString recolour_step_name(RecolourKind kind) {
    switch (kind) {
        case RecolourKind::ReplaceColour:
            return QCoreApplication::translate("RecolourEdit", "Replace Colour");
        case RecolourKind::AdjustColours:
            return QCoreApplication::translate("RecolourEdit", "Adjust Colours");
        case RecolourKind::MakeNightColours:
            return QCoreApplication::translate("RecolourEdit", "Make Night Colours");
        case RecolourKind::SnapToPalette:
            break;
    }
    return QCoreApplication::translate("RecolourEdit", "Snap to Device Palette");
}

void RecolourEdit::exchange(Theme& theme) {
    for (RecolouredStyle& style : recolouring_.styles) {
        Element& e = theme.elements[size_t(style.element)];
        std::swap(e.primary_day, style.colours.primary_day);
        std::swap(e.primary_night, style.colours.primary_night);
        std::swap(e.secondary_day, style.colours.secondary_day);
        std::swap(e.secondary_night, style.colours.secondary_night);
    }
}

}  // namespace quorvane
