// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/element_identity.h"
#include "preview/tile_selection.h"
#include "support/printers.h"

namespace quorvane {
namespace {

// Elements named "0" to "n-1" with identities of their own.
std::vector<Element> elements(int n) {
    std::vector<Element> list(size_t(n), Element{});
    for (int k = 0; k < n; ++k) {
        list[size_t(k)].display_name = QString::number(k);
    }
    quint64 next = 1;
    give_identities(list, next);
    return list;
}

TileSelection following(const std::vector<Element>& list) {
    TileSelection selection;
    selection.follow(list);
    return selection;
}

TEST(TileSelection, ClicksCtrlClicksShiftClicksAndSelectAll) {
    TileSelection s = following(elements(10));
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(s.current(), -1);

    s.select_only(4);
    EXPECT_EQ(s.selected(), std::vector<int>{4});
    EXPECT_EQ(s.current(), 4);

    s.toggle(7);  // Ctrl+click adds ...
    EXPECT_EQ(s.selected(), (std::vector<int>{4, 7}));
    EXPECT_EQ(s.current(), 7);
    s.toggle(4);  // ... and removes
    EXPECT_EQ(s.selected(), std::vector<int>{7});
    EXPECT_EQ(s.current(), 4);

    // Shift+click: the range in element order from the last plain or Ctrl click.
    s.select_only(6);
    s.extend_to(2, false);
    EXPECT_EQ(s.selected(), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(s.current(), 2);
    s.extend_to(8, false);  // the anchor stays
    EXPECT_EQ(s.selected(), (std::vector<int>{6, 7, 8}));
    s.toggle(0);
    s.extend_to(1, true);  // Ctrl+Shift keeps the others
    EXPECT_EQ(s.selected(), (std::vector<int>{0, 1, 6, 7, 8}));
    EXPECT_EQ(s.count(), 5);

    s.select_all();
    EXPECT_EQ(s.count(), 10);
    EXPECT_EQ(s.current(), 1);
    s.clear();
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(s.current(), -1);

    // Numbers outside the tiles change nothing.
    s.select_only(10);
    s.toggle(-1);
    EXPECT_TRUE(s.empty());
    s.select_all();  // with nothing current, the first tile becomes current
    EXPECT_EQ(s.current(), 0);
}

TEST(TileSelection, FollowsItsElementsWhenOthersMoveOrGo) {
    std::vector<Element> list = elements(6);
    TileSelection s = following(list);
    s.select_only(1);
    s.toggle(4);  // current
    // Two Elements added in front, and the order of the rest reversed.
    std::vector<Element> moved = elements(2);
    quint64 next = 100;
    for (Element& e : moved) {
        e.identity.value = next++;
    }
    moved.insert(moved.end(), list.rbegin(), list.rend());
    s.follow(moved);
    // "4" is at 2 + (5 - 4) = 3, "1" at 2 + 4 = 6.
    EXPECT_EQ(s.selected(), (std::vector<int>{3, 6}));
    EXPECT_EQ(s.current(), 3);
    s.follow(list);
    EXPECT_EQ(s.selected(), (std::vector<int>{1, 4}));
    EXPECT_EQ(s.current(), 4);
}

TEST(TileSelection, RemembersDeletedElementsUntilTheUserChoosesAgain) {
    const std::vector<Element> list = elements(6);
    TileSelection s = following(list);
    s.select_only(2);
    s.extend_to(3, false);  // "2" and "3", "3" current

    std::vector<Element> deleted = list;
    deleted.erase(deleted.begin() + 2, deleted.begin() + 4);
    s.follow(deleted);
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(s.current(), 3);  // the tile now at the current one's place
    EXPECT_EQ(deleted[3].display_name, QStringLiteral("5"));

    s.follow(list);  // undone: selected again
    EXPECT_EQ(s.selected(), (std::vector<int>{2, 3}));
    EXPECT_EQ(s.current(), 3);

    s.follow(deleted);
    s.toggle(0);  // the user chose: the deleted ones are forgotten
    s.follow(list);
    EXPECT_EQ(s.selected(), std::vector<int>{0});

    // Deleting to the end leaves the last tile current; an empty theme none.
    s.select_only(5);
    s.follow(std::vector<Element>(list.begin(), list.begin() + 4));
    EXPECT_EQ(s.current(), 3);
    s.follow({});
    EXPECT_EQ(s.current(), -1);
    EXPECT_EQ(s.tile_count(), 0);
}

}  // namespace
}  // namespace quorvane
