// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "text/ascii_text.h"

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

namespace quorvane {
namespace {

// The search looks at sixteen places at a time: hits at every offset, near the end, and
// needles longer than the text must all be found (or not) as a plain search would.
TEST(Find, AgreesWithAPlainSearchEverywhere) {
    const QByteArray needles[] = {"=", "  ", " =", ">  ", "<STYLE", "SECONDARY", "x"};
    for (int length = 0; length < 70; ++length) {
        for (int at = 0; at < length; ++at) {
            QByteArray text(length, ' ');
            for (int k = 0; k < length; k += 3) {
                text[k] = 'A';
            }
            for (const QByteArray& needle : needles) {
                QByteArray t = text;
                if (at + needle.size() <= length) {
                    t.replace(at, needle.size(), needle);
                }
                for (qsizetype from : {qsizetype(0), qsizetype(at)}) {
                    EXPECT_EQ(find(t, needle, from), t.indexOf(needle, from))
                        << t.toStdString() << " / " << needle.toStdString() << " from " << from;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

TEST(AsciiUpper, EveryByteValueAtEveryPlace) {
    QByteArray all;
    for (int round = 0; round < 3; ++round) {
        for (int b = 0; b < 256; ++b) {
            all.append(static_cast<char>(b));
        }
        all.append("x");  // shifts the next round against the sixteen-byte steps
    }
    const QByteArray upper = ascii_upper(all);
    ASSERT_EQ(upper.size(), all.size());
    for (qsizetype i = 0; i < all.size(); ++i) {
        const char c = all[i];
        EXPECT_EQ(upper[i], c >= 'a' && c <= 'z' ? char(c - 32) : c) << i;
    }
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

// The searches that spare a copy must find what the plain ones find on the copy, at every offset
// against the sixteen-byte steps, with letters of both cases and bytes beside the letters that
// upper-casing must not touch (Latin-1 letters, "@" and "`" next to "A" and "a").
TEST(FindAsciiUpper, AgreesWithASearchOfTheUpperCasedText) {
    const char alphabet[] = "aAsStTyYlLeE<@`\xe9\xc9 \n";
    const QByteArray needles[] = {"<STYLE", "STYLE", "E", "@A", "\xc9"};
    std::mt19937 random(11);
    for (int round = 0; round < 4000; ++round) {
        QByteArray text;
        const int length = int(random() % 80);
        for (int k = 0; k < length; ++k) {
            text += alphabet[random() % (sizeof alphabet - 1)];
        }
        const QByteArray upper = ascii_upper(text);
        for (const QByteArray& needle : needles) {
            const qsizetype from = length == 0 ? 0 : qsizetype(random() % quint32(length));
            ASSERT_EQ(find_ascii_upper(text, needle, from), find(upper, needle, from))
                << text.toStdString() << " / " << needle.toStdString() << " from " << from;
        }
        ASSERT_EQ(count_of(text, '\n'), std::count(text.begin(), text.end(), '\n'));
    }
    // More than 255 steps of sixteen bytes, where the count's tallies are added up.
    EXPECT_EQ(count_of(QByteArray(10000, '\n') + "x\n", '\n'), 10001);
}

}  // namespace
}  // namespace quorvane
