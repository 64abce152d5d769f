// SPDX-License-Identifier: GPL-3.0-or-later
// The map: a frame of the sample town at every zoom level, the lookup of the feature under the
// pointer, and a generated city-sized extract (1.24 million nodes, 170,000 ways, 20,000
// multipolygons, written as .osm.pbf by libosmium's writer): its load time and peak memory, a
// frame at every zoom level, the whole extract in view included, the lookup, and one theme edit
// as the Map panel repaints it; and a GPX track of ten million points. Frames are 1280 x 800
// pixels, the size of a large Map dock, drawn with the demo theme's GUIDANCE styles (features it
// does not style are drawn hatched, the costlier look). Set QUORVANE_BENCH_CITY to a path to keep
// the city's .osm.pbf there, for measuring `quorvane-cli render-map` on it.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "format/reader.h"
#include "generated_city.h"
#include "map/gpx_reader.h"
#include "map/map_drawing.h"
#include "map/map_files.h"
#include "map/map_loader.h"
#include "map/map_picking.h"
#include "map/map_picture.h"
#include "map/shown_map_styles.h"
#include "text/message_list.h"

namespace {

using namespace quorvane;

const QSize kFrame(1280, 800);

const MapFeatureTable& feature_table() {
    static const MapFeatureTable table = [] {
        QStringList errors;
        std::optional<MapFeatureTable> read =
            read_map_feature_table(QStringLiteral(QUORVANE_MAP_FEATURES), &errors);
        if (!read) {
            std::abort();
        }
        return *read;
    }();
    return table;
}

const Theme& demo_theme() {
    static const Theme theme = [] {
        Theme read;
        MessageList messages;
        read_theme_file(QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf"), read, messages);
        return read;
    }();
    return theme;
}

std::shared_ptr<const MapData> load(const QStringList& paths) {
    MapLoadResult result = load_map(paths, feature_table());
    if (!result.complete()) {
        std::abort();
    }
    return result.map;
}

const MapData& sample_town() {
    static const std::shared_ptr<const MapData> map =
        load({QStringLiteral(QUORVANE_EXAMPLES "/sample-town.osm"),
              QStringLiteral(QUORVANE_EXAMPLES "/sample-town.gpx")});
    return *map;
}

const QString& city_path() {
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString kept = qEnvironmentVariable("QUORVANE_BENCH_CITY");
        const QString file = kept.isEmpty() ? dir.filePath(QStringLiteral("city.osm.pbf")) : kept;
        write_generated_city(file);
        return file;
    }();
    return path;
}

const MapData& city() {
    static const std::shared_ptr<const MapData> map = load({city_path()});
    return *map;
}

// The view of the whole data for 0, else the data's centre at the zoom level given.
MapView view_at(const MapData& map, int level) {
    const MapView whole = MapView::fitting(map.bounds(), kFrame);
    return level == 0
               ? whole
               : whole.zoomed_to(level, QPointF(kFrame.width() / 2.0, kFrame.height() / 2.0));
}

// The whole data, then every zoom level the map allows.
void every_zoom(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(0)->DenseRange(int(kMinZoom), int(kMaxZoom));
}

// A frame as the Map panel draws it whole: in bands, one per core, drawn at the same time, so
// the time is wall-clock time.
void draw_frames(benchmark::State& state, const MapData& map, bool smooth = true) {
    const MapView view = view_at(map, int(state.range(0)));
    const MapStyles styles =
        map_styles(demo_theme(), QStringLiteral("GUIDANCE"), PreviewLight::Day);
    MapDrawOptions options;
    options.smooth_edges = smooth;
    MapPicture picture;
    for (auto _ : state) {
        picture.invalidate();
        picture.update(map, styles, view, options, 1);
    }
    state.counters["zoom"] = view.zoom_level();
}

void BM_SampleTownFrame(benchmark::State& state) {
    draw_frames(state, sample_town());
}
BENCHMARK(BM_SampleTownFrame)->Apply(every_zoom)->Unit(benchmark::kMillisecond)->UseRealTime();

// The lookup behind hover and click: the feature under each of 400 pixels spread over the
// frame, and for a click the tiles that style it in the presentation shown; the time is for all
// 400.
void pick_features(benchmark::State& state, const MapData& map) {
    const MapView view = view_at(map, int(state.range(0)));
    const QString presentation = QStringLiteral("GUIDANCE");
    const MapStyles styles = map_styles(demo_theme(), presentation, PreviewLight::Day);
    for (auto _ : state) {
        for (int k = 0; k < 400; ++k) {
            const QPointF pixel((k % 20) * 64 + 7, (k / 20) * 40 + 5);
            const MapPick pick = pick_map_feature(map, styles, view, pixel);
            benchmark::DoNotOptimize(
                map_feature_elements(demo_theme(), presentation, pick.feature));
        }
    }
    state.SetItemsProcessed(state.iterations() * 400);
    state.counters["zoom"] = view.zoom_level();
}

void BM_SampleTownPick(benchmark::State& state) {
    pick_features(state, sample_town());
}
BENCHMARK(BM_SampleTownPick)->Arg(0)->Arg(16)->Arg(18)->Unit(benchmark::kMillisecond);

// A size from /proc/self/status in MB: "VmHWM:" the largest resident size so far, "VmRSS:" the
// present one.
double resident_mb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(qsizetype(std::strlen(field))).trimmed().split(' ').first().toDouble() /
                   1024;
        }
    }
    return 0;
}

// Linux starts counting the largest resident size afresh from the present size. (A child
// process would not do: libosmium's thread pool does not survive a fork.)
void reset_peak_resident() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

void BM_CityLoad(benchmark::State& state) {
    const QString path = city_path();
    // Measured first, before the timed runs leave their freed memory behind: the whole
    // process's peak during the load, what the load added to it, and what the map keeps.
    reset_peak_resident();
    const double before = resident_mb("VmRSS:");
    {
        const std::shared_ptr<const MapData> map = load({path});
        state.counters["peak_MB"] = resident_mb("VmHWM:");
        state.counters["added_MB"] = state.counters["peak_MB"] - before;
        state.counters["kept_MB"] = resident_mb("VmRSS:") - before;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(load({path}));
    }
    const MapData& map = city();
    state.counters["shapes"] = double(map.shape_count());
    state.counters["points"] = double(map.point_count());
}
BENCHMARK(BM_CityLoad)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_CityFrame(benchmark::State& state) {
    draw_frames(state, city());
}
BENCHMARK(BM_CityFrame)->Apply(every_zoom)->Unit(benchmark::kMillisecond)->UseRealTime();

// The frames drawn while the user zooms: edges not smoothed.
void BM_CityDraftFrame(benchmark::State& state) {
    draw_frames(state, city(), false);
}
BENCHMARK(BM_CityDraftFrame)->Apply(every_zoom)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CityPick(benchmark::State& state) {
    pick_features(state, city());
}
BENCHMARK(BM_CityPick)->Arg(0)->Arg(15)->Arg(18)->Unit(benchmark::kMillisecond);

// One theme edit as the map sees it: the styles worked out again, then a frame.
void BM_CityThemeEditFrame(benchmark::State& state) {
    const MapData& map = city();
    const MapView view = view_at(map, int(state.range(0)));
    Theme theme = demo_theme();
    MapPicture picture;
    int edit = 0;
    for (auto _ : state) {
        theme.elements[1].primary_day =
            (++edit % 2) != 0 ? QStringLiteral("FF0000") : QStringLiteral("EFEBE4");
        const MapStyles styles = map_styles(theme, QStringLiteral("GUIDANCE"), PreviewLight::Day);
        picture.invalidate();
        picture.update(map, styles, view, {}, 1);
    }
}
BENCHMARK(BM_CityThemeEditFrame)->Arg(0)->Arg(15)->Unit(benchmark::kMillisecond)->UseRealTime();

// One theme edit as the Map panel repaints it: the presentations and the styles worked out
// again, the colours as the window's colour view shows them, the kept picture drawn whole, and
// the legend (when shown). Arguments: 0 the sample town or 1 the city; the zoom; 1 for smooth
// edges, 0 for the draft the panel draws first when a smooth picture is slower than a frame.
void BM_MapPanelThemeEdit(benchmark::State& state) {
    const MapData& map = state.range(0) == 0 ? sample_town() : city();
    const MapView view = view_at(map, int(state.range(1)));
    MapDrawOptions options;
    options.smooth_edges = state.range(2) != 0;
    Theme theme = demo_theme();
    MapPicture picture;
    int edit = 0;
    for (auto _ : state) {
        theme.elements[1].primary_day =
            (++edit % 2) != 0 ? QStringLiteral("FF0000") : QStringLiteral("EFEBE4");
        benchmark::DoNotOptimize(map_presentations(theme));
        const MapStyles styles = shown_map_styles(
            theme, map_styles(theme, QStringLiteral("GUIDANCE"), PreviewLight::Day), nullptr, {});
        picture.invalidate();
        picture.update(map, styles, view, options, 1);
        benchmark::DoNotOptimize(map_legend(map, styles, view));
    }
}
BENCHMARK(BM_MapPanelThemeEdit)
    ->ArgsProduct({{0}, {0, 16}, {1}})
    ->ArgsProduct({{1}, {0, 15, 17}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A GPX track of `points` points, made as it is read: ten million would be a file of 400 MB.
class GeneratedTrack : public QIODevice {
  public:
    explicit GeneratedTrack(qint64 points) : points_(points) {
        pending_ = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"><trk><trkseg>\n";
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char* data, qint64 size) override {
        while (pending_.size() < size && made_ <= points_) {
            if (made_ == points_) {
                pending_ += "</trkseg></trk></gpx>\n";
            } else {
                // Up and down a hill while heading east: 1 m a point, a zigzag every 1,000.
                const double lat = 60 + (made_ % 1000) * 1e-5;
                const double lon = 5 + double(made_) * 2e-7;
                pending_ += "<trkpt lat=\"" + QByteArray::number(lat, 'f', 6) + "\" lon=\"" +
                            QByteArray::number(lon, 'f', 6) + "\"/>\n";
            }
            ++made_;
        }
        const qint64 n = std::min<qint64>(size, pending_.size());
        std::memcpy(data, pending_.constData(), size_t(n));
        pending_.remove(0, n);
        return n == 0 ? -1 : n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    QByteArray pending_;
    qint64 points_ = 0;
    qint64 made_ = 0;
};

// Read, simplify and index a GPX track of ten million points, with the peak memory of the
// process meanwhile.
void BM_HugeGpxTrackLoad(benchmark::State& state) {
    reset_peak_resident();
    const double before = resident_mb("VmRSS:");
    for (auto _ : state) {
        GeneratedTrack track(state.range(0));
        MapDataBuilder builder;
        GpxReadState gpx;
        read_gpx(track, feature_table(), builder, gpx, {});
        const std::shared_ptr<const MapData> map = builder.finish();
        state.counters["points"] = double(map->point_count());
        state.counters["kept_MB"] = resident_mb("VmRSS:") - before;
    }
    state.counters["peak_MB"] = resident_mb("VmHWM:");
    state.counters["added_MB"] = state.counters["peak_MB"] - before;
}
BENCHMARK(BM_HugeGpxTrackLoad)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole `quorvane-cli render-map` process on the sample town at 1600 x 1000.
void BM_RenderMapProcess(benchmark::State& state) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("town.png"));
    for (auto _ : state) {
        QProcess cli;
        cli.start(QStringLiteral(QUORVANE_CLI),
                  {QStringLiteral("render-map"), QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf"),
                   out, QStringLiteral("--size"), QStringLiteral("1600x1000")});
        if (!cli.waitForFinished(60000) || cli.exitCode() != 0) {
            std::abort();
        }
    }
}
BENCHMARK(BM_RenderMapProcess)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
