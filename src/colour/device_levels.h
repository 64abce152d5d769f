// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvane {

// The channel levels the navigation device can show, as two-digit lower-case hexadecimal texts,
// lowest first. Its palette is every combination of them plus the greys.
inline const QStringList& red_levels() {
    static const QStringList levels{"00", "39", "7b", "bd", "ff"};
    return levels;
}
inline const QStringList& green_levels() {
    static const QStringList levels{"00", "30", "65", "95", "ca", "ff"};
    return levels;
}
inline const QStringList& blue_levels() {
    static const QStringList levels{"00", "20", "41", "6a", "8b", "b4", "d5", "ff"};
    return levels;
}
inline const QStringList& device_greys() {
    static const QStringList greys{"101010", "202020", "313131", "414141", "525252",
                                   "626262", "737373", "838383", "949494", "a4a4a4",
                                   "b4b4b4", "c5c5c5", "d5d5d5", "e6e6e6"};
    return greys;
}

}  // namespace quorvane
