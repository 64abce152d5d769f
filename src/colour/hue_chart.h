// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>

namespace quorvane {

// The style editor's spectrum for free colour picking: hue across, lightness down (white at the
// top, the pure hues in the middle, black at the bottom).
inline constexpr int kSpectrumWidth = 234;
inline constexpr int kSpectrumHeight = 237;

// The colour number at pixel `pixel` of a spectrum `size` pixels large, clamped onto it.
int spectrum_colour(QSize size, QPoint pixel);

// The spectrum drawn at a size: each pixel is spectrum_colour there.
QImage spectrum_image(QSize size = QSize(kSpectrumWidth, kSpectrumHeight));

// The colour number of the image's pixel at `pixel`, clamped onto the image.
int spectrum_colour_at(const QImage& image, QPoint pixel);

}  // namespace quorvane
