// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_picture.h"

#include <QPainter>
#include <cmath>

#include "map/map_overlays.h"

namespace quorvane {

namespace {

// How near to whole pixels a move of the view must be for the picture to be shifted.
constexpr double kWholePixel = 1e-3;
// Qt's hatching patterns repeat every eight pixels.
constexpr double kPatternPeriod = 8;
// Around the scale bar, what its halo and turned-up ends may reach.
constexpr int kScaleBarMargin = 6;

// Where hatching starts: a point fixed on the map, so that a shifted picture and the strips
// drawn beside it hatch as one. The painter takes it in device pixels, in which the patterns
// repeat.
QPointF pattern_origin(const MapView& view, qreal pixel_ratio) {
    const QPointF fixed = view.to_pixel(QPointF(0, 0)) * pixel_ratio;
    return {std::fmod(fixed.x(), kPatternPeriod), std::fmod(fixed.y(), kPatternPeriod)};
}

// The pixels the scale bar covers, with its text.
QRect scale_bar_pixels(const MapView& view) {
    const ScaleBar bar = scale_bar(view);
    return bar.bar.boundingRect()
        .united(bar.text_box)
        .toAlignedRect()
        .adjusted(-kScaleBarMargin, -kScaleBarMargin, kScaleBarMargin, kScaleBarMargin);
}

void draw_part(QImage& image, const MapData& map, const MapStyles& styles, const MapView& view,
               const MapDrawOptions& options, const QRegion& part) {
    QPainter painter(&image);
    painter.setBrushOrigin(pattern_origin(view, image.devicePixelRatio()));
    for (const QRect& r : part) {
        draw_map(painter, map, styles, view, options, QRectF(r));
    }
}

}  // namespace

QRegion MapPicture::update(const MapData& map, const MapStyles& styles, const MapView& view,
                           const MapDrawOptions& options, qreal pixel_ratio) {
    const QRect whole(QPoint(0, 0), view.size);
    const bool same_frame =
        valid_ && image_.devicePixelRatio() == pixel_ratio && view.size == view_.size &&
        view.metres_per_pixel == view_.metres_per_pixel && (smooth_ || !options.smooth_edges);
    if (!same_frame) {
        draw_whole(map, styles, view, options, pixel_ratio);
        return whole;
    }
    const QPointF shift((view_.centre.x() - view.centre.x()) / view.metres_per_pixel,
                        (view.centre.y() - view_.centre.y()) / view.metres_per_pixel);
    const QPoint by = shift.toPoint();
    if (by == QPoint(0, 0) && view.centre == view_.centre) {
        return {};
    }
    const auto whole_pixels = [](double x) { return std::abs(x - std::round(x)) <= kWholePixel; };
    // On a screen of 1.5 device pixels per pixel, only even moves shift by whole device pixels.
    if (!whole_pixels(shift.x()) || !whole_pixels(shift.y()) ||
        !whole_pixels(by.x() * pixel_ratio) || !whole_pixels(by.y() * pixel_ratio) ||
        std::abs(by.x()) >= view.size.width() || std::abs(by.y()) >= view.size.height()) {
        draw_whole(map, styles, view, options, pixel_ratio);
        return whole;
    }
    // The kept part moves; what came into view, and the scale bar where it was and where it
    // is, are drawn anew.
    QImage moved(image_.size(), image_.format());
    moved.setDevicePixelRatio(pixel_ratio);
    {
        QPainter painter(&moved);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(by), image_);
    }
    const QRect kept = whole.translated(by).intersected(whole);
    QRegion fresh = QRegion(whole).subtracted(kept);
    fresh += scale_bar_pixels(view_).translated(by).intersected(whole);
    fresh += scale_bar_pixels(view).intersected(whole);
    draw_part(moved, map, styles, view, options, fresh);
    image_ = std::move(moved);
    smooth_ = smooth_ && options.smooth_edges;
    // The exact view, not the one rounded to pixels: the next move starts from it.
    view_ = view;
    return fresh;
}

void MapPicture::draw_whole(const MapData& map, const MapStyles& styles, const MapView& view,
                            const MapDrawOptions& options, qreal pixel_ratio) {
    const QSize device = (QSizeF(view.size) * pixel_ratio).toSize();
    if (image_.size() != device || image_.devicePixelRatio() != pixel_ratio) {
        image_ = QImage(device, QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(pixel_ratio);
    }
    draw_part(image_, map, styles, view, options, QRect(QPoint(0, 0), view.size));
    view_ = view;
    smooth_ = options.smooth_edges;
    valid_ = true;
}

}  // namespace quorvane
