// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/recovery_copies.h"
#include "support/printers.h"

namespace quorvane {
namespace {

void write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class RecoveryCopiesTest : public testing::Test {
  protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    QStringList names() const { return QDir(dir.path()).entryList(QDir::Files); }
    QTemporaryDir dir;
};

// In a container every start has the same process id: a copy named after it, left by the
// editor before, is still offered and never written over.
TEST_F(RecoveryCopiesTest, ACopyFromAnEditorWithTheSameProcessIdIsOffered) {
    const QString crashed =
        path(QStringLiteral("recovery-%1.kmtf").arg(QCoreApplication::applicationPid()));
    write_file(crashed, "their theme");
    write_file(crashed + ".lock", QByteArray::number(QCoreApplication::applicationPid()));
    RecoveryCopies copies(dir.path());
    QString error;
    ASSERT_TRUE(copies.write("my theme", QString(), std::nullopt, error));
    const QList<RecoveryCopies::LeftBehind> left = copies.left_behind();
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0].copy_path, crashed);
    QFile file(crashed);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "their theme");
}

// A copy is offered once the editor that holds it is gone, to one other editor at a time; lock
// files and entries of editors killed without a copy are cleaned up on the way.
TEST_F(RecoveryCopiesTest, OnlyCopiesNoLiveEditorHoldsAreOffered) {
    auto running = std::make_unique<RecoveryCopies>(dir.path());
    QString error;
    ASSERT_TRUE(running->write("theme", QString(), std::nullopt, error));
    write_file(path("recovery-killed.kmtf.lock"), "");
    write_file(path("recovery-killed.kmtf.path"), "/home/a.kmtf");
    RecoveryCopies first(dir.path());
    EXPECT_TRUE(first.left_behind().isEmpty());
    EXPECT_EQ(names().filter("killed"), QStringList());
    running.reset();  // ends without cleaning up, as in a crash
    const QList<RecoveryCopies::LeftBehind> found = first.left_behind();
    ASSERT_EQ(found.size(), 1);
    RecoveryCopies second(dir.path());
    EXPECT_TRUE(second.left_behind().isEmpty());
    first.discard(found[0]);
    // What is left are the lock files of the two editors still running.
    EXPECT_EQ(names().filter(".kmtf.lock").size(), 2);
    EXPECT_EQ(names().size(), 2);
}

// What the entry beside a copy says it belongs to, and what is made of an entry no editor
// wrote: it is removed and the copy offered as untitled.
TEST_F(RecoveryCopiesTest, EntriesThatCannotNameAFileAreIgnoredAndRemoved) {
    const QByteArray long_path = "/" + QByteArray(5 << 20, 'a');
    const FileIdentity identity{true, 12, 34, "56"};
    const struct {
        const char* name;
        QByteArray entry;
        QString belongs_to;
        std::optional<FileIdentity> identity;
        bool entry_kept;
    } cases[] = {
        {"an older editor's path", "/home/a.kmtf", "/home/a.kmtf", std::nullopt, true},
        {"path and identity",
         R"({"file":"/home/a.kmtf","identity":{"exists":true,"size":12,"modified":34,"hash":"56"}})",
         "/home/a.kmtf", identity, true},
        {"untitled", R"({"file":""})", "", std::nullopt, true},
        {"five megabytes", long_path, "", std::nullopt, false},
        {"relative", "a.kmtf", "", std::nullopt, false},
        {"a name too long", "/" + QByteArray(300, 'n'), "", std::nullopt, false},
    };
    RecoveryCopies copies(dir.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString copy = path("recovery-other.kmtf");
        write_file(copy, "theme");
        write_file(copy + ".path", c.entry);
        const QList<RecoveryCopies::LeftBehind> left = copies.left_behind();
        ASSERT_EQ(left.size(), 1);
        EXPECT_EQ(left[0].belongs_to, c.belongs_to);
        EXPECT_EQ(left[0].identity, c.identity);
        EXPECT_EQ(QFile::exists(copy + ".path"), c.entry_kept);
        copies.discard(left[0]);
    }
}

}  // namespace
}  // namespace quorvane
