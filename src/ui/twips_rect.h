#pragma once

#include <QRect>

#include "model/twips.h"

namespace quorvane {

// A control's place given in twips (left, top, width, height), in pixels.
inline QRect twips_rect(int left, int top, int width, int height) {
    return QRect(twips_to_pixels(left), twips_to_pixels(top), twips_to_pixels(width),
                 twips_to_pixels(height));
}

}  // namespace quorvane
