// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas written as a PNG strip by strip is the canvas painted in one piece.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

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
