// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/presentations.h"
#include "support/printers.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

TEST(PresentationCode, RanksAndKinds) {
    MessageList messages;
    EXPECT_EQ(presentation_code(QStringLiteral("ROUTE PREVIEW"), QStringLiteral(".6"), messages),
              41);
    EXPECT_EQ(presentation_code(QStringLiteral("BROWSE"), QString(), messages), 10);
    EXPECT_EQ(presentation_code(QStringLiteral(" PEDESTRIAN "), QStringLiteral("0"), messages), 51);
    // "UIDANCE" decides at once; otherwise the last matching word wins.
    EXPECT_EQ(presentation_code(QStringLiteral("GUIDANCE BROWSE"), QString(), messages), 0);
    EXPECT_EQ(presentation_code(QStringLiteral("BROWSE TRAFFIC"), QString(), messages), 20);
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(PresentationCode, UnknownNameIsShownAndRanksZero) {
    MessageList messages;
    EXPECT_EQ(presentation_code(QStringLiteral("browse"), QStringLiteral("1"), messages), 1);
    EXPECT_EQ(messages.texts(), QStringList{"browse"});
}

TEST(PresentationNames, SixByRank) {
    EXPECT_EQ(presentation_names(), (QStringList{"GUIDANCE", "BROWSE", "TRAFFIC", "TURN PREVIEW",
                                                 "ROUTE PREVIEW", "PEDESTRIAN"}));
    EXPECT_EQ(rank_of(41), 4);
    EXPECT_EQ(rank_of(0), 0);
}

}  // namespace
}  // namespace quorvane
