#include <gtest/gtest.h>

#include "format/text_ops.h"

namespace quorvane {
namespace {

TEST(ReplaceAll, OnePassLeftToRightWithoutOverlaps) {
    EXPECT_EQ(replace_all("a    b", "  ", " "), "a  b");
    EXPECT_EQ(replace_all("aaa", "aa", "b"), "ba");
    EXPECT_EQ(replace_all("x = y =", " =", "="), "x= y=");
    EXPECT_EQ(replace_all("= =", "= ", "="), "==");
    EXPECT_EQ(replace_all("abc", "abc", ""), "");
    EXPECT_EQ(replace_all("ab", "abc", ""), "ab");
    EXPECT_EQ(replace_all("", "a", "b"), "");
    EXPECT_EQ(replace_all("a_b_c", "_", "__"), "a__b__c");
    EXPECT_EQ(replace_all("MAP_X_CLR_CLR", "_CLR", ""), "MAP_X");
    EXPECT_EQ(replace_all(">  >  ", ">  ", ">"), ">>");
}

TEST(AsciiUpper, TouchesAsciiLettersOnly) {
    EXPECT_EQ(ascii_upper("ab\xe9z\xc3\xa9"), "AB\xe9Z\xc3\xa9");
}

TEST(TrimSpaces, SpacesOnly) {
    EXPECT_EQ(trim_spaces("  A \r "), "A \r");
    EXPECT_EQ(space_trimmed(QStringLiteral(" \tA ")), "\tA");
    EXPECT_EQ(trim_spaces("   "), "");
}

}  // namespace
}  // namespace quorvane
