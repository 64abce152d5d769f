// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the map's readers (GPX when they hold "<gpx", OpenStreetMap XML when
// they start with "<", the binary format otherwise), then draws what was read whole, picks
// features under a few pixels and lists the legend. A crash, a sanitizer report, a hang, an
// exception other than the readers' own refusal, or a broken invariant (a map that loses its
// shapes between reading and indexing) is a finding.
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "map/gpx_reader.h"
#include "map/map_data.h"
#include "map/map_drawing.h"
#include "map/map_feature_table.h"
#include "map/map_picking.h"
#include "map/osm_reader.h"
#include "model/theme.h"

namespace {

const quorvane::MapFeatureTable* table = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Drawing the scale bar's text needs a GUI application, though no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv);
    QFile file(QStringLiteral(QUORVANE_MAP_FEATURES));
    if (!file.open(QIODevice::ReadOnly)) {
        std::abort();
    }
    QStringList errors;
    table = new quorvane::MapFeatureTable(
        quorvane::MapFeatureTable::from_text(file.readAll(), &errors));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvane;
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    MapDataBuilder builder;
    try {
        if (bytes.indexOf(QByteArrayView("<gpx")) >= 0) {
            QByteArray copy = bytes.toByteArray();
            QBuffer device(&copy);
            device.open(QIODevice::ReadOnly);
            GpxReadState state;
            read_gpx(device, *table, builder, state, {});
        } else {
            read_osm_bytes(bytes, bytes.startsWith("<") ? OsmFormat::Xml : OsmFormat::Pbf, *table,
                           builder, {});
        }
    } catch (const MapReadError&) {
        return 0;
    }
    const qsizetype points = builder.point_count();
    const std::shared_ptr<const MapData> map = builder.finish();
    if (map->point_count() < points) {
        std::abort();
    }
    const MapStyles styles = map_styles(Theme(), QStringLiteral("GUIDANCE"), PreviewLight::Night);
    QImage frame(64, 48, QImage::Format_ARGB32_Premultiplied);
    for (const MapView& view : {MapView::fitting(map->bounds(), frame.size()),
                                MapView::fitting(map->bounds(), frame.size()).zoomed_to(20, {})}) {
        {
            QPainter painter(&frame);
            draw_map(painter, *map, styles, view);
        }
        for (const QPointF pixel : {QPointF(0, 0), QPointF(32, 24), QPointF(63, 47)}) {
            pick_map_feature(*map, styles, view, pixel);
        }
        map_legend(*map, styles, view);
    }
    return 0;
}
