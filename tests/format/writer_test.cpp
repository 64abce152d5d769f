// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "format/reader.h"
#include "format/writer.h"
#include "support/printers.h"
#include "support/read_only_folder.h"
#include "support/scripted_messages.h"

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
    ScriptedMessages messages;
    CountingBusyCursor busy;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(WriterTest, WritesCrLfLinesAndLeavesTheThemeAsItWas) {
    const Theme theme = titled_theme();
    EXPECT_EQ(save_theme_file(theme, path("a.kmtf"), messages, busy), SaveOutcome::Written);
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
    EXPECT_EQ(busy.on_calls, 1);
    EXPECT_FALSE(busy.busy);
    EXPECT_TRUE(messages.told.isEmpty());
}

TEST_F(WriterTest, WithoutTitleWritesNothing) {
    Theme theme = titled_theme();
    theme.metadata.title.clear();
    EXPECT_EQ(save_theme_file(theme, path("a.kmtf"), messages, busy), SaveOutcome::NoTitle);
    EXPECT_FALSE(QFile::exists(path("a.kmtf")));
    EXPECT_EQ(messages.told, QStringList{"Needs a Title"});
}

TEST_F(WriterTest, AnswerNoKeepsTheFile) {
    write_file(path("a.kmtf"), "old");
    Theme theme = titled_theme();
    messages.answers = {false};
    EXPECT_EQ(save_theme_file(theme, path("a.kmtf"), messages, busy), SaveOutcome::Declined);
    EXPECT_EQ(messages.asked, QStringList{"Overwrite existing file?"});
    EXPECT_EQ(file_bytes(path("a.kmtf")), "old");
    EXPECT_EQ(busy.on_calls, 0);
}

TEST_F(WriterTest, AnswerYesReplacesTheFile) {
    write_file(path("a.kmtf"), QByteArray(100000, 'x'));
    Theme theme = titled_theme();
    messages.answers = {true};
    EXPECT_EQ(save_theme_file(theme, path("a.kmtf"), messages, busy), SaveOutcome::Written);
    EXPECT_TRUE(file_bytes(path("a.kmtf")).startsWith("<?xml"));
    EXPECT_LT(file_bytes(path("a.kmtf")).size(), 2000);
}

TEST_F(WriterTest, FailedWriteKeepsTheOldContent) {
    // A folder stands where the file should go: the swap cannot happen.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("taken.kmtf/inside")));
    Theme theme = titled_theme();
    messages.answers = {true};
    EXPECT_EQ(save_theme_file(theme, path("taken.kmtf"), messages, busy), SaveOutcome::Failed);
    EXPECT_TRUE(QDir(path("taken.kmtf/inside")).exists());
    EXPECT_FALSE(busy.busy);
    // The system's reason, and no advice about permissions: they are not the trouble here.
    ASSERT_EQ(messages.told.size(), 1);
    EXPECT_TRUE(messages.told[0].startsWith("Error saving " + path("taken.kmtf") + ": "));
    EXPECT_GT(messages.told[0].size(), ("Error saving " + path("taken.kmtf") + ": ").size());
    EXPECT_FALSE(messages.told[0].contains("\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

TEST_F(WriterTest, PermissionProblemsAreNamedWithTheirAdvice) {
    Theme theme = titled_theme();
    const QString target = path("locked/a.kmtf");
    {
        ReadOnlyFolder locked(dir.path(), QStringLiteral("locked"));
        EXPECT_EQ(save_theme_file(theme, target, messages, busy), SaveOutcome::Failed);
    }
    ASSERT_FALSE(messages.told.isEmpty());
    EXPECT_EQ(messages.told[0],
              "Error saving " + target +
                  ": Permission denied\n\nCheck that you may write to that folder.");
}

TEST_F(WriterTest, MissingFolderFailsWithInvalidFile) {
    Theme theme = titled_theme();
    const QString target = path("missing/a.kmtf");
    EXPECT_EQ(save_theme_file(theme, target, messages, busy), SaveOutcome::Failed);
    ASSERT_EQ(messages.told.size(), 2);
    EXPECT_EQ(messages.told[1], QStringLiteral("Invalid file:") + target);
}

TEST_F(WriterTest, RelativePathIsReportedInvalid) {
    const QByteArray text = "x";
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_TRUE(write_theme_bytes(QStringLiteral("rel.kmtf"), text, messages));
    QDir::setCurrent(cwd);
    EXPECT_EQ(messages.told, QStringList{"Invalid file:rel.kmtf"});
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
    ScriptedMessages messages;
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
    EXPECT_EQ(messages.told, QStringList{"Error with Border Height"});
}

TEST(ThemeText, OpensABlockPerRunOfPresentationNames) {
    Theme theme;
    for (const char* p : {"", "", "BROWSE", " GUIDANCE ", "GUIDANCE"}) {
        theme.elements.push_back(
            line(QStringLiteral("MAP_X_CLR"), QString::fromLatin1(p), QStringLiteral(".6")));
    }
    ScriptedMessages messages;
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
    ASSERT_EQ(save_theme_file(theme, path("r.kmtf"), messages, busy), SaveOutcome::Written);
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
