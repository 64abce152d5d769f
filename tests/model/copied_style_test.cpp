// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/copied_style.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Element road() {
    Element e;
    e.field_name = QStringLiteral("MAP_ROAD_CLR");
    e.scale = QStringLiteral("1");
    e.border = QStringLiteral(".6");
    e.primary_day = QStringLiteral("CECECE");
    e.primary_night = QStringLiteral("aaFF00");
    e.secondary_day = QStringLiteral("0a0a0a");
    e.secondary_night = QStringLiteral("DD0011");
    return e;
}

Element water() {
    Element e;
    e.field_name = QStringLiteral("MAP_WATER_CLR");
    e.scale = QStringLiteral("4");
    e.primary_day = QStringLiteral("9CC9F0");
    e.primary_night = QStringLiteral("000080");
    return e;
}

TEST(CopiedStyle, ClipboardTextNamesEveryValueAndReadsBack) {
    const CopiedStyle line = CopiedStyle::of(road());
    EXPECT_EQ(clipboard_text(line),
              QStringLiteral("Quorvane style: line\nScale: 1\nBorder: .6\nPrimary day: #CECECE\n"
                             "Primary night: #aaFF00\nSecondary day: #0a0a0a\n"
                             "Secondary night: #DD0011\n"));
    EXPECT_EQ(copied_style_from_text(clipboard_text(line)), line);

    // A polygon gives only its colours; absent ones read "none".
    const CopiedStyle polygon = CopiedStyle::of(water());
    EXPECT_TRUE(polygon.style.scale.isEmpty());
    EXPECT_EQ(clipboard_text(polygon),
              QStringLiteral("Quorvane style: polygon\nPrimary day: #9CC9F0\n"
                             "Primary night: #000080\nSecondary day: none\n"
                             "Secondary night: none\n"));
    EXPECT_EQ(copied_style_from_text(clipboard_text(polygon)), polygon);

    // Handed back by another program with CR LF and without the last line end.
    QString crlf = clipboard_text(line).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    crlf.chop(2);
    EXPECT_EQ(copied_style_from_text(crlf), line);
}

TEST(CopiedStyle, TextsItDidNotWriteAreNoStyle) {
    const QString good = clipboard_text(CopiedStyle::of(road()));
    const QString foreign[] = {
        QString(),
        QStringLiteral("hello"),
        QStringLiteral("#CECECE"),
        QString(good).replace(QStringLiteral("Quorvane style: line"), QStringLiteral("style")),
        QString(good).replace(QStringLiteral("#CECECE"), QStringLiteral("CECECE")),
        QString(good).replace(QStringLiteral("#CECECE"), QStringLiteral("#CECEXE")),
        QString(good).replace(QStringLiteral("#CECECE"), QStringLiteral("#")),
        QString(good).replace(QStringLiteral("#CECECE"), QStringLiteral("#CECECE0")),
        QString(good).replace(QStringLiteral("Border: .6"), QStringLiteral("Border:")),
        QString(good).replace(QStringLiteral("Scale"), QStringLiteral("Size")),
        good + QStringLiteral("Extra: 1\n"),
        QString(good).remove(QStringLiteral("Scale: 1\n")),
        clipboard_text(CopiedStyle::of(water())) + QStringLiteral("Scale: 1\n"),
    };
    for (const QString& text : foreign) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(copied_style_from_text(text).has_value());
    }
    // Fewer digits are kept as they are: texts keep the length they were read with.
    const auto short_colour =
        copied_style_from_text(QString(good).replace(QStringLiteral("#CECECE"), "#FFF"));
    ASSERT_TRUE(short_colour.has_value());
    EXPECT_EQ(short_colour->style.colours.primary_day, QStringLiteral("FFF"));
}

}  // namespace
}  // namespace quorvane
