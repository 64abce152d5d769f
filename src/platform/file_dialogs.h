// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace quorvane {

enum class FileDialogMode { Open = 0, Save = 1 };

// Filters are given as the pairs "description", NUL, "pattern", NUL, one pair after the other.
// name_filters translates the descriptions.
inline const QString kOpenFilter =
    QStringLiteral(QT_TRANSLATE_NOOP("FileDialogs", "Garmin Themes ")) + QChar(0) +
    QStringLiteral("*.kmtf") + QChar(0);
inline const QString kSaveFilter =
    QStringLiteral(QT_TRANSLATE_NOOP("FileDialogs", "Garmin Theme File (kmtf)")) + QChar(0) +
    QStringLiteral("*.kmtf") + QChar(0);
// Map data: OpenStreetMap files and GPX routes and tracks, or any file (the reader says what it
// cannot read).
inline const QString kMapDataFilter =
    QStringLiteral(QT_TRANSLATE_NOOP("FileDialogs", "Map Data")) + QChar(0) +
    QStringLiteral("*.osm *.osm.pbf *.osm.bz2 *.osm.gz *.pbf *.gpx") + QChar(0) +
    QStringLiteral(QT_TRANSLATE_NOOP("FileDialogs", "All Files")) + QChar(0) + QStringLiteral("*") +
    QChar(0);

// Asks the user for a file to open or a name to save under. The dialog preselects the first
// filter, adds no extension and does not ask before overwriting (the caller does).
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen path, or an empty text when the user cancels. `initial` is the file or folder
    // the dialog starts at.
    virtual QString file_dialog(FileDialogMode mode, const QString& filter,
                                const QString& initial) = 0;
    // The files chosen to open, any number at once; none when the user cancels. Unless a
    // dialog offers more, the one file file_dialog gives.
    virtual QStringList open_files_dialog(const QString& filter, const QString& initial) {
        const QString chosen = file_dialog(FileDialogMode::Open, filter, initial);
        return chosen.isEmpty() ? QStringList() : QStringList{chosen};
    }
};

// "Open File" or "Save File".
QString file_dialog_title(FileDialogMode mode);

// The filter pairs as name filters "description (pattern)"; the description keeps its words (in
// the user's language), without the spaces around them.
QStringList name_filters(const QString& filter);

// What a dialog's answer becomes: spaces around it and every NUL removed.
QString cleaned_answer(const QString& answer);

}  // namespace quorvane
