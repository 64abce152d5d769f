// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/recolour_dialog.h"

class QComboBox;
class QSlider;

namespace quorvane {

// Adjust Colours: hue, saturation, lightness and contrast of the day colours, the night colours
// or both, for the styles in scope.
class AdjustColoursDialog : public RecolourDialog {
    Q_OBJECT

  public:
    AdjustColoursDialog(const Theme& theme, const RecolourScope& scope, PreviewPane& preview,
                        QWidget* parent);

    QSlider* hue_slider() const { return hue_; }
    QSlider* saturation_slider() const { return saturation_; }
    QSlider* lightness_slider() const { return lightness_; }
    QSlider* contrast_slider() const { return contrast_; }
    QComboBox* times_box() const { return times_; }

  private:
    void follow_choices();

    QSlider* hue_ = nullptr;
    QSlider* saturation_ = nullptr;
    QSlider* lightness_ = nullptr;
    QSlider* contrast_ = nullptr;
    QComboBox* times_ = nullptr;
};

// The choice of day, night or both colours, as a combo box's items in this order.
QComboBox* day_night_box(QWidget* parent);
ColourSlots slots_of_day_night_box(const QComboBox& box);

}  // namespace quorvane
