#include <gtest/gtest.h>

#include "preview/presentation_list.h"

namespace quorvane {
namespace {

TEST(ShowPresentations, ListsEachRankOnceInOrderOfFirstAppearance) {
    Theme theme;
    for (int code : {31, 0, 30, 51}) {
        Element e;
        e.sort_code = code;
        theme.elements.push_back(e);
    }
    theme.listed_presentations = QStringList{"old", "names"};
    show_presentations(theme);
    const QStringList expected{"TURN PREVIEW", "GUIDANCE", "PEDESTRIAN"};
    EXPECT_EQ(theme.project_presentations, expected);
    EXPECT_EQ(theme.listed_presentations, expected);
}

TEST(ShowPresentations, EmptiesTheListForAThemeWithoutElements) {
    Theme theme;
    theme.project_presentations = QStringList{"GUIDANCE"};
    theme.listed_presentations = QStringList{" GUIDANCE "};
    show_presentations(theme);
    EXPECT_TRUE(theme.project_presentations.isEmpty());
    EXPECT_TRUE(theme.listed_presentations.isEmpty());
}

}  // namespace
}  // namespace quorvane
