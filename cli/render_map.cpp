// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QPainter>
#include <QSaveFile>

#include "commands.h"
#include "format/text_file.h"
#include "map/map_drawing.h"
#include "map/map_files.h"
#include "map/map_loader.h"
#include "preview/preview_png.h"
#include "stderr_messages.h"
#include "text/message_list.h"

namespace quorvane {

namespace {

struct RenderMapOptions {
    QStringList paths;
    QString presentation;
    PreviewLight light = PreviewLight::Day;
    QSize size{1600, 1000};
    std::optional<QRectF> bbox;  // Web Mercator metres
    MapDrawOptions drawing;
};

bool read_size(const QString& text, QSize* size) {
    const QStringList parts = text.toLower().split(QLatin1Char('x'));
    bool wide = false;
    bool high = false;
    const qint64 width = parts.size() == 2 ? parts[0].toLongLong(&wide) : 0;
    const qint64 height = parts.size() == 2 ? parts[1].toLongLong(&high) : 0;
    if (!wide || !high || !png_size_problem(width, height).isEmpty() || width > INT_MAX ||
        height > INT_MAX) {
        return false;
    }
    *size = QSize(int(width), int(height));
    return true;
}

bool read_bbox(const QString& text, QRectF* bbox) {
    const QStringList parts = text.split(QLatin1Char(','));
    double v[4] = {};
    for (qsizetype k = 0; k < 4 && parts.size() == 4; ++k) {
        bool ok = false;
        v[k] = parts[k].trimmed().toDouble(&ok);
        if (!ok) {
            return false;
        }
    }
    const auto in = [](double x, double limit) { return x >= -limit && x <= limit; };
    if (parts.size() != 4 || !in(v[0], 180) || !in(v[2], 180) || !in(v[1], 90) || !in(v[3], 90) ||
        v[0] >= v[2] || v[1] >= v[3]) {
        return false;
    }
    *bbox = QRectF(mercator_from_degrees(v[0], v[1]), mercator_from_degrees(v[2], v[3]));
    return true;
}

// False after saying why on stderr.
bool read_options(const QStringList& given, RenderMapOptions& options) {
    // "--bbox=-1,50,1,51" as well as "--bbox -1,50,1,51".
    QStringList args;
    for (const QString& arg : given) {
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && equals > 2) {
            args << arg.left(equals) << arg.mid(equals + 1);
        } else {
            args << arg;
        }
    }
    const auto value_of = [&](qsizetype& k, const char* what) -> std::optional<QString> {
        if (k + 1 >= args.size()) {
            write_cli_error(args[k] + QStringLiteral(" takes ") + QLatin1String(what));
            return std::nullopt;
        }
        return args[++k];
    };
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& arg = args[k];
        if (arg == QStringLiteral("--night")) {
            options.light = PreviewLight::Night;
        } else if (arg == QStringLiteral("--hide-unstyled")) {
            options.drawing.show_unstyled = false;
        } else if (arg == QStringLiteral("--presentation")) {
            const auto name = value_of(k, "a presentation's name");
            if (!name) {
                return false;
            }
            options.presentation = *name;
        } else if (arg == QStringLiteral("--size")) {
            const auto size = value_of(k, "WIDTHxHEIGHT in pixels, such as 1600x1000");
            if (!size) {
                return false;
            }
            if (!read_size(*size, &options.size)) {
                write_cli_error(QStringLiteral("--size takes WIDTHxHEIGHT in pixels, such as "
                                               "1600x1000, not ") +
                                *size);
                return false;
            }
        } else if (arg == QStringLiteral("--bbox")) {
            const auto box = value_of(k, "MINLON,MINLAT,MAXLON,MAXLAT in degrees");
            if (!box) {
                return false;
            }
            QRectF area;
            if (!read_bbox(*box, &area)) {
                write_cli_error(QStringLiteral("--bbox takes MINLON,MINLAT,MAXLON,MAXLAT in "
                                               "degrees, each minimum below its maximum, not ") +
                                *box);
                return false;
            }
            options.bbox = area;
        } else if (arg.startsWith(QLatin1Char('-')) && arg != kStandardStream) {
            write_cli_error(QStringLiteral("unknown option ") + arg);
            return false;
        } else {
            options.paths.append(arg);
        }
    }
    if (options.paths.size() < 2) {
        write_cli_error(QStringLiteral(
            "render-map takes THEME [MAP...] OUT.png [--presentation NAME] [--night] "
            "[--size WxH] [--bbox MINLON,MINLAT,MAXLON,MAXLAT] [--hide-unstyled]"));
        return false;
    }
    return true;
}

bool write_map_png(const MapData& map, const MapStyles& styles, const MapView& view,
                   const MapDrawOptions& drawing, QIODevice& out, QString* error) {
    return write_png_in_strips(
        view.size.width(), view.size.height(),
        [&](QPainter& painter, qint64 top, QSize strip) {
            painter.translate(0, -double(top));
            draw_map(painter, map, styles, view, drawing,
                     QRectF(QPointF(0, double(top)), QSizeF(strip)));
        },
        out, error);
}

}  // namespace

int run_render_map(const QStringList& args) {
    RenderMapOptions options;
    if (!read_options(args, options)) {
        return kUsageOrInput;
    }
    const QString theme_path = options.paths.takeFirst();
    const QString out_path = options.paths.takeLast();
    Theme theme;
    MessageList messages;
    if (!read_input(theme_path, theme, messages)) {
        return kUsageOrInput;
    }
    QString presentation = default_map_presentation(theme);
    if (!options.presentation.isEmpty()) {
        if (!has_presentation(theme, options.presentation)) {
            write_cli_error(theme_path + QStringLiteral(" has no presentation ") +
                            options.presentation);
            return kUsageOrInput;
        }
        presentation = options.presentation;
    }
    QStringList problems;
    const std::optional<MapFeatureTable> table =
        read_map_feature_table(map_feature_table_path(), &problems);
    if (!table) {
        for (const QString& problem : problems) {
            write_cli_error(problem);
        }
        return kUsageOrInput;
    }
    QStringList map_paths = options.paths;
    if (map_paths.isEmpty()) {
        map_paths = sample_town_paths();
        if (map_paths.isEmpty()) {
            write_cli_error(QStringLiteral("the sample town is not installed: name a MAP"));
            return kUsageOrInput;
        }
    }
    const MapLoadResult loaded = load_map(map_paths, *table);
    if (!loaded.errors.isEmpty()) {
        for (const QString& error : loaded.errors) {
            write_cli_error(error);
        }
        return kUsageOrInput;
    }
    const MapData& map = *loaded.map;
    const QString incomplete = edge_counts_message(map.edge_counts());
    if (!incomplete.isEmpty()) {
        write_stderr_line(incomplete);
    }
    const MapView view = options.bbox ? MapView::fitting(*options.bbox, options.size)
                                      : MapView::fitting(map.bounds(), options.size);
    const MapStyles styles = map_styles(theme, presentation, options.light);

    QString error;
    if (out_path == kStandardStream) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) ||
            !write_map_png(map, styles, view, options.drawing, out, &error) || !out.flush()) {
            write_cli_error(QStringLiteral("cannot write to standard output: ") +
                            (error.isEmpty() ? out.errorString() : error));
            return kUsageOrInput;
        }
        return kSuccess;
    }
    const QString not_replaceable = replacement_problem(out_path);
    if (!not_replaceable.isEmpty()) {
        write_cli_error(not_replaceable);
        return kRefused;
    }
    // The old picture stays as it was until the new one is complete.
    QSaveFile out(out_path);
    if (!out.open(QIODevice::WriteOnly) ||
        !write_map_png(map, styles, view, options.drawing, out, &error) || !out.commit()) {
        out.cancelWriting();
        write_cli_error(QStringLiteral("cannot write ") + out_path + QStringLiteral(": ") +
                        (error.isEmpty() ? out.errorString() : error));
        return kUsageOrInput;
    }
    return kSuccess;
}

}  // namespace quorvane
