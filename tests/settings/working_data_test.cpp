// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "format/text_file.h"
#include "settings/working_data.h"
#include "support/printers.h"
#include "support/read_only_folder.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

class WorkingDataTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    MessageList messages;

    QByteArray saved_bytes() {
        QFile file(working_data_path(dir.path()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write_data(const QByteArray& bytes) {
        QFile file(working_data_path(dir.path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

TEST_F(WorkingDataTest, SavesSeparatorCaptionsAndEmptyLines) {
    const RecentFiles recent{"/t/A.kmtf", "/t/B.kmtf", "/t/C.kmtf", "", "", ""};
    save_working_data(dir.path(), recent, messages);
    EXPECT_EQ(saved_bytes(),
              "\xc2\xa3)*(\r\n/t/A.kmtf\r\n/t/B.kmtf\r\n/t/C.kmtf\r\n\r\n\r\n\r\n\r\n");
    RecentFiles restored;
    load_working_data(dir.path(), restored);
    EXPECT_EQ(restored, recent);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(WorkingDataTest, SixFilesSurviveARestartInOrder) {
    const RecentFiles recent{"/a", "/b", "/c", "/d", "/e", QString::fromLatin1("/caf\xe9")};
    save_working_data(dir.path(), recent, messages);
    RecentFiles restored;
    load_working_data(dir.path(), restored);
    EXPECT_EQ(restored, recent);
}

TEST_F(WorkingDataTest, AnyPathSurvivesARestart) {
    const RecentFiles recent{QStringLiteral("/t/\u5730\u56f3.kmtf"),
                             QStringLiteral("/t/\u041a\u0430\u0440\u0442\u0430 \U0001F5FA.kmtf"),
                             QString::fromLatin1("/t/caf\xe9.kmtf"),
                             "",
                             "",
                             ""};
    save_working_data(dir.path(), recent, messages);
    EXPECT_TRUE(saved_bytes().contains("/t/\xe5\x9c\xb0\xe5\x9b\xb3.kmtf\r\n"));  // UTF-8
    RecentFiles restored;
    load_working_data(dir.path(), restored);
    EXPECT_EQ(restored, recent);
}

TEST_F(WorkingDataTest, FileWrittenAsLatin1IsStillRead) {
    write_data("\xa3)*(\r\n/t/caf\xe9.kmtf\r\n/t/b.kmtf\r\n");
    RecentFiles recent;
    load_working_data(dir.path(), recent);
    EXPECT_EQ(recent[0], QString::fromLatin1("/t/caf\xe9.kmtf"));
    EXPECT_EQ(recent[1], "/t/b.kmtf");
}

TEST_F(WorkingDataTest, MissingFileChangesNothing) {
    RecentFiles recent{"/keep"};
    load_working_data(dir.path(), recent);
    EXPECT_EQ(recent[0], "/keep");
}

TEST_F(WorkingDataTest, ShortFileRestoresWhatItHas) {
    write_data("anything\r\n/x.kmtf\r\n/y.kmtf");
    RecentFiles recent{"", "", "/old3", "/old4", "", ""};
    load_working_data(dir.path(), recent);
    EXPECT_EQ(recent, (RecentFiles{"/x.kmtf", "/y.kmtf", "/old3", "/old4", "", ""}));
}

TEST_F(WorkingDataTest, UnwritableFolderReportsErrorSaving) {
    // The folder's name is taken by a file, so nothing can be written below it.
    const QString blocked = dir.filePath(QStringLiteral("blocked"));
    QFile(blocked).open(QIODevice::WriteOnly);
    save_working_data(blocked, RecentFiles{"/a"}, messages);
    EXPECT_EQ(messages.texts(),
              QStringList{"Error saving " + working_data_path(blocked) + ": Not a directory"});
}

TEST_F(WorkingDataTest, ReadOnlyFolderIsNamedWithTheAdvice) {
    QString target;
    {
        ReadOnlyFolder locked(dir.path(), QStringLiteral("locked"));
        target = working_data_path(locked.path);
        save_working_data(locked.path, RecentFiles{"/a"}, messages);
    }
    EXPECT_EQ(messages.texts(),
              QStringList{"Error saving " + target +
                          ": Permission denied\n\nCheck that you may write to that folder."});
}

TEST(SystemFolder, EnvironmentOverridesAndFolderIsCreated) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("deep/system"));
    qputenv(kWorkingDataFolderVariable, folder.toLocal8Bit());
    EXPECT_EQ(working_data_folder(), folder);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    qunsetenv(kWorkingDataFolderVariable);
}

TEST(WriteTextFile, ReplacesTheWholeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    MessageList messages;
    EXPECT_TRUE(write_text_file(path, QStringLiteral("a long first text"), messages));
    EXPECT_TRUE(write_text_file(path, QString::fromLatin1("\xe9"), messages));
    EXPECT_EQ(read_text_file(path), QString::fromLatin1("\xe9\r\n"));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(WriteTextFile, EmptyPathWritesAndShowsNothing) {
    MessageList messages;
    EXPECT_FALSE(write_text_file(QString(), QStringLiteral("x"), messages));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(WriteTextFile, FailureReportsErrorSaving) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/f.txt"));
    MessageList messages;
    EXPECT_FALSE(write_text_file(path, QStringLiteral("x"), messages));
    EXPECT_EQ(messages.texts(),
              QStringList{"Error saving " + path + ": No such file or directory"});
    EXPECT_FALSE(QFile::exists(path));
}

TEST(LoadText, EmptyOrMissingPathGivesEmptyText) {
    EXPECT_EQ(read_text_file(QString()), "");
    EXPECT_EQ(read_text_file(QStringLiteral("/nonexistent/file")), "");
}

}  // namespace
}  // namespace quorvane
