// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_picture.h"

#include <QPainter>
#include <QThreadPool>
#include <algorithm>
#include <cmath>
#include <latch>
#include <thread>
#include <vector>

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

// A band of a picture drawn on a thread of its own is at least this many pixels tall: below
// that, starting the thread and visiting the shapes twice cost more than they save.
constexpr int kLeastBandHeight = 96;
// Band edges fall on whole device pixels that are whole pattern periods from the picture's
// top, so that every band hatches as the whole picture would.
constexpr double kBandStep = kPatternPeriod;

// The view's pixels `rows` drawn into the same rows of `image`, through an image of those rows
// alone: bands of one picture can so be drawn at the same time, each by its own painter.
void draw_rows(uchar* bits, const QImage& image, const MapData& map, const MapStyles& styles,
               const MapView& view, const MapDrawOptions& options, const QRect& rows) {
    const qreal ratio = image.devicePixelRatio();
    // At 1.5 device pixels per pixel a row of pixels may begin inside a device pixel.
    const int top = std::clamp(int(std::floor(rows.top() * ratio)), 0, image.height());
    const int bottom = std::clamp(int(std::ceil((rows.bottom() + 1) * ratio)), top, image.height());
    QImage band(bits + qsizetype(top) * image.bytesPerLine(), image.width(), bottom - top,
                image.bytesPerLine(), image.format());
    band.setDevicePixelRatio(ratio);
    QPainter painter(&band);
    // The painter moves its patterns by the translation taken as device pixels; the origin
    // makes up the rest, so that every band hatches in step with the whole picture.
    painter.setBrushOrigin(pattern_origin(view, ratio) - QPointF(0, top - top / ratio));
    painter.translate(0, -top / ratio);
    draw_map(painter, map, styles, view, options, QRectF(rows));
}

// Where `rect` is cut into bands, one for each core: tops on whole device pixels a whole
// number of pattern periods down, no band under kLeastBandHeight.
std::vector<int> band_tops(const QRect& rect, qreal ratio) {
    std::vector<int> tops{rect.top()};
    const int cores = int(std::min(4u, std::max(1u, std::thread::hardware_concurrency())));
    const int bands = std::min(cores, rect.height() / kLeastBandHeight);
    for (int k = 1; k < bands; ++k) {
        for (int top = rect.top() + rect.height() * k / bands; top < rect.bottom(); ++top) {
            const double device = top * ratio;
            if (std::abs(device - std::round(device)) < 1e-9 &&
                std::fmod(std::round(device), kBandStep) == 0 &&
                top - tops.back() >= kLeastBandHeight) {
                tops.push_back(top);
                break;
            }
        }
    }
    return tops;
}

// The threads that draw the bands after the first, kept for the program's life: a thread of its
// own keeps its drawing buffers and its font caches from one frame to the next.
QThreadPool& band_threads() {
    static QThreadPool pool;
    [[maybe_unused]] static const bool never_expire = [] {
        pool.setExpiryTimeout(-1);
        return true;
    }();
    return pool;
}

void draw_part(QImage& image, const MapData& map, const MapStyles& styles, const MapView& view,
               const MapDrawOptions& options, const QRegion& part) {
    uchar* const bits = image.bits();
    for (const QRect& r : part) {
        const std::vector<int> tops = band_tops(r, image.devicePixelRatio());
        const auto band = [&](size_t k) {
            const int bottom = k + 1 < tops.size() ? tops[k + 1] : r.bottom() + 1;
            return QRect(r.left(), tops[k], r.width(), bottom - tops[k]);
        };
        std::latch others_done(std::ptrdiff_t(tops.size() - 1));
        for (size_t k = 1; k < tops.size(); ++k) {
            band_threads().start([&, k] {
                draw_rows(bits, image, map, styles, view, options, band(k));
                others_done.count_down();
            });
        }
        draw_rows(bits, image, map, styles, view, options, band(0));
        others_done.wait();
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
