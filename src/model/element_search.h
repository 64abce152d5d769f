// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "model/theme.h"

namespace quorvane {

// The search box's search through the display and field names, remembering where the last hit
// was.
class ElementSearch {
  public:
    // Looks for the first Element from the search position on that matches `text` as the filter
    // does (element_matches: display or field name, ASCII letters without their case), wrapping
    // to the first Element once when the search did not start there. Returns the Element's number
    // or -1; after a hit the search goes on behind it, and after the last Element it starts over.
    int find(const Theme& theme, const QString& text);

    // Typing in the search box starts the search over.
    void reset() { position_ = 0; }
    int position() const { return position_; }

  private:
    int position_ = 0;
};

}  // namespace quorvane
