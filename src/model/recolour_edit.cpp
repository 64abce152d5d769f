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

QString recolour_report(RecolourKind kind, int changed) {
    if (changed == 0) {
        return QCoreApplication::translate("RecolourEdit", "No style changed");
    }
    const bool one = changed == 1;
    QString text;
    switch (kind) {
        case RecolourKind::ReplaceColour:
            text =
                one ? QCoreApplication::translate("RecolourEdit", "Colour replaced in 1 style")
                    : QCoreApplication::translate("RecolourEdit", "Colour replaced in %1 styles");
            break;
        case RecolourKind::AdjustColours:
            text =
                one ? QCoreApplication::translate("RecolourEdit", "Colours adjusted in 1 style")
                    : QCoreApplication::translate("RecolourEdit", "Colours adjusted in %1 styles");
            break;
        case RecolourKind::MakeNightColours:
            text =
                one ? QCoreApplication::translate("RecolourEdit", "Night colours made for 1 style")
                    : QCoreApplication::translate("RecolourEdit",
                                                  "Night colours made for %1 styles");
            break;
        case RecolourKind::SnapToPalette:
            text = one ? QCoreApplication::translate("RecolourEdit",
                                                     "1 style snapped to the device palette")
                       : QCoreApplication::translate("RecolourEdit",
                                                     "%1 styles snapped to the device palette");
            break;
    }
    return one ? text : text.arg(changed);
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
