// SPDX-License-Identifier: GPL-3.0-or-later
// Texts that share the pool's buffers must behave as texts of their own: every byte value, every
// length (the short ones handed out again, the long ones apart), across many buffers, NUL-ended,
// changed without touching the others, and alive after the pool.
#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "model/style_text.h"
#include "text/latin1_string_pool.h"

namespace quorvane {
namespace {

QByteArray bytes_of_length(int length, int seed) {
    QByteArray bytes;
    for (int k = 0; k < length; ++k) {
        bytes.append(char((k * 7 + seed) % 256));
    }
    return bytes;
}

TEST(Latin1StringPool, TextsBehaveAsTextsOfTheirOwn) {
    std::vector<QByteArray> sources;
    std::vector<QString> made;
    {
        Latin1StringPool pool;
        // Enough texts for several shared buffers, the lengths around those that change how a
        // text is kept: none, short ones shared, ordinary ones, and one too long to share.
        for (int round = 0; round < 3000; ++round) {
            for (const int length : {0, 1, 6, 7, 8, 19, 300, 20000}) {
                if (length == 20000 && round % 500 != 0) {
                    continue;
                }
                sources.push_back(bytes_of_length(length, round % 300));
                made.push_back(pool.make(sources.back()));
            }
        }
    }
    for (size_t k = 0; k < made.size(); ++k) {
        ASSERT_EQ(made[k], QString::fromLatin1(sources[k])) << k;
        ASSERT_EQ(made[k].utf16()[made[k].size()], u'\0') << k;
        // A copy that grows gets room near its own size, not for the texts before it.
        const QString grown = made[k] + u'!';
        ASSERT_LT(grown.data_ptr().constAllocatedCapacity(), 2 * grown.size() + 1100) << k;
    }
    // Changing a text copies it first; the texts beside it in the buffer stay as they were.
    QString changed = made[3];
    changed.append(QStringLiteral("!!")).replace(0, 1, QStringLiteral("Z"));
    changed.squeeze();
    EXPECT_EQ(made[3], QString::fromLatin1(sources[3]));
    EXPECT_EQ(made[4], QString::fromLatin1(sources[4]));
    EXPECT_EQ(changed, QStringLiteral("Z") + QString::fromLatin1(sources[3]).mid(1) + "!!");
    // The last holder of a buffer may change its text in place.
    QString last = made.back();
    made.clear();
    last.append(QLatin1Char('x'));
    EXPECT_EQ(last, QString::fromLatin1(sources.back()) + QLatin1Char('x'));
}

TEST(StyleText, ViewsCompareByTheirBytesWhateverBufferTheyShare) {
    const QByteArray first = "<STYLE A><STYLE B><STYLE A>";
    const QByteArray second = "xx<STYLE A>";
    const StyleText a(first, 0, 9);
    EXPECT_EQ(a, StyleText(first, 18, 9));
    EXPECT_EQ(a, StyleText(second, 2, 9));
    EXPECT_FALSE(a == StyleText(first, 9, 9));
    EXPECT_EQ(a.text(), "<STYLE A>");
    // A source without a buffer of its own is copied: the view outlives it.
    StyleText from_raw;
    {
        const QByteArray raw = QByteArray::fromRawData(second.constData(), second.size());
        from_raw = StyleText(raw, 2, 9);
    }
    EXPECT_EQ(from_raw, a);
    EXPECT_TRUE(StyleText().isEmpty());
}

}  // namespace
}  // namespace quorvane
