// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <optional>

#include "platform/colour_picker.h"

namespace quorvane {

// Test double: answers the colour dialog from a script (a cancel once the script is used up) and
// records the colour each dialog opened on.
class ScriptedColourPicker : public ColourPicker {
  public:
    std::optional<QColor> pick_colour(const QColor& initial) override {
        asked.append(initial);
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }

    QList<std::optional<QColor>> answers;
    QList<QColor> asked;
};

}  // namespace quorvane
