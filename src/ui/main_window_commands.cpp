// The File menu's commands, the recent files, opening by drag and drop and the search box.
#include <QAction>
#include <QFileInfo>
#include <QLineEdit>

#include "format/reader.h"
#include "format/writer.h"
#include "platform/busy_cursor.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"

namespace quorvane {

bool MainWindow::new_command() {
    // Yes keeps everything, so that the user can save first.
    if (theme_.modified && services_.messages.ask(QStringLiteral("Save project?"))) {
        return false;
    }
    clear_theme();
    return true;
}

void MainWindow::clear_theme() {
    pane_->clear();
    pane_->frame_tile(-1);
    theme_.elements.clear();
    theme_.project_presentations.clear();
    theme_.listed_presentations.clear();
    theme_.file_name = kUntitledFileName;
    // The title stays; the other fields start afresh.
    theme_.metadata.locale.clear();
    theme_.metadata.version = QStringLiteral("1.00");
    theme_.metadata.description.clear();
    refresh_metadata_fields();
    refresh_presentation_list();
    search_.reset();
}

void MainWindow::read_and_show(const QString& path) {
    // Reading a file starts the search afresh.
    if (read_theme_file(path, theme_, services_.messages)) {
        search_.reset();
    }
    update_caption(path);
    plot(-1);
    refresh_metadata_fields();
    refresh_presentation_list();
}

void MainWindow::open_command() {
    // Opening replaces the theme: as with New, Yes stops so that the user can save first.
    if (theme_.modified && services_.messages.ask(QStringLiteral("Save project?"))) {
        return;
    }
    const QString path =
        services_.file_dialogs.file_dialog(FileDialogMode::Open, kOpenFilter, theme_.file_name);
    if (path.isEmpty() || path == QStringLiteral("*.osm")) {
        return;
    }
    theme_.listed_presentations.clear();
    remember_recent_file(path);
    read_and_show(path);
}

void MainWindow::save_command() {
    if (theme_.elements.empty()) {
        services_.messages.tell(QStringLiteral("No data to save"));
        return;
    }
    QString path = services_.file_dialogs.file_dialog(FileDialogMode::Save, kSaveFilter, QString());
    if (path.isEmpty()) {
        return;
    }
    if (!path.toLower().contains(QStringLiteral(".kmtf"))) {
        path += QStringLiteral(".kmtf");
    }
    theme_.file_name = path;
    save_theme_file(theme_, path, services_.messages, services_.busy);
    // Saving fills in the metadata defaults.
    refresh_metadata_fields();
    update_caption(path);
}

void MainWindow::recent_file_command(int k) {
    if (!new_command()) {
        return;
    }
    const QString path = recent_.captions()[size_t(k)];
    if (QFileInfo(path).isFile()) {
        read_and_show(path);
        remember_recent_file(path);
    } else {
        services_.messages.tell(QStringLiteral("Cannot find ") + path);
        recent_.forget(k);
        refresh_recent_menu();
    }
}

void MainWindow::open_dropped_file(const QString& path) {
    if (!path.toLower().endsWith(QStringLiteral(".kmtf")) || path == theme_.file_name) {
        return;
    }
    if (theme_.modified && services_.messages.ask(QStringLiteral("Save Current file?"))) {
        return;
    }
    services_.busy.busy_on();
    remember_recent_file(path);
    theme_.listed_presentations.clear();
    read_and_show(path);
    services_.busy.busy_off();
    theme_.file_name = path;
    theme_.modified = false;
}

void MainWindow::open_command_line_file() {
    if (command_line_path_.isEmpty()) {
        return;
    }
    const QString path = command_line_path_;
    command_line_path_.clear();
    services_.busy.busy_on();
    remember_recent_file(path);
    theme_.listed_presentations.clear();
    read_and_show(path);
    services_.busy.busy_off();
}

void MainWindow::search_command() {
    const int hit = search_.find(theme_, controls_.text4->text());
    if (hit < 0) {
        services_.messages.tell(QStringLiteral("Not found"));
        return;
    }
    pane_->frame_tile(hit);
    pane_->scroll_to_tile(hit);
}

void MainWindow::edit_menu_command(int mode) {
    if (theme_.elements.empty()) {
        services_.messages.tell(QStringLiteral("No elements"));
        return;
    }
    edit_presentations(mode);
}

}  // namespace quorvane
