// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/recolour_dialog.h"

class QComboBox;
class QLabel;

namespace quorvane {

// Snap to Device Palette: the styles in scope take the device's nearest colours, day, night or
// both; the dialog says how many styles that changes.
class SnapToPaletteDialog : public RecolourDialog {
    Q_OBJECT

  public:
    SnapToPaletteDialog(const Theme& theme, const RecolourScope& scope, PreviewPane& preview,
                        QWidget* parent);

    QComboBox* times_box() const { return times_; }
    QLabel* count_label() const { return count_; }

  private:
    void follow_choices();

    const Theme& theme_;
    RecolourScope scope_;
    QComboBox* times_ = nullptr;
    QLabel* count_ = nullptr;
};

}  // namespace quorvane
