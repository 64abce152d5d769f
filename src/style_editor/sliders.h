// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

// The scale and border sliders run in hundredths, from 0 to 5; their boxes take more.
inline constexpr int kSizeSliderMaximum = 500;
inline constexpr double kSizeBoxMaximum = 99.99;

// Hundredths as the decimal text the boxes show and the theme file holds: 60 -> "0.6",
// 125 -> "1.25", 1 -> "0.01", 0 -> "0".
QString hundredths_text(int hundredths);

}  // namespace quorvane
