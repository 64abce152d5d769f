// SPDX-License-Identifier: GPL-3.0-or-later
// Preview layout and painting on large themes.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "format/metadata.h"
#include "format/reader.h"
#include "format/writer.h"
#include "model/presentations.h"
#include "preview/pane_geometry.h"
#include "preview/preview_painter.h"
#include "preview/tile_selection.h"
#include "text/message_list.h"

namespace {

using namespace quorvane;

// A theme of n Elements spread over the six presentations, polygons before lines in each.
Theme preview_theme(int n) {
    Theme theme;
    theme.metadata.title = QStringLiteral("Bench");
    theme.elements.reserve(size_t(n));
    const QStringList& names = presentation_names();
    for (int k = 0; k < n; ++k) {
        const int rank = k * 6 / n;
        const bool line = (k % (n / 6 + 1)) > n / 12;
        Element e;
        e.presentation = names[rank];
        e.field_name = QStringLiteral("MAP_FEATURE_%1_CLR").arg(k);
        e.display_name = QStringLiteral("FEATURE %1").arg(k);
        e.border = line ? QStringLiteral(".6") : QString();
        e.scale = line ? QStringLiteral("1") : QString();
        e.sort_code = rank * 10 + (line ? 1 : 0);
        e.primary_day = QStringLiteral("CECECE");
        e.primary_night = QStringLiteral("aaFF00");
        e.secondary_day = line ? QStringLiteral("0a0a0a") : QString();
        e.secondary_night = line ? QStringLiteral("DD0011") : QString();
        theme.elements.push_back(e);
    }
    return theme;
}

// The window's preview geometry at its opening size.
PreviewFrame window_frame() {
    PaneGeometry pane;
    ScrollBarState scroll;
    fit_to_window(pane, scroll, 15144, 10680);
    return pane.frame();
}

void BM_PlotLayout(benchmark::State& state) {
    const Theme theme = preview_theme(int(state.range(0)));
    const PreviewFrame frame = window_frame();
    size_t bytes = 0;
    for (auto _ : state) {
        PreviewLayout layout = lay_out_preview(theme, frame);
        bytes = layout.tile_positions.capacity() * sizeof(TwipsPoint) +
                layout.rows.capacity() * sizeof(PreviewRow) +
                layout.rules.capacity() * sizeof(qint64);
        benchmark::DoNotOptimize(layout);
    }
    state.counters["layout_bytes_per_element"] = double(bytes) / double(state.range(0));
}
BENCHMARK(BM_PlotLayout)->Arg(300)->Arg(5000)->Arg(30000)->Unit(benchmark::kMicrosecond);

// One viewport's worth of canvas, painted from the top, the middle and the end of the theme.
void BM_PaintViewport(benchmark::State& state) {
    const Theme theme = preview_theme(int(state.range(0)));
    const PreviewLayout layout = lay_out_preview(theme, window_frame());
    TileSelection selection;
    selection.follow(theme.elements);
    selection.select_only(5);
    const QSize viewport(825, 682);
    QImage image(viewport, QImage::Format_RGB32);
    const int canvas_pixels = canvas_pixel_size(layout).height();
    const int tops[3] = {0, canvas_pixels / 2, canvas_pixels - viewport.height()};
    int k = 0;
    for (auto _ : state) {
        const int top = tops[k++ % 3];
        QPainter painter(&image);
        painter.translate(0, -top);
        paint_preview(painter, theme, layout, QRect(QPoint(0, top), viewport),
                      TileMarks{&selection});
    }
}
BENCHMARK(BM_PaintViewport)->Arg(300)->Arg(30000)->Unit(benchmark::kMicrosecond);

// Bytes in use on the heap (glibc), for what a theme keeps in memory.
long heap_bytes() {
    const struct mallinfo2 info = mallinfo2();
    return long(info.uordblks + info.hblkhd);
}

// What opening a theme costs until its preview shows: reading the file, laying the tiles out
// and painting the first viewport.
void BM_OpenAndShow(benchmark::State& state) {
    Theme generated = preview_theme(int(state.range(0)));
    MessageList messages;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.kmtf"));
    write_theme_bytes(path,
                      theme_text(generated, metadata_block(generated.metadata, messages), messages),
                      messages);
    QImage image(QSize(825, 682), QImage::Format_RGB32);
    for (auto _ : state) {
        Theme theme;
        read_theme_file(path, theme, messages);
        const PreviewLayout layout = lay_out_preview(theme, window_frame());
        QPainter painter(&image);
        paint_preview(painter, theme, layout, image.rect());
        benchmark::DoNotOptimize(layout);
    }
    // What the open theme and its layout keep in memory, beyond the file's own size.
    const long before = heap_bytes();
    {
        Theme theme;
        read_theme_file(path, theme, messages);
        const PreviewLayout layout = lay_out_preview(theme, window_frame());
        const double kept = double(heap_bytes() - before) - double(QFileInfo(path).size());
        state.counters["bytes_per_element_beyond_file"] = kept / double(state.range(0));
    }
}
BENCHMARK(BM_OpenAndShow)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
