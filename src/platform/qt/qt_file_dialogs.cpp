// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_file_dialogs.h"

#include <QFileDialog>

namespace quorvane {

QStringList QtFileDialogs::open_files_dialog(const QString& filter, const QString& initial) {
    QFileDialog dialog(parent_, file_dialog_title(FileDialogMode::Open), initial);
    dialog.setOption(QFileDialog::DontUseNativeDialog, kind_ == FileDialogKind::Toolkit);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    const QStringList filters = name_filters(filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.first());
    }
    QStringList chosen;
    if (dialog.exec() == QDialog::Accepted) {
        for (const QString& path : dialog.selectedFiles()) {
            chosen.append(cleaned_answer(path));
        }
    }
    return chosen;
}

QString QtFileDialogs::file_dialog(FileDialogMode mode, const QString& filter,
                                   const QString& initial) {
    QFileDialog dialog(parent_, file_dialog_title(mode), initial);
    dialog.setOption(QFileDialog::DontUseNativeDialog, kind_ == FileDialogKind::Toolkit);
    // The caller asks before replacing a file and adds the extension itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode == FileDialogMode::Save ? QFileDialog::AcceptSave
                                                      : QFileDialog::AcceptOpen);
    // No must-exist check: the reader deals with a file that is not there.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = name_filters(filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty()) {
        dialog.selectNameFilter(filters.first());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return QString();
    }
    return cleaned_answer(dialog.selectedFiles().first());
}

}  // namespace quorvane
