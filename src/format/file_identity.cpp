// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/file_identity.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <cerrno>

#include "text/large_buffers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {

namespace {

// Fast enough to hash a large theme at every save without the user noticing.
constexpr QCryptographicHash::Algorithm kHashAlgorithm = QCryptographicHash::Blake2b_256;
constexpr qsizetype kChunk = qsizetype(1) << 20;

qint64 modified_ms(const struct stat& status) {
    return qint64(status.st_mtim.tv_sec) * 1000 + status.st_mtim.tv_nsec / 1000000;
}

// A file opened for reading only when it is a regular file; what goes wrong is recorded in the
// RegularFileRead it is given.
class RegularFile {
  public:
    explicit RegularFile(const QString& path, RegularFileRead& read) : read_(read) {
        const QByteArray native = QFile::encodeName(path);
        // What is plainly no regular file is not opened at all: opening a pipe, even without
        // waiting, counts as a reader to the program writing it.
        if (::stat(native.constData(), &status_) == 0 && !S_ISREG(status_.st_mode)) {
            read_.failure = ReadFailure::NotRegular;
            return;
        }
        // Without O_NONBLOCK, opening a pipe put there meanwhile would wait for a writer.
        fd_ = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) {
            fail(errno == ENOENT ? ReadFailure::Missing : ReadFailure::Error, errno);
            return;
        }
        if (::fstat(fd_, &status_) != 0) {
            fail(ReadFailure::Error, errno);
        } else if (!S_ISREG(status_.st_mode)) {
            read_.failure = ReadFailure::NotRegular;
        }
    }
    ~RegularFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    bool ok() const { return read_.failure == ReadFailure::None; }
    qint64 size() const { return qint64(status_.st_size); }

    // Reads to the end into `buffer`, which has room for the file as it was opened, growing it
    // only when the file grew meanwhile.
    bool read_into(QByteArray& buffer) {
        qsizetype at = 0;
        for (;;) {
            if (at == buffer.size()) {
                buffer.resize(at + kChunk);
            }
            const qsizetype got = read_some(buffer.data() + at, buffer.size() - at);
            if (got <= 0) {
                buffer.truncate(at);
                return got == 0;
            }
            at += got;
        }
    }

    // Hashes the file through in pieces; its bytes are never all in memory at once.
    bool hash_into(QCryptographicHash& hash, qint64& size) {
        QByteArray piece(kChunk, Qt::Uninitialized);
        size = 0;
        for (;;) {
            const qsizetype got = read_some(piece.data(), piece.size());
            if (got <= 0) {
                return got == 0;
            }
            hash.addData(QByteArrayView(piece.constData(), got));
            size += got;
        }
    }

    void finish_identity(FileIdentity& identity) const {
        identity.exists = true;
        identity.modified_ms = modified_ms(status_);
    }

  private:
    // Bytes read, 0 at the end, -1 after a failure (recorded).
    qsizetype read_some(char* data, qsizetype room) {
        for (;;) {
            const ssize_t got = ::read(fd_, data, size_t(room));
            if (got >= 0) {
                return got;
            }
            if (errno != EINTR) {
                fail(ReadFailure::Error, errno);
                return -1;
            }
        }
    }

    bool fail(ReadFailure failure, int error) {
        read_.failure = failure;
        read_.error = qt_error_string(error);
        return false;
    }

    RegularFileRead& read_;
    int fd_ = -1;
    struct stat status_ {};
};

}  // namespace

FileIdentity FileIdentity::of_bytes(QByteArrayView bytes, qint64 modified_ms) {
    return FileIdentity{true, bytes.size(), modified_ms,
                        QCryptographicHash::hash(bytes, kHashAlgorithm).toHex()};
}

ContentIdentityBuilder::ContentIdentityBuilder() : hash_(kHashAlgorithm) {}

void ContentIdentityBuilder::add(QByteArrayView piece) {
    hash_.addData(piece);
    size_ += piece.size();
}

FileIdentity ContentIdentityBuilder::identity(qint64 modified_ms) const {
    return FileIdentity{true, size_, modified_ms, hash_.result().toHex()};
}

bool FileIdentity::same_content(const FileIdentity& other) const {
    if (exists != other.exists) {
        return false;
    }
    return !exists || (size == other.size && hash == other.hash);
}

QJsonObject FileIdentity::to_json() const {
    if (!exists) {
        return QJsonObject{{QStringLiteral("exists"), false}};
    }
    return QJsonObject{{QStringLiteral("exists"), true},
                       {QStringLiteral("size"), size},
                       {QStringLiteral("modified"), modified_ms},
                       {QStringLiteral("hash"), QString::fromLatin1(hash)}};
}

std::optional<FileIdentity> FileIdentity::from_json(const QJsonObject& object) {
    const QJsonValue exists = object.value(QStringLiteral("exists"));
    if (!exists.isBool()) {
        return std::nullopt;
    }
    if (!exists.toBool()) {
        return FileIdentity{};
    }
    const QJsonValue size = object.value(QStringLiteral("size"));
    const QJsonValue modified = object.value(QStringLiteral("modified"));
    const QString hash = object.value(QStringLiteral("hash")).toString();
    if (!size.isDouble() || !modified.isDouble() || hash.isEmpty()) {
        return std::nullopt;
    }
    return FileIdentity{true, qint64(size.toDouble()), qint64(modified.toDouble()),
                        hash.toLatin1()};
}

RegularFileRead read_regular_file(const QString& path, IdentityHash hash) {
    RegularFileRead read;
    RegularFile file(path, read);
    if (!file.ok()) {
        return read;
    }
    // Room for the whole file and one byte, to find its end without growing; a file too large
    // for memory throws std::bad_alloc here.
    read.bytes.resize(qsizetype(file.size()) + 1);
    prefer_huge_pages(read.bytes.data(), size_t(read.bytes.size()));
    if (!file.read_into(read.bytes)) {
        read.bytes.clear();
    } else if (hash == IdentityHash::Made) {
        file.finish_identity(read.identity);
        read.identity.size = read.bytes.size();
        read.identity.hash = QCryptographicHash::hash(read.bytes, kHashAlgorithm).toHex();
    }
    return read;
}

std::optional<FileIdentity> current_file_identity(const QString& path) {
    RegularFileRead read;
    RegularFile file(path, read);
    if (read.failure == ReadFailure::Missing) {
        return FileIdentity{};
    }
    QCryptographicHash hash(kHashAlgorithm);
    FileIdentity identity;
    if (!file.ok() || !file.hash_into(hash, identity.size)) {
        return std::nullopt;
    }
    file.finish_identity(identity);
    identity.hash = hash.result().toHex();
    return identity;
}

qint64 modification_ms(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? modified_ms(status) : 0;
}

bool has_size_and_time_of(const QString& path, const FileIdentity& identity) {
    struct stat status {};
    return identity.exists && ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISREG(status.st_mode) && qint64(status.st_size) == identity.size &&
           modified_ms(status) == identity.modified_ms;
}

QString not_regular_file_message(const QString& path) {
    return QCoreApplication::translate("TextFile", "%1 is not a regular file")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace quorvane
