// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas written as a PNG strip by strip is the canvas painted in one piece.
#include <gtest/gtest.h>
#include <zlib.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>
#include <numeric>
#include <vector>

#include "format/reader.h"
#include "preview/preview_painter.h"
#include "preview/preview_png.h"
#include "support/gui_application.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

QByteArray png_of(const Theme& theme, const PreviewLayout& layout, qint64 strip_bytes,
                  PreviewLight light = PreviewLight::Day) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_TRUE(write_preview_png(theme, layout, buffer, &error, light, strip_bytes))
        << error.toStdString();
    return buffer.data();
}

TEST(PreviewPng, StripsEqualTheCanvasPaintedInOnePiece) {
    ensure_gui_application();
    for (const QString& path :
         {QStringLiteral(QUORVANE_TEST_DATA "/preview/two_presentations.kmtf"),
          QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf")}) {
        Theme theme;
        MessageList messages;
        ASSERT_TRUE(read_theme_file(path, theme, messages));
        for (const int width : {11712, 2000}) {
            PreviewFrame frame;
            frame.canvas_inner_width = frame.canvas_width = width;
            const PreviewLayout layout = lay_out_preview(theme, frame);
            for (const PreviewLight light : {PreviewLight::Day, PreviewLight::Night}) {
                const QImage whole = render_preview(theme, layout, light);
                const qint64 row_bytes = qint64(whole.width()) * 4;
                // One row at a time, strips that cut through tiles, labels and names, one strip.
                for (const qint64 strip_bytes : {qint64(1), row_bytes * 7, row_bytes * 100000}) {
                    SCOPED_TRACE(testing::Message() << path.toStdString() << " at " << width
                                                    << " twips, strips of " << strip_bytes);
                    const QImage written =
                        QImage::fromData(png_of(theme, layout, strip_bytes, light), "PNG")
                            .convertToFormat(QImage::Format_RGB32);
                    EXPECT_EQ(written, whole);
                }
            }
        }
    }
}

// A tile far beyond where int twips end (about 2.7 million rows down) is painted where it lies.
TEST(PreviewPng, PaintsTilesFarDownATallCanvas) {
    ensure_gui_application();
    Theme theme;
    MessageList messages;
    ASSERT_TRUE(read_theme_file(
        QStringLiteral(QUORVANE_TEST_DATA "/preview/two_presentations.kmtf"), theme, messages));
    const PreviewLayout near = lay_out_preview(theme, PreviewFrame{});
    // The same rows moved 4,000,000,000 twips (a multiple of 15) down the canvas.
    constexpr qint64 kShift = 4'000'000'005;
    PreviewLayout far = near;
    for (TwipsPoint& at : far.tile_positions) {
        at.top += kShift;
    }
    for (PreviewRow& row : far.rows) {
        row.top += kShift;
    }
    for (qint64& rule : far.rules) {
        rule += kShift;
    }
    far.canvas_height += kShift;
    EXPECT_TRUE(png_canvas_problem(far).isEmpty());

    const QSize strip_size = canvas_pixel_size(near);
    QImage expected(strip_size, QImage::Format_RGB32);
    QImage painted(strip_size, QImage::Format_RGB32);
    {
        QPainter painter(&expected);
        paint_preview_strip(painter, theme, near, 0, strip_size);
    }
    {
        QPainter painter(&painted);
        paint_preview_strip(painter, theme, far, kShift / kTwipsPerPixel, strip_size);
    }
    EXPECT_EQ(painted, expected);
}

// The image data of a PNG inflated as one zlib stream, whose checksum must hold; empty when not.
QByteArray inflated_image_data(const QByteArray& png, qsizetype size) {
    QByteArray stream;
    for (qsizetype at = 8; at + 12 <= png.size();) {
        const auto length = qsizetype(qFromBigEndian<quint32>(png.constData() + at));
        if (png.mid(at + 4, 4) == "IDAT") {
            stream += png.mid(at + 8, length);
        }
        at += length + 12;
    }
    QByteArray data(size, '\0');
    uLongf length = uLongf(size);
    const bool whole = uncompress(reinterpret_cast<Bytef*>(data.data()), &length,
                                  reinterpret_cast<const Bytef*>(stream.constData()),
                                  uLong(stream.size())) == Z_OK;
    return whole && qsizetype(length) == size ? data : QByteArray();
}

// Bands of rows each alike, in runs whose bytes leave every remainder of the longest copy deflate
// has (12 px wide: 7 rows' copies leave 1 byte; 86 px: 2 rows leave 2), rows beyond the copies'
// reach (11,000 px) and a picture that ends within a run, cut into strips of every kind.
TEST(PreviewPng, RowsRepeatingTheRowAboveComeOutAsPainted) {
    ensure_gui_application();
    const std::vector<int> band_heights = {8, 1, 3, 2, 1, 3, 9, 40};
    const int height = std::accumulate(band_heights.begin(), band_heights.end(), 0);
    const auto paint_bands = [&](QPainter& painter, qint64 top, QSize strip) {
        int band_top = 0;
        for (size_t band = 0; band < band_heights.size(); ++band) {
            painter.fillRect(QRect(0, int(band_top - top), strip.width(), band_heights[band]),
                             QColor::fromHsv(int(band * 40), 200, 50 + int(band) * 20));
            // A dot to the right of each band's first row leaves no two bands alike.
            painter.fillRect(QRect(int(band) % strip.width(), int(band_top - top), 1, 1),
                             Qt::black);
            band_top += band_heights[band];
        }
    };
    for (const int width : {12, 86, 781, 11000}) {
        QImage whole(width, height, QImage::Format_RGB32);
        {
            QPainter painter(&whole);
            paint_bands(painter, 0, whole.size());
        }
        for (const qint64 strip_rows : {1, 7, height}) {
            SCOPED_TRACE(testing::Message() << width << " px, strips of " << strip_rows << " rows");
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            QString error;
            ASSERT_TRUE(write_png_in_strips(width, height, paint_bands, buffer, &error,
                                            strip_rows * width * 4));
            EXPECT_FALSE(
                inflated_image_data(buffer.data(), qsizetype(height) * (width * 3 + 1)).isEmpty());
            EXPECT_EQ(QImage::fromData(buffer.data(), "PNG").convertToFormat(QImage::Format_RGB32),
                      whole);
        }
    }
}

TEST(PreviewPng, RefusesACanvasBeyondThePngFormatAtOnce) {
    const Theme theme;
    PreviewLayout layout;
    layout.canvas_width = 11712;
    layout.canvas_height = qint64(0x7fffffff) * kTwipsPerPixel;
    EXPECT_TRUE(png_canvas_problem(layout).isEmpty());  // the tallest a PNG holds
    layout.canvas_height += kTwipsPerPixel;
    EXPECT_FALSE(png_canvas_problem(layout).isEmpty());

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_FALSE(write_preview_png(theme, layout, buffer, &error));
    EXPECT_EQ(error, png_canvas_problem(layout));
    EXPECT_TRUE(buffer.data().isEmpty());
}

}  // namespace
}  // namespace quorvane
