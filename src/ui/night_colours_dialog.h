// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/recolour_dialog.h"

class QSlider;

namespace quorvane {

// Make Night Colours: one darkness control; the tiles show the night view the rule makes while
// the dialog is open.
class NightColoursDialog : public RecolourDialog {
    Q_OBJECT

  public:
    NightColoursDialog(const Theme& theme, const RecolourScope& scope, PreviewPane& preview,
                       QWidget* parent);

    QSlider* darkness_slider() const { return darkness_; }

  private:
    QSlider* darkness_ = nullptr;
};

}  // namespace quorvane
