// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <unistd.h>

namespace quorvane {

// A folder nobody but its owner may write to, inside `parent`, and a scope in which file
// permissions apply: the tests may run as root, who may write anywhere, so inside the scope
// they run as an ordinary user (the effective user goes back to root when it ends).
class ReadOnlyFolder {
  public:
    ReadOnlyFolder(const QString& parent, const QString& name) : path(parent + '/' + name) {
        const auto readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(parent, readable | QFile::WriteOwner);
        QDir().mkpath(path);
        QFile::setPermissions(path, readable);
        if (::geteuid() == 0) {
            as_ordinary_user_ = ::seteuid(kNobody) == 0;
        }
    }
    ~ReadOnlyFolder() {
        if (as_ordinary_user_) {
            (void)::seteuid(0);
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    const QString path;

  private:
    static constexpr uid_t kNobody = 65534;
    bool as_ordinary_user_ = false;
};

}  // namespace quorvane
