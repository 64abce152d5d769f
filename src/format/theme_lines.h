// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <vector>

#include "model/theme_check.h"

namespace quorvane {

// Where the parts of a theme text stand, as 1-based line numbers.
struct ThemeLines {
    // The line of the METADATA block's start; 0 when the text has none.
    int metadata = 0;
    // The line of each STYLE tag the reader makes an Element of, in the order of the Elements.
    std::vector<int> styles;
};

// Finds the lines of a theme text, walking it as parse_theme_text does.
ThemeLines find_theme_lines(QByteArrayView text);

// The line a finding points at: its Element's STYLE tag, or the METADATA block (line 1 when
// there is none).
int line_of(const Finding& finding, const ThemeLines& lines);

}  // namespace quorvane
