// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <optional>

namespace quorvane {

// The desktop's standard colour dialog, behind an interface so that the style editor can be
// driven by a script in tests.
class ColourPicker {
  public:
    virtual ~ColourPicker() = default;
    // Shows the dialog on `initial`; the colour chosen with OK, or nothing when cancelled.
    virtual std::optional<QColor> pick_colour(const QColor& initial) = 0;
};

}  // namespace quorvane
