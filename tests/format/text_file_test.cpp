// SPDX-License-Identifier: GPL-3.0-or-later
// The one routine every save goes through: what it refuses to replace, what the replaced file
// keeps, and how a failure is reported.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "format/text_file.h"

namespace quorvane {
namespace {

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write_bytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct stat status_of(const QString& path) {
    struct stat s {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &s), 0);
    return s;
}

class ReplaceFileTest : public testing::Test {
  protected:
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    // The folder's names, so that a test sees any temporary file left behind.
    QStringList names() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir_;
};

TEST_F(ReplaceFileTest, RefusesWhatIsNotARegularFileAndChangesNothing) {
    const QString fifo = path("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString folder = path("folder");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString socket_path = path("socket");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native_socket = QFile::encodeName(socket_path);
    ASSERT_LT(size_t(native_socket.size()), sizeof(address.sun_path));
    std::copy(native_socket.begin(), native_socket.end(), address.sun_path);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    const QString link_to_fifo = path("link_to_pipe");
    ASSERT_TRUE(QFile::link(fifo, link_to_fifo));
    const QStringList before = names();

    for (const QString& target : {fifo, folder, socket_path, link_to_fifo}) {
        SCOPED_TRACE(target.toStdString());
        const mode_t type = status_of(target).st_mode & S_IFMT;
        QString error;
        EXPECT_FALSE(replace_file_atomically(target, "theme", &error));
        EXPECT_EQ(error, target + QStringLiteral(" is not a regular file"));
        EXPECT_EQ(status_of(target).st_mode & S_IFMT, type);
    }
    EXPECT_EQ(names(), before);
    ::close(sock);
}

TEST_F(ReplaceFileTest, SavesThroughASymlinkKeepingTheLink) {
    const QString real = path("real.kmtf");
    write_bytes(real, "old");
    const QString link = path("link.kmtf");
    ASSERT_TRUE(QFile::link(real, link));
    QString error;
    ASSERT_TRUE(replace_file_atomically(link, "new", &error)) << error.toStdString();
    EXPECT_TRUE(S_ISLNK(status_of(link).st_mode));
    EXPECT_EQ(file_bytes(real), "new");
}

TEST_F(ReplaceFileTest, ReplacedFileKeepsItsModeOwnerAndGroup) {
    const QString target = path("theme.kmtf");
    for (const mode_t mode : {mode_t(0640), mode_t(0604), mode_t(0755)}) {
        write_bytes(target, "old");
        ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), mode), 0);
        // Only root may give a file away; others keep their own ids, which must not change.
        const bool root = ::geteuid() == 0;
        const uid_t owner = root ? 65534 : ::geteuid();
        const gid_t group = root ? 65534 : ::getegid();
        ASSERT_EQ(::chown(QFile::encodeName(target).constData(), owner, group), 0);

        QString error;
        ASSERT_TRUE(replace_file_atomically(target, "new", &error)) << error.toStdString();
        const struct stat s = status_of(target);
        EXPECT_EQ(s.st_mode & 07777, mode);
        EXPECT_EQ(s.st_uid, owner);
        EXPECT_EQ(s.st_gid, group);
        EXPECT_EQ(file_bytes(target), "new");
    }
}

// A write that stops part-way (here at a file size limit, as on a full disk) reports the system's
// reason and leaves the old file and no temporary file. Run in a child process, which alone gets
// the limit.
TEST_F(ReplaceFileTest, WriteStoppedPartWaySaysWhy) {
    const QString target = path("theme.kmtf");
    write_bytes(target, "old");
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QString error;
        const bool written = replace_file_atomically(target, QByteArray(100000, 'x'), &error);
        const QByteArray report = (written ? "written" : error).toUtf8();
        (void)!::write(fds[1], report.constData(), size_t(report.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    char buffer[256] = {};
    const ssize_t got = ::read(fds[0], buffer, sizeof(buffer) - 1);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_GT(got, 0);
    EXPECT_EQ(QString::fromUtf8(buffer, got), qt_error_string(EFBIG));
    EXPECT_EQ(file_bytes(target), "old");
    EXPECT_EQ(names(), QStringList{QStringLiteral("theme.kmtf")});
}

TEST_F(ReplaceFileTest, MissingFolderSaysWhy) {
    QString error;
    EXPECT_FALSE(replace_file_atomically(path("missing/theme.kmtf"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_NE(error, QStringLiteral("Unknown error"));
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

// A file written in pieces replaces the old one only when committed: a writer given up on part
// way (a save that failed while the text was being made) leaves the old file and no other.
TEST_F(ReplaceFileTest, PiecesReplaceTheFileOnlyWhenCommitted) {
    const QString target = path("theme.kmtf");
    write_bytes(target, "old");
    {
        AtomicFileWriter file(target);
        ASSERT_TRUE(file.open());
        EXPECT_TRUE(file.write("new "));
    }
    EXPECT_EQ(file_bytes(target), "old");
    EXPECT_EQ(names(), QStringList{"theme.kmtf"});

    AtomicFileWriter file(target);
    ASSERT_TRUE(file.open());
    EXPECT_TRUE(file.write("new ") && file.write("text"));
    EXPECT_TRUE(file.commit());
    EXPECT_EQ(file_bytes(target), "new text");
    EXPECT_FALSE(file.write("after"));
    EXPECT_EQ(names(), QStringList{"theme.kmtf"});
}

}  // namespace
}  // namespace quorvane
