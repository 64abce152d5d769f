// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "format/metadata.h"
#include "support/printers.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

TEST(GetBit, TakesTheTextBetweenTwoOccurrencesUpperCased) {
    EXPECT_EQ(text_between_first_two("<TITLE>My theme</TITLE>", "title"), "MY THEME");
    EXPECT_EQ(text_between_first_two("<TITLE>A/B</TITLE>", "title"), "AB");
    EXPECT_EQ(text_between_first_two("<TITLE>My title</TITLE>", "TITLE"), "MY ");
    EXPECT_EQ(text_between_first_two("<TITLE>only once", "title"), "");
    EXPECT_EQ(text_between_first_two("nothing here", "title"), "");
}

TEST(GetMeta, WithoutTheBlockShowsOopsAndKeepsTheFields) {
    for (const char* text : {"<TITLE>X</TITLE>", "<METADATA><TITLE>X</TITLE>"}) {
        Metadata metadata{QStringLiteral("t"), QStringLiteral("d"), QStringLiteral("l"),
                          QStringLiteral("v")};
        const Metadata before = metadata;
        MessageList messages;
        read_metadata(metadata, text, messages);
        EXPECT_EQ(metadata, before);
        EXPECT_EQ(messages.texts(), QStringList{"Oops no meta"});
    }
}

TEST(GetMeta, ReadsTheFourValues) {
    Metadata metadata;
    MessageList messages;
    read_metadata(
        metadata,
        "<METADATA>\r\n<TITLE>Alps</TITLE>\r\n<DESCRIPTION>Hiking</DESCRIPTION>\r\n"
        "<LOCALELIST>\r\n<locale>Europe</locale>\r\n<locale>Asia</locale>\r\n</LOCALELIST>\r\n"
        "<Version><Major>2</Major><Minor>05</Minor></Version>\r\n</METADATA>",
        messages);
    // Found on the upper-cased text, taken with the letter case they have in the file.
    EXPECT_EQ(metadata, (Metadata{"Alps", "Hiking", "Europe", "2.05"}));
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(MakeMeta, NeedsATitle) {
    Metadata metadata;
    metadata.description = QStringLiteral("kept");
    MessageList messages;
    EXPECT_EQ(metadata_block(metadata, messages), "");
    EXPECT_EQ(messages.texts(), QStringList{"Needs a Title"});
    EXPECT_EQ(metadata.description, "kept");
}

TEST(MakeMeta, FillsDefaultsAndWritesTheBlock) {
    Metadata metadata;
    metadata.title = QStringLiteral("Alps");
    MessageList messages;
    EXPECT_EQ(metadata_block(metadata, messages),
              "<METADATA>\r\n<TITLE>Alps</TITLE>\r\n<DESCRIPTION>map theme</DESCRIPTION>\r\n"
              "<LOCALELIST>\r\n<locale>Global</locale>\r\n</LOCALELIST>\r\n"
              "<Version><Major>1</Major><Minor>00</Minor></Version>\r\n</METADATA>");
    // The defaults go into the text only.
    EXPECT_EQ(metadata, (Metadata{"Alps", "", "", ""}));
}

TEST(MakeMeta, SplitsTheVersion) {
    const std::pair<const char*, const char*> versions[] = {
        {"1.20", "<Major>1</Major><Minor>20</Minor>"},
        {"2,5", "<Major>2</Major><Minor>5</Minor>"},
        {"3", "<Major>3</Major><Minor>00</Minor>"},
        {"1.2.3", "<Major>1</Major><Minor>2.3</Minor>"},
        {".5", "<Major></Major><Minor>5</Minor>"},
        {"2.05", "<Major>2</Major><Minor>05</Minor>"}};
    for (auto [version, expected] : versions) {
        Metadata metadata{QStringLiteral("T"), QStringLiteral("D"), QStringLiteral("L"),
                          QString::fromLatin1(version)};
        MessageList messages;
        EXPECT_TRUE(metadata_block(metadata, messages).contains(QLatin1String(expected)))
            << version;
    }
}

TEST(Metadata, WrittenBlockReadsBackAsWritten) {
    Metadata written{QStringLiteral("My theme"), QStringLiteral("Roads"), QStringLiteral("Global"),
                     QStringLiteral("2.05")};
    MessageList messages;
    const QString block = metadata_block(written, messages);
    Metadata read;
    read_metadata(read, block.toLatin1(), messages);
    EXPECT_EQ(read, written);
    EXPECT_TRUE(messages.texts().isEmpty());
}

}  // namespace
}  // namespace quorvane
