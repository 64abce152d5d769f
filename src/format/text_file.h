// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>

class QSaveFile;

#include "text/message_list.h"

namespace quorvane {

// Why the file at `path` may not be replaced: "<path> is not a regular file" when it exists (after
// links) as a folder, device, pipe or socket; an empty text otherwise.
QString replacement_problem(const QString& path);

// Writes `bytes` as the whole content of the file at `path` through a temporary file that
// atomically replaces the target once it is complete, so a failed write leaves the old file as
// it was. The replaced file keeps its mode, and its owner and group where the process may set
// them; a target that exists but is not a regular file (after links) is refused. On failure
// returns false and sets `error` to the reason (the system's description of the failing step).
bool replace_file_atomically(const QString& path, const QByteArray& bytes, QString* error);

// replace_file_atomically for a content written in pieces, so that a large file never stands
// whole in memory: open(), then write() each piece in order, then commit(). Until commit() the
// old file stays as it was; a writer dropped before that leaves it so.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(const QString& path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool open();
    bool write(QByteArrayView bytes);
    bool commit();
    // Why the last step failed (the system's description of it).
    const QString& error() const { return error_; }

  private:
    bool fail(const QString& reason);

    QString path_;
    std::unique_ptr<QSaveFile> file_;
    QString error_;
};

// Whether writing at `path` failed for want of permission (EACCES, EPERM or EROFS): the file
// itself, or the folder a new file (or the temporary one) goes to, may not be written by this
// process. Asked after a failed write, whose own error gives the reason.
bool write_permission_denied(const QString& path);

// What a failed write says: "Error saving <path>: <reason>", and for a permission problem the
// advice to check the folder.
QString write_failure_text(const QString& path, const QString& reason);

// Writes `text` followed by CR LF, encoded as UTF-8 so that any path survives, as the whole content
// of the file at `path`. An empty path writes nothing. A failure reports write_failure_text; the
// old file stays intact. Returns whether the file was written.
bool write_text_file(const QString& path, const QString& text, MessageList& messages);

// The whole content of a text file (UTF-8, or ISO-8859-1 when it is not valid UTF-8), or an empty
// text when the path is empty, names no existing file or cannot be read.
QString read_text_file(const QString& path);

}  // namespace quorvane
