#include "format/text_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#include "platform/busy_cursor.h"
#include "platform/messages.h"

namespace quorvane {

bool replace_file_atomically(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        file.cancelWriting();
        return false;
    }
    return true;
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

bool write_text_file(const QString& path, const QString& text, Messages& messages,
                     BusyCursor& busy) {
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!replace_file_atomically(path, (text + QStringLiteral("\r\n")).toLatin1(), &error)) {
        messages.tell(write_failure_text(path, error));
        busy.busy_off();
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
    return QString::fromLatin1(file.readAll());
}

}  // namespace quorvane
