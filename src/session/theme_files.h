// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "format/writer.h"
#include "session/file_change_watcher.h"
#include "session/recovery_keeper.h"

namespace quorvane {

class BusyCursor;
class FileDialogs;
class Messages;
class ThemeDocument;

// How a theme came to be opened; each way differs a little.
enum class OpenSource { Menu, RecentFile, CommandLine, Drop, Reload };

// The open theme's file: opening, New, Save and Save As with their questions, the recovery copy
// kept while there are unsaved changes, and the watch on the file for changes made by other
// programs. It changes the theme only through the document, and asks and tells the user through
// the platform interfaces; the windows only call it and follow its signals.
class ThemeFiles : public QObject {
    Q_OBJECT

  public:
    ThemeFiles(ThemeDocument& document, Messages& messages, BusyCursor& busy,
               FileDialogs& file_dialogs, const QString& working_data_folder,
               QObject* parent = nullptr);

    // Asks what to do with unsaved changes before they would be lost; true when the caller may
    // go on (saved, discarded, or nothing to lose).
    bool settle_unsaved_changes();
    // File > New: an empty theme that keeps the title, once unsaved changes are settled.
    void new_theme();
    // Opens a theme file in place of the current one, after settling unsaved changes (not for a
    // reload). A file that cannot be read, or is no theme, changes nothing. Returns whether the
    // theme was replaced.
    bool open(const QString& path, OpenSource source);
    // File > Open: settles unsaved changes, then asks for the file beside the current one.
    bool open_chosen_file();
    // File > Save: to the current file, or through Save As for an untitled theme. When another
    // program changed the file since the editor last read or wrote it, asks first whether to
    // overwrite it, save elsewhere or not save.
    bool save();
    // File > Save As: asks for a name, and before replacing another file. True when written.
    bool save_as();
    // Offers the recovery copies that editors which ended without saving left behind, all in
    // one question; the newest one restored becomes the open theme, and the others are kept for
    // the next start or discarded.
    void offer_recovery();

    RecoveryKeeper& recovery() { return recovery_; }
    const FileChangeWatcher& watcher() const { return watcher_; }

  signals:
    // A file was opened (not reloaded) or saved: it belongs in the recent files, and the theme
    // now belongs to it.
    void file_used(const QString& path);
    // A passing remark for the status bar.
    void remark(const QString& text);

  private:
    bool read_into_document(const QString& path, OpenSource source);
    // Whether the file at `path` holds something other than what the editor last read or wrote
    // there (a file that is gone is nothing to lose).
    bool changed_since_known(const QString& path) const;
    // Asks before lines with a border of 0 are saved as the areas the file makes of them.
    bool lines_may_become_areas();
    void restore(const RecoveryCopies::LeftBehind& copy);
    // The file's identity is known again: after a read, a write or a restore.
    void know_file(const QString& path, const std::optional<FileIdentity>& identity,
                   const FileIdentity& on_disk);
    bool write_to(const QString& path, ExistingFile existing);
    // Asks the user before a file in the theme's way is replaced; saves without asking when no
    // file is there.
    SaveOutcome save_asking_before_replacing(const QString& path, ExistingFile existing,
                                             MessageList& messages, FileIdentity& written);
    void file_changed_on_disk();

    ThemeDocument& document_;
    Messages& messages_;
    BusyCursor& busy_;
    FileDialogs& file_dialogs_;
    RecoveryKeeper recovery_;
    FileChangeWatcher watcher_;
    // What the theme's file held when the editor last read or wrote it; nothing when not known.
    std::optional<FileIdentity> known_;
    bool asking_about_change_ = false;
    bool lines_as_areas_accepted_ = false;
};

}  // namespace quorvane
