// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/application_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <initializer_list>

namespace quorvane {

namespace {

// Drawn on a 256 x 256 grid, like the SVG.
constexpr double kGrid = 256.0;

QPainterPath tile() {
    QPainterPath path;
    path.addRoundedRect(QRectF(16, 16, 224, 224), 40, 40);
    return path;
}

QPainterPath woods() {
    QPainterPath path(QPointF(136, 16));
    path.lineTo(240, 16);
    path.lineTo(240, 128);
    path.cubicTo(200, 136, 168, 116, 156, 88);
    path.cubicTo(146, 64, 138, 40, 136, 16);
    path.closeSubpath();
    return path;
}

QPainterPath water() {
    QPainterPath path(QPointF(16, 148));
    path.cubicTo(56, 136, 92, 148, 112, 176);
    path.cubicTo(128, 200, 128, 222, 124, 240);
    path.lineTo(16, 240);
    path.closeSubpath();
    return path;
}

QPainterPath road() {
    QPainterPath path(QPointF(0, 64));
    path.cubicTo(80, 80, 120, 128, 144, 164);
    path.cubicTo(172, 206, 208, 222, 256, 224);
    return path;
}

}  // namespace

QImage paint_application_icon(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / kGrid, side / kGrid);

    painter.setClipPath(tile());
    painter.fillRect(QRectF(16, 16, 224, 224), QColor(0xf5, 0xf0, 0xe1));
    painter.fillPath(woods(), QColor(0x6d, 0xb3, 0x5a));
    painter.fillPath(water(), QColor(0x5b, 0x9b, 0xd5));
    // A line style as the preview shows it: the border band, then the core over it.
    painter.strokePath(road(), QPen(QColor(0x6a, 0x3d, 0x12), 40, Qt::SolidLine, Qt::FlatCap));
    painter.strokePath(road(), QPen(QColor(0xf6, 0xb9, 0x3b), 22, Qt::SolidLine, Qt::FlatCap));
    painter.setClipping(false);
    painter.strokePath(tile(), QPen(QColor(0x3a, 0x4a, 0x5e), 10));
    return image;
}

QIcon application_icon() {
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(paint_application_icon(side)));
    }
    return icon;
}

}  // namespace quorvane
