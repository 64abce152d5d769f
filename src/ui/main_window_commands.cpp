// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's commands, the recent files, opening by drag and drop, saving and the search box.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QStatusBar>
#include <cerrno>
#include <cstring>
#include <new>

#include "format/reader.h"
#include "format/writer.h"
#include "platform/busy_cursor.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "ui/file_change_watcher.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"
#include "ui/recovery_keeper.h"

namespace quorvane {

namespace {

// What the system calls an error, in its own language, as the command line shows it.
QString system_error_text(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// Why a file cannot be read, in the system's words; empty when it can.
QString unreadable_reason(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return system_error_text(ENOENT);
    }
    if (info.isDir()) {
        return system_error_text(EISDIR);
    }
    if (!info.isFile()) {
        return MainWindow::tr("Not a regular file");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    return QString();
}

}  // namespace

bool MainWindow::settle_unsaved_changes() {
    if (!document_.is_modified()) {
        return true;
    }
    const QString name = QFileInfo(document_.file_name()).fileName();
    switch (services_.messages.ask_unsaved(tr("Save changes to %1?").arg(name))) {
        case UnsavedAnswer::Save:
            return save();
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

void MainWindow::new_command() {
    if (!settle_unsaved_changes()) {
        return;
    }
    // The title stays; the other fields start afresh.
    Theme fresh;
    fresh.metadata.title = document_.theme().metadata.title;
    fresh.metadata.version = QStringLiteral("1.00");
    watcher_->stop();
    document_.replace(std::move(fresh), kUntitledFileName, false);
}

bool MainWindow::open_theme(const QString& path, OpenSource source) {
    if (source != OpenSource::Reload && !settle_unsaved_changes()) {
        return false;
    }
    return read_into_document(path, source);
}

bool MainWindow::read_into_document(const QString& path, OpenSource source) {
    const QString reason = unreadable_reason(path);
    if (!reason.isEmpty()) {
        services_.messages.tell(tr("Cannot open %1: %2").arg(path, reason));
        return false;
    }
    services_.busy.busy_on();
    Theme theme;
    try {
        read_theme_file(path, theme, services_.messages);
    } catch (const std::bad_alloc&) {
        // Whatever the read had built is gone; the open theme stays as it was.
        services_.busy.busy_off();
        services_.messages.tell(too_large_to_read_message(path));
        return false;
    }
    const QString full_path = QFileInfo(path).absoluteFilePath();
    document_.replace(std::move(theme), full_path, true);
    services_.busy.busy_off();
    watcher_->watch(full_path);
    if (source != OpenSource::Reload) {
        remember_recent_file(full_path);
    }
    return true;
}

void MainWindow::open_command() {
    if (!settle_unsaved_changes()) {
        return;
    }
    // The dialog starts beside the current file.
    const QString start =
        document_.has_file() ? QFileInfo(document_.file_name()).absolutePath() : QString();
    const QString path =
        services_.file_dialogs.file_dialog(FileDialogMode::Open, kOpenFilter, start);
    // "*.osm" is what the dialog answered for a cancelled pick on some systems.
    if (path.isEmpty() || path == QStringLiteral("*.osm")) {
        return;
    }
    read_into_document(path, OpenSource::Menu);
}

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

bool MainWindow::save() {
    if (!document_.has_file()) {
        return save_as();
    }
    // The theme's own file: no dialog and no question about overwriting it.
    return write_to(document_.file_name(), false);
}

bool MainWindow::save_as() {
    if (document_.theme().elements.empty()) {
        services_.messages.tell(tr("No data to save"));
        return false;
    }
    const QString start = document_.has_file() ? document_.file_name() : QString();
    QString path = services_.file_dialogs.file_dialog(FileDialogMode::Save, kSaveFilter, start);
    if (path.isEmpty()) {
        return false;
    }
    if (!path.toLower().contains(QStringLiteral(".kmtf"))) {
        path += QStringLiteral(".kmtf");
    }
    return write_to(path, true);
}

bool MainWindow::write_to(const QString& path, bool ask_before_overwriting) {
    if (document_.theme().elements.empty()) {
        services_.messages.tell(tr("No data to save"));
        return false;
    }
    const SaveOutcome outcome = save_theme_file(document_.theme(), path, services_.messages,
                                                services_.busy, ask_before_overwriting);
    if (outcome != SaveOutcome::Written) {
        return false;
    }
    const QString full_path = QFileInfo(path).absoluteFilePath();
    watcher_->watch(full_path);
    document_.mark_saved(full_path);
    recovery_->forget();
    remember_recent_file(full_path);
    update_caption();
    return true;
}

void MainWindow::file_changed_on_disk() {
    const QString path = document_.file_name();
    const QString name = QFileInfo(path).fileName();
    if (!document_.is_modified()) {
        if (open_theme(path, OpenSource::Reload)) {
            statusBar()->showMessage(tr("Reloaded %1: it changed on disk").arg(name));
        }
        return;
    }
    if (services_.messages.choose(tr("%1 changed on disk. Reload and lose your changes?").arg(path),
                                  tr("&Reload"), tr("&Keep mine"))) {
        open_theme(path, OpenSource::Reload);
    }
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

void MainWindow::offer_recovery() {
    for (const RecoveryCopies::LeftBehind& copy : recovery_->left_behind()) {
        const QString name = copy.belongs_to.isEmpty() ? kUntitledFileName : copy.belongs_to;
        if (!services_.messages.choose(tr("Restore unsaved changes to %1?").arg(name),
                                       tr("&Restore"), tr("&Discard"))) {
            RecoveryCopies::discard(copy);
            continue;
        }
        Theme theme;
        read_theme_file(copy.copy_path, theme, services_.messages);
        const bool has_file = !copy.belongs_to.isEmpty();
        document_.replace(std::move(theme), name, has_file, true);
        RecoveryCopies::discard(copy);
        // The restored changes are this editor's to keep safe now.
        recovery_->write_now();
        if (has_file) {
            watcher_->watch(copy.belongs_to);
        }
        return;
    }
}

}  // namespace quorvane
