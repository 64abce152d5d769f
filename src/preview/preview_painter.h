#pragma once

#include <QFont>
#include <QImage>
#include <QRect>

#include "geometry/twips.h"
#include "model/theme.h"
#include "preview/preview_layout.h"

class QPainter;

namespace quorvane {

class TileSelection;

// The colours of the preview.
inline const QColor kCanvasColour{255, 255, 255};
inline const QColor kTileColour{250, 245, 250};
inline const QColor kRuleColour{116, 0, 149};
inline const QColor kSelectionColour{255, 0, 255};

// Which tiles wear the magenta selection frame, and which one the dotted frame that shows where
// the keyboard works.
struct TileMarks {
    const TileSelection* selection = nullptr;
    int focus_tile = -1;
};

// Arial 7.8 point (a close sans-serif where Arial is missing), for the tile labels.
QFont label_font();

// The canvas's size in pixels.
QSize canvas_pixel_size(const PreviewLayout& layout);

// Paints the part `area` (canvas pixels) of the preview canvas onto `painter`, whose origin is
// the canvas's top-left corner: the white canvas, the rules between presentations, the tiles and
// labels that reach into the area, and the frames `marks` asks for. Only the rows in the area are
// visited.
void paint_preview(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                   const QRect& area, const TileMarks& marks = {});

// The whole canvas as one picture.
QImage render_preview(const Theme& theme, const PreviewLayout& layout);

}  // namespace quorvane
