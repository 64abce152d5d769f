#pragma once

#include <QWidget>

#include "model/twips.h"

namespace quorvane {

// Places a control at a position and size given in twips.
inline void place_twips(QWidget& widget, int left, int top, int width, int height) {
    widget.setGeometry(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                       twips_to_pixels(height));
}

// Gives a dialog a fixed client area in twips: a single border, no minimise or maximise button.
inline void fix_client_area_twips(QWidget& dialog, int width, int height) {
    dialog.setFixedSize(twips_to_pixels(width), twips_to_pixels(height));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

}  // namespace quorvane
