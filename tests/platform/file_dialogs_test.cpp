// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "platform/file_dialogs.h"

namespace quorvane {
namespace {

TEST(FileDialogs, TurnsFilterPairsIntoNameFilters) {
    EXPECT_EQ(name_filters(kOpenFilter), QStringList{"Garmin Themes (*.kmtf)"});
    EXPECT_EQ(name_filters(kSaveFilter), QStringList{"Garmin Theme File (kmtf) (*.kmtf)"});
    const QString two =
        QStringLiteral("A") + QChar(0) + "*.a" + QChar(0) + "B" + QChar(0) + "*.b" + QChar(0);
    EXPECT_EQ(name_filters(two), (QStringList{"A (*.a)", "B (*.b)"}));
    EXPECT_TRUE(name_filters(QString()).isEmpty());
}

TEST(FileDialogs, TitlesAndAnswers) {
    EXPECT_EQ(file_dialog_title(FileDialogMode::Open), "Open File");
    EXPECT_EQ(file_dialog_title(FileDialogMode::Save), "Save File");
    EXPECT_EQ(cleaned_answer(QStringLiteral("  /t/a b.kmtf ") + QChar(0)), "/t/a b.kmtf");
    EXPECT_EQ(cleaned_answer(QString()), QString());
}

}  // namespace
}  // namespace quorvane
