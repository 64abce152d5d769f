// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/night_colours_dialog.h"

#include <QFormLayout>
#include <QLabel>
#include <QSlider>

namespace quorvane {

NightColoursDialog::NightColoursDialog(const Theme& theme, const RecolourScope& scope,
                                       PreviewPane& preview, QWidget* parent)
    : RecolourDialog(preview, parent) {
    setObjectName(QStringLiteral("night_colours_dialog"));
    setWindowTitle(tr("Make Night Colours"));
    auto op = std::make_unique<NightColoursOperation>(theme, scope.elements, kDefaultDarkness);
    NightColoursOperation* night = op.get();

    auto* form = new QFormLayout;
    auto* rule = new QLabel(
        tr("Each night colour is made from its day colour. The land becomes the darkest colour "
           "of the map; other areas keep their hues and stay as far apart from it as by day. "
           "Lines keep their hues, stay mid-light, and stand out from the ground and from their "
           "casing at least as much as by day (up to 3:1)."),
        this);
    rule->setWordWrap(true);
    form->addRow(rule);
    const SliderRow row =
        slider_row("darkness", tr("Darkness"), kLeastDarkness, kMostDarkness, kDefaultDarkness);
    darkness_ = row.slider;
    auto* caption = new QLabel(tr("&Darkness:"), this);
    caption->setBuddy(row.slider);
    form->addRow(caption, row.layout);
    connect(row.slider, &QSlider::valueChanged, this, [this, night](int darkness) {
        night->set_darkness(darkness);
        refresh_preview();
    });
    lay_out(form, tr("Night colours for %1; the day colours stay.").arg(scope_words(scope)));
    preview_by_night();
    set_operation(std::move(op));
}

}  // namespace quorvane
