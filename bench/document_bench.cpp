// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo on a large theme, the memory the history keeps, the recovery copy, and the check
// before a save that another program did not change the file.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "format/file_identity.h"
#include "format/text_file.h"
#include "format/writer.h"
#include "generated_theme.h"
#include "model/theme_document.h"
#include "settings/recovery_copies.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

constexpr int kStyles = 30000;

ElementStyle recoloured(const Element& e, int n) {
    ElementStyle style = ElementStyle::of(e);
    style.colours.primary_day = QStringLiteral("%1").arg(n % 0xFFFFFF, 6, 16, QLatin1Char('0'));
    return style;
}

void BM_UndoRedoStyleChange(benchmark::State& state) {
    ThemeDocument document;
    document.replace(generated_theme(kStyles), kUntitledFileName, false);
    MessageList messages;
    messages.add(document.apply_style(
        kStyles / 2, recoloured(document.theme().elements[kStyles / 2], 1), false));
    for (auto _ : state) {
        document.history().undo();
        document.history().redo();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

void BM_UndoRedoAddPresentation(benchmark::State& state) {
    ThemeDocument document;
    Theme theme = generated_theme(kStyles);
    theme.elements.erase(theme.elements.begin() + kStyles / 2, theme.elements.end());
    document.replace(theme, kUntitledFileName, false);
    MessageList messages;
    messages.add(document.add_presentations({QStringLiteral("PEDESTRIAN")}));
    for (auto _ : state) {
        document.history().undo();
        document.history().redo();
    }
    state.SetItemsProcessed(state.iterations() * 2);
}

// What 100 style changes keep in the history, in bytes of heap.
void BM_HistoryOfHundredStyleChanges(benchmark::State& state) {
    for (auto _ : state) {
        ThemeDocument document;
        document.replace(generated_theme(kStyles), kUntitledFileName, false);
        MessageList messages;
        const size_t before = mallinfo2().uordblks;
        for (int n = 0; n < 100; ++n) {
            const int k = (n * 293) % kStyles;
            messages.add(document.apply_style(
                k, recoloured(document.theme().elements[size_t(k)], n), false));
        }
        state.counters["history_bytes"] = double(mallinfo2().uordblks - before);
    }
}

void BM_WriteRecoveryCopy(benchmark::State& state) {
    QTemporaryDir dir;
    RecoveryCopies copies(dir.path());
    const Theme theme = generated_theme(kStyles);
    QString error;
    const FileIdentity identity = FileIdentity::of_bytes(recovery_bytes(theme), 0);
    for (auto _ : state) {
        copies.write(recovery_bytes(theme), QStringLiteral("/tmp/theme.kmtf"), identity, error);
    }
}

// What every Save adds: the file read through and hashed, to tell whether another program
// changed it since.
void BM_FileIdentityBeforeSave(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("theme.kmtf"));
    QString error;
    replace_file_atomically(path, recovery_bytes(generated_theme(kStyles)), &error);
    for (auto _ : state) {
        benchmark::DoNotOptimize(current_file_identity(path));
    }
    state.counters["file_bytes"] = double(QFileInfo(path).size());
}

BENCHMARK(BM_UndoRedoStyleChange)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UndoRedoAddPresentation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryOfHundredStyleChanges)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRecoveryCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FileIdentityBeforeSave)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
