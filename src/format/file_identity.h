// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <QJsonObject>
#include <QString>
#include <optional>

namespace quorvane {

// What a file held when the editor last read or wrote it, to tell later whether another program
// has changed it since: whether it was there, its size and modification time, and a hash of its
// bytes.
struct FileIdentity {
    bool exists = false;
    qint64 size = 0;
    qint64 modified_ms = 0;  // milliseconds since 1970, UTC
    QByteArray hash;         // of the bytes, in hexadecimal

    static FileIdentity of_bytes(QByteArrayView bytes, qint64 modified_ms);
    // Whether both name the same bytes: both absent, or of equal size and hash. A program that
    // writes the same bytes again changes only the time, which is no change to the theme.
    bool same_content(const FileIdentity& other) const;

    QJsonObject to_json() const;
    // Nothing for an object to_json did not make.
    static std::optional<FileIdentity> from_json(const QJsonObject& object);

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of bytes handed over in pieces: what FileIdentity::of_bytes gives for all of
// them at once, without their standing whole in memory.
class ContentIdentityBuilder {
  public:
    ContentIdentityBuilder();
    void add(QByteArrayView piece);
    FileIdentity identity(qint64 modified_ms) const;

  private:
    QCryptographicHash hash_;
    qint64 size_ = 0;
};

// Why a file could not be read.
enum class ReadFailure { None, Missing, NotRegular, Error };

// A whole file as read_regular_file found it.
struct RegularFileRead {
    QByteArray bytes;
    FileIdentity identity;
    ReadFailure failure = ReadFailure::None;
    QString error;  // the system's description, for ReadFailure::Error
};

// Reads the whole file at `path` when it is a regular file (after links). It is opened without
// waiting and its type checked on the open file: a pipe or a device put in the theme's place
// would otherwise hold the program up until some other program writes to it.
// Without the hash, only the bytes are wanted: `identity` is left empty.
enum class IdentityHash { Made, Skipped };
RegularFileRead read_regular_file(const QString& path, IdentityHash hash = IdentityHash::Made);

// The identity of what is at `path` now: an absent one when nothing is there, and nothing when
// something other than a regular file is there or it cannot be read. Reads the file through
// without keeping it.
std::optional<FileIdentity> current_file_identity(const QString& path);

// When the file at `path` was last modified, in milliseconds since 1970 (UTC); 0 when it is not
// there.
qint64 modification_ms(const QString& path);

// Whether the file at `path` has the size and modification time `identity` names: then it most
// likely holds the same bytes, without reading them.
bool has_size_and_time_of(const QString& path, const FileIdentity& identity);

// "<path> is not a regular file".
QString not_regular_file_message(const QString& path);

}  // namespace quorvane
