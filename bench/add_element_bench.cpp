// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "model/element_additions.h"
#include "model/presentation_changes.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

// A theme of `count` Elements spread over the six presentations; `reversed` lists the
// presentations from the highest rank down, as a file may, so the first addition re-sorts all.
Theme generated(int count, bool reversed) {
    Theme theme;
    theme.elements.reserve(size_t(count));
    for (int k = 0; k < count; ++k) {
        const int rank = (k * 6 / count);
        Element e;
        e.sort_code = (reversed ? 5 - rank : rank) * 10 + k % 2;
        e.field_name = QStringLiteral("MAP_F%1_CLR").arg(k);
        e.border = k % 2 == 1 ? QStringLiteral(".6") : QString();
        e.presentation = QStringLiteral("P");
        theme.elements.push_back(e);
    }
    return theme;
}

void add_to_theme(benchmark::State& state, bool reversed) {
    const Theme original = generated(int(state.range(0)), reversed);
    for (auto _ : state) {
        state.PauseTiming();
        Theme theme = original;
        const ElementPick picked{0, "GUIDANCE", {"WATER", "WOODS"}, {"ROAD_DIM"}};
        state.ResumeTiming();
        add_picked_elements(theme, picked);
        benchmark::DoNotOptimize(theme.elements.data());
    }
}

void BM_AddElementSorted(benchmark::State& state) {
    add_to_theme(state, false);
}
void BM_AddElementOutOfRankOrder(benchmark::State& state) {
    add_to_theme(state, true);
}

void BM_AddPresentation(benchmark::State& state) {
    const Theme original = generated(int(state.range(0)), false);
    MessageList messages;
    for (auto _ : state) {
        state.PauseTiming();
        Theme theme = original;
        state.ResumeTiming();
        add_presentations(theme, {QStringLiteral("TRAFFIC")}, messages);
        benchmark::DoNotOptimize(theme.elements.data());
    }
}

void BM_RemovePresentation(benchmark::State& state) {
    const Theme original = generated(int(state.range(0)), false);
    for (auto _ : state) {
        state.PauseTiming();
        Theme theme = original;
        state.ResumeTiming();
        remove_presentations(theme, {QStringLiteral("BROWSE")});
        benchmark::DoNotOptimize(theme.elements.data());
    }
}

BENCHMARK(BM_AddElementSorted)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddElementOutOfRankOrder)->Arg(1000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddPresentation)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemovePresentation)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
