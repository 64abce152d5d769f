// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace quorvane {

// Watches the open theme's file and tells when another program changed or replaced it. What the
// file held when watching began (the editor's own save or open) is remembered, so the editor's
// own writes never count as a change.
class FileChangeWatcher : public QObject {
    Q_OBJECT

  public:
    explicit FileChangeWatcher(QObject* parent = nullptr);

    // Starts watching `path` as it is now.
    void watch(const QString& path);
    void stop();
    const QString& path() const { return path_; }

  signals:
    void changed_elsewhere();

  private:
    void check();

    QFileSystemWatcher watcher_;
    QTimer settle_;
    QString path_;
    QByteArray known_;
    bool known_exists_ = false;
};

}  // namespace quorvane
