// The main window's entry points for the features that bring their own dialogs. Each feature
// fills in its function here.
#include "ui/main_window.h"

namespace quorvane {

void MainWindow::add_elements() {}

void MainWindow::edit_presentations(int) {}

void MainWindow::open_style_editor(int) {}

void MainWindow::check_for_updates() {}

void MainWindow::start_update_check() {}

void MainWindow::show_about() {}

void MainWindow::open_manual() {}

}  // namespace quorvane
