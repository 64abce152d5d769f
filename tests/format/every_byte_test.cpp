// SPDX-License-Identifier: GPL-3.0-or-later
// Every byte value inside every kind of value survives a read and a write. Only the bytes that
// delimit that kind of value in the file are left out; letters in the theme's blocks come back
// upper case, as the reader upper-cases them.
#include <gtest/gtest.h>

#include <functional>

#include "format/metadata.h"
#include "format/reader.h"
#include "format/writer.h"
#include "text/ascii_text.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

struct ValueKind {
    const char* placeholder;
    QByteArray delimiters;  // bytes that end or mark up this kind of value
    bool upper_cased;       // read from a block, which the reader upper-cases
    std::function<QString(const Theme&)> value;
};

const QByteArray kTemplate =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<GARMIN_MAP_THEME>\r\n<METADATA>\r\n"
    "<TITLE>{title}</TITLE>\r\n<DESCRIPTION>{description}</DESCRIPTION>\r\n"
    "<LOCALELIST>\r\n<locale>{locale}</locale>\r\n</LOCALELIST>\r\n"
    "<Version><Major>1</Major><Minor>00</Minor></Version>\r\n</METADATA>\r\n"
    "<PRESENTATION ID=\"{id}\" > \r\n<STYLELIST>\r\n"
    "<STYLE field = \"{field}\" scale=\"{scale}\"  border=\"{border}\" >\r\n <COLOR >\r\n"
    "<PRIMARY      day = \"#{pd}\" night=\"#{pn}\"/>\r\n"
    "<SECONDARY      day = \"#{sd}\" night=\"#{sn}\"/>\r\n </COLOR >\r\n</STYLE>\r\n"
    "</STYLELIST>\r\n</PRESENTATION>\r\n</GARMIN_MAP_THEME>\r\n";

const Element& only_element(const Theme& theme) {
    return theme.elements.at(0);
}

std::vector<ValueKind> value_kinds() {
    const auto element = [](QString Element::*field) {
        return [field](const Theme& t) { return only_element(t).*field; };
    };
    return {
        {"{title}", "<>/", false, [](const Theme& t) { return t.metadata.title; }},
        {"{description}", "<>/", false, [](const Theme& t) { return t.metadata.description; }},
        {"{locale}", "<>/", false, [](const Theme& t) { return t.metadata.locale; }},
        {"{id}", QByteArray("\"<>\r\n", 5), true,
         [](const Theme& t) { return space_trimmed(only_element(t).presentation); }},
        {"{field}", "\">", true, element(&Element::field_name)},
        {"{scale}", "\"> ", true, element(&Element::scale)},
        {"{border}", "\"> \r\n", true, element(&Element::border)},
        {"{pd}", "\"> /", true, element(&Element::primary_day)},
        {"{pn}", "\"> /", true, element(&Element::primary_night)},
        {"{sd}", "\"> /", true, element(&Element::secondary_day)},
        {"{sn}", "\"> /", true, element(&Element::secondary_night)},
    };
}

// The theme text with `value` in place of `placeholder` and plain values everywhere else.
QByteArray theme_with(const char* placeholder, const QByteArray& value) {
    QByteArray text = kTemplate;
    text.replace(placeholder, value);
    for (const char* other : {"{title}", "{description}", "{locale}"}) {
        text.replace(other, "Meta");
    }
    text.replace("{id}", "GUIDANCE").replace("{field}", "MAP_WATER_CLR");
    text.replace("{scale}", "1").replace("{border}", ".6");
    for (const char* colour : {"{pd}", "{pn}", "{sd}", "{sn}"}) {
        text.replace(colour, "0A0B0C");
    }
    return text;
}

TEST(EveryByte, InsideEachKindOfValueIsReadAndWrittenBack) {
    for (const ValueKind& kind : value_kinds()) {
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            if (kind.delimiters.contains(byte)) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << kind.placeholder << " with byte " << b);
            const QByteArray value = QByteArray("A") + byte + "B";
            const QString expected =
                QString::fromLatin1(kind.upper_cased ? ascii_upper(value) : value);
            MessageList messages;
            Theme first;
            parse_theme_text(first, theme_with(kind.placeholder, value), messages);
            ASSERT_EQ(first.element_count(), 1);
            EXPECT_EQ(kind.value(first), expected);

            const QByteArray written =
                theme_text(first, metadata_block_text(first.metadata), messages);
            EXPECT_TRUE(written.contains(expected.toLatin1()));
            Theme second;
            parse_theme_text(second, written, messages);
            ASSERT_EQ(second.element_count(), 1);
            EXPECT_EQ(kind.value(second), expected);
            EXPECT_EQ(theme_text(second, metadata_block_text(second.metadata), messages), written);
        }
    }
}

}  // namespace
}  // namespace quorvane
