// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of quorvane-cli diff, build and edit on generated themes of 30,000 styles, beside
// the reading and JSON writing they are measured against (themes_as_code_bench.py times the
// whole commands).
#include <benchmark/benchmark.h>

#include "format/reader.h"
#include "format/theme_from_json.h"
#include "format/theme_json.h"
#include "format/writable_values.h"
#include "generated_theme.h"
#include "model/style_query.h"
#include "model/style_setters.h"
#include "model/theme_diff.h"

namespace quorvane {
namespace {

constexpr int kStyles = 30000;

QByteArray theme_json_text(const Theme& theme) {
    QByteArray json;
    write_theme_json(theme, QStringLiteral("theme.kmtf"), {},
                     [&json](const QByteArray& piece) { json += piece; });
    return json;
}

void BM_ReadTheme(benchmark::State& state) {
    const QByteArray text = generated_theme_text(kStyles);
    MessageList messages;
    for (auto _ : state) {
        Theme theme;
        parse_theme_text(theme, text, messages);
        benchmark::DoNotOptimize(theme.elements.data());
    }
}

void BM_WriteThemeJson(benchmark::State& state) {
    const Theme theme = generated_theme(kStyles);
    for (auto _ : state) {
        qsizetype bytes = 0;
        write_theme_json(theme, QStringLiteral("theme.kmtf"), {},
                         [&bytes](const QByteArray& piece) { bytes += piece.size(); });
        benchmark::DoNotOptimize(bytes);
    }
}

// Two versions that differ in 1,000 styles.
void BM_DiffThemes(benchmark::State& state) {
    const Theme old_theme = generated_theme(kStyles);
    Theme new_theme = old_theme;
    for (int k = 0; k < kStyles; k += kStyles / 1000) {
        new_theme.elements[size_t(k)].primary_day = QStringLiteral("123456");
    }
    for (auto _ : state) {
        const ThemeDiff diff = diff_themes(old_theme, new_theme);
        if (diff.styles.size() != 1000) {
            state.SkipWithError("wrong difference count");
        }
    }
}

void BM_ThemeFromJson(benchmark::State& state) {
    const QByteArray json = theme_json_text(generated_theme(kStyles));
    for (auto _ : state) {
        const ThemeFromJson built = theme_from_json(json);
        if (!built.problems.empty() || built.theme.element_count() != kStyles) {
            state.SkipWithError("the JSON did not make the theme");
        }
    }
}

// The edit itself: choose every style, replace a colour, check what changed.
void BM_ReplaceColourEverywhere(benchmark::State& state) {
    const Theme theme = generated_theme(kStyles);
    QString error;
    const std::vector<StyleSetter> setters{*parse_style_setter(
        QStringLiteral("colour:#") + theme.elements[0].primary_day + QStringLiteral("=#123456"),
        error)};
    for (auto _ : state) {
        state.PauseTiming();
        Theme edited = theme;
        state.ResumeTiming();
        const StyleChanges changes =
            apply_style_setters(edited, StyleQuery().matching(edited), setters);
        benchmark::DoNotOptimize(unwritable_changes(edited, changes));
    }
}

BENCHMARK(BM_ReadTheme)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteThemeJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiffThemes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThemeFromJson)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceColourEverywhere)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane

BENCHMARK_MAIN();
