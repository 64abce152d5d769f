#include <QFileInfo>
#include <QImage>
#include <cstdio>

#include "commands.h"
#include "format/reader.h"
#include "preview/preview_painter.h"
#include "stderr_messages.h"

namespace quorvane {

namespace {

void usage_error(const QString& text) {
    std::fprintf(stderr, "quorvane-cli: %s\n", text.toUtf8().constData());
}

}  // namespace

int run_render(const QStringList& args) {
    QStringList paths;
    PreviewFrame frame;
    PreviewLight light = PreviewLight::Day;
    for (qsizetype k = 0; k < args.size(); ++k) {
        if (args[k] == QStringLiteral("--night")) {
            light = PreviewLight::Night;
        } else if (args[k] == QStringLiteral("--canvas-width")) {
            bool ok = false;
            const int width = k + 1 < args.size() ? args[k + 1].toInt(&ok) : 0;
            if (!ok || width <= 0) {
                usage_error(QStringLiteral("--canvas-width takes a positive number of twips"));
                return kUsageOrInput;
            }
            frame.canvas_inner_width = frame.canvas_width = width;
            ++k;
        } else {
            paths.append(args[k]);
        }
    }
    if (paths.size() != 2) {
        usage_error(QStringLiteral("render takes IN OUT.png [--canvas-width TWIPS] [--night]"));
        return kUsageOrInput;
    }
    Theme theme;
    StderrMessages messages(false);
    if (!read_input(paths[0], theme, messages)) {
        return kUsageOrInput;
    }
    const QImage image = render_preview(theme, lay_out_preview(theme, frame), light);
    if (image.isNull()) {
        usage_error(QStringLiteral("the canvas is too large to paint"));
        return kRefused;
    }
    if (!image.save(paths[1], "PNG")) {
        usage_error(QStringLiteral("cannot write ") + paths[1]);
        return kUsageOrInput;
    }
    return kSuccess;
}

}  // namespace quorvane
