// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/element_additions.h"
#include "model/presentation_changes.h"
#include "model/presentations.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

Element element(const QString& presentation, const QString& field, const QString& border,
                const QString& night) {
    MessageList quiet;
    Element e;
    e.presentation = presentation;
    e.sort_code = presentation_code(presentation, border, quiet);
    e.field_name = field;
    e.display_name = field + " shown";
    e.border = border;
    e.scale = border.isEmpty() ? "" : "2";
    e.primary_day = "A1B2C3";
    e.primary_night = night;
    e.secondary_day = border.isEmpty() ? "" : "0a0a0a";
    e.secondary_night = border.isEmpty() ? "" : "DD0011";
    e.style_text = StyleText(QByteArray("<STYLE " + field.toLatin1() + ">"), 0, 9);
    return e;
}

Theme guidance_and_browse() {
    Theme theme;
    theme.elements = {element("GUIDANCE", "MAP_G1_CLR", "", "111111"),
                      element("GUIDANCE", "MAP_G2_CLR", ".6", "222222"),
                      element("GUIDANCE", "MAP_G3_CLR", "1", "333333"),
                      element("BROWSE", "MAP_B1_CLR", "", "444444"),
                      element("BROWSE", "MAP_B2_CLR", "3", "555555")};
    theme.project_presentations = {"GUIDANCE", "BROWSE"};
    return theme;
}

TEST(AddPresentations, CopiesEveryElementIntoTheNewPresentation) {
    Theme theme = guidance_and_browse();
    const Theme before = theme;
    MessageList messages;
    add_presentations(theme, {"TRAFFIC"}, messages);

    ASSERT_EQ(theme.element_count(), 10);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(theme.elements[i], before.elements[i]);
        Element copy = theme.elements[5 + i];
        EXPECT_EQ(copy.presentation, "TRAFFIC");
        EXPECT_EQ(copy.sort_code, before.elements[i].is_polygon() ? 20 : 21);
        copy.presentation = before.elements[i].presentation;
        copy.sort_code = before.elements[i].sort_code;
        EXPECT_EQ(copy, before.elements[i]);  // every other field, style text included
    }
    EXPECT_EQ(theme.project_presentations, (QStringList{"GUIDANCE", "BROWSE", "TRAFFIC"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(AddPresentations, TwoAtOnceFollowInTheOrderChosen) {
    Theme theme;
    theme.elements = {element("GUIDANCE", "MAP_A_CLR", "", "111111"),
                      element("GUIDANCE", "MAP_B_CLR", "1", "222222")};
    MessageList messages;
    add_presentations(theme, {"PEDESTRIAN", "BROWSE"}, messages);
    ASSERT_EQ(theme.element_count(), 6);
    QStringList owners;
    QList<int> codes;
    for (const Element& e : theme.elements) {
        owners.append(e.presentation);
        codes.append(e.sort_code);
    }
    EXPECT_EQ(owners, (QStringList{"GUIDANCE", "GUIDANCE", "PEDESTRIAN", "PEDESTRIAN", "BROWSE",
                                   "BROWSE"}));
    EXPECT_EQ(codes, (QList<int>{0, 1, 50, 51, 10, 11}));
    EXPECT_EQ(theme.project_presentations, (QStringList{"GUIDANCE", "PEDESTRIAN", "BROWSE"}));
}

TEST(RemovePresentations, KeepsTheOthersInOrderWithEveryField) {
    Theme theme;
    theme.elements = {element("GUIDANCE", "MAP_G1_CLR", "", "111111"),
                      element("BROWSE", "MAP_B1_CLR", "1", "222222"),
                      element("GUIDANCE", "MAP_G2_CLR", "1", "333333")};
    const Theme before = theme;
    remove_presentations(theme, {"BROWSE"});
    ASSERT_EQ(theme.element_count(), 2);
    EXPECT_EQ(theme.elements[0], before.elements[0]);
    EXPECT_EQ(theme.elements[1], before.elements[2]);
    EXPECT_EQ(theme.elements[1].primary_night, "333333");
    EXPECT_EQ(theme.elements[1].display_name, "MAP_G2_CLR shown");
    EXPECT_EQ(theme.project_presentations, QStringList{"GUIDANCE"});
}

TEST(RemovePresentations, SeveralAtOnce) {
    Theme theme = guidance_and_browse();
    theme.elements.push_back(element("TRAFFIC", "MAP_T_CLR", "", "666666"));
    remove_presentations(theme, {"TRAFFIC", "GUIDANCE"});
    ASSERT_EQ(theme.element_count(), 2);
    EXPECT_EQ(theme.elements[0].field_name, "MAP_B1_CLR");
    EXPECT_EQ(theme.elements[1].field_name, "MAP_B2_CLR");
    EXPECT_EQ(theme.project_presentations, QStringList{"BROWSE"});
}

TEST(RemovePresentations, NothingRemovedKeepsEveryElement) {
    Theme theme = guidance_and_browse();
    theme.elements.push_back(element("", "MAP_NO_OWNER_CLR", "", "777777"));
    const Theme before = theme;
    EXPECT_TRUE(remove_presentations(theme, {}).empty());
    EXPECT_EQ(theme.elements, before.elements);
}

TEST(RemovePresentations, GoesByThePresentationTheListShows) {
    // Names as a file may spell them: the list shows them by rank, and removal follows it.
    Theme theme;
    theme.elements = {element(" GUIDANCE ", "MAP_G_CLR", "", "111111"),
                      element("MY BROWSE", "MAP_B_CLR", "", "222222"),
                      element("BROWSE", "MAP_C_CLR", "1", "333333")};
    remove_presentations(theme, {"BROWSE"});
    ASSERT_EQ(theme.element_count(), 1);
    EXPECT_EQ(theme.elements[0].presentation, " GUIDANCE ");
}

}  // namespace
}  // namespace quorvane
