// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>
#include <functional>

#include "model/theme.h"
#include "preview/preview_layout.h"
#include "preview/tile_drawing.h"

class QIODevice;
class QPainter;

namespace quorvane {

// Why a picture of `width` x `height` pixels cannot be a PNG, or an empty text when it can.
QString png_size_problem(qint64 width, qint64 height);

// Paints one strip of a picture: `top` is the strip's first row in the whole picture, and the
// painter's origin is the strip's top-left corner.
using PaintStrip = std::function<void(QPainter& painter, qint64 top, QSize strip)>;

// Paints a picture of `width` x `height` pixels in horizontal strips of about `strip_bytes`
// each and writes it to `device` as an RGB PNG as it goes, so that memory stays the size of a
// few strips (compressed on other threads) whatever the picture's height. False, with `error` set,
// when it cannot be a PNG or the device fails.
bool write_png_in_strips(qint64 width, qint64 height, const PaintStrip& paint_strip,
                         QIODevice& device, QString* error, qint64 strip_bytes = 16 << 20);

// Why the whole canvas cannot be written as one PNG (a side of 0 or beyond what the format
// holds), or an empty text when it can.
QString png_canvas_problem(const PreviewLayout& layout);

// Paints the whole canvas, by day or night and with the presentation names, in horizontal strips
// of about `strip_bytes` each and writes it to `device` as an RGB PNG, strip by strip: memory
// stays the size of a few strips (compressed on other threads) whatever the canvas's height.
// Returns false and sets `error` when the canvas cannot be a PNG or the device fails (the device's
// own description of the failure).
bool write_preview_png(const Theme& theme, const PreviewLayout& layout, QIODevice& device,
                       QString* error, PreviewLight light = PreviewLight::Day,
                       qint64 strip_bytes = 16 << 20);

}  // namespace quorvane
