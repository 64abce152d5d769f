// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/recovery_copies.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "format/text_file.h"

namespace quorvane {

namespace {

const QString kPrefix = QStringLiteral("recovery-");

QString path_file(const QString& copy_path) {
    return copy_path + QStringLiteral(".path");
}
QString lock_file(const QString& copy_path) {
    return copy_path + QStringLiteral(".lock");
}

}  // namespace

RecoveryCopies::RecoveryCopies(QString folder)
    : folder_(std::move(folder)), id_(QString::number(QCoreApplication::applicationPid())) {
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(lock_file(copy_path(id_)));
    lock_->setStaleLockTime(0);
    lock_->tryLock(0);
}

RecoveryCopies::~RecoveryCopies() = default;

QString RecoveryCopies::copy_path(const QString& id) const {
    return folder_ + QLatin1Char('/') + kPrefix + id + QStringLiteral(".kmtf");
}

bool RecoveryCopies::write(const QByteArray& theme_text, const QString& belongs_to) {
    QString error;
    const QString copy = copy_path(id_);
    return replace_file_atomically(path_file(copy), belongs_to.toUtf8(), &error) &&
           replace_file_atomically(copy, theme_text, &error);
}

void RecoveryCopies::remove() {
    const QString copy = copy_path(id_);
    QFile::remove(copy);
    QFile::remove(path_file(copy));
}

bool RecoveryCopies::exists() const {
    return QFileInfo::exists(copy_path(id_));
}

QList<RecoveryCopies::LeftBehind> RecoveryCopies::left_behind() const {
    QList<LeftBehind> found;
    const QStringList names =
        QDir(folder_).entryList({kPrefix + QStringLiteral("*.kmtf")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        const QString copy = folder_ + QLatin1Char('/') + name;
        if (copy == copy_path(id_)) {
            continue;
        }
        // A lock that can be taken belongs to nobody: its editor is gone.
        QLockFile lock(lock_file(copy));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) {
            continue;
        }
        lock.unlock();
        QFile path(path_file(copy));
        const QString belongs_to =
            path.open(QIODevice::ReadOnly) ? QString::fromUtf8(path.readAll()) : QString();
        found.append(LeftBehind{copy, belongs_to});
    }
    return found;
}

void RecoveryCopies::discard(const LeftBehind& copy) {
    QFile::remove(copy.copy_path);
    QFile::remove(path_file(copy.copy_path));
    QFile::remove(lock_file(copy.copy_path));
}

}  // namespace quorvane
