// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/file_change_watcher.h"

#include <QFileInfo>

namespace quorvane {

FileChangeWatcher::FileChangeWatcher(QObject* parent) : QObject(parent) {
    // Writers often change a file in several steps: look once they have finished.
    settle_.setSingleShot(true);
    settle_.setInterval(200);
    connect(&settle_, &QTimer::timeout, this, &FileChangeWatcher::check);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settle_.start(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
}

void FileChangeWatcher::watch(const QString& path, const FileIdentity& identity) {
    stop();
    path_ = path;
    last_seen_ = identity;
    watcher_.addPath(QFileInfo(path_).absolutePath());
    if (QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
}

void FileChangeWatcher::stop() {
    settle_.stop();
    const QStringList watched = watcher_.files() + watcher_.directories();
    if (!watched.isEmpty()) {
        watcher_.removePaths(watched);
    }
    path_.clear();
    last_seen_ = FileIdentity();
}

void FileChangeWatcher::check() {
    if (path_.isEmpty()) {
        return;
    }
    // A file deleted, or replaced by renaming, drops out of the watch: watch the new one.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
    // Most changes in the folder concern other files: the same size and time need no reading.
    if (has_size_and_time_of(path_, last_seen_)) {
        return;
    }
    // Only a regular file is read: a pipe put in its place would wait for a writer. A deleted
    // file is no change until it is back.
    const std::optional<FileIdentity> now = current_file_identity(path_);
    if (!now || !now->exists) {
        return;
    }
    const bool changed = !now->same_content(last_seen_);
    last_seen_ = *now;
    if (changed) {
        emit changed_elsewhere();
    }
}

}  // namespace quorvane
