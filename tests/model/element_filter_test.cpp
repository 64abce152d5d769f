// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/element_filter.h"
#include "model/element_search.h"
#include "support/printers.h"
#include "text/ascii_text.h"

namespace quorvane {
namespace {

Theme theme_of(const std::vector<std::pair<QString, QString>>& names) {
    Theme theme;
    for (const auto& [field, display] : names) {
        Element e;
        e.field_name = field;
        e.display_name = display;
        theme.elements.push_back(e);
    }
    return theme;
}

const Theme kTheme = theme_of({{"MAP_ROAD_HWY_CLR", "Motorway"},
                               {"MAP_WATER_CLR", "Water"},
                               {"MAP_ROAD_MJR_CLR", "Major road"},
                               {"MAP_WOODS_CLR", "Woods"},
                               {"MAP_RIVER_CLR", "Waterway"}});

TEST(ElementFilter, MatchesDisplayAndFieldNamesWithoutRegardToCase) {
    const struct {
        const char* text;
        std::vector<int> matching;
    } cases[] = {
        {"road", {0, 2}},   // field names
        {"WAY", {0, 4}},    // display names: "Motorway", "Waterway"
        {"water", {1, 4}},  // either
        {"_clr", {0, 1, 2, 3, 4}}, {"rail", {}},
        {"map water", {}},  // a space is a character like any other
    };
    for (const auto& c : cases) {
        ElementFilter filter;
        filter.set_text(kTheme, QString::fromLatin1(c.text));
        EXPECT_TRUE(filter.active());
        EXPECT_EQ(filter.matching(), c.matching) << c.text;
        EXPECT_EQ(filter.match_count(), int(c.matching.size())) << c.text;
        ASSERT_EQ(filter.matches().size(), kTheme.elements.size());
        for (int k = 0; k < kTheme.element_count(); ++k) {
            const bool listed =
                std::find(c.matching.begin(), c.matching.end(), k) != c.matching.end();
            EXPECT_EQ(filter.matches()[size_t(k)], listed) << c.text << " " << k;
        }
    }
}

TEST(ElementFilter, AnEmptyTextFiltersNothingAndARefreshFollowsTheTheme) {
    ElementFilter filter;
    filter.set_text(kTheme, QString());
    EXPECT_FALSE(filter.active());
    EXPECT_TRUE(filter.matches().empty());
    EXPECT_EQ(filter.match_count(), 0);

    Theme theme = kTheme;
    filter.set_text(theme, QStringLiteral("wood"));
    EXPECT_EQ(filter.matching(), std::vector<int>{3});
    theme.elements.insert(theme.elements.begin(), theme.elements[3]);
    filter.refresh(theme);
    EXPECT_EQ(filter.matching(), (std::vector<int>{0, 4}));
    EXPECT_EQ(filter.matches().size(), theme.elements.size());
}

TEST(ElementFilter, ComparesOnlyAsciiLettersWithoutTheirCase) {
    EXPECT_TRUE(contains_ascii_upper(QStringLiteral("Major road"), QStringLiteral("OR RO")));
    EXPECT_TRUE(contains_ascii_upper(QStringLiteral("anything"), QString()));
    EXPECT_FALSE(contains_ascii_upper(QStringLiteral("ro"), QStringLiteral("ROAD")));
    // Other letters match exactly: an upper-case needle never matches a lower-case one.
    EXPECT_TRUE(
        contains_ascii_upper(QString::fromLatin1("caf\xe9"), QString::fromLatin1("CAF\xe9")));
    EXPECT_FALSE(
        contains_ascii_upper(QString::fromLatin1("caf\xe9"), QString::fromLatin1("CAF\xc9")));
}

TEST(ElementFilter, EnterJumpsThroughTheSameMatches) {
    ElementSearch search;
    EXPECT_EQ(search.find(kTheme, QStringLiteral("way")), 0);
    EXPECT_EQ(search.find(kTheme, QStringLiteral("way")), 4);
    EXPECT_EQ(search.find(kTheme, QStringLiteral("way")), 0);
}

}  // namespace
}  // namespace quorvane
