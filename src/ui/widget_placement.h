#pragma once

#include <QColor>
#include <QRect>
#include <QRectF>
#include <QWidget>

#include "colour/colour_values.h"
#include "geometry/twips.h"

namespace quorvane {

// A rectangle in twips as pixels. Each edge is converted on its own, so rectangles that touch in
// twips touch in pixels too.
inline QRect pixel_rect(const QRectF& twips) {
    const int left = twips_to_pixels(twips.left());
    const int top = twips_to_pixels(twips.top());
    const int right = twips_to_pixels(twips.left() + twips.width());
    const int bottom = twips_to_pixels(twips.top() + twips.height());
    return QRect(left, top, right - left, bottom - top);
}

// Puts a control at its place given in twips inside its container.
inline void place(QWidget& widget, const QRectF& twips) {
    widget.setGeometry(pixel_rect(twips));
}

// A control's place given in twips (left, top, width, height), in pixels, each number converted
// on its own so that a control keeps its size wherever it stands.
inline QRect twips_rect(int left, int top, int width, int height) {
    return QRect(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                 twips_to_pixels(height));
}

// Names a control after its role and puts it at its place (in pixels).
template <typename Widget>
Widget* place_named(Widget* widget, const char* name, const QRect& where) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(where);
    return widget;
}

inline void place_twips(QWidget& widget, int left, int top, int width, int height) {
    place(widget, QRectF(left, top, width, height));
}

// Gives a dialog a fixed client area in twips: a single border, no minimise or maximise button.
inline void fix_client_area_twips(QWidget& dialog, int width, int height) {
    dialog.setFixedSize(twips_to_pixels(width), twips_to_pixels(height));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

// A point in pixels as twips: the middle of the pixel.
inline QPointF twips_of(QPointF pixels) {
    return QPointF((pixels.x() + 0.5) * kTwipsPerPixel, (pixels.y() + 0.5) * kTwipsPerPixel);
}

// Colour number (0x00BBGGRR) to and from the painter's colour.
inline QColor qcolor(int colour_number) {
    int red = 0;
    int green = 0;
    int blue = 0;
    CToRGB(colour_number, red, green, blue);
    return QColor(red, green, blue);
}
inline int colour_number_of(const QColor& colour) {
    return rgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace quorvane
