// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's entry points for the features that bring their own dialogs.
#include "platform/url_opener.h"
#include "ui/about_box.h"
#include "ui/edit_style.h"
#include "ui/element_picker.h"
#include "ui/main_window.h"
#include "ui/presentation_manager.h"
#include "ui/update_dialog.h"
#include "update/latest_version.h"

namespace quorvane {

void MainWindow::add_elements() {
    run_add_elements(this, document_, services_.messages);
}

void MainWindow::edit_presentations(PresentationManagerMode mode) {
    run_presentation_manager(this, document_, services_.messages, mode);
}

void MainWindow::open_style_editor(int index) {
    edit_style(this, document_, index, menu_.night_view_action->isChecked(), services_.messages,
               services_.busy, services_.colour_picker);
}

void MainWindow::check_for_updates() {
    show_update_dialog(this, services_.web, services_.urls, services_.busy);
}

void MainWindow::start_update_check() {
    check_for_update(services_.web, this, [this] { set_update_available(true); });
}

void MainWindow::show_about() {
    quorvane::show_about(this, services_.urls);
}

void MainWindow::open_manual() {
    open_home_page(services_.urls);
}

}  // namespace quorvane
