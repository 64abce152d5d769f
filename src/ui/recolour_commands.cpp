// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/recolour_commands.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "model/recolour_edit.h"
#include "model/theme_document.h"
#include "preview/tile_selection.h"
#include "ui/adjust_colours_dialog.h"
#include "ui/centre_on_screen.h"
#include "ui/main_window.h"
#include "ui/night_colours_dialog.h"
#include "ui/preview_pane.h"
#include "ui/replace_colour_dialog.h"
#include "ui/snap_to_palette_dialog.h"
#include "ui/theme_colours_panel.h"

namespace quorvane {

namespace {

QAction* item(QMenu& menu, const char* name, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setMenuRole(QAction::NoRole);
    return action;
}

QString vision_name(ColourVision vision) {
    switch (vision) {
        case ColourVision::Normal:
            break;
        case ColourVision::Protanopia:
            return RecolourCommands::tr("&Protanopia (no red cones)");
        case ColourVision::Deuteranopia:
            return RecolourCommands::tr("&Deuteranopia (no green cones)");
        case ColourVision::Tritanopia:
            return RecolourCommands::tr("&Tritanopia (no blue cones)");
        case ColourVision::Greyscale:
            return RecolourCommands::tr("&Greyscale");
    }
    return RecolourCommands::tr("&Normal Vision");
}

}  // namespace

RecolourCommands::RecolourCommands(MainWindow& window) : QObject(&window), window_(window) {
    panel_ = new ThemeColoursPanel(window_.document(), &window_);
    panel_->hide();
    window_.add_panel(panel_, Qt::RightDockWidgetArea, tr("Theme &Colours"));
    connect(panel_, &ThemeColoursPanel::replace_requested, this,
            [this](int colour) { replace_colour(colour); });

    add_menu_items();
    connect(&window_.document(), &ThemeDocument::changed, this, &RecolourCommands::follow_document);
    follow_document();
}

// Every menu item of the recolouring commands is made here.
void RecolourCommands::add_menu_items() {
    const MainMenu& menu = window_.menu();
    QMenu& edit = *menu.edit_menu;
    edit.addSeparator();
    replace_colour_ = item(edit, "replace_colour_action", tr("Replace C&olour\u2026"));
    replace_colour_->setShortcuts(QKeySequence::Replace);
    adjust_colours_ = item(edit, "adjust_colours_action", tr("Ad&just Colours\u2026"));
    night_colours_ = item(edit, "night_colours_action", tr("Make Ni&ght Colours\u2026"));
    snap_to_palette_ = item(edit, "snap_to_palette_action", tr("Snap to Device Pa&lette\u2026"));
    connect(replace_colour_, &QAction::triggered, this, [this] { replace_colour(); });
    connect(adjust_colours_, &QAction::triggered, this, &RecolourCommands::adjust_colours);
    connect(night_colours_, &QAction::triggered, this, &RecolourCommands::make_night_colours);
    connect(snap_to_palette_, &QAction::triggered, this, &RecolourCommands::snap_to_palette);

    QMenu& view = *menu.view_menu;
    view.addSeparator();
    device_colours_ = item(view, "device_colours_action", tr("&Device Colours"));
    device_colours_->setCheckable(true);
    connect(device_colours_, &QAction::toggled, this, &RecolourCommands::show_colour_view);
    simulate_menu_ = view.addMenu(tr("&Simulate"));
    simulate_menu_->setObjectName(QStringLiteral("simulate_menu"));
    auto* group = new QActionGroup(this);
    for (size_t k = 0; k < simulate_.size(); ++k) {
        const auto vision = ColourVision(k);
        QAction* action = item(*simulate_menu_, "simulate_action", vision_name(vision));
        action->setObjectName(QStringLiteral("simulate_action_%1").arg(k));
        action->setCheckable(true);
        action->setChecked(vision == ColourVision::Normal);
        group->addAction(action);
        simulate_[k] = action;
        if (vision == ColourVision::Normal) {
            simulate_menu_->addSeparator();
        }
    }
    connect(group, &QActionGroup::triggered, this, &RecolourCommands::show_colour_view);
}

void RecolourCommands::follow_document() {
    const bool styles = window_.document().theme().element_count() > 0;
    for (QAction* action : {replace_colour_, adjust_colours_, night_colours_, snap_to_palette_}) {
        action->setEnabled(styles);
    }
}

void RecolourCommands::show_colour_view() {
    ColourView view;
    view.device_colours = device_colours_->isChecked();
    for (size_t k = 0; k < simulate_.size(); ++k) {
        if (simulate_[k]->isChecked()) {
            view.vision = ColourVision(k);
        }
    }
    window_.preview().set_colour_view(view);
    // The theme is drawn otherwise than it is: the status bar keeps saying so.
    QStringList shown;
    if (view.device_colours) {
        shown.append(tr("device colours"));
    }
    if (view.vision != ColourVision::Normal) {
        shown.append(QString(vision_name(view.vision)).remove(QLatin1Char('&')));
    }
    if (view_notice_ == nullptr) {
        if (shown.isEmpty()) {
            return;
        }
        // The status bar comes with the first notice, as it does with the first message.
        view_notice_ = new QLabel(&window_);
        view_notice_->setObjectName(QStringLiteral("colour_view_notice"));
        window_.statusBar()->addPermanentWidget(view_notice_);
    }
    view_notice_->setText(tr("Showing %1").arg(shown.join(tr(", "))));
    view_notice_->setVisible(!shown.isEmpty());
}

RecolourScope RecolourCommands::scope() const {
    const std::vector<int> selected = window_.selection().selected();
    if (!selected.empty()) {
        return {selected, true};
    }
    return {all_elements(window_.document().theme()), false};
}

void RecolourCommands::run(RecolourDialog& dialog) {
    centre_on_screen(dialog);
    // The choices belong to the theme as it was when the dialog opened: should it change under
    // the dialog (read again from disk), the dialog closes without applying anything.
    const QMetaObject::Connection replaced =
        connect(&window_.document(), &ThemeDocument::changed, &dialog, &QDialog::reject);
    const int result = dialog.exec();
    disconnect(replaced);
    if (result != QDialog::Accepted) {
        return;
    }
    const RecolourKind kind = dialog.operation().kind();
    const int changed = window_.document().recolour(dialog.operation().recolouring());
    window_.statusBar()->showMessage(recolour_report(kind, changed));
}

void RecolourCommands::replace_colour(std::optional<int> from) {
    ReplaceColourDialog dialog(window_.document().theme(), window_.selection().selected(), from,
                               window_.services().colour_picker, window_.preview(), &window_);
    run(dialog);
}

void RecolourCommands::adjust_colours() {
    AdjustColoursDialog dialog(window_.document().theme(), scope(), window_.preview(), &window_);
    run(dialog);
}

void RecolourCommands::make_night_colours() {
    NightColoursDialog dialog(window_.document().theme(), scope(), window_.preview(), &window_);
    run(dialog);
}

void RecolourCommands::snap_to_palette() {
    SnapToPaletteDialog dialog(window_.document().theme(), scope(), window_.preview(), &window_);
    run(dialog);
}

}  // namespace quorvane
