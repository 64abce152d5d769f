// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quorvane {

namespace {

QStringList data_folders() {
    QStringList folders;
    const QString chosen = qEnvironmentVariable("QUORVANE_DATA_DIR");
    if (!chosen.isEmpty()) {
        folders.append(chosen);
    }
    if (QCoreApplication::instance() != nullptr) {
        const QString program = QCoreApplication::applicationDirPath();
        folders.append(program);
        folders.append(program + QStringLiteral("/../share/quorvane"));
    }
    return folders;
}

}  // namespace

QString find_map_file(const QString& name) {
    for (const QString& folder : data_folders()) {
        const QFileInfo file(QDir(folder).filePath(name));
        if (file.isFile()) {
            return QDir::cleanPath(file.absoluteFilePath());
        }
    }
    return {};
}

QString map_feature_table_path() {
    return find_map_file(QStringLiteral("map-features.txt"));
}

QStringList sample_town_paths() {
    QStringList paths;
    for (const char* name : {"sample-town.osm", "sample-town.gpx"}) {
        const QString path = find_map_file(QString::fromLatin1(name));
        if (!path.isEmpty()) {
            paths.append(path);
        }
    }
    return paths;
}

std::optional<MapFeatureTable> read_map_feature_table(const QString& path, QStringList* errors) {
    const QString shown = path.isEmpty() ? QStringLiteral("map-features.txt") : path;
    const auto cannot = [&](const QString& reason) {
        errors->append(
            QCoreApplication::translate("MapFiles", "Cannot read the map feature table %1: %2")
                .arg(shown, reason));
    };
    QFile file(path);
    if (path.isEmpty()) {
        cannot(QCoreApplication::translate("MapFiles", "it is not installed"));
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        cannot(file.errorString());
        return std::nullopt;
    }
    QStringList problems;
    MapFeatureTable table = MapFeatureTable::from_text(file.readAll(), &problems);
    for (const QString& problem : problems) {
        cannot(problem);
    }
    if (!problems.isEmpty()) {
        return std::nullopt;
    }
    return table;
}

}  // namespace quorvane
