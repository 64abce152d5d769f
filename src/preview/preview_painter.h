// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>

#include <vector>

#include "colour/colour_view.h"
#include "geometry/twips.h"
#include "model/recolouring.h"
#include "model/theme.h"
#include "preview/presentation_names.h"
#include "preview/preview_layout.h"
#include "preview/tile_drawing.h"
#include "preview/tile_selection.h"

class QPainter;

namespace quorvane {

class TileSelection;

// The colours of the preview.
inline const QColor kCanvasColour{255, 255, 255};
inline const QColor kTileColour{250, 245, 250};
inline const QColor kRuleColour{116, 0, 149};
inline const QColor kSelectionColour{255, 0, 255};
// Night view's: a dark canvas and tiles, light labels and a lighter rule.
inline const QColor kNightCanvasColour{28, 28, 36};
inline const QColor kNightTileColour{52, 50, 60};
inline const QColor kNightLabelColour{225, 225, 230};
inline const QColor kNightRuleColour{190, 130, 235};

// How the preview is drawn, beyond the theme and its layout.
struct PreviewLook {
    PreviewLight light = PreviewLight::Day;
    // When set, Element k is drawn plainly only when matching[k] holds; the others are faded.
    const std::vector<bool>* matching = nullptr;
    // When set, each band's presentation name stands in the margin left of its rows, and stays
    // in sight while its rows are: `shown_top` is the topmost canvas row in view, in twips.
    const std::vector<PresentationBand>* bands = nullptr;
    int shown_top = 0;
    // When set, the tiles show the colours this operation would give their styles: the live
    // preview of a recolouring that is not applied yet.
    const ColourOperation* proposal = nullptr;
    // How the theme's colours are shown: as the device quantises them, as a colour vision sees
    // them.
    ColourView colours;
};

// Which Elements' tiles wear the magenta selection frame, and which one the dotted frame that
// shows where the keyboard works.
struct TileMarks {
    const TileSelection* selection = nullptr;
    int focus_element = -1;
};

// Arial 7.8 point (a close sans-serif where Arial is missing), for the tile labels.
QFont label_font();

// The canvas's size in pixels; as a QSize only for a canvas a window can show.
QSize canvas_pixel_size(const PreviewLayout& layout);
// The canvas's height in pixels, however tall it is.
qint64 canvas_pixel_height(const PreviewLayout& layout);

// The font of the presentation names: the labels' font in bold.
QFont presentation_name_font();

// Paints the part `area` (canvas pixels) of the preview canvas onto `painter`, whose origin is
// the canvas's top-left corner: the canvas, the rules between presentations, the tiles and
// labels that reach into the area, the presentation names beside them, and the frames `marks`
// asks for. Only the rows and bands in the area are visited.
void paint_preview(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                   const QRect& area, const TileMarks& marks = {}, const PreviewLook& look = {});

// The whole canvas as one picture, with the presentation names at the tops of their rows.
QImage render_preview(const Theme& theme, const PreviewLayout& layout,
                      PreviewLight light = PreviewLight::Day);

// Paints the canvas rows first_row .. first_row + size.height() - 1 (pixels, the whole width)
// onto `painter`, whose origin is the strip's top-left corner, as `look` asks; no tile is framed.
// Painting a tall canvas strip by strip gives the same pixels as painting it in one piece.
void paint_preview_strip(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                         qint64 first_row, const QSize& size, const PreviewLook& look = {});

}  // namespace quorvane
