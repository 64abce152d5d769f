// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_dialogs.h"

#include "text/ascii_text.h"

namespace quorvane {

QString file_dialog_title(FileDialogMode mode) {
    return mode == FileDialogMode::Save ? QCoreApplication::translate("FileDialogs", "Save File")
                                        : QCoreApplication::translate("FileDialogs", "Open File");
}

QStringList name_filters(const QString& filter) {
    const QStringList parts = filter.split(QChar(0));
    QStringList filters;
    for (qsizetype k = 0; k + 1 < parts.size(); k += 2) {
        if (parts[k].isEmpty() && parts[k + 1].isEmpty()) {
            continue;
        }
        const QString description =
            QCoreApplication::translate("FileDialogs", parts[k].toUtf8().constData());
        filters.append(description.trimmed() + QStringLiteral(" (") + parts[k + 1] +
                       QStringLiteral(")"));
    }
    return filters;
}

QString cleaned_answer(const QString& answer) {
    QString cleaned = answer;
    return space_trimmed(cleaned.remove(QChar(0)));
}

}  // namespace quorvane
