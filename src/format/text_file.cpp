// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

QString replacement_problem(const QString& path) {
    // Whatever the path leads to (through links) must be a regular file: replacing a device,
    // a pipe or a folder with a file would destroy what was there.
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) == 0 && !S_ISREG(target.st_mode)) {
        return QCoreApplication::translate("TextFile", "%1 is not a regular file")
            .arg(QDir::toNativeSeparators(path));
    }
    return {};
}

AtomicFileWriter::AtomicFileWriter(const QString& path) : path_(path) {}

AtomicFileWriter::~AtomicFileWriter() {
    if (file_ != nullptr) {
        file_->cancelWriting();
    }
}

bool AtomicFileWriter::fail(const QString& reason) {
    error_ = reason;
    if (file_ != nullptr) {
        file_->cancelWriting();
        file_.reset();
    }
    return false;
}

bool AtomicFileWriter::open() {
    const QString problem = replacement_problem(path_);
    if (!problem.isEmpty()) {
        return fail(problem);
    }
    struct stat target {};
    const bool exists = ::stat(QFile::encodeName(path_).constData(), &target) == 0;

    file_ = std::make_unique<QSaveFile>(path_);
    if (!file_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail(file_->errorString());
    }
    if (exists) {
        // The new file takes the old one's place: it keeps its mode, and its owner and group
        // where this process may set them.
        const int fd = file_->handle();
        if (::fchown(fd, target.st_uid, target.st_gid) != 0) {
            (void)::fchown(fd, uid_t(-1), target.st_gid);
        }
        (void)::fchmod(fd, target.st_mode & 07777);
    }
    return true;
}

bool AtomicFileWriter::write(QByteArrayView bytes) {
    if (file_ == nullptr) {
        return false;
    }
    // Written here rather than through QFileDevice, which reports a write that stops part-way
    // (a full disk) without its reason.
    const int fd = file_->handle();
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return fail(qt_error_string(written < 0 ? errno : ENOSPC));
        }
        data += written;
        left -= written;
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (file_ == nullptr) {
        return false;
    }
    const bool committed = file_->commit();
    const QString reason = file_->errorString();
    file_.reset();
    return committed || fail(reason);
}

bool replace_file_atomically(const QString& path, const QByteArray& bytes, QString* error) {
    AtomicFileWriter file(path);
    if (file.open() && file.write(bytes) && file.commit()) {
        return true;
    }
    if (error != nullptr) {
        *error = file.error();
    }
    return false;
}

bool write_permission_denied(const QString& path) {
    // A file that is there is replaced; a new one is made in its folder. Either way the
    // temporary file goes to the folder first.
    const QFileInfo info(path);
    const auto denied = [](const QString& place, int mode) {
        return ::faccessat(AT_FDCWD, QFile::encodeName(place).constData(), mode, AT_EACCESS) != 0 &&
               (errno == EACCES || errno == EPERM || errno == EROFS);
    };
    return (info.exists() && denied(info.absoluteFilePath(), W_OK)) ||
           (QFileInfo(info.absolutePath()).isDir() && denied(info.absolutePath(), W_OK | X_OK));
}

QString write_failure_text(const QString& path, const QString& reason) {
    QString text = QCoreApplication::translate("TextFile", "Error saving %1: %2")
                       .arg(QDir::toNativeSeparators(path), reason);
    if (write_permission_denied(path)) {
        text += QStringLiteral("\n\n") +
                QCoreApplication::translate("TextFile", "Check that you may write to that folder.");
    }
    return text;
}

bool write_text_file(const QString& path, const QString& text, MessageList& messages) {
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!replace_file_atomically(path, (text + QStringLiteral("\r\n")).toUtf8(), &error)) {
        messages.add(write_failure_text(path, error));
        return false;
    }
    return true;
}

QString read_text_file(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    // Files written before these were UTF-8 hold ISO-8859-1, which is seldom valid UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

}  // namespace quorvane
