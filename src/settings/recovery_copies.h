// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QLockFile>
#include <QString>
#include <memory>

namespace quorvane {

// Recovery copies of unsaved themes in the working-data folder. Each running editor owns one
// copy, named after its process and guarded by a lock file it holds while it runs, so two
// editors never write over each other's copy and a copy whose lock nobody holds was left by an
// editor that ended without saving.
class RecoveryCopies {
  public:
    // A copy an editor left behind.
    struct LeftBehind {
        QString copy_path;   // the theme text as Save would write it
        QString belongs_to;  // the file the theme belongs to; empty for an untitled theme
    };

    explicit RecoveryCopies(QString folder);
    ~RecoveryCopies();

    // Writes this editor's copy atomically: the theme text and the file it belongs to.
    bool write(const QByteArray& theme_text, const QString& belongs_to);
    // Removes this editor's copy (after a save or a clean exit).
    void remove();
    bool exists() const;

    // The copies left by editors that are no longer running.
    QList<LeftBehind> left_behind() const;
    // Deletes a copy once it was restored or declined.
    static void discard(const LeftBehind& copy);

  private:
    QString copy_path(const QString& id) const;
    QString folder_;
    QString id_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace quorvane
