// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/map_choice.h"

#include <QSettings>
#include <cmath>

namespace quorvane {

namespace {
const QString kFilesKey = QStringLiteral("map/files");
const QString kPresentationKey = QStringLiteral("map/presentation");
const QString kHideUnstyledKey = QStringLiteral("map/hide_unstyled");
const QString kLegendKey = QStringLiteral("map/legend");
const QString kCentreKey = QStringLiteral("map/centre");
const QString kScaleKey = QStringLiteral("map/metres_per_pixel");
}  // namespace

QString map_choice_path(const QString& folder) {
    return folder + QStringLiteral("/map.ini");
}

bool save_map_choice(const QString& folder, const MapChoice& choice) {
    QSettings file(map_choice_path(folder), QSettings::IniFormat);
    file.setValue(kFilesKey, choice.files);
    file.setValue(kPresentationKey, choice.presentation);
    file.setValue(kHideUnstyledKey, choice.hide_unstyled);
    file.setValue(kLegendKey, choice.show_legend);
    file.setValue(kCentreKey, choice.centre);
    file.setValue(kScaleKey, choice.metres_per_pixel);
    file.sync();
    return file.status() == QSettings::NoError;
}

MapChoice load_map_choice(const QString& folder) {
    const QSettings file(map_choice_path(folder), QSettings::IniFormat);
    MapChoice choice;
    if (file.status() != QSettings::NoError) {
        return choice;
    }
    choice.files = file.value(kFilesKey).toStringList();
    choice.presentation = file.value(kPresentationKey).toString();
    choice.hide_unstyled = file.value(kHideUnstyledKey).toBool();
    choice.show_legend = file.value(kLegendKey).toBool();
    const QVariant kept_centre = file.value(kCentreKey);
    const QPointF centre = kept_centre.toPointF();
    const double scale = file.value(kScaleKey).toDouble();
    // A view written by hand or cut short is no view: the map is shown whole (a missing centre
    // would otherwise be the point 0,0, far from any data).
    if (kept_centre.typeId() == QMetaType::QPointF && std::isfinite(centre.x()) &&
        std::isfinite(centre.y()) && std::isfinite(scale) && scale > 0) {
        choice.centre = centre;
        choice.metres_per_pixel = scale;
    }
    return choice;
}

}  // namespace quorvane
