#include "preview/preview_painter.h"

#include <QPainter>
#include <algorithm>

#include "geometry/twips.h"
#include "preview/tile_drawing.h"
#include "preview/tile_selection.h"

namespace quorvane {

namespace {

int px(double twips) {
    return twips_to_pixels(twips);
}

void paint_tile(QPainter& painter, const Element& e, const PreviewLayout& layout, int k) {
    const QRect tile = to_pixels(layout.tile_rect(k));
    painter.fillRect(tile, kTileColour);
    // Drawing coordinates start at the tile's top-left pixel, so every tile looks the same
    // wherever it lies; nothing spills out of the tile.
    const TileDrawing drawing = tile_drawing(e, layout.sample_offset);
    for (int f = 0; f < drawing.count; ++f) {
        const TileFill& fill = drawing.fills[size_t(f)];
        const QRect band =
            to_pixels(fill.rect.normalized()).translated(tile.topLeft()).intersected(tile);
        if (!band.isEmpty()) {
            painter.fillRect(band, fill.colour);
        }
    }
}

void paint_label(QPainter& painter, const Element& e, const PreviewLayout& layout, int k) {
    const QRect label = to_pixels(layout.label_rect(k));
    painter.save();
    painter.setClipRect(label);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, e.display_name);
    painter.restore();
}

// The frames reach a little beyond their tiles and labels: rows that close to the area count.
constexpr int kFrameReach = 4 * kTwipsPerPixel;

void paint_frames(QPainter& painter, const PreviewLayout& layout, int count, int top, int bottom,
                  const TileMarks& marks) {
    painter.setBrush(Qt::NoBrush);
    const auto [first_row, end_row] = layout.rows_between(top - kFrameReach, bottom + kFrameReach);
    if (marks.selection != nullptr && !marks.selection->empty()) {
        painter.setPen(QPen(kSelectionColour, 0));
        for (int r = first_row; r < end_row; ++r) {
            const PreviewRow& row = layout.rows[size_t(r)];
            for (int k = row.first; k < row.first + row.count && k < count; ++k) {
                if (marks.selection->is_selected(k)) {
                    painter.drawRect(to_pixels(layout.selection_frame(k)).adjusted(0, 0, -1, -1));
                }
            }
        }
    }
    if (marks.focus_tile >= 0 && marks.focus_tile < count) {
        QPen dotted(Qt::black, 0, Qt::DotLine);
        painter.setPen(dotted);
        painter.drawRect(
            to_pixels(layout.selection_frame(marks.focus_tile)).adjusted(-2, -2, 1, 1));
    }
}

}  // namespace

QFont label_font() {
    QFont font;
    // Where Arial is missing, a font of its widths, else a narrow sans-serif one: the labels are
    // only as wide as their tiles.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7.8);
    return font;
}

QSize canvas_pixel_size(const PreviewLayout& layout) {
    return QSize(px(layout.canvas_width), px(layout.canvas_height));
}

void paint_preview(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                   const QRect& area, const TileMarks& marks) {
    painter.fillRect(area, kCanvasColour);
    const int top = area.top() * kTwipsPerPixel;
    const int bottom = (area.bottom() + 1) * kTwipsPerPixel;

    const int width = px(layout.canvas_width);
    for (auto it = std::lower_bound(layout.rules.begin(), layout.rules.end(), top - kTwipsPerPixel);
         it != layout.rules.end() && *it < bottom + kTwipsPerPixel; ++it) {
        painter.fillRect(QRect(0, px(*it), width, 1), kRuleColour);
    }

    // A tile that disappeared from the theme since the layout was made is not drawn.
    const int count = std::min(layout.tile_count(), theme.element_count());
    const auto [first_row, end_row] =
        layout.rows_between(top - kTwipsPerPixel, bottom + kTwipsPerPixel);
    painter.setFont(label_font());
    painter.setPen(Qt::black);
    for (int r = first_row; r < end_row; ++r) {
        const PreviewRow& row = layout.rows[size_t(r)];
        for (int k = row.first; k < row.first + row.count && k < count; ++k) {
            const Element& e = theme.elements[size_t(k)];
            paint_tile(painter, e, layout, k);
            paint_label(painter, e, layout, k);
        }
    }

    paint_frames(painter, layout, count, top, bottom, marks);
}

QImage render_preview(const Theme& theme, const PreviewLayout& layout) {
    QImage image(canvas_pixel_size(layout), QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    QPainter painter(&image);
    paint_preview(painter, theme, layout, image.rect());
    return image;
}

}  // namespace quorvane
