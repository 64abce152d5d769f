// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/adjust_colours_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace quorvane {

QComboBox* day_night_box(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("day_night_box"));
    box->setAccessibleName(AdjustColoursDialog::tr("Day or night colours"));
    box->addItem(AdjustColoursDialog::tr("Day and night colours"));
    box->addItem(AdjustColoursDialog::tr("Day colours"));
    box->addItem(AdjustColoursDialog::tr("Night colours"));
    return box;
}

ColourSlots slots_of_day_night_box(const QComboBox& box) {
    ColourSlots chosen;
    chosen.day = box.currentIndex() != 2;
    chosen.night = box.currentIndex() != 1;
    return chosen;
}

AdjustColoursDialog::AdjustColoursDialog(const Theme& theme, const RecolourScope& scope,
                                         PreviewPane& preview, QWidget* parent)
    : RecolourDialog(preview, parent) {
    setObjectName(QStringLiteral("adjust_colours_dialog"));
    setWindowTitle(tr("Adjust Colours"));
    auto* form = new QFormLayout;
    const auto add = [this, form](const char* name, const QString& caption, const QString& spoken,
                                  int least, int most, const QString& suffix) {
        const SliderRow row = slider_row(name, spoken, least, most, 0, suffix);
        auto* label = new QLabel(caption, this);
        label->setBuddy(row.slider);
        form->addRow(label, row.layout);
        connect(row.slider, &QSlider::valueChanged, this, &AdjustColoursDialog::follow_choices);
        return row.slider;
    };
    hue_ = add("hue", tr("&Hue:"), tr("Hue"), -kMostHueShift, kMostHueShift, tr("°"));
    saturation_ = add("saturation", tr("&Saturation:"), tr("Saturation"), -kMostAdjustment,
                      kMostAdjustment, tr(" %"));
    lightness_ = add("lightness", tr("&Lightness:"), tr("Lightness"), -kMostAdjustment,
                     kMostAdjustment, tr(" %"));
    contrast_ = add("contrast", tr("C&ontrast:"), tr("Contrast"), -kMostAdjustment, kMostAdjustment,
                    tr(" %"));
    times_ = day_night_box(this);
    auto* times_label = new QLabel(tr("C&hange:"), this);
    times_label->setBuddy(times_);
    form->addRow(times_label, times_);
    connect(times_, &QComboBox::currentIndexChanged, this, &AdjustColoursDialog::follow_choices);

    auto* reset = new QPushButton(tr("&Reset"), this);
    reset->setObjectName(QStringLiteral("reset_button"));
    connect(reset, &QPushButton::clicked, this, [this] {
        for (QSlider* slider : {hue_, saturation_, lightness_, contrast_}) {
            slider->setValue(0);
        }
    });
    form->addRow(QString(), reset);

    lay_out(form, tr("Works on %1.").arg(scope_words(scope)));
    set_operation(std::make_unique<AdjustColoursOperation>(theme, scope.elements,
                                                           ColourAdjustment{}, ColourSlots{}));
    follow_choices();
}

void AdjustColoursDialog::follow_choices() {
    auto& adjust = static_cast<AdjustColoursOperation&>(editable_operation());
    const ColourAdjustment adjustment{hue_->value(), saturation_->value(), lightness_->value(),
                                      contrast_->value()};
    adjust.set_adjustment(adjustment);
    adjust.set_slots(slots_of_day_night_box(*times_));
    apply_button()->setEnabled(!adjustment.is_identity());
    refresh_preview();
}

}  // namespace quorvane
