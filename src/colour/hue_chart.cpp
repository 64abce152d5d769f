// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/hue_chart.h"

#include <QColor>
#include <algorithm>

#include "colour/colour_values.h"

namespace quorvane {

QImage spectrum_image() {
    QImage image(kSpectrumWidth, kSpectrumHeight, QImage::Format_RGB32);
    for (int y = 0; y < kSpectrumHeight; ++y) {
        const double lightness = 1.0 - static_cast<double>(y) / (kSpectrumHeight - 1);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kSpectrumWidth; ++x) {
            const double hue = static_cast<double>(x) / kSpectrumWidth;
            line[x] = QColor::fromHslF(static_cast<float>(hue), 1.0f, static_cast<float>(lightness))
                          .rgb();
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
