// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recolour_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/preview_pane.h"

namespace quorvane {

RecolourDialog::RecolourDialog(PreviewPane& preview, QWidget* parent)
    : QDialog(parent), preview_(preview) {
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("recolour_buttons"));
    // Apply closes the dialog: the operation is one step, made when it closes.
    apply_button()->setText(tr("&Apply"));
    apply_button()->setObjectName(QStringLiteral("apply_button"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

RecolourDialog::~RecolourDialog() {
    // The tiles must not keep showing an operation that is gone.
    if (preview_.proposal() == operation_.get()) {
        preview_.show_proposal(nullptr);
    }
}

QPushButton* RecolourDialog::apply_button() const {
    return buttons_->button(QDialogButtonBox::Ok);
}

void RecolourDialog::done(int result) {
    preview_.show_proposal(nullptr);
    if (night_preview_) {
        preview_.set_light(light_before_);
        night_preview_ = false;
    }
    QDialog::done(result);
}

void RecolourDialog::lay_out(QLayout* choices, const QString& note) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    if (!note.isEmpty()) {
        auto* label = new QLabel(note, this);
        label->setObjectName(QStringLiteral("scope_note"));
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addStretch();
    layout->addWidget(buttons_);
}

void RecolourDialog::set_operation(std::unique_ptr<ColourOperation> operation) {
    operation_ = std::move(operation);
    refresh_preview();
}

void RecolourDialog::refresh_preview() {
    preview_.show_proposal(operation_.get());
}

void RecolourDialog::preview_by_night() {
    if (!night_preview_) {
        light_before_ = preview_.light();
        night_preview_ = true;
        preview_.set_light(PreviewLight::Night);
    }
}

RecolourDialog::SliderRow RecolourDialog::slider_row(const char* name, const QString& spoken_name,
                                                     int least, int most, int value,
                                                     const QString& suffix) {
    SliderRow row{new QSlider(Qt::Horizontal, this), new QSpinBox(this), new QHBoxLayout};
    row.slider->setObjectName(QLatin1String(name) + QStringLiteral("_slider"));
    row.spin_box->setObjectName(QLatin1String(name) + QStringLiteral("_box"));
    row.slider->setAccessibleName(spoken_name);
    row.spin_box->setAccessibleName(spoken_name);
    row.slider->setRange(least, most);
    row.slider->setValue(value);
    row.slider->setPageStep(std::max(1, (most - least) / 10));
    row.spin_box->setRange(least, most);
    row.spin_box->setValue(value);
    row.spin_box->setSuffix(suffix);
    row.slider->setMinimumWidth(fontMetrics().averageCharWidth() * 30);
    connect(row.slider, &QSlider::valueChanged, row.spin_box, &QSpinBox::setValue);
    connect(row.spin_box, &QSpinBox::valueChanged, row.slider, &QSlider::setValue);
    row.layout->addWidget(row.slider, 1);
    row.layout->addWidget(row.spin_box);
    return row;
}

QString RecolourDialog::scope_words(const RecolourScope& scope) {
    const int n = int(scope.elements.size());
    if (scope.selection) {
        return n == 1 ? tr("the selected style") : tr("the %1 selected styles").arg(n);
    }
    return n == 1 ? tr("the one style") : tr("all %1 styles").arg(n);
}

}  // namespace quorvane
