// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace quorvane {

// The channel levels the navigation device can show, lowest first. Its palette is every
// combination of them plus the greys (each grey the same level on all three channels).
inline constexpr std::array<int, 5> kRedLevels{0x00, 0x39, 0x7b, 0xbd, 0xff};
inline constexpr std::array<int, 6> kGreenLevels{0x00, 0x30, 0x65, 0x95, 0xca, 0xff};
inline constexpr std::array<int, 8> kBlueLevels{0x00, 0x20, 0x41, 0x6a, 0x8b, 0xb4, 0xd5, 0xff};
inline constexpr std::array<int, 14> kDeviceGreys{0x10, 0x20, 0x31, 0x41, 0x52, 0x62, 0x73,
                                                  0x83, 0x94, 0xa4, 0xb4, 0xc5, 0xd5, 0xe6};

}  // namespace quorvane
