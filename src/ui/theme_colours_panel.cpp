// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/theme_colours_panel.h"

#include <QListWidget>
#include <QMenu>
#include <QTimer>

#include "model/theme_document.h"
#include "ui/theme_colour_list.h"

namespace quorvane {

namespace {
constexpr int kRefreshDelayMs = 250;
}  // namespace

ThemeColoursPanel::ThemeColoursPanel(const ThemeDocument& document, QWidget* parent)
    : QDockWidget(tr("Theme Colours"), parent), document_(document) {
    setObjectName(QStringLiteral("theme_colours_panel"));
    swatches_ = new QListWidget(this);
    swatches_->setObjectName(QStringLiteral("theme_colour_swatches"));
    swatches_->setAccessibleName(tr("Colours the theme uses"));
    swatches_->setContextMenuPolicy(Qt::CustomContextMenu);
    setWidget(swatches_);

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("swatch_menu"));
    QAction* replace = menu_->addAction(tr("&Replace Colour\u2026"));
    replace->setObjectName(QStringLiteral("replace_swatch_action"));
    const auto replace_current = [this] {
        if (const std::optional<int> colour = colour_of_item(swatches_->currentItem())) {
            emit replace_requested(*colour);
        }
    };
    connect(replace, &QAction::triggered, this, replace_current);
    connect(swatches_, &QListWidget::itemActivated, this, replace_current);
    connect(swatches_, &QListWidget::customContextMenuRequested, this, [this](QPoint at) {
        if (QListWidgetItem* item = swatches_->itemAt(at)) {
            swatches_->setCurrentItem(item);
            menu_->popup(swatches_->viewport()->mapToGlobal(at));
        }
    });

    refresh_timer_ = new QTimer(this);
    refresh_timer_->setSingleShot(true);
    refresh_timer_->setInterval(kRefreshDelayMs);
    connect(refresh_timer_, &QTimer::timeout, this, &ThemeColoursPanel::refresh);
    connect(&document_, &ThemeDocument::changed, this, [this] {
        if (isVisible()) {
            refresh_timer_->start();
        }
    });
}

void ThemeColoursPanel::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    refresh();
}

void ThemeColoursPanel::refresh() {
    refresh_timer_->stop();
    list_theme_colours(*swatches_, document_.theme());
}

}  // namespace quorvane
