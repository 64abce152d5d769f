#include "format/text_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

bool write_text_file(const QString& path, const QString& text, Messages& messages,
                     BusyCursor& busy) {
    if (path.isEmpty()) {
        return false;
    }
    if (!replace_file_atomically(path, (text + QStringLiteral("\r\n")).toLatin1(), nullptr)) {
        messages.tell(QStringLiteral("Error saving ") + path +
                      QStringLiteral("\r\n\r\nCheck access permission: RUN quorvane.exe as "
                                     "ADMINISTRATOR"));
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
