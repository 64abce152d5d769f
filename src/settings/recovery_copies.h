// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <map>
#include <optional>

#include "format/file_identity.h"

namespace quorvane {

// Recovery copies of unsaved themes in the working-data folder. Each running editor owns one
// copy, named after an id unique to that start of the program, and holds a lock on it while it
// runs, so two editors never write over each other's copy and a copy whose lock nobody holds was
// left by an editor that ended without saving. The lock is the system's: it goes with the
// process that held it, whatever its process id (which repeats from start to start in a
// container).
class RecoveryCopies {
  public:
    // A copy an editor left behind.
    struct LeftBehind {
        QString copy_path;   // the theme text as Save would write it
        QString belongs_to;  // the file the theme belongs to; empty for an untitled theme
        // What that file held when the editor last read or wrote it; nothing when not known.
        std::optional<FileIdentity> identity;
        QDateTime written;  // when the copy was last written
    };

    explicit RecoveryCopies(QString folder);
    ~RecoveryCopies();
    RecoveryCopies(const RecoveryCopies&) = delete;
    RecoveryCopies& operator=(const RecoveryCopies&) = delete;

    // Writes this editor's copy atomically: the theme text, the file it belongs to and what that
    // file held. On failure returns false and sets `error` to the reason.
    bool write(const QByteArray& theme_text, const QString& belongs_to,
               const std::optional<FileIdentity>& identity, QString& error);
    // Removes this editor's copy (after a save or a clean exit).
    void remove();
    bool exists() const;
    const QString& folder() const { return folder_; }

    // The copies left by editors that are no longer running, newest first. Each one found is
    // held for this editor until it is discarded or let go, so that an editor starting at the
    // same time does not offer it too. Lock files and entries that editors killed before they
    // wrote a copy left behind are removed on the way.
    QList<LeftBehind> left_behind();
    // Deletes a copy once it was restored or declined.
    void discard(const LeftBehind& copy);
    // Lets go of a copy kept for a later start.
    void let_go(const LeftBehind& copy);

    // The longest entry naming the file a copy belongs to that is read.
    static constexpr qsizetype kLongestEntry = 64 * 1024;

  private:
    QString copy_path() const;
    QString folder_;
    QString id_;
    int lock_ = -1;
    // The locks of copies found left behind, by copy path.
    std::map<QString, int> held_;
};

}  // namespace quorvane
