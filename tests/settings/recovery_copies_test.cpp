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

class RecoveryCopiesTest : public testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QStringList names() const { return QDir(dir.path()).entryList(QDir::Files); }
    QTemporaryDir dir;
    QString error;
};

// A copy is offered once the editor that holds it is gone, to one other editor at a time; lock
// files and entries of editors killed without a copy are cleaned up on the way. In a container
// every start has the same process id: a copy named after it is still offered, never written over.
TEST_F(RecoveryCopiesTest, OnlyCopiesNoLiveEditorHoldsAreOffered) {
    const QString pid = QString::number(QCoreApplication::applicationPid());
    const QString same_pid = write("recovery-" + pid + ".kmtf", "their theme");
    write("recovery-" + pid + ".kmtf.lock", pid.toUtf8());
    auto running = std::make_unique<RecoveryCopies>(dir.path());
    ASSERT_TRUE(running->write("theme", QString(), std::nullopt, error));
    write("recovery-killed.kmtf.lock", "");
    write("recovery-killed.kmtf.path", "/home/a.kmtf");
    RecoveryCopies first(dir.path());
    ASSERT_TRUE(first.write("my theme", QString(), std::nullopt, error));
    QList<RecoveryCopies::LeftBehind> found = first.left_behind();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].copy_path, same_pid);
    QFile theirs(same_pid);
    EXPECT_TRUE(theirs.open(QIODevice::ReadOnly) && theirs.readAll() == "their theme");
    first.discard(found[0]);
    EXPECT_EQ(names().filter("killed"), QStringList());
    running.reset();  // ends without cleaning up, as in a crash
    found = first.left_behind();
    ASSERT_EQ(found.size(), 1);
    RecoveryCopies second(dir.path());
    EXPECT_TRUE(second.left_behind().isEmpty());
    first.discard(found[0]);
    EXPECT_EQ(names().filter(".kmtf.lock").size(), 2);  // those of the two editors running
    EXPECT_EQ(names().size(), 4);                       // and the first one's copy with its entry
}

// What the entry beside a copy says it belongs to; an entry no editor could have written is
// removed, and the copy offered as untitled.
TEST_F(RecoveryCopiesTest, EntriesThatCannotNameAFileAreIgnoredAndRemoved) {
    const FileIdentity identity{true, 12, 34, "56"};
    const struct {
        QByteArray entry;
        QString belongs_to;
        std::optional<FileIdentity> identity;
    } cases[] = {
        {"/home/a.kmtf", "/home/a.kmtf", std::nullopt},  // an older editor's
        {R"({"file":"/home/a.kmtf","identity":{"exists":true,"size":12,"modified":34,)"
         R"("hash":"56"}})",
         "/home/a.kmtf", identity},
        {"/" + QByteArray(5 << 20, 'a'), "", std::nullopt},
        {"a.kmtf", "", std::nullopt},
        {"/" + QByteArray(300, 'n'), "", std::nullopt},
    };
    RecoveryCopies copies(dir.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry.left(20).toStdString());
        write("recovery-other.kmtf", "theme");
        const QString entry = write("recovery-other.kmtf.path", c.entry);
        const QList<RecoveryCopies::LeftBehind> left = copies.left_behind();
        ASSERT_EQ(left.size(), 1);
        EXPECT_EQ(left[0].belongs_to, c.belongs_to);
        EXPECT_EQ(left[0].identity, c.identity);
        EXPECT_EQ(QFile::exists(entry), !c.belongs_to.isEmpty());
        copies.discard(left[0]);
    }
}

}  // namespace
}  // namespace quorvane
