// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/theme_files.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <new>

#include "format/reader.h"
#include "model/theme_document.h"
#include "platform/busy_cursor.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"

namespace quorvane {

namespace {

// Why a file cannot be read, in the system's words and language (as the command line says
// it); empty when it was read.
QString unreadable_reason(const RegularFileRead& read) {
    switch (read.failure) {
        case ReadFailure::None:
            break;
        case ReadFailure::Missing:
        case ReadFailure::Error:
            return read.error;
        case ReadFailure::NotRegular:
            return ThemeFiles::tr("Not a regular file");
    }
    return QString();
}

// How many copies one question lists by name.
constexpr qsizetype kListedCopies = 10;

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
    connect(&recovery_, &RecoveryKeeper::cannot_keep_copies, this, &ThemeFiles::remark);
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
    known_.reset();
    lines_as_areas_accepted_ = false;
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
    busy_.busy_on();
    Theme theme;
    MessageList messages;
    RegularFileRead file;
    bool read = false;
    try {
        file = read_regular_file(path);
        // The reader takes the bytes over: a large theme is not copied.
        read = file.failure == ReadFailure::None &&
               read_theme_bytes(std::move(file.bytes), path, theme, messages);
    } catch (const std::bad_alloc&) {
        // Whatever the read had built is gone; the open theme stays as it was.
        busy_.busy_off();
        messages_.tell(too_large_to_read_message(path));
        return false;
    }
    const QString reason = unreadable_reason(file);
    if (!reason.isEmpty()) {
        busy_.busy_off();
        messages_.tell(tr("Cannot open %1: %2").arg(path, reason));
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
    lines_as_areas_accepted_ = false;
    messages_.tell_each(messages);
    know_file(full_path, file.identity, file.identity);
    if (source != OpenSource::Reload) {
        emit file_used(full_path);
    }
    return true;
}

void ThemeFiles::know_file(const QString& path, const std::optional<FileIdentity>& identity,
                           const FileIdentity& on_disk) {
    known_ = identity;
    recovery_.set_file_identity(identity);
    watcher_.watch(path, on_disk);
}

bool ThemeFiles::changed_since_known(const QString& path) const {
    const std::optional<FileIdentity> now = current_file_identity(path);
    // What is not a regular file the save refuses, and says why.
    if (!now || !now->exists) {
        return false;
    }
    return !known_ || !now->same_content(*known_);
}

bool ThemeFiles::save() {
    if (!document_.has_file()) {
        return save_as();
    }
    // The theme's own file: no dialog, and no question about replacing it unless another
    // program wrote it meanwhile.
    const QString path = document_.file_name();
    if (!document_.theme().elements.empty() && changed_since_known(path)) {
        const qsizetype answer = messages_.choose_one_of(
            tr("%1 changed on disk since you opened it. Overwrite it?").arg(path),
            {tr("&Overwrite"), tr("Save &As\u2026"), tr("&Cancel")});
        if (answer == 1) {
            return save_as();
        }
        if (answer != 0) {
            return false;
        }
    }
    return write_to(path, ExistingFile::Replaced);
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
    if (!lines_may_become_areas()) {
        return false;
    }
    MessageList messages;
    FileIdentity written;
    const SaveOutcome outcome = save_asking_before_replacing(path, existing, messages, written);
    messages_.tell_each(messages);
    if (outcome != SaveOutcome::Written) {
        return false;
    }
    const QString full_path = QFileInfo(path).absoluteFilePath();
    know_file(full_path, written, written);
    document_.mark_saved(full_path);
    recovery_.forget();
    emit file_used(full_path);
    return true;
}

bool ThemeFiles::lines_may_become_areas() {
    const int lines = lines_saved_as_areas(document_.theme());
    if (lines == 0 || lines_as_areas_accepted_) {
        return true;
    }
    lines_as_areas_accepted_ = messages_.ask(
        lines == 1 ? tr("1 line has a border of 0, which the file leaves out: it would read back "
                        "as an area, without its secondary colours. Save anyway?")
                   : tr("%1 lines have a border of 0, which the file leaves out: they would read "
                        "back as areas, without their secondary colours. Save anyway?")
                         .arg(lines));
    return lines_as_areas_accepted_;
}

SaveOutcome ThemeFiles::save_asking_before_replacing(const QString& path, ExistingFile existing,
                                                     MessageList& messages, FileIdentity& written) {
    // The writer refuses an untitled theme before it looks for a file in the way, so the user
    // is never asked about a file that would not be written.
    busy_.busy_on();
    SaveOutcome outcome = save_theme_file(document_.theme(), path, messages, existing, &written);
    busy_.busy_off();
    if (outcome == SaveOutcome::FileExists && messages_.ask(overwrite_question())) {
        busy_.busy_on();
        outcome =
            save_theme_file(document_.theme(), path, messages, ExistingFile::Replaced, &written);
        busy_.busy_off();
    }
    return outcome;
}

void ThemeFiles::file_changed_on_disk() {
    // One question at a time: what changes while it is open, it answers too.
    if (asking_about_change_) {
        return;
    }
    const QString path = document_.file_name();
    const QString name = QFileInfo(path).fileName();
    if (!document_.is_modified()) {
        if (open(path, OpenSource::Reload)) {
            emit remark(tr("Reloaded %1: it changed on disk").arg(name));
        }
        return;
    }
    asking_about_change_ = true;
    const bool reload =
        messages_.choose(tr("%1 changed on disk. Reload and lose your changes?").arg(path),
                         tr("&Reload"), tr("&Keep mine"));
    asking_about_change_ = false;
    if (reload) {
        open(path, OpenSource::Reload);
    }
}

void ThemeFiles::offer_recovery() {
    RecoveryCopies& copies = recovery_.copies();
    const QList<RecoveryCopies::LeftBehind> left = copies.left_behind();
    if (left.isEmpty()) {
        return;
    }
    const RecoveryCopies::LeftBehind& newest = left.first();
    const QString name = newest.belongs_to.isEmpty() ? kUntitledFileName : newest.belongs_to;
    QString changed;
    if (!newest.belongs_to.isEmpty() && newest.identity) {
        const std::optional<FileIdentity> now = current_file_identity(newest.belongs_to);
        if (!now || !now->same_content(*newest.identity)) {
            changed = QStringLiteral("\n\n") +
                      tr("%1 changed on disk since those changes were made.").arg(name);
        }
    }
    enum { kRestore, kDiscard, kLater } answer = kLater;
    if (left.size() == 1) {
        answer = messages_.choose(tr("Restore unsaved changes to %1?").arg(name) + changed,
                                  tr("&Restore"), tr("&Discard"))
                     ? kRestore
                     : kDiscard;
    } else {
        QStringList names;
        for (const RecoveryCopies::LeftBehind& copy : left.mid(0, kListedCopies)) {
            names << (copy.belongs_to.isEmpty() ? kUntitledFileName : copy.belongs_to) +
                         QStringLiteral("  (") +
                         QLocale().toString(copy.written, QLocale::ShortFormat) + QLatin1Char(')');
        }
        if (left.size() > kListedCopies) {
            names << tr("and %1 more").arg(left.size() - kListedCopies);
        }
        const QString question =
            tr("Editors that ended without saving left unsaved changes to %1 themes:")
                .arg(left.size()) +
            QStringLiteral("\n\n") + names.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
            tr("Restore the newest, to %1? The others are kept for the next start.").arg(name) +
            changed;
        answer = decltype(answer)(
            messages_.choose_one_of(question, {tr("&Restore"), tr("&Discard All"), tr("&Later")}));
    }
    for (qsizetype k = answer == kRestore ? 1 : 0; k < left.size(); ++k) {
        if (answer == kDiscard) {
            copies.discard(left[k]);
        } else {
            copies.let_go(left[k]);
        }
    }
    if (answer == kRestore) {
        restore(newest);
    }
}

void ThemeFiles::restore(const RecoveryCopies::LeftBehind& copy) {
    Theme theme;
    MessageList messages;
    RegularFileRead file = read_regular_file(copy.copy_path);
    if (file.failure != ReadFailure::None ||
        !read_theme_bytes(std::move(file.bytes), copy.copy_path, theme, messages)) {
        messages_.tell(tr("Cannot open %1: %2")
                           .arg(copy.copy_path, file.failure != ReadFailure::None
                                                    ? unreadable_reason(file)
                                                    : messages.texts().join(QLatin1Char('\n'))));
        // A copy the system would not let this editor read is kept for a later try.
        if (file.failure == ReadFailure::Error) {
            recovery_.copies().let_go(copy);
        } else {
            recovery_.copies().discard(copy);
        }
        return;
    }
    messages_.tell_each(messages);
    const bool has_file = !copy.belongs_to.isEmpty();
    const QString name = has_file ? copy.belongs_to : kUntitledFileName;
    document_.replace(std::move(theme), name, has_file, true);
    lines_as_areas_accepted_ = false;
    watcher_.stop();
    known_.reset();
    if (has_file) {
        // The next save compares the file with what it held when the changes were made; the
        // watch starts from what it holds now, which the user has just been told about.
        know_file(copy.belongs_to, copy.identity,
                  current_file_identity(copy.belongs_to).value_or(FileIdentity()));
    } else {
        recovery_.set_file_identity(std::nullopt);
    }
    // The restored changes are this editor's to keep safe now; the old copy goes only once this
    // editor's own is written, and is otherwise kept for the next start.
    if (recovery_.write_now()) {
        recovery_.copies().discard(copy);
    } else {
        recovery_.copies().let_go(copy);
    }
}

}  // namespace quorvane
