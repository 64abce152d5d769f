// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_loader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <new>

#include "map/gpx_reader.h"
#include "map/osm_reader.h"

namespace quorvane {

namespace {

QString loading_text(const char* text) {
    return QCoreApplication::translate("MapLoader", text);
}

bool is_gpx_name(const QString& path) {
    return path.endsWith(QLatin1String(".gpx"), Qt::CaseInsensitive);
}

// Reads one file into the builder, or throws.
void read_map_file(const QString& path, const MapFeatureTable& table, MapDataBuilder& builder,
                   GpxReadState& gpx, const MapReadControl& control) {
    const QFileInfo info(path);
    if (!info.exists()) {
        throw MapReadError{loading_text("No such file or directory")};
    }
    if (info.isDir()) {
        throw MapReadError{loading_text("Is a directory")};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw MapReadError{file.errorString()};
    }
    if (is_gpx_name(path)) {
        read_gpx(file, table, builder, gpx, control);
        return;
    }
    file.close();
    OsmFormat format = OsmFormat::Xml;
    if (!osm_format_of(path, &format)) {
        throw MapReadError{
            loading_text("not map data: the map reads .osm, .osm.bz2, .osm.gz, "
                         ".osm.pbf and .gpx files")};
    }
    read_osm_file(path, format, table, builder, control);
}

}  // namespace

bool is_map_file_name(const QString& path) {
    OsmFormat format = OsmFormat::Xml;
    return is_gpx_name(path) || osm_format_of(path, &format);
}

QString cannot_read_map_message(const QString& path, const QString& reason) {
    return loading_text("Cannot read map %1: %2").arg(path, reason);
}

QString edge_counts_message(const MapEdgeCounts& counts) {
    if (counts.ways_missing_nodes == 0 && counts.areas_left_out == 0) {
        return {};
    }
    return loading_text(
               "Incomplete at the edges of the map data: %1 drawn from the nodes "
               "present, %2 left out")
        .arg(counts.ways_missing_nodes == 1
                 ? loading_text("1 way")
                 : loading_text("%1 ways").arg(counts.ways_missing_nodes),
             counts.areas_left_out == 1 ? loading_text("1 area")
                                        : loading_text("%1 areas").arg(counts.areas_left_out));
}

MapLoadResult load_map(const QStringList& paths, const MapFeatureTable& table,
                       const MapLoadProgress& progress) {
    MapLoadResult result;
    MapDataBuilder builder;
    GpxReadState gpx;
    // Progress is shared out by size: the bytes are what takes the time.
    std::vector<double> sizes;
    double total = 0;
    for (const QString& path : paths) {
        sizes.push_back(std::max<double>(1, double(QFileInfo(path).size())));
        total += sizes.back();
    }
    double done_before = 0;
    for (qsizetype k = 0; k < paths.size(); ++k) {
        const double size = sizes[size_t(k)];
        MapReadControl control;
        control.cancel = progress.cancel;
        if (progress.report) {
            control.progress = [&](double done) {
                progress.report((done_before + done * size) / total);
            };
        }
        const MapDataBuilder::Mark mark = builder.mark();
        try {
            read_map_file(paths[k], table, builder, gpx, control);
        } catch (const MapReadError& error) {
            builder.roll_back(mark);
            result.errors.append(cannot_read_map_message(paths[k], error.reason));
        } catch (const MapReadCancelled&) {
            result.cancelled = true;
            return result;
        } catch (const std::bad_alloc&) {
            builder.roll_back(mark);
            result.errors.append(
                cannot_read_map_message(paths[k], loading_text("it does not fit in memory")));
        }
        done_before += size;
        if (progress.report) {
            progress.report(done_before / total);
        }
    }
    result.map = builder.finish();
    return result;
}

}  // namespace quorvane
