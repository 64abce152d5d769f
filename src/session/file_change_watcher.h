// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include "format/file_identity.h"

namespace quorvane {

// Watches the open theme's file and tells when another program changed or replaced it. What the
// file held when watching began (the editor's own save or open) is remembered, so the editor's
// own writes never count as a change. The folder is watched too: a program that deletes the
// file and writes it anew, as many save, takes it out of the system's watch, and it is watched
// again as soon as it is back.
class FileChangeWatcher : public QObject {
    Q_OBJECT

  public:
    explicit FileChangeWatcher(QObject* parent = nullptr);

    // Starts watching `path`, which holds what `identity` names (the editor just read or wrote
    // it).
    void watch(const QString& path, const FileIdentity& identity);
    void stop();
    const QString& path() const { return path_; }

  signals:
    void changed_elsewhere();

  private:
    void check();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString path_;
    FileIdentity last_seen_;
};

}  // namespace quorvane
