// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/file_change_watcher.h"

#include <QFile>
#include <QFileInfo>

namespace quorvane {

namespace {

// The file's bytes, or nothing when it cannot be read.
bool read_all(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    bytes = file.readAll();
    return true;
}

}  // namespace

FileChangeWatcher::FileChangeWatcher(QObject* parent) : QObject(parent) {
    // Writers often change a file in several steps: look once they have finished.
    settle_.setSingleShot(true);
    settle_.setInterval(200);
    connect(&settle_, &QTimer::timeout, this, &FileChangeWatcher::check);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { settle_.start(); });
}

void FileChangeWatcher::watch(const QString& path) {
    stop();
    path_ = path;
    known_exists_ = read_all(path_, known_);
    watcher_.addPath(path_);
}

void FileChangeWatcher::stop() {
    settle_.stop();
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    path_.clear();
    known_.clear();
    known_exists_ = false;
}

void FileChangeWatcher::check() {
    if (path_.isEmpty()) {
        return;
    }
    // A file replaced by renaming drops out of the watch: watch the new one.
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
    QByteArray now;
    const bool exists = read_all(path_, now);
    if (!exists || (known_exists_ && now == known_)) {
        return;
    }
    known_ = now;
    known_exists_ = true;
    emit changed_elsewhere();
}

}  // namespace quorvane
