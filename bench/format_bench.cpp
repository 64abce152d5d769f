// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing generated themes of 300, 5,000 and 30,000 styles: time per style and
// throughput in bytes of theme text.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QFile>
#include <QTemporaryDir>

#include "format/reader.h"
#include "format/writer.h"
#include "generated_theme.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

void BM_ReadThemeFile(benchmark::State& state) {
    const int styles = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("theme.kmtf"));
    const QByteArray text = generated_theme_text(styles);
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }
    MessageList messages;
    for (auto _ : state) {
        Theme theme;
        read_theme_file(path, theme, messages);
        benchmark::DoNotOptimize(theme.elements.data());
        if (theme.element_count() != styles) {
            state.SkipWithError("wrong element count");
        }
    }
    state.SetItemsProcessed(state.iterations() * styles);
    state.SetBytesProcessed(state.iterations() * text.size());
}

// Heap held by a theme once read, beyond the size of its file, per Element.
void BM_ThemeMemory(benchmark::State& state) {
    const int styles = static_cast<int>(state.range(0));
    const QByteArray text = generated_theme_text(styles);
    MessageList messages;
    double beyond_file = 0;
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        Theme theme;
        parse_theme_text(theme, text, messages);
        const size_t after = mallinfo2().uordblks;
        beyond_file = (double(after - before) - double(text.size())) / styles;
    }
    state.counters["heap_bytes_per_element_beyond_file"] = beyond_file;
    state.counters["file_bytes_per_element"] = double(text.size()) / styles;
}

void BM_ParseText(benchmark::State& state) {
    const int styles = static_cast<int>(state.range(0));
    const QByteArray text = generated_theme_text(styles);
    MessageList messages;
    for (auto _ : state) {
        Theme theme;
        parse_theme_text(theme, text, messages);
        benchmark::DoNotOptimize(theme.elements.data());
    }
    state.SetItemsProcessed(state.iterations() * styles);
    state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_BuildAndWrite(benchmark::State& state) {
    const int styles = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("theme.kmtf"));
    Theme theme = generated_theme(styles);
    MessageList messages;
    qint64 bytes = 0;
    for (auto _ : state) {
        save_theme_file(theme, path, messages, ExistingFile::Replaced);
        bytes = QFile(path).size();
    }
    state.SetItemsProcessed(state.iterations() * styles);
    state.SetBytesProcessed(state.iterations() * bytes);
}

BENCHMARK(BM_ReadThemeFile)->Arg(300)->Arg(5000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThemeMemory)->Arg(30000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseText)->Arg(300)->Arg(5000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildAndWrite)->Arg(300)->Arg(5000)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
