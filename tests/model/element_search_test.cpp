// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/element_search.h"
#include "text/ascii_text.h"

namespace quorvane {
namespace {

Theme theme_of(const QStringList& fields) {
    Theme theme;
    for (const QString& f : fields) {
        Element e;
        e.field_name = f;
        theme.elements.push_back(e);
    }
    return theme;
}

TEST(ElementSearch, FindsEachHitInTurnAndWrapsAround) {
    const Theme theme =
        theme_of({"MAP_ROAD_HWY_CLR", "MAP_WATER_CLR", "MAP_ROAD_MJR_CLR", "MAP_WOODS_CLR"});
    ElementSearch search;
    EXPECT_EQ(search.find(theme, "road"), 0);
    EXPECT_EQ(search.position(), 1);
    EXPECT_EQ(search.find(theme, "road"), 2);
    EXPECT_EQ(search.find(theme, "road"), 0);
}

TEST(ElementSearch, StartsOverAfterAHitOnTheLastElement) {
    const Theme theme = theme_of({"MAP_WATER_CLR", "MAP_WOODS_CLR"});
    ElementSearch search;
    EXPECT_EQ(search.find(theme, "WOODS"), 1);
    EXPECT_EQ(search.position(), 0);
}

TEST(ElementSearch, ReportsNothingFoundAfterOneWrap) {
    const Theme theme = theme_of({"MAP_WATER_CLR", "MAP_WOODS_CLR"});
    ElementSearch search;
    EXPECT_EQ(search.find(theme, "water"), 0);
    EXPECT_EQ(search.find(theme, "rail"), -1);
    EXPECT_EQ(search.position(), 0);
    EXPECT_EQ(search.find(Theme{}, "rail"), -1);
}

TEST(ElementSearch, UpperCasesAsciiLettersOnly) {
    EXPECT_EQ(ascii_upper(QString::fromLatin1("road\xe9")), QString::fromLatin1("ROAD\xe9"));
    const Theme theme = theme_of({QString::fromLatin1("MAP_CAF\xe9_CLR")});
    ElementSearch search;
    EXPECT_EQ(search.find(theme, QString::fromLatin1("caf\xe9")), 0);
}

}  // namespace
}  // namespace quorvane
