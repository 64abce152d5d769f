// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/window_arrangement.h"

#include <QSettings>

namespace quorvane {

namespace {
const QString kGeometryKey = QStringLiteral("main_window/geometry");
const QString kPanelsKey = QStringLiteral("main_window/panels");
}  // namespace

QString window_arrangement_path(const QString& folder) {
    return folder + QStringLiteral("/window.ini");
}

bool save_window_arrangement(const QString& folder, const WindowArrangement& arrangement) {
    QSettings file(window_arrangement_path(folder), QSettings::IniFormat);
    file.setValue(kGeometryKey, arrangement.geometry);
    file.setValue(kPanelsKey, arrangement.panels);
    file.sync();
    return file.status() == QSettings::NoError;
}

WindowArrangement load_window_arrangement(const QString& folder) {
    const QSettings file(window_arrangement_path(folder), QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        return {};
    }
    return WindowArrangement{file.value(kGeometryKey).toByteArray(),
                             file.value(kPanelsKey).toByteArray()};
}

}  // namespace quorvane
