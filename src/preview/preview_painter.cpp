// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/preview_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "geometry/twips.h"
#include "preview/tile_drawing.h"
#include "preview/tile_selection.h"

namespace quorvane {

namespace {

int px(double twips) {
    return twips_to_pixels(twips);
}

// The canvas pixel row of a vertical position in twips, rounded as to_pixels rounds.
qint64 pixel_row(qint64 twips) {
    return qint64(std::nearbyint(double(twips) / kTwipsPerPixel));
}

// What a faded tile lets through of itself: the rest is the canvas's colour over it.
constexpr int kFadeAlpha = 190;

// The frames reach a little beyond their tiles and labels: rows that close to the area count.
constexpr int kFrameReach = 4 * kTwipsPerPixel;

// Painting coordinates: the painter's origin is canvas pixel (0, origin_row), so that a strip far
// down a tall canvas is painted in small numbers.
struct PaintOrigin {
    qint64 origin_row = 0;

    // A rectangle of the canvas in twips, its top given in 64 bits, in painter pixels. Each edge
    // is rounded on its own, as to_pixels does.
    QRect pixels(int left, qint64 top, int width, qint64 height) const {
        const int x = px(left);
        const qint64 y = pixel_row(top);
        return QRect(x, int(y - origin_row), px(left + width) - x,
                     int(pixel_row(top + height) - y));
    }
    int row(qint64 top) const { return int(pixel_row(top) - origin_row); }
};

QRect tile_pixels(const PreviewLayout& layout, int k, const PaintOrigin& origin) {
    const TwipsPoint at = layout.tile_positions[size_t(k)];
    return origin.pixels(at.x(), at.y(), layout.tiles.tile_width, layout.tiles.tile_height);
}

QRect label_pixels(const PreviewLayout& layout, int k, const PaintOrigin& origin) {
    const TwipsPoint at = layout.tile_positions[size_t(k)];
    return origin.pixels(at.x(), at.y() + layout.tiles.tile_height, layout.tiles.label_width,
                         layout.tiles.label_height);
}

QRect frame_pixels(const PreviewLayout& layout, int k, const PaintOrigin& origin) {
    const TwipsPoint at = layout.tile_positions[size_t(k)];
    return origin.pixels(at.x() - 20, at.y() - 20, layout.tiles.tile_width + 40,
                         layout.tiles.label_height + layout.tiles.tile_height + 40);
}

void paint_tile(QPainter& painter, const Element& e, int element, const PreviewLayout& layout,
                int k, const PaintOrigin& origin, const PreviewLook& look) {
    const QRect tile = tile_pixels(layout, k, origin);
    painter.fillRect(tile, look.light == PreviewLight::Night ? kNightTileColour : kTileColour);
    const Element* shown = &e;
    Element proposed;
    if (look.proposal != nullptr) {
        if (const std::optional<StyleColours> colours = look.proposal->recoloured(element)) {
            proposed = e;
            colours->write_to(proposed);
            shown = &proposed;
        }
    }
    // Drawing coordinates start at the tile's top-left pixel, so every tile looks the same
    // wherever it lies; nothing spills out of the tile.
    const TileDrawing drawing = tile_drawing(*shown, layout.sample_offset, look.light);
    for (int f = 0; f < drawing.count; ++f) {
        const TileFill& fill = drawing.fills[size_t(f)];
        const QRect band =
            to_pixels(fill.rect.normalized()).translated(tile.topLeft()).intersected(tile);
        if (!band.isEmpty()) {
            painter.fillRect(band, viewed_colour(fill.colour, look.colours));
        }
    }
}

void paint_label(QPainter& painter, const Element& e, const PreviewLayout& layout, int k,
                 const PaintOrigin& origin) {
    const QRect label = label_pixels(layout, k, origin);
    painter.save();
    painter.setClipRect(label);
    painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, e.display_name);
    painter.restore();
}

// The names of the bands that reach into canvas rows [top, bottom) twips, written downwards in
// the margin left of the tiles.
void paint_presentation_names(QPainter& painter, const PreviewLayout& layout,
                              const PreviewLook& look, qint64 top, qint64 bottom,
                              const QColor& colour, const PaintOrigin& origin) {
    const std::vector<PresentationBand>& bands = *look.bands;
    auto band = std::partition_point(bands.begin(), bands.end(),
                                     [&](const PresentationBand& b) { return b.bottom <= top; });
    if (band == bands.end() || band->top >= bottom) {
        return;
    }
    painter.save();
    painter.setFont(presentation_name_font());
    painter.setPen(colour);
    const QFontMetrics metrics = painter.fontMetrics();
    // The glyphs' height centred across the margin; their tops face the tiles.
    const int margin = px(name_margin_width(layout.tiles));
    const int baseline = (margin + metrics.descent() - metrics.ascent()) / 2;
    for (; band != bands.end() && band->top < bottom; ++band) {
        const int room = int(pixel_row(band->bottom) - pixel_row(band->top));
        const QString text = metrics.elidedText(band->name, Qt::ElideRight, room);
        const int length = pixels_to_twips(metrics.horizontalAdvance(text));
        const int start = origin.row(name_top(*band, length, look.shown_top));
        painter.save();
        painter.translate(baseline, start);
        painter.rotate(90);
        painter.drawText(0, 0, text);
        painter.restore();
    }
    painter.restore();
}

// The selection frames and the focus frame. Marks name Elements; the layout knows their tiles.
void paint_frames(QPainter& painter, const PreviewLayout& layout, int elements, qint64 top,
                  qint64 bottom, const TileMarks& marks, const QColor& focus_colour,
                  const PaintOrigin& origin) {
    painter.setBrush(Qt::NoBrush);
    const auto [first_row, end_row] = layout.rows_between(top - kFrameReach, bottom + kFrameReach);
    if (marks.selection != nullptr && !marks.selection->empty()) {
        painter.setPen(QPen(kSelectionColour, 0));
        for (int r = first_row; r < end_row; ++r) {
            const PreviewRow& row = layout.rows[size_t(r)];
            for (int k = row.first; k < row.first + row.count; ++k) {
                const int element = layout.element_of(k);
                if (element < elements && marks.selection->is_selected(element)) {
                    painter.drawRect(frame_pixels(layout, k, origin).adjusted(0, 0, -1, -1));
                }
            }
        }
    }
    const int focus = marks.focus_element >= 0 && marks.focus_element < elements
                          ? layout.tile_of(marks.focus_element)
                          : -1;
    if (focus >= 0) {
        painter.setPen(QPen(focus_colour, 0, Qt::DotLine));
        painter.drawRect(frame_pixels(layout, focus, origin).adjusted(-2, -2, 1, 1));
    }
}

// paint_preview for a painter whose origin is canvas pixel (0, origin_row); `area` is in the
// painter's pixels.
void paint_area(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                const QRect& area, qint64 origin_row, const TileMarks& marks,
                const PreviewLook& look) {
    const PaintOrigin origin{origin_row};
    const bool night = look.light == PreviewLight::Night;
    const QColor canvas_colour = night ? kNightCanvasColour : kCanvasColour;
    const QColor rule_colour = night ? kNightRuleColour : kRuleColour;
    painter.fillRect(area, canvas_colour);
    const qint64 top = (origin_row + area.top()) * kTwipsPerPixel;
    const qint64 bottom = (origin_row + area.bottom() + 1) * kTwipsPerPixel;

    const int width = px(layout.canvas_width);
    for (auto it = std::lower_bound(layout.rules.begin(), layout.rules.end(), top - kTwipsPerPixel);
         it != layout.rules.end() && *it < bottom + kTwipsPerPixel; ++it) {
        painter.fillRect(QRect(0, origin.row(*it), width, 1), rule_colour);
    }

    // A tile whose Element disappeared from the theme since the layout was made is not drawn.
    const int elements = theme.element_count();
    const auto [first_row, end_row] =
        layout.rows_between(top - kTwipsPerPixel, bottom + kTwipsPerPixel);
    painter.setFont(label_font());
    painter.setPen(night ? kNightLabelColour : Qt::black);
    QColor fade = canvas_colour;
    fade.setAlpha(kFadeAlpha);
    for (int r = first_row; r < end_row; ++r) {
        const PreviewRow& row = layout.rows[size_t(r)];
        for (int k = row.first; k < row.first + row.count; ++k) {
            const int element = layout.element_of(k);
            if (element >= elements) {
                break;
            }
            const Element& e = theme.elements[size_t(element)];
            paint_tile(painter, e, element, layout, k, origin, look);
            paint_label(painter, e, layout, k, origin);
            if (look.matching != nullptr && size_t(element) < look.matching->size() &&
                !(*look.matching)[size_t(element)]) {
                painter.fillRect(
                    tile_pixels(layout, k, origin).united(label_pixels(layout, k, origin)), fade);
            }
        }
    }

    if (look.bands != nullptr) {
        paint_presentation_names(painter, layout, look, top - kTwipsPerPixel,
                                 bottom + kTwipsPerPixel, rule_colour, origin);
    }

    paint_frames(painter, layout, elements, top, bottom, marks,
                 night ? kNightLabelColour : QColor(Qt::black), origin);
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

QFont presentation_name_font() {
    QFont font = label_font();
    font.setBold(true);
    return font;
}

QSize canvas_pixel_size(const PreviewLayout& layout) {
    return QSize(px(layout.canvas_width), int(canvas_pixel_height(layout)));
}

qint64 canvas_pixel_height(const PreviewLayout& layout) {
    return pixel_row(layout.canvas_height);
}

void paint_preview(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                   const QRect& area, const TileMarks& marks, const PreviewLook& look) {
    paint_area(painter, theme, layout, area, 0, marks, look);
}

void paint_preview_strip(QPainter& painter, const Theme& theme, const PreviewLayout& layout,
                         qint64 first_row, const QSize& size, const PreviewLook& look) {
    paint_area(painter, theme, layout, QRect(QPoint(0, 0), size), first_row, {}, look);
}

QImage render_preview(const Theme& theme, const PreviewLayout& layout, PreviewLight light) {
    QImage image(canvas_pixel_size(layout), QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    const std::vector<PresentationBand> bands = presentation_bands(theme, layout);
    PreviewLook look;
    look.light = light;
    look.bands = &bands;
    QPainter painter(&image);
    paint_preview(painter, theme, layout, image.rect(), {}, look);
    return image;
}

}  // namespace quorvane
