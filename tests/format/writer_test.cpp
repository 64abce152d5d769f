// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "format/metadata.h"
#include "format/reader.h"
#include "format/writer.h"
#include "model/style_fields.h"
#include "support/printers.h"
#include "support/read_only_folder.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

Element line(const QString& field, const QString& presentation, const QString& border) {
    Element e;
    e.field_name = field;
    e.presentation = presentation;
    e.scale = QStringLiteral("1");
    e.border = border;
    e.primary_day = QStringLiteral("CECECE");
    e.primary_night = QStringLiteral("aaFF00");
    e.secondary_day = QStringLiteral("0a0a0a");
    e.secondary_night = QStringLiteral("DD0011");
    return e;
}

Theme titled_theme() {
    Theme theme;
    theme.metadata.title = QStringLiteral("Test");
    theme.elements.push_back(line(QStringLiteral("MAP_ROAD_DIM_CLR"), QStringLiteral(" GUIDANCE "),
                                  QStringLiteral(".6")));
    return theme;
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class WriterTest : public testing::Test {
  protected:
    QTemporaryDir dir;
    MessageList messages;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(WriterTest, WritesCrLfLinesAndLeavesTheThemeAsItWas) {
    const Theme theme = titled_theme();
    EXPECT_EQ(save_theme_file(theme, path("a.kmtf"), messages, ExistingFile::Replaced),
              SaveOutcome::Written);
    const QByteArray bytes = file_bytes(path("a.kmtf"));
    EXPECT_TRUE(
        bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<GARMIN_MAP_THEME>\r\n"));
    EXPECT_TRUE(bytes.endsWith("</PRESENTATION>\r\n</GARMIN_MAP_THEME>\r\n"));
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.contains("<PRESENTATION ID=\"GUIDANCE\" > \r\n"));
    EXPECT_TRUE(
        bytes.contains("<STYLE field = \"MAP_ROAD_DIM_CLR\" scale=\"1\"  border=\".6\" >\r\n"));
    EXPECT_TRUE(bytes.contains("<PRIMARY      day = \"#CECECE\" night=\"#aaFF00\"/>\r\n"));
    EXPECT_EQ(theme, titled_theme());
    EXPECT_TRUE(messages.texts().isEmpty());
}

TEST_F(WriterTest, WithoutTitleWritesNothing) {
    Theme theme = titled_theme();
    theme.metadata.title.clear();
    // The title comes first: no question about a file that would not be written.
    write_file(path("b.kmtf"), "old");
    EXPECT_EQ(save_theme_file(theme, path("b.kmtf"), messages, ExistingFile::Kept),
              SaveOutcome::NoTitle);
    messages = MessageList();
    EXPECT_EQ(save_theme_file(theme, path("a.kmtf"), messages, ExistingFile::Replaced),
              SaveOutcome::NoTitle);
    EXPECT_FALSE(QFile::exists(path("a.kmtf")));
    EXPECT_EQ(messages.texts(), QStringList{"Needs a Title"});
}

// A link to where no file is yet is in the way like a file: writing through it makes one there.
TEST_F(WriterTest, AKeptFileOrLinkIsLeftAsItWas) {
    write_file(path("a.kmtf"), "old");
    ASSERT_TRUE(QFile::link(path("elsewhere.kmtf"), path("link.kmtf")));
    for (const char* name : {"a.kmtf", "link.kmtf"}) {
        EXPECT_EQ(save_theme_file(titled_theme(), path(name), messages, ExistingFile::Kept),
                  SaveOutcome::FileExists);
    }
    EXPECT_EQ(file_bytes(path("a.kmtf")), "old");
    EXPECT_FALSE(QFile::exists(path("elsewhere.kmtf")));
    EXPECT_TRUE(messages.empty());
}

// A value that would end early in the file, and let the rest be read as attributes or styles of
// its own, is never written; the message names the style and the value.
TEST_F(WriterTest, RefusesValuesThatWouldEndEarlyInTheFile) {
    const std::pair<StyleField, const char*> cases[] = {
        {StyleField::Scale, "1\"/></COLOR></STYLE><STYLE field=\"MAP_INJECTED_CLR\"><COLOR>"},
        {StyleField::Border, "1\r\n2"},
        {StyleField::PrimaryDay, "FF<00"},
        {StyleField::PrimaryNight, "0000>0"},
        {StyleField::SecondaryDay, "00\"000"},
        {StyleField::SecondaryNight, "00000\n"}};
    for (const auto& [field, value] : cases) {
        Theme theme = titled_theme();
        style_field_text(theme.elements[0], field) = QString::fromLatin1(value);
        MessageList said;
        EXPECT_EQ(save_theme_file(theme, path("a.kmtf"), said, ExistingFile::Replaced),
                  SaveOutcome::Unwritable);
        EXPECT_FALSE(QFile::exists(path("a.kmtf")));
        EXPECT_TRUE(said.texts().value(0).contains("\nGUIDANCE, MAP_ROAD_DIM_CLR, " +
                                                   style_field_key(field) + ": \""))
            << said.texts().join('|').toStdString();
    }
}

TEST_F(WriterTest, AReplacedFileGetsTheWholeTheme) {
    write_file(path("a.kmtf"), QByteArray(100000, 'x'));
    Theme theme = titled_theme();
    EXPECT_EQ(save_theme_file(theme, path("a.kmtf"), messages, ExistingFile::Replaced),
              SaveOutcome::Written);
    EXPECT_TRUE(file_bytes(path("a.kmtf")).startsWith("<?xml"));
    EXPECT_LT(file_bytes(path("a.kmtf")).size(), 2000);
}

TEST_F(WriterTest, FailedWriteKeepsTheOldContent) {
    // A folder stands where the file should go: the swap cannot happen.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("taken.kmtf/inside")));
    Theme theme = titled_theme();
    EXPECT_EQ(save_theme_file(theme, path("taken.kmtf"), messages, ExistingFile::Replaced),
              SaveOutcome::Failed);
    EXPECT_TRUE(QDir(path("taken.kmtf/inside")).exists());
    // The system's reason, and no advice about permissions: they are not the trouble here.
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("Error saving " + path("taken.kmtf") + ": "));
    EXPECT_GT(messages.texts()[0].size(), ("Error saving " + path("taken.kmtf") + ": ").size());
    EXPECT_FALSE(messages.texts()[0].contains("\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(WriterTest, PermissionProblemsAreNamedWithTheirAdvice) {
    Theme theme = titled_theme();
    const QString target = path("locked/a.kmtf");
    {
        ReadOnlyFolder locked(dir.path(), QStringLiteral("locked"));
        EXPECT_EQ(save_theme_file(theme, target, messages, ExistingFile::Replaced),
                  SaveOutcome::Failed);
    }
    ASSERT_FALSE(messages.texts().isEmpty());
    EXPECT_EQ(messages.texts()[0],
              "Error saving " + target +
                  ": Permission denied\n\nCheck that you may write to that folder.");
}

TEST_F(WriterTest, MissingFolderFailsWithInvalidFile) {
    Theme theme = titled_theme();
    const QString target = path("missing/a.kmtf");
    EXPECT_EQ(save_theme_file(theme, target, messages, ExistingFile::Replaced),
              SaveOutcome::Failed);
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_EQ(messages.texts()[1], QStringLiteral("Invalid file:") + target);
}

TEST_F(WriterTest, RelativePathIsReportedInvalid) {
    const QByteArray text = "x";
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_TRUE(write_theme_bytes(QStringLiteral("rel.kmtf"), text, messages));
    QDir::setCurrent(cwd);
    EXPECT_EQ(messages.texts(), QStringList{"Invalid file:rel.kmtf"});
    EXPECT_EQ(file_bytes(path("rel.kmtf")), "x\r\n");
}

TEST(ThemeText, BorderConditions) {
    Theme theme;
    Element zero = line(QStringLiteral("MAP_A_CLR"), QStringLiteral("BROWSE"), QStringLiteral("0"));
    Element no_day =
        line(QStringLiteral("MAP_B_CLR"), QStringLiteral("BROWSE"), QStringLiteral("1"));
    no_day.primary_day.clear();
    no_day.secondary_day.clear();
    Element broken =
        line(QStringLiteral("MAP_C_CLR"), QStringLiteral("BROWSE"), QStringLiteral("1\r\n\t2"));
    theme.elements = {zero, no_day, broken};
    const Theme before = theme;
    MessageList messages;
    const QByteArray text = theme_text(theme, QString(), messages);

    EXPECT_TRUE(
        text.contains("<STYLE field = \"MAP_A_CLR\" scale=\"1\" >\r\n <COLOR >\r\n"
                      "<PRIMARY      day = \"#CECECE\" night=\"#aaFF00\"/>\r\n </COLOR >"));
    EXPECT_TRUE(
        text.contains("<STYLE field = \"MAP_B_CLR\" scale=\"1\"  border=\"1\" >\r\n"
                      " <COLOR >\r\n </COLOR >\r\n</STYLE>"));
    // CR and LF stay out of the file; another control character is written after a message.
    EXPECT_EQ(theme, before);
    EXPECT_TRUE(text.contains("border=\"1\t2\" >"));
    EXPECT_EQ(messages.texts(), QStringList{"Error with Border Height"});
}

TEST(ThemeText, OpensABlockPerRunOfPresentationNames) {
    Theme theme;
    for (const char* p : {"", "", "BROWSE", " GUIDANCE ", "GUIDANCE"}) {
        theme.elements.push_back(
            line(QStringLiteral("MAP_X_CLR"), QString::fromLatin1(p), QStringLiteral(".6")));
    }
    MessageList messages;
    const QByteArray text = theme_text(theme, QString(), messages);
    // Names are compared without the spaces around them: " GUIDANCE " and "GUIDANCE" are one
    // presentation and so one block.
    EXPECT_EQ(text.count("<PRESENTATION ID="), 3);
    EXPECT_EQ(text.count("</PRESENTATION>"), 3);
    EXPECT_TRUE(text.contains("<PRESENTATION ID=\"\" > \r\n<STYLELIST>\r\n\r\n<STYLE"));
    EXPECT_EQ(text.count("<PRESENTATION ID=\"GUIDANCE\" > "), 1);
}

TEST_F(WriterTest, GuidanceBrowseGuidanceRoundTripsAsThreeBlocks) {
    Theme theme = titled_theme();
    theme.elements.push_back(
        line(QStringLiteral("MAP_B_CLR"), QStringLiteral("BROWSE"), QStringLiteral(".6")));
    theme.elements.push_back(
        line(QStringLiteral("MAP_C_CLR"), QStringLiteral("GUIDANCE"), QStringLiteral("")));
    ASSERT_EQ(save_theme_file(theme, path("r.kmtf"), messages, ExistingFile::Replaced),
              SaveOutcome::Written);
    Theme read;
    ASSERT_TRUE(read_theme_file(path("r.kmtf"), read, messages));
    EXPECT_EQ(read.presentation_count(), 3);
    ASSERT_EQ(read.element_count(), 3);
    EXPECT_EQ(read.elements[0].sort_code, 1);
    EXPECT_EQ(read.elements[1].sort_code, 11);
    EXPECT_EQ(read.elements[2].sort_code, 0);
    EXPECT_EQ(read.elements[0].primary_night, "AAFF00");
    EXPECT_EQ(read.elements[2].secondary_day, "0A0A0A");
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

// The text is made Element by Element in room worked out for each and handed on in pieces of
// about a megabyte: a large theme, whose blocks each begin with an Element that has every part
// and the longest texts, must come out whole and the same whichever way it is written.
TEST_F(WriterTest, PiecesMakeTheWholeTextWhateverTheElements) {
    Theme theme = titled_theme();
    theme.elements.clear();
    for (int k = 0; k < 12000; ++k) {
        const QString presentation = QStringLiteral("PRESENTATION NAME %1 ").arg(k / 499);
        Element e = line(QStringLiteral("MAP_%1_CLR").arg(QString(k % 7 * 40, QLatin1Char('N'))),
                         presentation, QString(k % 5 * 30, QLatin1Char('9')));
        e.scale = QString(k % 3 * 50, QLatin1Char('1'));
        e.primary_night = QStringLiteral("\u00e9\u20ac");  // beyond Latin-1: written as "?"
        theme.elements.push_back(e);
    }
    const QString meta = metadata_block_text(theme.metadata);
    QByteArray pieces;
    int count = 0;
    ASSERT_TRUE(write_theme_text(theme, meta, messages, [&](QByteArrayView piece) {
        pieces += piece;
        ++count;
        return true;
    }));
    EXPECT_GT(count, 2);
    EXPECT_EQ(pieces, theme_text(theme, meta, messages) + "\r\n");
    // Every STYLE and block is whole, the first of a block too.
    EXPECT_EQ(pieces.count(" </COLOR >\r\n</STYLE>\r\n"), theme.element_count());
    EXPECT_EQ(pieces.count("</STYLELIST>\r\n</PRESENTATION>\r\n"), 25);
    ASSERT_EQ(save_theme_file(theme, path("big.kmtf"), messages, ExistingFile::Replaced),
              SaveOutcome::Written);
    EXPECT_EQ(file_bytes(path("big.kmtf")), pieces);
    Theme read;
    ASSERT_TRUE(read_theme_file(path("big.kmtf"), read, messages));
    ASSERT_EQ(read.element_count(), theme.element_count());
    EXPECT_EQ(read.elements.back().scale, theme.elements.back().scale);
    EXPECT_EQ(read.elements.back().primary_night, QString::fromLatin1("\xe9?"));

    // A piece that cannot be written stops the text there.
    count = 0;
    EXPECT_FALSE(
        write_theme_text(theme, meta, messages, [&](QByteArrayView) { return ++count < 2; }));
    EXPECT_EQ(count, 2);
}

}  // namespace
}  // namespace quorvane
