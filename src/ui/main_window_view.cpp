// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's view of the theme: Day/Night, the zoom and the search box's filter.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>

#include "preview/zoom.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"

namespace quorvane {

void MainWindow::connect_view_commands() {
    controls_.night_button->setDefaultAction(menu_.night_view_action);
    controls_.zoom_out_button->setDefaultAction(menu_.zoom_out_action);
    controls_.zoom_in_button->setDefaultAction(menu_.zoom_in_action);
    // The buttons show short captions; the menu keeps the full ones.
    menu_.night_view_action->setIconText(tr("Night"));
    menu_.zoom_out_action->setIconText(QStringLiteral("-"));
    menu_.zoom_in_action->setIconText(QStringLiteral("+"));
    show_zoom(pane_->zoom());

    connect(menu_.night_view_action, &QAction::toggled, this, [this](bool night) {
        pane_->set_light(night ? PreviewLight::Night : PreviewLight::Day);
    });
    connect(menu_.zoom_in_action, &QAction::triggered, this,
            [this] { pane_->set_zoom(zoom_level(pane_->zoom(), 1)); });
    connect(menu_.zoom_out_action, &QAction::triggered, this,
            [this] { pane_->set_zoom(zoom_level(pane_->zoom(), -1)); });
    connect(menu_.actual_size_action, &QAction::triggered, this,
            [this] { pane_->set_zoom(kActualSize); });
    connect(controls_.zoom_caption, &QToolButton::clicked, menu_.actual_size_action,
            &QAction::trigger);
    connect(pane_, &PreviewPane::zoom_changed, this, &MainWindow::show_zoom);

    connect(menu_.find_action, &QAction::triggered, this, [this] {
        controls_.search_box->setFocus(Qt::ShortcutFocusReason);
        controls_.search_box->selectAll();
    });
    connect(controls_.search_box, &QLineEdit::textChanged, this, &MainWindow::filter_tiles);
    connect(controls_.hide_others_check, &QCheckBox::toggled, this,
            [this](bool hide) { pane_->show_filter(filter_, hide); });
    show_match_count();
}

void MainWindow::filter_tiles() {
    search_.reset();
    filter_.set_text(document_.theme(), controls_.search_box->text());
    pane_->show_filter(filter_, controls_.hide_others_check->isChecked());
    show_match_count();
}

void MainWindow::show_match_count() {
    if (!filter_.active()) {
        controls_.match_count->clear();
        return;
    }
    const int n = filter_.match_count();
    controls_.match_count->setText(n == 0   ? tr("No match")
                                   : n == 1 ? tr("1 match")
                                            : tr("%1 matches").arg(n));
}

void MainWindow::show_zoom(int percent) {
    controls_.zoom_caption->setText(tr("%1%").arg(percent));
    menu_.zoom_in_action->setEnabled(percent < kZoomLevels.back());
    menu_.zoom_out_action->setEnabled(percent > kZoomLevels.front());
    menu_.actual_size_action->setEnabled(percent != kActualSize);
}

}  // namespace quorvane
