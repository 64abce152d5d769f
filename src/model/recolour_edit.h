// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "model/recolouring.h"
#include "model/theme_edits.h"

namespace quorvane {

// What the Edit menu calls a recolouring ("Make Night Colours").
QString recolour_step_name(RecolourKind kind);
// What the status bar says once it is done: "Night colours made for 3 styles".
QString recolour_report(RecolourKind kind, int changed);

// Gives many styles new colours at once. Applying and reverting exchange the kept colours with
// the theme's, so either way costs one exchange per style.
class RecolourEdit : public ThemeEdit {
  public:
    explicit RecolourEdit(Recolouring recolouring) : recolouring_(std::move(recolouring)) {}
    QString name() const override { return recolour_step_name(recolouring_.kind); }
    void apply(Theme& theme) override { exchange(theme); }
    void revert(Theme& theme) override { exchange(theme); }
    bool keeps_layout() const override { return true; }

  private:
    void exchange(Theme& theme);

    Recolouring recolouring_;
};

}  // namespace quorvane
