// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/recent_files.h"

namespace quorvane {
namespace {

class RecentFilesTest : public ::testing::Test {
  protected:
    QString existing(const QString& name) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(RecentFilesTest, PutsAPathOnTopWithoutDuplicates) {
    RecentFileEntries recent;
    const QString a = existing("a.kmtf");
    const QString b = existing("b.kmtf");
    const QString c = existing("c.kmtf");
    recent.remember(a);
    recent.remember(b);
    recent.remember(c);
    recent.remember(a);
    EXPECT_EQ(recent.captions(), (RecentFiles{a, c, b, "", "", ""}));
    recent.remember(a);
    EXPECT_EQ(recent.captions(), (RecentFiles{a, c, b, "", "", ""}));
}

TEST_F(RecentFilesTest, TheSeventhFileDropsTheOldest) {
    RecentFileEntries recent;
    QStringList paths;
    for (int k = 1; k <= 7; ++k) {
        paths << existing(QString("f%1.kmtf").arg(k));
        recent.remember(paths.last());
    }
    EXPECT_EQ(recent.captions(),
              (RecentFiles{paths[6], paths[5], paths[4], paths[3], paths[2], paths[1]}));
}

TEST_F(RecentFilesTest, EnablesOnlyEntriesWhoseFilesExist) {
    RecentFileEntries recent;
    recent.restore(RecentFiles{dir_.filePath("gone.kmtf"), "", "", "", "", ""});
    // Restoring leaves the entries as they were: all can be chosen.
    EXPECT_TRUE(recent.enabled(0));
    recent.remember(existing("here.kmtf"));
    EXPECT_TRUE(recent.enabled(0));
    EXPECT_FALSE(recent.enabled(1));
    EXPECT_FALSE(recent.enabled(2));
}

TEST_F(RecentFilesTest, ForgettingAnEntryClosesTheGap) {
    RecentFileEntries recent;
    recent.restore(RecentFiles{"a", "b", "c", "", "e", ""});
    recent.forget(1);
    EXPECT_EQ(recent.captions(), (RecentFiles{"a", "c", "e", "", "", ""}));
}

}  // namespace
}  // namespace quorvane
