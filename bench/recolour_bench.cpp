// SPDX-License-Identifier: GPL-3.0-or-later
// Recolouring a large theme: one live-preview step of each dialog (the option changes and the
// viewport repaints with the proposed colours), Apply through the document, and its undo.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QUndoStack>
#include <memory>

#include "colour/colour_values.h"
#include "generated_theme.h"
#include "model/recolouring.h"
#include "model/theme_document.h"
#include "preview/pane_geometry.h"
#include "preview/preview_painter.h"

namespace quorvane {
namespace {

constexpr int kStyles = 30000;

// Every colour of the generated theme is a different one: nothing can be reused between styles.
const Theme& large_theme() {
    static const Theme theme = generated_theme(kStyles);
    return theme;
}

enum Operation { kReplace, kAdjust, kNight, kSnap };

std::unique_ptr<ColourOperation> operation(const Theme& theme, int which,
                                           const std::vector<int>& elements) {
    switch (which) {
        case kReplace:
            return std::make_unique<ReplaceColourOperation>(
                theme, elements,
                ColourReplacement{*colour_number(theme.elements[100].primary_day), 0x123456, {}});
        case kAdjust:
            return std::make_unique<AdjustColoursOperation>(
                theme, elements, ColourAdjustment{20, -30, 10, 15}, ColourSlots{});
        case kNight:
            return std::make_unique<NightColoursOperation>(theme, elements, kDefaultDarkness);
        default:
            break;
    }
    return std::make_unique<SnapToPaletteOperation>(theme, elements, ColourSlots{});
}

// The option a slider step changes.
void step(ColourOperation& op, int which, int n) {
    switch (which) {
        case kReplace: {
            // Typing a colour also recounts the styles that use it.
            auto& replace = static_cast<ReplaceColourOperation&>(op);
            replace.set_replacement(
                {*colour_number(op.theme().elements[size_t(n % kStyles)].primary_day), n, {}});
            benchmark::DoNotOptimize(replace.styles_using());
            break;
        }
        case kAdjust:
            static_cast<AdjustColoursOperation&>(op).set_adjustment({n % 360 - 180, 0, 0, 0});
            break;
        case kNight:
            static_cast<NightColoursOperation&>(op).set_darkness(n % 101);
            break;
        default:
            break;
    }
}

// One step of a dialog's slider while the preview shows the whole theme's proposal: the option
// changes and a viewport of the canvas (`range(1)` pixels wide, two thirds as high) repaints.
void BM_LivePreviewStep(benchmark::State& state) {
    const Theme& theme = large_theme();
    PaneGeometry pane;
    ScrollBarState scroll;
    fit_to_window(pane, scroll, 15144, 10680);
    const PreviewLayout layout = lay_out_preview(theme, pane.frame());
    std::unique_ptr<ColourOperation> op =
        operation(theme, int(state.range(0)), all_elements(theme));
    const QSize viewport(int(state.range(1)), int(state.range(1)) * 2 / 3);
    QImage image(viewport, QImage::Format_RGB32);
    const int top = canvas_pixel_size(layout).height() / 2;
    PreviewLook look;
    look.light = PreviewLight::Night;
    look.proposal = op.get();
    int n = 0;
    for (auto _ : state) {
        step(*op, int(state.range(0)), ++n);
        QPainter painter(&image);
        painter.translate(0, -top);
        paint_preview(painter, theme, layout, QRect(QPoint(0, top), viewport), {}, look);
    }
}
BENCHMARK(BM_LivePreviewStep)
    ->ArgsProduct({{kReplace, kAdjust, kNight, kSnap}, {825, 1800}})
    ->Unit(benchmark::kMillisecond);

// Apply: every style's new colours worked out and recorded as one step of the document.
void BM_ApplyToAllStyles(benchmark::State& state) {
    ThemeDocument document;
    document.replace(large_theme(), kUntitledFileName, false);
    int changed = 0;
    for (auto _ : state) {
        const std::unique_ptr<ColourOperation> op =
            operation(document.theme(), int(state.range(0)), all_elements(document.theme()));
        changed = document.recolour(op->recolouring());
        state.PauseTiming();
        document.history().undo();
        state.ResumeTiming();
    }
    state.counters["styles_changed"] = changed;
}
BENCHMARK(BM_ApplyToAllStyles)
    ->DenseRange(kReplace, kSnap)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_UndoOnAllStyles(benchmark::State& state) {
    ThemeDocument document;
    document.replace(large_theme(), kUntitledFileName, false);
    document.recolour(
        operation(document.theme(), int(state.range(0)), all_elements(document.theme()))
            ->recolouring());
    for (auto _ : state) {
        document.history().undo();
        state.PauseTiming();
        document.history().redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoOnAllStyles)->DenseRange(kReplace, kSnap)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane
