// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/theme_files.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <new>

#include "format/reader.h"
#include "model/theme_document.h"
#include "platform/busy_cursor.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"

namespace quorvane {

namespace {

// Why a file cannot be read, in the system's words and language (as the command line says
// it); empty when it can.
QString unreadable_reason(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return QString::fromLocal8Bit(std::strerror(ENOENT));
    }
    if (!info.isFile()) {
        return ThemeFiles::tr("Not a regular file");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return file.errorString();
    }
    return QString();
}

}  // namespace

ThemeFiles::ThemeFiles(ThemeDocument& document, Messages& messages, BusyCursor& busy,
                       FileDialogs& file_dialogs, const QString& working_data_folder,
                       QObject* parent)
    : QObject(parent),
      document_(document),
      messages_(messages),
      busy_(busy),
      file_dialogs_(file_dialogs),
      recovery_(document, working_data_folder) {
    connect(&watcher_, &FileChangeWatcher::changed_elsewhere, this,
            &ThemeFiles::file_changed_on_disk);
}

bool ThemeFiles::settle_unsaved_changes() {
    if (!document_.is_modified()) {
        return true;
    }
    const QString name = QFileInfo(document_.file_name()).fileName();
    switch (messages_.ask_unsaved(tr("Save changes to %1?").arg(name))) {
        case UnsavedAnswer::Save:
            return save();
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

void ThemeFiles::new_theme() {
    if (!settle_unsaved_changes()) {
        return;
    }
    // The title stays; the other fields start afresh.
    Theme fresh;
    fresh.metadata.title = document_.theme().metadata.title;
    fresh.metadata.version = QStringLiteral("1.00");
    watcher_.stop();
    document_.replace(std::move(fresh), kUntitledFileName, false);
}

bool ThemeFiles::open(const QString& path, OpenSource source) {
    if (source != OpenSource::Reload && !settle_unsaved_changes()) {
        return false;
    }
    return read_into_document(path, source);
}

bool ThemeFiles::open_chosen_file() {
    if (!settle_unsaved_changes()) {
        return false;
    }
    // The dialog starts beside the current file.
    const QString start =
        document_.has_file() ? QFileInfo(document_.file_name()).absolutePath() : QString();
    const QString path = file_dialogs_.file_dialog(FileDialogMode::Open, kOpenFilter, start);
    // "*.osm" is what the dialog answered for a cancelled pick on some systems.
    if (path.isEmpty() || path == QStringLiteral("*.osm")) {
        return false;
    }
    return read_into_document(path, OpenSource::Menu);
}

bool ThemeFiles::read_into_document(const QString& path, OpenSource source) {
    const QString reason = unreadable_reason(path);
    if (!reason.isEmpty()) {
        messages_.tell(tr("Cannot open %1: %2").arg(path, reason));
        return false;
    }
    busy_.busy_on();
    Theme theme;
    MessageList messages;
    bool read = false;
    try {
        read = read_theme_file(path, theme, messages);
    } catch (const std::bad_alloc&) {
        // Whatever the read had built is gone; the open theme stays as it was.
        busy_.busy_off();
        messages_.tell(too_large_to_read_message(path));
        return false;
    }
    if (!read) {
        // Not a theme: the open one stays, and the user learns why.
        busy_.busy_off();
        messages_.tell_each(messages);
        return false;
    }
    const QString full_path = QFileInfo(path).absoluteFilePath();
    document_.replace(std::move(theme), full_path, true);
    busy_.busy_off();
    messages_.tell_each(messages);
    watcher_.watch(full_path);
    if (source != OpenSource::Reload) {
        emit file_used(full_path);
    }
    return true;
}

bool ThemeFiles::save() {
    if (!document_.has_file()) {
        return save_as();
    }
    // The theme's own file: no dialog and no question about replacing it.
    return write_to(document_.file_name(), ExistingFile::Replaced);
}

bool ThemeFiles::save_as() {
    if (document_.theme().elements.empty()) {
        messages_.tell(tr("No data to save"));
        return false;
    }
    const QString start = document_.has_file() ? document_.file_name() : QString();
    QString path = file_dialogs_.file_dialog(FileDialogMode::Save, kSaveFilter, start);
    if (path.isEmpty()) {
        return false;
    }
    if (!path.toLower().contains(QStringLiteral(".kmtf"))) {
        path += QStringLiteral(".kmtf");
    }
    return write_to(path, ExistingFile::Kept);
}

bool ThemeFiles::write_to(const QString& path, ExistingFile existing) {
    if (document_.theme().elements.empty()) {
        messages_.tell(tr("No data to save"));
        return false;
    }
    MessageList messages;
    const SaveOutcome outcome = save_asking_before_replacing(path, existing, messages);
    messages_.tell_each(messages);
    if (outcome != SaveOutcome::Written) {
        return false;
    }
    const QString full_path = QFileInfo(path).absoluteFilePath();
    watcher_.watch(full_path);
    document_.mark_saved(full_path);
    recovery_.forget();
    emit file_used(full_path);
    return true;
}

SaveOutcome ThemeFiles::save_asking_before_replacing(const QString& path, ExistingFile existing,
                                                     MessageList& messages) {
    // The writer refuses an untitled theme before it looks for a file in the way, so the user
    // is never asked about a file that would not be written.
    busy_.busy_on();
    SaveOutcome outcome = save_theme_file(document_.theme(), path, messages, existing);
    busy_.busy_off();
    if (outcome == SaveOutcome::FileExists && messages_.ask(overwrite_question())) {
        busy_.busy_on();
        outcome = save_theme_file(document_.theme(), path, messages, ExistingFile::Replaced);
        busy_.busy_off();
    }
    return outcome;
}

void ThemeFiles::file_changed_on_disk() {
    const QString path = document_.file_name();
    const QString name = QFileInfo(path).fileName();
    if (!document_.is_modified()) {
        if (open(path, OpenSource::Reload)) {
            emit remark(tr("Reloaded %1: it changed on disk").arg(name));
        }
        return;
    }
    if (messages_.choose(tr("%1 changed on disk. Reload and lose your changes?").arg(path),
                         tr("&Reload"), tr("&Keep mine"))) {
        open(path, OpenSource::Reload);
    }
}

void ThemeFiles::offer_recovery() {
    for (const RecoveryCopies::LeftBehind& copy : recovery_.left_behind()) {
        const QString name = copy.belongs_to.isEmpty() ? kUntitledFileName : copy.belongs_to;
        if (!messages_.choose(tr("Restore unsaved changes to %1?").arg(name), tr("&Restore"),
                              tr("&Discard"))) {
            RecoveryCopies::discard(copy);
            continue;
        }
        Theme theme;
        MessageList messages;
        read_theme_file(copy.copy_path, theme, messages);
        messages_.tell_each(messages);
        const bool has_file = !copy.belongs_to.isEmpty();
        document_.replace(std::move(theme), name, has_file, true);
        RecoveryCopies::discard(copy);
        // The restored changes are this editor's to keep safe now.
        recovery_.write_now();
        if (has_file) {
            watcher_.watch(copy.belongs_to);
        }
        return;
    }
}

}  // namespace quorvane
