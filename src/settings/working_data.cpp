// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/working_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "format/text_file.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {
// "£)*(" : the pound sign is one byte in ISO-8859-1.
const QString kSeparator = QString::fromLatin1("\xa3)*(");
}  // namespace

QString working_data_folder() {
    QString folder = qEnvironmentVariable(kWorkingDataFolderVariable);
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                 QStringLiteral("/system");
    }
    QDir().mkpath(folder);
    return folder;
}

QString working_data_path(const QString& folder) {
    return folder + QStringLiteral("/theme_edit.dat");
}

void save_working_data(const QString& folder, const RecentFiles& recent, MessageList& messages) {
    // The system's reason when the folder cannot be made comes from the call that failed.
    std::error_code failure;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), failure);
    if (failure && !QFileInfo(folder).isDir()) {
        messages.add(write_failure_text(working_data_path(folder),
                                        QString::fromLocal8Bit(failure.message())));
        return;
    }
    QString text = kSeparator + kCrLf;
    for (const QString& caption : recent) {
        text += caption + kCrLf;
    }
    write_text_file(working_data_path(folder), text, messages);
}

void load_working_data(const QString& folder, RecentFiles& recent) {
    const QString text = read_text_file(working_data_path(folder));
    if (text.isEmpty()) {
        return;
    }
    const QStringList lines = text.split(kCrLf);
    for (int k = 1; k <= kRecentFileCount && k < lines.size(); ++k) {
        recent[k - 1] = lines[k];
    }
}

}  // namespace quorvane
