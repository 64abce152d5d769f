// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

#include "commands.h"
#include "format/text_file.h"
#include "preview/preview_png.h"
#include "stderr_messages.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// Keeps only the Elements of one presentation (names compared as the reader stores them: upper
// case, without the spaces around them). False when the theme has none of it.
bool keep_presentation(Theme& theme, const QString& name) {
    const QString wanted = ascii_upper(space_trimmed(name));
    std::erase_if(theme.elements,
                  [&](const Element& e) { return space_trimmed_view(e.presentation) != wanted; });
    return !theme.elements.empty();
}

}  // namespace

int run_render(const QStringList& args) {
    QStringList paths;
    PreviewFrame frame;
    PreviewLight light = PreviewLight::Day;
    QString presentation;
    bool one_presentation = false;
    for (qsizetype k = 0; k < args.size(); ++k) {
        if (args[k] == QStringLiteral("--night")) {
            light = PreviewLight::Night;
        } else if (args[k] == QStringLiteral("--canvas-width")) {
            bool ok = false;
            const int width = k + 1 < args.size() ? args[k + 1].toInt(&ok) : 0;
            if (!ok || width <= 0) {
                write_cli_error(QStringLiteral("--canvas-width takes a positive number of twips"));
                return kUsageOrInput;
            }
            frame.canvas_inner_width = frame.canvas_width = width;
            ++k;
        } else if (args[k] == QStringLiteral("--presentation")) {
            if (k + 1 >= args.size()) {
                write_cli_error(QStringLiteral("--presentation takes a presentation's name"));
                return kUsageOrInput;
            }
            presentation = args[++k];
            one_presentation = true;
        } else if (args[k].startsWith(QLatin1Char('-')) && args[k] != kStandardStream) {
            write_cli_error(QStringLiteral("unknown option ") + args[k]);
            return kUsageOrInput;
        } else {
            paths.append(args[k]);
        }
    }
    if (paths.size() != 2) {
        write_cli_error(
            QStringLiteral("render takes IN OUT.png [--canvas-width TWIPS] [--night] "
                           "[--presentation NAME]"));
        return kUsageOrInput;
    }
    Theme theme;
    MessageList messages;
    if (!read_input(paths[0], theme, messages)) {
        return kUsageOrInput;
    }
    if (one_presentation && !keep_presentation(theme, presentation)) {
        write_cli_error(paths[0] + QStringLiteral(" has no presentation ") + presentation);
        return kUsageOrInput;
    }
    const PreviewLayout layout = lay_out_preview(theme, frame);
    // Refused before anything is painted or written.
    const QString too_large = png_canvas_problem(layout);
    if (!too_large.isEmpty()) {
        write_cli_error(too_large);
        return kRefused;
    }
    QString error;
    if (paths[1] == kStandardStream) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) ||
            !write_preview_png(theme, layout, out, &error, light) || !out.flush()) {
            write_cli_error(QStringLiteral("cannot write to standard output: ") +
                            (error.isEmpty() ? out.errorString() : error));
            return kRefused;
        }
        return kSuccess;
    }
    const QString not_replaceable = replacement_problem(paths[1]);
    if (!not_replaceable.isEmpty()) {
        write_cli_error(not_replaceable);
        return kRefused;
    }
    // The old picture stays as it was until the new one is complete.
    QSaveFile out(paths[1]);
    if (!out.open(QIODevice::WriteOnly) || !write_preview_png(theme, layout, out, &error, light) ||
        !out.commit()) {
        out.cancelWriting();
        write_cli_error(QStringLiteral("cannot write ") + paths[1] + QStringLiteral(": ") +
                        (error.isEmpty() ? out.errorString() : error));
        return kRefused;
    }
    return kSuccess;
}

}  // namespace quorvane
