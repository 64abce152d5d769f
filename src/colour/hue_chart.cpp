// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/hue_chart.h"

#include <QColor>
#include <algorithm>

#include "colour/colour_values.h"

namespace quorvane {

namespace {

QRgb spectrum_rgb(QSize size, int x, int y) {
    const double lightness =
        size.height() > 1 ? 1.0 - static_cast<double>(y) / (size.height() - 1) : 0.5;
    const double hue = static_cast<double>(x) / size.width();
    return QColor::fromHslF(static_cast<float>(hue), 1.0f, static_cast<float>(lightness)).rgb();
}

}  // namespace

int spectrum_colour(QSize size, QPoint pixel) {
    if (size.isEmpty()) {
        return 0;
    }
    const QRgb value = spectrum_rgb(size, std::clamp(pixel.x(), 0, size.width() - 1),
                                    std::clamp(pixel.y(), 0, size.height() - 1));
    return rgb(qRed(value), qGreen(value), qBlue(value));
}

QImage spectrum_image(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            line[x] = spectrum_rgb(size, x, y);
        }
    }
    return image;
}

int spectrum_colour_at(const QImage& image, QPoint pixel) {
    if (image.isNull()) {
        return 0;
    }
    const int x = std::clamp(pixel.x(), 0, image.width() - 1);
    const int y = std::clamp(pixel.y(), 0, image.height() - 1);
    const QRgb value = image.pixel(x, y);
    return rgb(qRed(value), qGreen(value), qBlue(value));
}

}  // namespace quorvane
