// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/recovery_copies.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <climits>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "format/text_file.h"

namespace quorvane {

namespace {

const QString kPrefix = QStringLiteral("recovery-");
const QString kCopySuffix = QStringLiteral(".kmtf");
const QString kEntrySuffix = QStringLiteral(".path");
const QString kLockSuffix = QStringLiteral(".lock");

QString entry_file(const QString& copy_path) {
    return copy_path + kEntrySuffix;
}
QString lock_file(const QString& copy_path) {
    return copy_path + kLockSuffix;
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// Takes the lock on `path` when no other process holds it, creating the file when it is missing;
// the descriptor that holds it, or -1.
int take_lock(const QString& path) {
    const int fd =
        ::open(native(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Takes a new lock file at `path` that is locked from the moment it appears there: another
// editor looking for lock files nobody holds never finds it unlocked.
int take_new_lock(const QString& path) {
    const QString fresh = path + QStringLiteral("-new");
    const int fd = take_lock(fresh);
    if (fd >= 0 && ::rename(native(fresh).constData(), native(path).constData()) != 0) {
        ::unlink(native(fresh).constData());
        ::close(fd);
        return -1;
    }
    return fd;
}

// Whether a text can be a path to a file: absolute, within the system's limits, without NUL.
bool is_possible_path(const QString& path) {
    const QByteArray bytes = native(path);
    if (!bytes.startsWith('/') || bytes.size() >= PATH_MAX || bytes.contains('\0')) {
        return false;
    }
    for (const QByteArray& part : bytes.split('/')) {
        if (part.size() > NAME_MAX) {
            return false;
        }
    }
    return true;
}

// The file a copy belongs to and what it held, from the entry beside the copy. Editors before
// this one wrote the path alone. An entry no editor could have written is removed: the copy is
// then offered as an untitled theme.
void read_entry(RecoveryCopies::LeftBehind& copy) {
    const QString path = entry_file(copy.copy_path);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray bytes = file.read(RecoveryCopies::kLongestEntry + 1);
    file.close();
    QString belongs_to;
    std::optional<FileIdentity> identity;
    const QJsonDocument json = QJsonDocument::fromJson(bytes);
    if (json.isObject()) {
        belongs_to = json.object().value(QStringLiteral("file")).toString();
        identity =
            FileIdentity::from_json(json.object().value(QStringLiteral("identity")).toObject());
    } else {
        belongs_to = QString::fromUtf8(bytes);
    }
    if (bytes.size() > RecoveryCopies::kLongestEntry ||
        (!belongs_to.isEmpty() && !is_possible_path(belongs_to))) {
        QFile::remove(path);
        return;
    }
    copy.belongs_to = belongs_to;
    copy.identity = belongs_to.isEmpty() ? std::nullopt : identity;
}

void release(int fd) {
    if (fd >= 0) {
        ::close(fd);
    }
}

}  // namespace

RecoveryCopies::RecoveryCopies(QString folder)
    : folder_(std::move(folder)),
      // The process id tells a person whose copy it is; the random part keeps it unique where
      // process ids repeat.
      id_(QStringLiteral("%1-%2")
              .arg(QCoreApplication::applicationPid())
              .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'))) {
    QDir().mkpath(folder_);
    lock_ = take_new_lock(lock_file(copy_path()));
}

RecoveryCopies::~RecoveryCopies() {
    for (const auto& [path, fd] : held_) {
        release(fd);
    }
    // A copy still here was not saved: its lock file goes with it when it is dealt with.
    if (lock_ >= 0 && !exists()) {
        QFile::remove(lock_file(copy_path()));
    }
    release(lock_);
}

QString RecoveryCopies::copy_path() const {
    return folder_ + QLatin1Char('/') + kPrefix + id_ + kCopySuffix;
}

bool RecoveryCopies::write(const QByteArray& theme_text, const QString& belongs_to,
                           const std::optional<FileIdentity>& identity, QString& error) {
    if (lock_ < 0) {
        lock_ = take_new_lock(lock_file(copy_path()));
    }
    QJsonObject entry{{QStringLiteral("file"), belongs_to}};
    if (identity) {
        entry.insert(QStringLiteral("identity"), identity->to_json());
    }
    const QString copy = copy_path();
    return replace_file_atomically(entry_file(copy), QJsonDocument(entry).toJson(), &error) &&
           replace_file_atomically(copy, theme_text, &error);
}

void RecoveryCopies::remove() {
    const QString copy = copy_path();
    QFile::remove(copy);
    QFile::remove(entry_file(copy));
}

bool RecoveryCopies::exists() const {
    return QFileInfo::exists(copy_path());
}

QList<RecoveryCopies::LeftBehind> RecoveryCopies::left_behind() {
    // Every copy, entry or lock file names a copy, whether or not the copy is there.
    QSet<QString> copies;
    const QStringList names = QDir(folder_).entryList(
        {kPrefix + QLatin1Char('*') + kCopySuffix, kPrefix + QLatin1Char('*') + kEntrySuffix,
         kPrefix + QLatin1Char('*') + kLockSuffix},
        QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        QString copy = name;
        if (name.endsWith(kEntrySuffix) || name.endsWith(kLockSuffix)) {
            copy.chop(name.endsWith(kEntrySuffix) ? kEntrySuffix.size() : kLockSuffix.size());
        }
        if (copy.endsWith(kCopySuffix)) {
            copies.insert(folder_ + QLatin1Char('/') + copy);
        }
    }
    copies.remove(copy_path());

    QList<LeftBehind> found;
    for (const QString& copy : copies) {
        if (held_.count(copy) != 0) {
            continue;
        }
        // A lock that can be taken belongs to nobody: its editor is gone.
        const int fd = take_lock(lock_file(copy));
        if (fd < 0) {
            continue;
        }
        const QFileInfo info(copy);
        if (!info.isFile()) {
            // An editor killed before it wrote a copy, or after it removed it.
            QFile::remove(entry_file(copy));
            QFile::remove(lock_file(copy));
            release(fd);
            continue;
        }
        held_[copy] = fd;
        LeftBehind left{copy, QString(), std::nullopt, info.lastModified()};
        read_entry(left);
        found.append(left);
    }
    std::sort(found.begin(), found.end(), [](const LeftBehind& a, const LeftBehind& b) {
        return a.written > b.written || (a.written == b.written && a.copy_path < b.copy_path);
    });
    return found;
}

void RecoveryCopies::discard(const LeftBehind& copy) {
    QFile::remove(copy.copy_path);
    QFile::remove(entry_file(copy.copy_path));
    QFile::remove(lock_file(copy.copy_path));
    let_go(copy);
}

void RecoveryCopies::let_go(const LeftBehind& copy) {
    const auto held = held_.find(copy.copy_path);
    if (held != held_.end()) {
        release(held->second);
        held_.erase(held);
    }
}

}  // namespace quorvane
