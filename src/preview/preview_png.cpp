// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/preview_png.h"

#include <png.h>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <csetjmp>

#include "preview/preview_painter.h"

namespace quorvane {

namespace {

// The PNG format's largest width and height.
constexpr qint64 kLargestPngSide = 0x7fffffff;

// What libpng's callbacks share. libpng reports errors by jumping back to the setjmp of the call
// that failed; every call that can fail runs in a function of its own that holds no object with
// a destructor, so the jump skips nothing.
struct PngOutput {
    QIODevice* device = nullptr;
    QString error;
    std::jmp_buf failed;
};

void write_to_device(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<PngOutput*>(png_get_io_ptr(png));
    if (out->device->write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        out->error = out->device->errorString();
        png_error(png, "write failed");
    }
}

void flush_device(png_structp) {}

[[noreturn]] void png_failed(png_structp png, png_const_charp message) {
    auto* out = static_cast<PngOutput*>(png_get_error_ptr(png));
    if (out->error.isEmpty()) {
        out->error = QString::fromUtf8(message);
    }
    std::longjmp(out->failed, 1);
}

void png_warned(png_structp, png_const_charp) {}

bool start_png(png_structp png, png_infop info, PngOutput& out, png_uint_32 width,
               png_uint_32 height) {
    if (setjmp(out.failed) != 0) {
        return false;
    }
    png_set_write_fn(png, &out, write_to_device, flush_device);
    png_set_user_limits(png, png_uint_32(kLargestPngSide), png_uint_32(kLargestPngSide));
    // Mostly flat colour: the fastest compression costs little in size.
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // The strips hold 0xffRRGGBB words: blue first in memory, and one byte to skip.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    return true;
}

bool write_rows(png_structp png, PngOutput& out, png_bytepp rows, png_uint_32 count) {
    if (setjmp(out.failed) != 0) {
        return false;
    }
    png_write_rows(png, rows, count);
    return true;
}

bool finish_png(png_structp png, png_infop info, PngOutput& out) {
    if (setjmp(out.failed) != 0) {
        return false;
    }
    png_write_end(png, info);
    return true;
}

}  // namespace

QString png_size_problem(qint64 width, qint64 height) {
    if (width <= 0 || height <= 0 || width > kLargestPngSide || height > kLargestPngSide) {
        return QStringLiteral(
                   "the canvas of %1 x %2 pixels does not fit in a PNG (at most %3 "
                   "pixels a side)")
            .arg(width)
            .arg(height)
            .arg(kLargestPngSide);
    }
    return {};
}

QString png_canvas_problem(const PreviewLayout& layout) {
    return png_size_problem(canvas_pixel_size(layout).width(), canvas_pixel_height(layout));
}

bool write_png_in_strips(qint64 width, qint64 height, const PaintStrip& paint_strip,
                         QIODevice& device, QString* error, qint64 strip_bytes) {
    const auto fail = [error](const QString& reason) {
        if (error != nullptr) {
            *error = reason;
        }
        return false;
    };
    const QString problem = png_size_problem(width, height);
    if (!problem.isEmpty()) {
        return fail(problem);
    }
    const qint64 row_bytes = width * 4;
    const int strip_height = int(std::clamp<qint64>(strip_bytes / row_bytes, 1, height));
    QImage strip(int(width), strip_height, QImage::Format_RGB32);
    if (strip.isNull()) {
        return fail(QStringLiteral("not enough memory for one strip of the canvas"));
    }
    std::vector<png_bytep> rows(size_t(strip_height), nullptr);

    PngOutput out;
    out.device = &device;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, png_failed, png_warned);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written =
        info != nullptr && start_png(png, info, out, png_uint_32(width), png_uint_32(height));
    for (qint64 top = 0; written && top < height; top += strip_height) {
        const int rows_here = int(std::min<qint64>(strip_height, height - top));
        {
            QPainter painter(&strip);
            paint_strip(painter, top, QSize(int(width), rows_here));
        }
        for (int y = 0; y < rows_here; ++y) {
            rows[size_t(y)] = strip.scanLine(y);
        }
        written = write_rows(png, out, rows.data(), png_uint_32(rows_here));
    }
    written = written && finish_png(png, info, out);
    png_destroy_write_struct(&png, &info);
    return written ? true : fail(out.error.isEmpty() ? QStringLiteral("out of memory") : out.error);
}

bool write_preview_png(const Theme& theme, const PreviewLayout& layout, QIODevice& device,
                       QString* error, PreviewLight light, qint64 strip_bytes) {
    const std::vector<PresentationBand> bands = presentation_bands(theme, layout);
    PreviewLook look;
    look.light = light;
    look.bands = &bands;
    return write_png_in_strips(
        canvas_pixel_size(layout).width(), canvas_pixel_height(layout),
        [&](QPainter& painter, qint64 top, QSize size) {
            paint_preview_strip(painter, theme, layout, top, size, look);
        },
        device, error, strip_bytes);
}

}  // namespace quorvane
