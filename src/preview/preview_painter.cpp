#include "preview/preview_painter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "geometry/twips.h"
#include "preview/tile_drawing.h"

namespace quorvane {

namespace {

int px(double twips) {
    return twips_to_pixels(twips);
}

// The canvas pixel row of a vertical position in twips, rounded as to_pixels rounds.
qint64 pixel_row(qint64 twips) {
    return qint64(std::nearbyint(double(twips) / kTwipsPerPixel));
}

// Painting coordinates: the painter's origin is canvas pixel (0, origin_row), so that a strip far
// down a tall canvas is painted in small numbers.
struct PaintOrigin {
    qint64 origin_row = 0;

    // A rectangle of the canvas in twips, its top given in 64 bits, in painter pixels. Each edge
    // is rounded on its own, as to_pixels does.
    QRect pixels(int left, qint64 top, int width, int height) const {
        const int x = px(left);
        const qint64 y = pixel_row(top);
        return QRect(x, int(y - origin_row), px(left + width) - x,
                     int(pixel_row(top + height) - y));
    }
};

void paint_tile(QPainter& painter, const Element& e, const PreviewLayout& layout, int k,
                const PaintOrigin& origin) {
    const TwipsPoint at = layout.tile_positions[size_t(k)];
    const QRect tile =
        origin.pixels(at.x(), at.y(), layout.tiles.tile_width, layout.tiles.tile_height);
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

void paint_label(QPainter& painter, const Element& e, const PreviewLayout& layout, int k,
                 const PaintOrigin& origin) {
    const TwipsPoint at = layout.tile_positions[size_t(k)];
    const QRect label = origin.pixels(at.x(), at.y() + layout.tiles.tile_height,
                                      layout.tiles.label_width, layout.tiles.label_height);
    painter.save();
    painter.setClipRect(label);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, e.display_name);
    painter.restore();
}

// paint_preview for a painter whose origin is canvas pixel (0, origin_row); `area` is in the
// painter's pixels.
void paint_area(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                const QRect& area, qint64 origin_row, int framed_tile) {
    const PaintOrigin origin{origin_row};
    painter.fillRect(area, kCanvasColour);
    const qint64 top = (origin_row + area.top()) * kTwipsPerPixel;
    const qint64 bottom = (origin_row + area.bottom() + 1) * kTwipsPerPixel;

    const int width = px(layout.canvas_width);
    for (auto it = std::lower_bound(layout.rules.begin(), layout.rules.end(), top - kTwipsPerPixel);
         it != layout.rules.end() && *it < bottom + kTwipsPerPixel; ++it) {
        painter.fillRect(QRect(0, int(pixel_row(*it) - origin_row), width, 1), kRuleColour);
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
            paint_tile(painter, e, layout, k, origin);
            paint_label(painter, e, layout, k, origin);
        }
    }

    if (framed_tile >= 0 && framed_tile < count) {
        const TwipsPoint at = layout.tile_positions[size_t(framed_tile)];
        const QRect frame =
            origin.pixels(at.x() - 20, at.y() - 20, layout.tiles.tile_width + 40,
                          layout.tiles.label_height + layout.tiles.tile_height + 40);
        painter.setPen(QPen(kSelectionColour, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
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
    return QSize(px(layout.canvas_width), int(canvas_pixel_height(layout)));
}

qint64 canvas_pixel_height(const PreviewLayout& layout) {
    return pixel_row(layout.canvas_height);
}

void paint_preview(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                   const QRect& area, int framed_tile) {
    paint_area(painter, theme, layout, area, 0, framed_tile);
}

void paint_preview_strip(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                         qint64 first_row, const QSize& size) {
    paint_area(painter, theme, layout, QRect(QPoint(0, 0), size), first_row, -1);
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
