// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/colour_picker.h"

namespace quorvane {

// The toolkit's colour dialog, modal on the window in front (the style editor).
class QtColourPicker : public ColourPicker {
  public:
    std::optional<QColor> pick_colour(const QColor& initial) override;
};

}  // namespace quorvane
