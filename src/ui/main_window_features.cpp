// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's entry points for the features that bring their own dialogs.
#include <QCoreApplication>
#include <QDir>

#include "platform/messages.h"
#include "platform/url_opener.h"
#include "platform/web_addresses.h"
#include "ui/about_box.h"
#include "ui/edit_style.h"
#include "ui/element_picker.h"
#include "ui/main_window.h"
#include "ui/presentation_manager.h"
#include "ui/preview_pane.h"
#include "ui/update_dialog.h"
#include "update/latest_version.h"

namespace quorvane {

namespace {

// Where the README goes when the program is installed, beside its other documents.
QString installed_readme_path() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/doc/quorvane/README.md"));
}

}  // namespace

void MainWindow::add_elements() {
    const std::vector<int> added = run_add_elements(this, document_, services_.messages);
    if (!added.empty()) {
        // What was added is what the user works on next.
        pane_->select_tiles(added);
        pane_->scroll_to_tile(added.front());
    }
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
    if (home_page_address().isEmpty()) {
        services_.messages.tell(
            tr("This Quorvane was built without the address of its manual. The README at %1 "
               "describes what it does.")
                .arg(installed_readme_path()));
        return;
    }
    open_home_page(services_.urls);
}

}  // namespace quorvane
