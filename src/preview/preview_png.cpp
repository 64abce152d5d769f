// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/preview_png.h"

#include <png.h>
#include <zlib.h>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <csetjmp>
#include <deque>
#include <future>
#include <limits>
#include <new>
#include <system_error>

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
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    return true;
}

// Writes a chunk whose data is ready: the image data, compressed here rather than by libpng,
// and the end.
bool write_chunk(png_structp png, PngOutput& out, const char* name, const QByteArray& data) {
    if (setjmp(out.failed) != 0) {
        return false;
    }
    png_write_chunk(png, reinterpret_cast<png_const_bytep>(name),
                    reinterpret_cast<png_const_bytep>(data.constData()), size_t(data.size()));
    return true;
}

// One strip's rows as the PNG holds them, compressed: each row starts with filter type 0 (none;
// the flat colours compress well without one), then red, green and blue of each pixel. The
// strip's deflate stream stands alone and, but for the last, ends on a byte without ending the
// whole stream, so that the strips, compressed side by side on several threads, join into one.
struct CompressedStrip {
    QByteArray deflated;
    uLong adler = 0;  // of the uncompressed rows
    qint64 length = 0;
    bool ok = true;
};

CompressedStrip compress_strip(const QByteArray& rows, bool last) {
    CompressedStrip strip;
    strip.length = rows.size();
    strip.adler = adler32_z(adler32_z(0, nullptr, 0),
                            reinterpret_cast<const Bytef*>(rows.constData()), size_t(rows.size()));
    z_stream z{};
    // Mostly flat colour: the fastest compression costs little in size.
    if (rows.size() > qsizetype(std::numeric_limits<uInt>::max() / 2) ||
        deflateInit2(&z, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        strip.ok = false;
        return strip;
    }
    strip.deflated.resize(qsizetype(deflateBound(&z, uLong(rows.size()))) + 16);
    // zlib only reads its input; constData() leaves the rows shared with the thread that made them.
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(rows.constData()));
    z.avail_in = uInt(rows.size());
    z.next_out = reinterpret_cast<Bytef*>(strip.deflated.data());
    z.avail_out = uInt(strip.deflated.size());
    // The room is deflate's bound and more, so one call takes every row; a call that left any
    // behind, or filled the room (a flush may then be unfinished), failed.
    const int status = deflate(&z, last ? Z_FINISH : Z_SYNC_FLUSH);
    strip.ok = status == (last ? Z_STREAM_END : Z_OK) && z.avail_in == 0 && z.avail_out > 0;
    strip.deflated.truncate(qsizetype(z.total_out));
    deflateEnd(&z);
    return strip;
}

// Compresses the rows on a thread of its own, or on this one when no thread can be started.
std::future<CompressedStrip> start_compressing(const QByteArray& rows, bool last) {
    try {
        return std::async(std::launch::async, compress_strip, rows, last);
    } catch (const std::system_error&) {
        std::promise<CompressedStrip> done;
        done.set_value(compress_strip(rows, last));
        return done.get_future();
    }
}

// The rows of a painted strip (0xffRRGGBB words) as the PNG holds them.
QByteArray png_rows(const QImage& strip, int rows) {
    const int width = strip.width();
    const qsizetype row_bytes = qsizetype(width) * 3 + 1;
    QByteArray bytes(row_bytes * rows, Qt::Uninitialized);
    uchar* out = reinterpret_cast<uchar*>(bytes.data());
    for (int y = 0; y < rows; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
        *out++ = 0;
        for (int x = 0; x < width; ++x) {
            out[0] = uchar(qRed(in[x]));
            out[1] = uchar(qGreen(in[x]));
            out[2] = uchar(qBlue(in[x]));
            out += 3;
        }
    }
    return bytes;
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

    PngOutput out;
    out.device = &device;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &out, png_failed, png_warned);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written =
        info != nullptr && start_png(png, info, out, png_uint_32(width), png_uint_32(height));

    // The strips are painted here one after another and compressed on other threads meanwhile,
    // a few at a time; each is written once it and those before it are done. The image data is
    // one zlib stream: its header, the strips' deflate streams, and the checksum of all rows.
    // At most four strips are in hand at once, whatever the number of cores: each holds its rows
    // and room for their compressed bytes.
    const size_t at_once = size_t(std::clamp(QThread::idealThreadCount(), 2, 4));
    std::deque<std::future<CompressedStrip>> compressing;
    uLong adler = adler32_z(0, nullptr, 0);
    QByteArray data = QByteArrayLiteral("\x78\x01");  // deflate, 32 KB window, fastest level
    const auto write_oldest = [&] {
        const CompressedStrip done = compressing.front().get();
        compressing.pop_front();
        if (!done.ok) {
            out.error = QStringLiteral("out of memory");
            return false;
        }
        adler = adler32_combine64(adler, done.adler, done.length);
        data += done.deflated;
        if (compressing.empty()) {
            for (const int shift : {24, 16, 8, 0}) {
                data += char((adler >> shift) & 0xff);
            }
        }
        const bool chunk_written = write_chunk(png, out, "IDAT", data);
        data.clear();
        return chunk_written;
    };
    try {
        for (qint64 top = 0; written && top < height; top += strip_height) {
            const int rows_here = int(std::min<qint64>(strip_height, height - top));
            {
                QPainter painter(&strip);
                paint_strip(painter, top, QSize(int(width), rows_here));
            }
            compressing.push_back(
                start_compressing(png_rows(strip, rows_here), top + rows_here == height));
            if (compressing.size() >= at_once) {
                written = write_oldest();
            }
        }
        while (written && !compressing.empty()) {
            written = write_oldest();
        }
    } catch (const std::bad_alloc&) {
        // The strips' rows and compressed bytes are the large allocations here.
        written = false;
        out.error = QStringLiteral("out of memory");
    }
    written = written && write_chunk(png, out, "IEND", QByteArray());
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
