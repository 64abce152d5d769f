// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, writing and checking the themes of ../shared/bench/make-big-theme.py (every style with
// a field name of its own) at 30,000 and 300,000 styles, and the whole quorvane-cli commands on
// them, each run as its own process as a user runs it.
//
// `commands_bench --write-theme N PATH` writes the generated theme of N styles the other
// benchmarks read (each feature name in every presentation) to PATH, for scripts/bench-commands.sh.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>

#include "format/reader.h"
#include "format/writer.h"
#include "generated_theme.h"
#include "model/theme_check.h"

namespace quorvane {
namespace {

// A make-big-theme file of `styles` styles, written once per size.
class BigThemeFile {
  public:
    explicit BigThemeFile(int styles) : path_(dir_.filePath(QStringLiteral("theme.kmtf"))) {
        text_ = big_theme_text(styles);
        write_file(path_, text_);
    }
    const QString& path() const { return path_; }
    qint64 size() const { return text_.size(); }
    QString output(const char* name) const { return dir_.filePath(QLatin1String(name)); }

  private:
    QTemporaryDir dir_;
    QString path_;
    QByteArray text_;
};

const BigThemeFile& big_theme_file(int styles) {
    static BigThemeFile small(30000);
    static BigThemeFile large(300000);
    return styles == 30000 ? small : large;
}

void BM_ReadBigTheme(benchmark::State& state) {
    const BigThemeFile& file = big_theme_file(int(state.range(0)));
    MessageList messages;
    for (auto _ : state) {
        Theme theme;
        read_theme_file(file.path(), theme, messages);
        benchmark::DoNotOptimize(theme.elements.data());
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_ReadBigTheme)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);

void BM_WriteBigTheme(benchmark::State& state) {
    const BigThemeFile& file = big_theme_file(int(state.range(0)));
    MessageList messages;
    Theme theme;
    read_theme_file(file.path(), theme, messages);
    const QString out = file.output("written.kmtf");
    for (auto _ : state) {
        save_theme_file(theme, out, messages, ExistingFile::Replaced);
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_WriteBigTheme)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);

// Every Element is a finding, and their messages are worded, as quorvane-cli check does.
void BM_CheckBigTheme(benchmark::State& state) {
    const BigThemeFile& file = big_theme_file(int(state.range(0)));
    MessageList messages;
    Theme theme;
    read_theme_file(file.path(), theme, messages);
    size_t findings = 0;
    for (auto _ : state) {
        const FindingWording wording;
        const std::vector<Finding> found = check_theme(theme);
        for (const Finding& f : found) {
            benchmark::DoNotOptimize(f.message());
        }
        findings = found.size();
    }
    state.counters["findings"] = double(findings);
}
BENCHMARK(BM_CheckBigTheme)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);

// One quorvane-cli command on the file, as its own process, its output thrown away.
void run_command(benchmark::State& state, const QStringList& arguments) {
    const BigThemeFile& file = big_theme_file(int(state.range(0)));
    QStringList args;
    for (const QString& arg : arguments) {
        args.append(arg == QStringLiteral("IN")    ? file.path()
                    : arg == QStringLiteral("OUT") ? file.output("resaved.kmtf")
                                                   : arg);
    }
    for (auto _ : state) {
        QProcess cli;
        cli.setStandardOutputFile(QProcess::nullDevice());
        cli.setStandardErrorFile(QProcess::nullDevice());
        cli.start(QStringLiteral(QUORVANE_CLI), args);
        if (!cli.waitForFinished(-1) || cli.exitStatus() != QProcess::NormalExit) {
            state.SkipWithError("quorvane-cli did not finish");
        }
    }
    state.SetBytesProcessed(state.iterations() * file.size());
}

void BM_DumpCommand(benchmark::State& state) {
    run_command(state, {QStringLiteral("dump"), QStringLiteral("IN")});
}
void BM_ResaveCommand(benchmark::State& state) {
    run_command(state, {QStringLiteral("resave"), QStringLiteral("IN"), QStringLiteral("OUT"),
                        QStringLiteral("--force")});
}
void BM_CheckCommand(benchmark::State& state) {
    run_command(state, {QStringLiteral("check"), QStringLiteral("IN")});
}
BENCHMARK(BM_DumpCommand)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ResaveCommand)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CheckCommand)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--write-theme") == 0) {
        return quorvane::write_file(QString::fromLocal8Bit(argv[3]),
                                    quorvane::generated_theme_text(std::atoi(argv[2])))
                   ? 0
                   : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
