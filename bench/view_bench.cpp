// SPDX-License-Identifier: GPL-3.0-or-later
// The preview's views on large themes: Night, zoom, the filter, and the style editor's swatches
// of the colours a theme uses.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "generated_theme.h"
#include "model/element_filter.h"
#include "preview/pane_geometry.h"
#include "preview/presentation_names.h"
#include "preview/preview_painter.h"
#include "preview/scroll_steps.h"
#include "preview/zoom.h"
#include "style_editor/theme_colours.h"

namespace {

using namespace quorvane;

// The window's preview at its opening size, in window twips and in pixels.
PreviewFrame window_frame() {
    PaneGeometry pane;
    ScrollBarState scroll;
    fit_to_window(pane, scroll, 15144, 10680);
    return pane.frame();
}
const QSize kViewport(825, 682);

// What the window keeps for one zoom: the layout and its presentation bands.
struct ZoomedView {
    PreviewLayout layout;
    std::vector<PresentationBand> bands;
};

ZoomedView lay_out(const Theme& theme, int percent, const std::vector<int>* shown = nullptr) {
    const PreviewFrame frame = zoomed_frame(window_frame(), percent);
    ZoomedView view;
    view.layout =
        shown != nullptr ? lay_out_preview(theme, frame, *shown) : lay_out_preview(theme, frame);
    view.bands = presentation_bands(theme, view.layout);
    return view;
}

// One viewport of the canvas whose top is `top` window pixels down, painted as the window's
// canvas paints it at a zoom.
void paint_viewport(QImage& image, const Theme& theme, const ZoomedView& view, int percent, int top,
                    PreviewLight light, const std::vector<bool>* matching = nullptr) {
    QPainter painter(&image);
    painter.translate(0, -top);
    const double z = percent / 100.0;
    PreviewLook look;
    look.light = light;
    look.matching = matching;
    look.bands = &view.bands;
    look.shown_top = int(unzoomed(top * kTwipsPerPixel, percent));
    QRect area(QPoint(0, top), kViewport);
    if (percent != kActualSize) {
        painter.scale(z, z);
        area = QRect(QPoint(0, int(top / z)),
                     QSize(int(kViewport.width() / z) + 1, int(kViewport.height() / z) + 1));
    }
    // Element 5 framed, as a selected tile is.
    TileSelection selection;
    selection.follow(theme.elements);
    selection.select_only(5);
    paint_preview(painter, theme, view.layout, area, TileMarks{&selection, -1}, look);
}

// Three places to look at: the top, the middle and the end of the canvas.
std::array<int, 3> viewport_tops(const ZoomedView& view, int percent) {
    const int canvas = twips_to_pixels(window_canvas_height(view.layout, percent));
    return {0, canvas / 2, std::max(canvas - kViewport.height(), 0)};
}

// Day/Night: the layout stays, one viewport is painted again in the other light.
void BM_SwitchDayNightAndRepaint(benchmark::State& state) {
    const Theme theme = generated_theme(int(state.range(0)));
    const ZoomedView view = lay_out(theme, kActualSize);
    QImage image(kViewport, QImage::Format_RGB32);
    const std::array<int, 3> tops = viewport_tops(view, kActualSize);
    int k = 0;
    for (auto _ : state) {
        const PreviewLight light = k % 2 == 0 ? PreviewLight::Night : PreviewLight::Day;
        paint_viewport(image, theme, view, kActualSize, tops[size_t(k++ % 3)], light);
    }
}
BENCHMARK(BM_SwitchDayNightAndRepaint)->Arg(300)->Arg(30000)->Unit(benchmark::kMillisecond);

// One viewport at a zoom: what painting costs is the tiles in view, not the theme's size.
void BM_PaintViewportAtZoom(benchmark::State& state) {
    const Theme theme = generated_theme(int(state.range(0)));
    const int percent = int(state.range(1));
    const ZoomedView view = lay_out(theme, percent);
    QImage image(kViewport, QImage::Format_RGB32);
    const std::array<int, 3> tops = viewport_tops(view, percent);
    int k = 0;
    for (auto _ : state) {
        paint_viewport(image, theme, view, percent, tops[size_t(k++ % 3)], PreviewLight::Night);
    }
}
BENCHMARK(BM_PaintViewportAtZoom)
    ->Args({300, 400})
    ->Args({30000, 400})
    ->Args({30000, 50})
    ->Unit(benchmark::kMillisecond);

// One zoom step, up and down the levels: the new layout, its bands and one viewport.
void BM_ZoomStep(benchmark::State& state) {
    const Theme theme = generated_theme(int(state.range(0)));
    QImage image(kViewport, QImage::Format_RGB32);
    int level = 5;  // 100%
    int direction = 1;
    for (auto _ : state) {
        if (level + direction < 0 || level + direction >= int(kZoomLevels.size())) {
            direction = -direction;
        }
        level += direction;
        const int percent = kZoomLevels[size_t(level)];
        const ZoomedView view = lay_out(theme, percent);
        paint_viewport(image, theme, view, percent, viewport_tops(view, percent)[1],
                       PreviewLight::Day);
        benchmark::DoNotOptimize(view);
    }
}
BENCHMARK(BM_ZoomStep)->Arg(30000)->Unit(benchmark::kMillisecond);

// Typing "FEATURE 12" into the search box, a keystroke at a time: the matches, and either one
// viewport with the others faded or a new layout of the matches alone.
void BM_FilterKeystroke(benchmark::State& state) {
    const Theme theme = generated_theme(int(state.range(0)));
    const bool hide_others = state.range(1) != 0;
    const QString typed = QStringLiteral("FEATURE 12");
    const ZoomedView all = lay_out(theme, kActualSize);
    QImage image(kViewport, QImage::Format_RGB32);
    ElementFilter filter;
    int k = 0;
    for (auto _ : state) {
        filter.set_text(theme, typed.left(k++ % typed.size() + 1));
        if (hide_others) {
            const ZoomedView matches = lay_out(theme, kActualSize, &filter.matching());
            paint_viewport(image, theme, matches, kActualSize, 0, PreviewLight::Day);
        } else {
            paint_viewport(image, theme, all, kActualSize, 0, PreviewLight::Day, &filter.matches());
        }
    }
}
BENCHMARK(BM_FilterKeystroke)->Args({30000, 0})->Args({30000, 1})->Unit(benchmark::kMillisecond);

// The colours a theme uses, as the style editor collects them when it opens. Nearly every
// colour of the generated theme is distinct: the most there is to count.
void BM_ThemeColours(benchmark::State& state) {
    const Theme theme = generated_theme(int(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(theme_colours(theme));
    }
}
BENCHMARK(BM_ThemeColours)->Arg(300)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
