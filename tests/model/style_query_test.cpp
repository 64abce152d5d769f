// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/style_query.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Element style(const char* field, const char* presentation, const char* border,
              const char* primary_day, const char* secondary_night = "") {
    Element e;
    e.field_name = QString::fromLatin1(field);
    e.presentation = QString::fromLatin1(presentation);
    e.border = QString::fromLatin1(border);
    e.primary_day = QString::fromLatin1(primary_day);
    e.secondary_night = QString::fromLatin1(secondary_night);
    return e;
}

const Theme kTheme{{style("MAP_ROAD_DIM_CLR", " GUIDANCE", ".6", "FF8000"),
                    style("MAP_WATER_CLR", " GUIDANCE", "", "aabbcc"),
                    style("MAP_ROAD_RAMP_CLR", "TURN PREVIEW", "1", "112233", "AABBCC"),
                    style("ROADSIDE", "TURN PREVIEW", "", "000000")},
                   {},
                   {},
                   {}};

TEST(StyleQuery, EveryConditionMustHold) {
    const struct {
        std::vector<const char*> conditions;
        std::vector<int> matching;
    } cases[] = {
        {{}, {0, 1, 2, 3}},
        {{"feature=ROAD_*"}, {0, 2}},         // the catalogue name
        {{"feature=map_road_*"}, {0, 2}},     // the field name, in any case
        {{"feature=ROAD*"}, {0, 2, 3}},       // a name outside the catalogue
        {{"feature=ROAD_?AMP"}, {2}},         // one character
        {{"presentation=guidance"}, {0, 1}},  // spaces around the name ignored
        {{"presentation=TURN PREVIEW"}, {2, 3}},
        {{"presentation=*"}, {0, 1, 2, 3}},
        {{"kind=line"}, {0, 2}},
        {{"kind=polygon"}, {1, 3}},
        {{"colour=#AABBCC"}, {1, 2}},  // any slot, compared as values
        {{"color=aabbcc", "kind=line"}, {2}},
        {{"feature=ROAD_*", "presentation=GUIDANCE"}, {0}},
        {{"feature=RIVER"}, {}},
    };
    for (const auto& c : cases) {
        StyleQuery query;
        for (const char* condition : c.conditions) {
            ASSERT_EQ(query.add(QString::fromLatin1(condition)), QString()) << condition;
        }
        EXPECT_EQ(query.matching(kTheme), c.matching) << testing::PrintToString(c.conditions);
    }
}

TEST(StyleQuery, ConditionsItCannotReadAreExplained) {
    const struct {
        const char* condition;
        const char* reason;
    } cases[] = {
        {"feature=", "the value is missing"},
        {"kind=area", "the kind is line or polygon"},
        {"size=2", "a condition is feature=, presentation=, kind= or colour="},
    };
    for (const auto& c : cases) {
        StyleQuery query;
        const QString error = query.add(QString::fromLatin1(c.condition));
        EXPECT_TRUE(error.startsWith(QString::fromLatin1(c.condition) + QStringLiteral(": ")))
            << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << error.toStdString();
    }
}

}  // namespace
}  // namespace quorvane
