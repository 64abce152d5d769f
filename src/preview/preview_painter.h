#pragma once

#include <QFont>
#include <QImage>
#include <QRect>

#include "geometry/twips.h"
#include "model/theme.h"
#include "preview/preview_layout.h"

class QPainter;

namespace quorvane {

// The colours of the preview.
inline const QColor kCanvasColour{255, 255, 255};
inline const QColor kTileColour{250, 245, 250};
inline const QColor kRuleColour{116, 0, 149};
inline const QColor kSelectionColour{255, 0, 255};

// Arial 7.8 point (a close sans-serif where Arial is missing), for the tile labels.
QFont label_font();

// The canvas's size in pixels; as a QSize only for a canvas a window can show.
QSize canvas_pixel_size(const PreviewLayout& layout);
// The canvas's height in pixels, however tall it is.
qint64 canvas_pixel_height(const PreviewLayout& layout);

// Paints the part `area` (canvas pixels) of the preview canvas onto `painter`, whose origin is
// the canvas's top-left corner: the white canvas, the rules between presentations, the tiles and
// labels that reach into the area, and the selection frame around tile `framed_tile` (none when
// it is -1). Only the rows in the area are visited.
void paint_preview(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                   const QRect& area, int framed_tile = -1);

// Paints the canvas rows first_row .. first_row + size.height() - 1 (pixels, the whole width)
// onto `painter`, whose origin is the strip's top-left corner; no tile is framed. Painting a tall
// canvas strip by strip gives the same pixels as painting it in one piece.
void paint_preview_strip(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                         qint64 first_row, const QSize& size);

// The whole canvas as one picture.
QImage render_preview(const Theme& theme, const PreviewLayout& layout);

}  // namespace quorvane
