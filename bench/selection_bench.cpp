// SPDX-License-Identifier: GPL-3.0-or-later
// Working with many tiles at once on a 30,000-element theme: selecting every tile and
// repainting, deleting 10,000 selected elements and undoing it, pasting a style onto 10,000.
// Each measures what the window does for the command: the document step, laying the tiles out
// again and finding the selection again, and working out which commands apply.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "generated_theme.h"
#include "model/presentation_list.h"
#include "model/theme_document.h"
#include "preview/pane_geometry.h"
#include "preview/preview_painter.h"
#include "preview/tile_commands.h"
#include "preview/tile_selection.h"

namespace quorvane {
namespace {

constexpr int kElements = 30000;

PreviewFrame window_frame() {
    PaneGeometry pane;
    ScrollBarState scroll;
    fit_to_window(pane, scroll, 15144, 10680);
    return pane.frame();
}

// A document holding the generated theme, as opened.
void open(ThemeDocument& document) {
    Theme theme = generated_theme(kElements);
    relist_presentations(theme);
    document.replace(std::move(theme), QStringLiteral("bench.kmtf"), true);
}

// Every third tile: 10,000 of 30,000, in every presentation, lines and polygons.
std::vector<int> every_third(int count) {
    std::vector<int> tiles;
    for (int k = 0; k < count; k += 3) {
        tiles.push_back(k);
    }
    return tiles;
}

// What the window does after a step: lay out, find the selection again, enable the commands.
void follow(const ThemeDocument& document, const PreviewFrame& frame, TileSelection& selection,
            PreviewLayout& layout) {
    layout = lay_out_preview(document.theme(), frame);
    selection.follow(document.theme().elements);
    benchmark::DoNotOptimize(tile_command_states(document.theme(), selection, std::nullopt));
}

void BM_SelectAllAndRepaint(benchmark::State& state) {
    ThemeDocument document;
    open(document);
    const PreviewLayout layout = lay_out_preview(document.theme(), window_frame());
    TileSelection selection;
    selection.follow(document.theme().elements);
    const CopiedStyle copied = CopiedStyle::of(document.theme().elements[kElements - 1]);
    QImage viewport(QSize(825, 682), QImage::Format_RGB32);
    for (auto _ : state) {
        selection.clear();
        selection.select_all();
        benchmark::DoNotOptimize(tile_command_states(document.theme(), selection, copied));
        QPainter painter(&viewport);
        paint_preview(painter, document.theme(), layout, viewport.rect(), TileMarks{&selection, 0});
    }
    state.counters["selected"] = selection.count();
}
BENCHMARK(BM_SelectAllAndRepaint)->Unit(benchmark::kMillisecond);

void BM_DeleteSelected(benchmark::State& state) {
    ThemeDocument document;
    open(document);
    const PreviewFrame frame = window_frame();
    PreviewLayout layout;
    TileSelection selection;
    selection.follow(document.theme().elements);
    const std::vector<int> chosen = every_third(kElements);
    for (auto _ : state) {
        document.delete_elements(chosen);
        follow(document, frame, selection, layout);
        state.PauseTiming();
        document.history().undo();
        follow(document, frame, selection, layout);
        state.ResumeTiming();
    }
    state.counters["deleted"] = double(chosen.size());
}
BENCHMARK(BM_DeleteSelected)->Unit(benchmark::kMillisecond);

void BM_UndoDelete(benchmark::State& state) {
    ThemeDocument document;
    open(document);
    const PreviewFrame frame = window_frame();
    PreviewLayout layout;
    TileSelection selection;
    selection.follow(document.theme().elements);
    for (int k : every_third(kElements)) {
        selection.toggle(k);
    }
    for (auto _ : state) {
        state.PauseTiming();
        document.delete_elements(selection.selected());
        follow(document, frame, selection, layout);
        state.ResumeTiming();
        // The deleted tiles come back selected.
        document.history().undo();
        follow(document, frame, selection, layout);
    }
    state.counters["restored"] = selection.count();
}
BENCHMARK(BM_UndoDelete)->Unit(benchmark::kMillisecond);

void BM_PasteStyle(benchmark::State& state) {
    ThemeDocument document;
    open(document);
    TileSelection selection;
    selection.follow(document.theme().elements);
    for (int k : every_third(kElements)) {
        selection.toggle(k);
    }
    Element source = document.theme().elements[kElements - 1];
    source.primary_day = QStringLiteral("123456");
    const CopiedStyle copied = CopiedStyle::of(source);
    PasteCounts counts;
    for (auto _ : state) {
        counts = document.paste_style(selection.selected(), copied);
        // A style step keeps the layout; the commands are worked out again.
        selection.follow(document.theme().elements);
        benchmark::DoNotOptimize(tile_command_states(document.theme(), selection, copied));
        state.PauseTiming();
        document.history().undo();
        state.ResumeTiming();
    }
    state.counters["changed"] = counts.changed;
    state.counters["skipped"] = counts.skipped;
}
BENCHMARK(BM_PasteStyle)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane
