// SPDX-License-Identifier: GPL-3.0-or-later
// The checker and the Problems panel on large themes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTreeView>

#include "generated_theme.h"
#include "model/theme_check.h"
#include "model/theme_document.h"
#include "text/message_list.h"
#include "ui/problems_panel.h"

namespace {

using namespace quorvane;

// Every Element of the generated theme has a feature name outside the catalogue, so every one is
// a finding: the most the list ever has to show.
void BM_CheckTheme(benchmark::State& state) {
    const Theme theme = generated_theme(int(state.range(0)));
    size_t findings = 0;
    for (auto _ : state) {
        const std::vector<Finding> found = check_theme(theme);
        findings = found.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["findings"] = double(findings);
}
BENCHMARK(BM_CheckTheme)->Arg(300)->Arg(5000)->Arg(30000)->Unit(benchmark::kMillisecond);

// One style change, then the panel checks the theme again, refills its list and paints it: what
// the user waits for once the pause after an edit is over.
void BM_ProblemsPanelAfterStyleChange(benchmark::State& state) {
    ThemeDocument document;
    document.replace(generated_theme(int(state.range(0))), QStringLiteral("bench.kmtf"), true);
    ProblemsPanel panel(document);
    panel.resize(900, 240);
    panel.show();
    QApplication::processEvents();
    MessageList messages;
    const ElementStyle before = ElementStyle::of(document.theme().elements[0]);
    ElementStyle after = before;
    after.colours.primary_day = QStringLiteral("zz0000");
    int k = 0;
    for (auto _ : state) {
        messages.add(document.apply_style(0, k++ % 2 == 0 ? after : before, false));
        panel.refresh_now();
        panel.list()->viewport()->repaint();
    }
    state.counters["findings"] = double(panel.findings().size());
}
BENCHMARK(BM_ProblemsPanelAfterStyleChange)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
