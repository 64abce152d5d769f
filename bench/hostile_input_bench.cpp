// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that used to cost too much: a CR-only theme with all its styles in one block (read, lay
// out, dump), and the whole preview canvas of a large theme rendered to a PNG. Besides time, each
// reports the peak memory of one run in a child process ("peak_MB", the whole child) and what the
// run added to the memory the child started with ("added_MB").
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QJsonDocument>
#include <QSaveFile>
#include <QTemporaryDir>
#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "format/reader.h"
#include "format/theme_json.h"
#include "format/writer.h"
#include "generated_theme.h"
#include "preview/preview_painter.h"
#include "preview/preview_png.h"
#include "text/message_list.h"

namespace {

using namespace quorvane;

// The largest resident size of a child process that runs `work` once, in MB.
double child_peak_mb(const std::function<void()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void report_memory(benchmark::State& state, const std::function<void()>& work) {
    const double start = child_peak_mb([] {});
    const double peak = child_peak_mb(work);
    state.counters["peak_MB"] = peak;
    state.counters["added_MB"] = peak - start;
}

// Styles of one presentation written with CR alone for line ends: before names ended at "<",
// the whole block was the presentation's name.
QByteArray cr_only_one_block(int styles) {
    Theme theme = generated_theme(styles);
    for (Element& e : theme.elements) {
        e.presentation = QStringLiteral("GUIDANCE");
    }
    MessageList messages;
    QByteArray text = theme_text(
        theme, QStringLiteral("<METADATA>\r\n<TITLE>CR ONLY</TITLE>\r\n</METADATA>"), messages);
    text.replace("\r\n", "\r");
    // Padded with spaces to 1 MB, as long lines of a real file might be.
    text.append(QByteArray(std::max<qsizetype>(0, (1 << 20) - text.size()), ' '));
    return text;
}

void read_lay_out_and_dump(const QByteArray& text) {
    MessageList messages;
    Theme theme;
    parse_theme_text(theme, text, messages);
    const PreviewLayout layout = lay_out_preview(theme, PreviewFrame{});
    const QByteArray json =
        QJsonDocument(theme_json(theme, QStringLiteral("cr.kmtf"), messages.texts())).toJson();
    benchmark::DoNotOptimize(layout);
    benchmark::DoNotOptimize(json);
}

void BM_CrOnlyOneBlockReadLayOutDump(benchmark::State& state) {
    const QByteArray text = cr_only_one_block(int(state.range(0)));
    // Measured first, before the timed runs leave their freed memory behind.
    report_memory(state, [&text] { read_lay_out_and_dump(text); });
    for (auto _ : state) {
        read_lay_out_and_dump(text);
    }
    state.counters["file_MB"] = double(text.size()) / (1 << 20);
}
BENCHMARK(BM_CrOnlyOneBlockReadLayOutDump)->Arg(5000)->Unit(benchmark::kMillisecond);

// What `quorvane-cli render` does after reading: lay out, paint in strips, write the PNG through
// a temporary file.
void render_to_png(const Theme& theme, const QString& path) {
    const PreviewLayout layout = lay_out_preview(theme, PreviewFrame{});
    QSaveFile out(path);
    QString error;
    if (!out.open(QIODevice::WriteOnly) || !write_preview_png(theme, layout, out, &error) ||
        !out.commit()) {
        std::abort();
    }
}

Theme read_generated_theme(int styles) {
    MessageList messages;
    Theme theme;
    parse_theme_text(theme, generated_theme_text(styles), messages);
    return theme;
}

void BM_RenderPngInStrips(benchmark::State& state) {
    const Theme theme = read_generated_theme(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("canvas.png"));
    report_memory(state, [&] { render_to_png(theme, path); });
    for (auto _ : state) {
        render_to_png(theme, path);
    }
    const PreviewLayout layout = lay_out_preview(theme, PreviewFrame{});
    state.counters["canvas_Mpixels"] =
        double(canvas_pixel_size(layout).width()) * double(canvas_pixel_height(layout)) / 1e6;
    state.counters["png_MB"] = double(QFileInfo(path).size()) / (1 << 20);
}
BENCHMARK(BM_RenderPngInStrips)
    ->Arg(30000)
    ->Arg(300000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The former design for comparison: the whole canvas as one image, saved by QImage.
void BM_RenderPngInOnePiece(benchmark::State& state) {
    const Theme theme = read_generated_theme(int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("canvas.png"));
    const auto render = [&] {
        const QImage image = render_preview(theme, lay_out_preview(theme, PreviewFrame{}));
        if (!image.save(path, "PNG")) {
            std::abort();
        }
    };
    report_memory(state, render);
    for (auto _ : state) {
        render();
    }
}
BENCHMARK(BM_RenderPngInOnePiece)->Arg(30000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
