// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's window on large themes: opening a file and painting the window with its first
// tiles, and one colour changed through the style editor's Apply and the tiles painted again.
// Whole-window work, as the user waits for it: reading, checking, laying out and painting.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <memory>

#include "generated_theme.h"
#include "model/style_colours.h"
#include "model/theme_document.h"
#include "support/scripted_colour_picker.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_messages.h"
#include "support/scripted_web.h"
#include "ui/main_window.h"
#include "ui/preview_canvas.h"
#include "ui/preview_pane.h"

namespace quorvane {
namespace {

// One editor window with every question, dialog and web answer scripted.
struct Editor {
    ThemeDocument document;
    ScriptedMessages messages;
    CountingBusyCursor busy;
    ScriptedFileDialogs dialogs;
    ScriptedWebRequest web{QByteArray()};
    RecordingUrlOpener urls;
    ScriptedColourPicker colour_picker;
    std::unique_ptr<MainWindow> window;

    explicit Editor(const QString& folder) {
        window = std::make_unique<MainWindow>(
            document, MainWindowServices{messages, busy, dialogs, web, urls, colour_picker, folder},
            QString());
        window->show();
        QApplication::processEvents();
    }
};

// A make-big-theme file of `styles` styles in `dir`.
QString big_theme_file(const QTemporaryDir& dir, int styles) {
    const QString path = dir.filePath(QStringLiteral("big.kmtf"));
    write_file(path, big_theme_text(styles));
    return path;
}

// File > Open of a large theme in a fresh window, until the window has painted its first tiles.
void BM_OpenAndPaintFirstTiles(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = big_theme_file(dir, int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<Editor>(dir.path());
        state.ResumeTiming();
        editor->window->open_theme(path, OpenSource::Menu);
        benchmark::DoNotOptimize(editor->window->grab());
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
    state.counters["styles"] = double(state.range(0));
}
BENCHMARK(BM_OpenAndPaintFirstTiles)
    ->Arg(30000)
    ->Arg(1000000)
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The style editor's Apply with one colour changed, until the tiles are painted again.
void BM_ApplyColourAndRepaint(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = big_theme_file(dir, int(state.range(0)));
    Editor editor(dir.path());
    editor.window->open_theme(path, OpenSource::Menu);
    editor.window->grab();
    const int index = 1;
    const ElementStyle before = ElementStyle::of(editor.document.theme().elements[index]);
    ElementStyle after = before;
    after.colours.primary_day = QStringLiteral("123456");
    int k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            editor.document.apply_style(index, k++ % 2 == 0 ? after : before, false));
        benchmark::DoNotOptimize(editor.window->preview().canvas()->grab());
    }
}
BENCHMARK(BM_ApplyColourAndRepaint)
    ->Arg(30000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
