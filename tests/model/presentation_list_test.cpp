// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/presentation_list.h"

namespace quorvane {
namespace {

Theme theme_with_codes(std::initializer_list<int> codes) {
    Theme theme;
    for (int code : codes) {
        Element e;
        e.sort_code = code;
        theme.elements.push_back(e);
    }
    return theme;
}

TEST(ShowPresentations, ListsRanksInOrderOfFirstAppearance) {
    Theme theme = theme_with_codes({31, 0, 30, 51, 1});
    theme.listed_presentations = {" GUIDANCE \r", "stale"};
    relist_presentations(theme);
    const QStringList expected{"TURN PREVIEW", "GUIDANCE", "PEDESTRIAN"};
    EXPECT_EQ(theme.project_presentations, expected);
    EXPECT_EQ(theme.listed_presentations, expected);
    EXPECT_EQ(theme.presentation_count(), 3);
}

TEST(ShowPresentations, EmptyThemeClearsTheList) {
    Theme theme;
    theme.project_presentations = {"BROWSE"};
    theme.listed_presentations = {"BROWSE"};
    relist_presentations(theme);
    EXPECT_TRUE(theme.project_presentations.isEmpty());
    EXPECT_TRUE(theme.listed_presentations.isEmpty());
}

TEST(ShowPresentations, IgnoresRanksThatNameNoPresentation) {
    Theme theme = theme_with_codes({90, 11, 61});
    relist_presentations(theme);
    EXPECT_EQ(theme.listed_presentations, QStringList{"BROWSE"});
}

}  // namespace
}  // namespace quorvane
