// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/preview_png.h"

#include <png.h>
#include <zlib.h>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstring>
#include <deque>
#include <future>
#include <limits>
#include <new>
#include <system_error>
#include <utility>
#include <vector>

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

// Writes deflate's bits, least significant first, into a byte array.
class DeflateBits {
  public:
    explicit DeflateBits(QByteArray& out) : out_(out) {}
    void put(quint32 value, int count) {
        pending_ |= quint64(value) << filled_;
        filled_ += count;
        while (filled_ >= 8) {
            out_ += char(pending_ & 0xff);
            pending_ >>= 8;
            filled_ -= 8;
        }
    }
    // A Huffman code goes most significant bit first.
    void put_code(quint32 code, int count) {
        quint32 reversed = 0;
        for (int bit = 0; bit < count; ++bit) {
            reversed |= ((code >> bit) & 1u) << (count - 1 - bit);
        }
        put(reversed, count);
    }
    // An empty stored block brings the stream to a whole byte without ending it.
    void align_with_empty_stored_block() {
        put(0, 3);
        if (filled_ > 0) {
            put(0, 8 - filled_);
        }
        out_ += QByteArrayLiteral("\x00\x00\xff\xff");
    }

  private:
    QByteArray& out_;
    quint64 pending_ = 0;
    int filled_ = 0;
};

// A copy of `length` (3 to 258) bytes from `distance` (1 to 32768) bytes back, in deflate's fixed
// codes.
void put_fixed_copy(DeflateBits& bits, int length, int distance) {
    if (length == 258) {
        bits.put_code(0xc0 + (285 - 280), 8);
    } else {
        const int over = length - 3;
        int symbol = 257 + over;
        int extra = 0;
        if (over >= 8) {
            extra = std::bit_width(unsigned(over)) - 3;
            symbol = 257 + 4 * (extra + 1) + ((over >> extra) & 3);
        }
        if (symbol < 280) {
            bits.put_code(quint32(symbol - 256), 7);
        } else {
            bits.put_code(quint32(0xc0 + symbol - 280), 8);
        }
        bits.put(quint32(over & ((1 << extra) - 1)), extra);
    }
    const int back = distance - 1;
    if (back < 4) {
        bits.put_code(quint32(back), 5);
        return;
    }
    const int extra = std::bit_width(unsigned(back)) - 2;
    bits.put_code(quint32(2 * (extra + 1) + ((back >> extra) & 1)), 5);
    bits.put(quint32(back & ((1 << extra) - 1)), extra);
}

// Rows equal to the one above them, `count` bytes in all, as one block of copies from a row
// back: far cheaper than deflate searching for what is already known to repeat.
void put_repeated_rows(QByteArray& out, qint64 count, int row_bytes) {
    DeflateBits bits(out);
    bits.put(0b010, 3);  // not the last block, fixed codes
    qint64 left = count;
    while (left > 0) {
        int length = int(std::min<qint64>(left, 258));
        // A copy is at least 3 bytes long: a tail of 1 or 2 is shared with the copy before it.
        if (left > 258 && left < 261) {
            length = int(left - 3);
        }
        put_fixed_copy(bits, length, row_bytes);
        left -= length;
    }
    bits.put_code(0, 7);  // end of block
    bits.align_with_empty_stored_block();
}

// Rows that repeat the one above them, this many in a row at least, skip deflate's search;
// a single one costs less searched than restarting deflate after it.
constexpr qsizetype kRepeatedRowsWorthSkipping = 2;

// Rows of a strip, each equal to the row above it, that are written as copies of that row.
struct RepeatedRows {
    qsizetype first = 0;
    qsizetype count = 0;
};

// A painted strip's rows as the PNG holds them (`rows`, but for those in `repeats`, which are
// left unwritten) and which of them repeat the row above them.
struct StripRows {
    QByteArray rows;
    std::vector<RepeatedRows> repeats;
    qsizetype row_bytes = 0;
};

CompressedStrip compress_strip(const StripRows& strip_rows, bool last) {
    const QByteArray& rows = strip_rows.rows;
    const qsizetype row_bytes = strip_rows.row_bytes;
    CompressedStrip strip;
    strip.length = rows.size();
    z_stream z{};
    // Mostly flat colour: the fastest compression costs little in size. Half the usual room for
    // the search's table, as deflate empties it after each run of repeated rows.
    if (rows.size() > qsizetype(std::numeric_limits<uInt>::max() / 2) ||
        deflateInit2(&z, 1, Z_DEFLATED, -15, 7, Z_DEFAULT_STRATEGY) != Z_OK) {
        strip.ok = false;
        return strip;
    }
    const auto* bytes = reinterpret_cast<const Bytef*>(rows.constData());
    QByteArray& out = strip.deflated;
    uLong adler = adler32_z(0, nullptr, 0);
    // Deflates bytes [from, to) and ends with `flush`; false when zlib failed or lacked room.
    const auto deflate_rows = [&](qsizetype from, qsizetype to, int flush) {
        adler = adler32_z(adler, bytes + from, size_t(to - from));
        const qsizetype before = out.size();
        out.resize(before + qsizetype(deflateBound(&z, uLong(to - from))) + 16);
        // zlib only reads its input; constData() leaves the rows shared with the thread that
        // made them.
        z.next_in = const_cast<Bytef*>(bytes + from);
        z.avail_in = uInt(to - from);
        z.next_out = reinterpret_cast<Bytef*>(out.data() + before);
        z.avail_out = uInt(out.size() - before);
        // The room is deflate's bound and more, so one call takes every byte; a call that left
        // any behind, or filled the room (a flush may then be unfinished), failed.
        const int status = deflate(&z, flush);
        const bool done = status == (flush == Z_FINISH ? Z_STREAM_END : Z_OK) && z.avail_in == 0 &&
                          z.avail_out > 0;
        out.truncate(out.size() - qsizetype(z.avail_out));
        return done;
    };
    // Before repeated rows deflate empties its history, since after them it must not point back
    // past rows it never saw. Giving it the repeated row back cost more time than it saved bytes.
    qsizetype deflated_up_to = 0;
    bool ok = true;
    for (const RepeatedRows& repeat : strip_rows.repeats) {
        const qsizetype from = repeat.first * row_bytes;
        const Bytef* repeated = bytes + from - row_bytes;
        ok = ok && deflate_rows(deflated_up_to, from, Z_FULL_FLUSH);
        const uLong row_adler = adler32_z(adler32_z(0, nullptr, 0), repeated, size_t(row_bytes));
        for (qsizetype copy = 0; copy < repeat.count; ++copy) {
            adler = adler32_combine(adler, row_adler, z_off_t(row_bytes));
        }
        put_repeated_rows(out, repeat.count * row_bytes, int(row_bytes));
        deflated_up_to = from + repeat.count * row_bytes;
    }
    // The rest, and the end of the stream or a flush that leaves it on a whole byte.
    if (ok && (deflated_up_to < rows.size() || last)) {
        ok = deflate_rows(deflated_up_to, rows.size(), last ? Z_FINISH : Z_SYNC_FLUSH);
    }
    deflateEnd(&z);
    strip.adler = adler;
    strip.ok = ok;
    return strip;
}

// Compresses the rows on a thread of its own, or on this one when no thread can be started.
std::future<CompressedStrip> start_compressing(StripRows rows, bool last) {
    try {
        return std::async(std::launch::async, compress_strip, std::move(rows), last);
    } catch (const std::system_error&) {
        std::promise<CompressedStrip> done;
        done.set_value(compress_strip(rows, last));
        return done.get_future();
    }
}

// The rows of a painted strip (0xffRRGGBB words) as the PNG holds them.
StripRows png_rows(const QImage& strip, int rows) {
    const int width = strip.width();
    StripRows made;
    made.row_bytes = qsizetype(width) * 3 + 1;
    made.rows = QByteArray(made.row_bytes * rows, Qt::Uninitialized);
    // Copies reach back at most 32 KB: wider rows are always written out.
    const bool repeats_copied = made.row_bytes <= 32768;
    const auto repeats_above = [&](int y) {
        return std::memcmp(strip.constScanLine(y), strip.constScanLine(y - 1), size_t(width) * 4) ==
               0;
    };
    uchar* const first = reinterpret_cast<uchar*>(made.rows.data());
    // Row `y` differs from the row above it (or is the strip's first); most rows of tiles
    // repeat the row above them.
    for (int y = 0; y < rows;) {
        int end = y + 1;
        while (end < rows && repeats_above(end)) {
            ++end;
        }
        uchar* const out = first + made.row_bytes * y;
        const QRgb* in = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
        out[0] = 0;
        for (int x = 0; x < width; ++x) {
            out[1 + 3 * x] = uchar(qRed(in[x]));
            out[2 + 3 * x] = uchar(qGreen(in[x]));
            out[3 + 3 * x] = uchar(qBlue(in[x]));
        }
        if (repeats_copied && end - y - 1 >= kRepeatedRowsWorthSkipping) {
            made.repeats.push_back({y + 1, end - y - 1});
        } else {
            for (int copy = y + 1; copy < end; ++copy) {
                std::memcpy(first + made.row_bytes * copy, out, size_t(made.row_bytes));
            }
        }
        y = end;
    }
    return made;
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
