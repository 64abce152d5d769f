// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <functional>

#include "format/metadata.h"
#include "format/reader.h"
#include "format/writer.h"
#include "model/presentation_list.h"
#include "model/theme_document.h"
#include "support/printers.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

const QString kSample = QStringLiteral(QUORVANE_TEST_DATA "/preview/two_presentations.kmtf");

// The sample theme (WATER and ROAD HWY MJR in GUIDANCE, MISC WATER AREA in BROWSE) with
// ROAD HWY MJR in BROWSE too.
Theme read_sample() {
    Theme theme;
    MessageList messages;
    read_theme_file(kSample, theme, messages);
    Element road = theme.elements[1];
    road.presentation = theme.elements[2].presentation;
    road.sort_code = 11;
    road.primary_day = QStringLiteral("123456");
    theme.elements.push_back(road);
    return theme;
}

QByteArray saved_bytes(const Theme& theme) {
    MessageList messages;
    return theme_text(theme, metadata_block_text(theme.metadata), messages);
}

ElementStyle blue_style(const Element& e) {
    ElementStyle style = ElementStyle::of(e);
    style.colours.primary_day = QStringLiteral("0000FF");
    return style;
}

struct EditCase {
    const char* name;
    const char* step_name;
    std::function<void(ThemeDocument&, MessageList&)> edit;
};

// Every kind of edit: one named step; undo gives back exactly the theme and the bytes a save
// would write; redo gives back exactly the edited theme.
TEST(ThemeDocument, EveryEditIsOneNamedStepThatUndoesAndRedoesExactly) {
    const EditCase cases[] = {
        {"add elements", "Add 2 Elements",
         [](ThemeDocument& d, MessageList&) {
             d.add_elements(ElementPick{2, "TRAFFIC", {"WOODS"}, {"TRK"}});
         }},
        {"add to two presentations", "Add 3 Elements",
         [](ThemeDocument& d, MessageList&) {
             d.add_elements(std::vector<ElementPick>{{2, "TRAFFIC", {"WOODS"}, {}},
                                                     {0, "GUIDANCE", {"BEACH"}, {"TRK"}}});
         }},
        {"add presentation", "Add Presentation TRAFFIC",
         [](ThemeDocument& d, MessageList& m) { m.add(d.add_presentations({"TRAFFIC"})); }},
        {"remove presentation", "Remove Presentation BROWSE",
         [](ThemeDocument& d, MessageList&) { d.remove_presentations({"BROWSE"}); }},
        {"colour", "Colour of WATER",
         [](ThemeDocument& d, MessageList& m) {
             m.add(d.apply_style(0, blue_style(d.theme().elements[0]), false));
         }},
        {"scale", "Style of ROAD HWY MJR",
         [](ThemeDocument& d, MessageList& m) {
             ElementStyle style = ElementStyle::of(d.theme().elements[1]);
             style.scale = QStringLiteral("2.5");
             m.add(d.apply_style(1, style, false));
         }},
        {"apply to all", "Apply to All Presentations (1 element)",
         [](ThemeDocument& d, MessageList& m) {
             m.add(d.apply_style(1, blue_style(d.theme().elements[1]), true));
         }},
        {"title", "Title",
         [](ThemeDocument& d, MessageList&) { d.set_metadata(MetadataField::Title, "Alps"); }},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        ThemeDocument document;
        const Theme original = read_sample();
        document.replace(original, kSample, true);
        QSignalSpy changes(&document, &ThemeDocument::changed);
        MessageList messages;
        c.edit(document, messages);
        const Theme edited = document.theme();
        ASSERT_NE(edited, original);
        EXPECT_EQ(document.history().count(), 1);
        EXPECT_EQ(document.history().undoText(), QString::fromLatin1(c.step_name));
        EXPECT_TRUE(document.is_modified());
        EXPECT_EQ(changes.count(), 1);

        document.history().undo();
        EXPECT_EQ(document.theme(), original);
        EXPECT_EQ(saved_bytes(document.theme()), saved_bytes(original));
        EXPECT_FALSE(document.is_modified());
        document.history().redo();
        EXPECT_EQ(document.theme(), edited);
        EXPECT_TRUE(document.is_modified());
    }
}

TEST(ThemeDocument, EditsThatChangeNothingMakeNoStep) {
    ThemeDocument document;
    document.replace(read_sample(), kSample, true);
    MessageList messages;
    document.add_elements(ElementPick{});
    document.add_elements(ElementPick{0, "GUIDANCE", {}, {}});
    messages.add(document.add_presentations({}));
    document.remove_presentations({});
    messages.add(document.apply_style(0, ElementStyle::of(document.theme().elements[0]), false));
    messages.add(document.apply_style(99, ElementStyle{}, false));
    document.set_metadata(MetadataField::Title, document.theme().metadata.title);
    EXPECT_EQ(document.history().count(), 0);
    EXPECT_FALSE(document.is_modified());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST(ThemeDocument, ApplyToAllTellsHowManyOthersItReached) {
    ThemeDocument document;
    document.replace(read_sample(), kSample, true);
    MessageList messages;
    messages.add(document.copy_style_to_all_presentations(1));
    EXPECT_EQ(messages.texts(), QStringList{"Applied to 1 additional elements"});
    EXPECT_EQ(document.history().count(), 1);
    EXPECT_EQ(document.theme().elements[3].primary_day, QStringLiteral("CECECE"));
    messages.add(document.copy_style_to_all_presentations(1));  // now nothing changes
    EXPECT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(document.history().count(), 1);
}

TEST(ThemeDocument, TypingInOneBoxMergesUntilTheUserLeavesIt) {
    ThemeDocument document;
    document.set_metadata(MetadataField::Title, "A");
    document.set_metadata(MetadataField::Title, "Al");
    document.set_metadata(MetadataField::Title, "Alp");
    EXPECT_EQ(document.history().count(), 1);
    document.set_metadata(MetadataField::Locale, "E");
    EXPECT_EQ(document.history().count(), 2);
    document.end_typing();
    document.set_metadata(MetadataField::Locale, "Eu");
    EXPECT_EQ(document.history().count(), 3);
    document.history().undo();
    document.history().undo();
    EXPECT_EQ(document.theme().metadata.locale, QString());
    EXPECT_EQ(document.theme().metadata.title, QStringLiteral("Alp"));
    document.history().undo();
    EXPECT_EQ(document.theme().metadata, Metadata{});
}

TEST(ThemeDocument, TheUnsavedMarkFollowsUndoAcrossASave) {
    ThemeDocument document;
    QSignalSpy marks(&document, &ThemeDocument::modified_changed);
    document.set_metadata(MetadataField::Title, "One");
    document.end_typing();
    document.set_metadata(MetadataField::Title, "Two");
    document.mark_saved(QStringLiteral("/tmp/x.kmtf"));
    EXPECT_FALSE(document.is_modified());
    EXPECT_TRUE(document.has_file());
    document.history().undo();  // back past the save
    EXPECT_TRUE(document.is_modified());
    document.history().redo();  // to the saved state again
    EXPECT_FALSE(document.is_modified());
    // Typing right after a save starts a new step: the saved one stays what was saved.
    document.set_metadata(MetadataField::Title, "Three");
    EXPECT_EQ(document.history().count(), 3);
    EXPECT_EQ(marks.count(), 5);  // on, off, on, off, on
    // Replacing the theme starts a clean history; a restored copy is unsaved without steps.
    document.replace(Theme{}, kUntitledFileName, false);
    EXPECT_FALSE(document.is_modified());
    EXPECT_EQ(document.history().count(), 0);
    document.replace(Theme{}, QStringLiteral("/tmp/x.kmtf"), true, true);
    EXPECT_TRUE(document.is_modified());
    EXPECT_FALSE(document.history().canUndo());
}

// Picks into several presentations say where the new Elements stand once sorted.
TEST(ThemeDocument, AddingToSeveralPresentationsSaysWhereTheNewElementsStand) {
    ThemeDocument document;
    document.replace(read_sample(), kSample, true);
    QStringList where;
    for (int k : document.add_elements(std::vector<ElementPick>{{2, "TRAFFIC", {"WOODS"}, {"TRK"}},
                                                                {0, "GUIDANCE", {"BEACH"}, {}}})) {
        where << QString::number(k) + " " + document.theme().elements[size_t(k)].field_name;
    }
    EXPECT_EQ(where, (QStringList{"1 MAP_BEACH_CLR", "5 MAP_WOODS_CLR", "6 MAP_TRK_CLR"}));
}

// Names read from a file carry spaces (" GUIDANCE "); names added here do not. Saved and read
// again, each presentation is listed once.
TEST(ThemeDocument, AThemeReadExtendedAndSavedKeepsOneBlockPerPresentation) {
    ThemeDocument document;
    document.replace(read_sample(), kSample, true);
    ASSERT_EQ(document.theme().elements[0].presentation, QStringLiteral(" GUIDANCE "));
    document.add_elements(ElementPick{0, "GUIDANCE", {"WOODS", "BEACH"}, {"TRK"}});
    document.add_elements(ElementPick{1, "BROWSE", {"PARK"}, {}});
    Theme reread;
    MessageList messages;
    parse_theme_text(reread, saved_bytes(document.theme()), messages);
    EXPECT_EQ(reread.listed_presentations.size(), 2);
    EXPECT_EQ(reread.element_count(), document.theme().element_count());
}

}  // namespace
}  // namespace quorvane
