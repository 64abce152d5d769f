// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/snap_to_palette_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "ui/adjust_colours_dialog.h"

namespace quorvane {

SnapToPaletteDialog::SnapToPaletteDialog(const Theme& theme, const RecolourScope& scope,
                                         PreviewPane& preview, QWidget* parent)
    : RecolourDialog(preview, parent), theme_(theme), scope_(scope) {
    setObjectName(QStringLiteral("snap_to_palette_dialog"));
    setWindowTitle(tr("Snap to Device Palette"));
    auto* form = new QFormLayout;
    auto* explanation = new QLabel(
        tr("Each colour becomes the nearest of the 254 colours the device can show, nearest as "
           "people see colours."),
        this);
    explanation->setWordWrap(true);
    form->addRow(explanation);
    times_ = day_night_box(this);
    auto* times_label = new QLabel(tr("C&hange:"), this);
    times_label->setBuddy(times_);
    form->addRow(times_label, times_);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count_label"));
    form->addRow(count_);
    connect(times_, &QComboBox::currentIndexChanged, this, &SnapToPaletteDialog::follow_choices);
    lay_out(form, tr("Works on %1.").arg(scope_words(scope)));
    follow_choices();
}

void SnapToPaletteDialog::follow_choices() {
    set_operation(std::make_unique<SnapToPaletteOperation>(theme_, scope_.elements,
                                                           slots_of_day_night_box(*times_)));
    const int changing = operation().recolouring().count();
    count_->setText(changing == 0   ? tr("Every colour is a device colour already.")
                    : changing == 1 ? tr("1 style changes.")
                                    : tr("%1 styles change.").arg(changing));
    apply_button()->setEnabled(changing > 0);
}

}  // namespace quorvane
