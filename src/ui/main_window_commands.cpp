// SPDX-License-Identifier: GPL-3.0-or-later
// The recent files, opening by drag and drop, the search box and the Edit menu's guard.
#include <QFileInfo>
#include <QLineEdit>

#include "platform/messages.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"

namespace quorvane {

void MainWindow::recent_file_command(int k) {
    const QString path = recent_.captions()[size_t(k)];
    if (!QFileInfo(path).isFile()) {
        services_.messages.tell(tr("Cannot find %1").arg(path));
        forget_recent_file(k);
        return;
    }
    open_theme(path, OpenSource::RecentFile);
}

void MainWindow::open_dropped_file(const QString& path) {
    // Only themes, and not the one already open.
    if (!path.toLower().endsWith(QStringLiteral(".kmtf")) ||
        (document_.has_file() && QFileInfo(path).absoluteFilePath() == document_.file_name())) {
        return;
    }
    open_theme(path, OpenSource::Drop);
}

void MainWindow::search_command() {
    const int hit = search_.find(document_.theme(), controls_.search_box->text());
    if (hit < 0) {
        services_.messages.tell(tr("Not found"));
        return;
    }
    pane_->select_tile(hit);
    pane_->scroll_to_tile(hit);
}

void MainWindow::edit_menu_command(PresentationManagerMode mode) {
    if (document_.theme().elements.empty()) {
        services_.messages.tell(tr("No elements"));
        return;
    }
    edit_presentations(mode);
}

}  // namespace quorvane
