#pragma once

#include "geometry/rounding.h"

namespace quorvane {

// Window geometry is kept in twips (1/1440 inch); 15 twips make one pixel at 96 dpi.
inline constexpr int kTwipsPerPixel = 15;

inline int twips_to_pixels(double twips) { return round_half_even(twips / kTwipsPerPixel); }
inline int pixels_to_twips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace quorvane
