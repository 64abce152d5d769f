// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include "format/reader.h"
#include "format/writer.h"
#include "model/theme_document.h"
#include "session/theme_files.h"
#include "support/printers.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_messages.h"

namespace quorvane {
namespace {

const QString kSample = QStringLiteral(QUORVANE_TEST_DATA "/preview/two_presentations.kmtf");

void write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A theme file with one line style per field name.
QByteArray theme_with(const QStringList& fields) {
    QByteArray text =
        "<METADATA><TITLE>Roads</TITLE></METADATA>\r\n<PRESENTATION ID=\"GUIDANCE\">\r\n";
    for (const QString& field : fields) {
        text += "<STYLE field=\"MAP_" + field.toLatin1() +
                "_CLR\" border=\".6\"><PRIMARY day=\"#CECECE\"/></STYLE>\r\n";
    }
    return text + "</PRESENTATION>\r\n";
}

// The address space this process has mapped, in bytes.
qint64 address_space_in_use() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmSize:")) {
            return line.mid(7).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
    }
    return 0;
}

class ThemeFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        QObject::connect(&files, &ThemeFiles::file_used,
                         [this](const QString& path) { used.append(path); });
        QObject::connect(&files, &ThemeFiles::remark,
                         [this](const QString& text) { remarks.append(text); });
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Opens a fresh copy of the sample (discarding what is unsaved) and changes its title.
    QString open_with_changes(const QString& name, const QString& title = "Mine") {
        QFile::remove(path(name));
        QFile::copy(kSample, path(name));
        messages.unsaved_answers = {UnsavedAnswer::Discard};
        EXPECT_TRUE(files.open(path(name), OpenSource::Menu));
        document.set_metadata(MetadataField::Title, title);
        messages.told.clear();
        messages.asked.clear();
        return path(name);
    }

    QTemporaryDir dir;
    ThemeDocument document;
    ScriptedMessages messages;
    CountingBusyCursor busy;
    ScriptedFileDialogs dialogs;
    ThemeFiles files{document, messages, busy, dialogs, dir.filePath("system")};
    QStringList used;
    QStringList remarks;
};

TEST_F(ThemeFilesTest, AFileThatCannotBeOpenedChangesNothing) {
    const QString folder = path("folder.kmtf");
    QDir().mkpath(folder);
    const QString letter = path("letter.kmtf");
    write_file(letter, "Dear reader,\nthis is a letter.\n");
    const QString a = open_with_changes("a.kmtf");
    const Theme before = document.theme();
    const struct {
        QString path;
        QString said;
    } cases[] = {
        {path("missing.kmtf"),
         "Cannot open " + path("missing.kmtf") + ": No such file or directory"},
        {folder, "Cannot open " + folder + ": Not a regular file"},
        {letter, letter + " is not a map theme"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        messages.told.clear();
        messages.unsaved_answers = {UnsavedAnswer::Discard};
        EXPECT_FALSE(files.open(c.path, OpenSource::Menu));
        EXPECT_EQ(messages.told, QStringList{c.said});
        EXPECT_EQ(document.theme(), before);
        EXPECT_EQ(document.file_name(), a);
        EXPECT_TRUE(document.is_modified());
        EXPECT_FALSE(busy.busy);
    }
    EXPECT_EQ(used, QStringList{a});
}

TEST_F(ThemeFilesTest, AFileTooLargeForMemoryChangesNothing) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any such limit";
#endif
    const QString a = open_with_changes("a.kmtf");
    const Theme before = document.theme();
    // A sparse file (it takes no disk) larger than the memory the process may still take.
    const QString huge = path("huge.kmtf");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(4) << 30));
    }
    rlimit unlimited{};
    ASSERT_EQ(::getrlimit(RLIMIT_AS, &unlimited), 0);
    const rlimit limited{rlim_t(address_space_in_use() + (qint64(1) << 30)), unlimited.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &limited), 0);
    messages.unsaved_answers = {UnsavedAnswer::Discard};
    const bool opened = files.open(huge, OpenSource::Menu);
    ASSERT_EQ(::setrlimit(RLIMIT_AS, &unlimited), 0);
    EXPECT_FALSE(opened);
    EXPECT_EQ(messages.told, QStringList{huge + " is too large to read"});
    EXPECT_EQ(document.theme(), before);
    EXPECT_EQ(document.file_name(), a);
    EXPECT_FALSE(busy.busy);
}

// Save As asks before it replaces another file; only a written file takes the theme's name and
// clears the unsaved mark.
TEST_F(ThemeFilesTest, SaveAsAsksBeforeReplacingAndRenamesOnlyWhenWritten) {
    const QString other = path("other.kmtf");
    const QString folder = path("taken.kmtf");
    QDir().mkpath(folder + "/inside");
    const QStringList overwrite{"Overwrite existing file?"};
    const struct {
        const char* name;
        QString title;
        QString answer;
        QList<bool> replace;
        QStringList asked;
        QString told_start;
        QString written;
    } cases[] = {
        {"a new name", "T", path("new"), {}, {}, "", path("new.kmtf")},
        {"kept", "T", other, {false}, overwrite, "", ""},
        {"replaced", "T", other, {true}, overwrite, "", other},
        {"no title, no question", "", other, {}, {}, "Needs a Title", ""},
        {"a folder in the way",
         "T",
         folder,
         {true},
         overwrite,
         "Error saving " + folder + ": ",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        write_file(other, "keep me");
        const QString a = open_with_changes("a.kmtf", c.title);
        dialogs.answers = {c.answer};
        messages.answers = c.replace;
        EXPECT_EQ(files.save_as(), !c.written.isEmpty());
        EXPECT_EQ(messages.asked, c.asked);
        EXPECT_EQ(messages.told.size(), c.told_start.isEmpty() ? 0 : 1);
        EXPECT_TRUE(c.told_start.isEmpty() || messages.told.value(0).startsWith(c.told_start));
        EXPECT_EQ(document.file_name(), c.written.isEmpty() ? a : c.written);
        EXPECT_EQ(document.is_modified(), c.written.isEmpty());
        EXPECT_EQ(used.last(), c.written.isEmpty() ? a : c.written);
        EXPECT_EQ(file_bytes(other) == "keep me", c.written != other);
        EXPECT_FALSE(busy.busy);
    }
}

TEST_F(ThemeFilesTest, SaveAndSaveAsRefuseAnEmptyTheme) {
    EXPECT_FALSE(files.save());
    EXPECT_FALSE(files.save_as());
    EXPECT_EQ(messages.told, QStringList(2, "No data to save"));
    EXPECT_TRUE(dialogs.requests.isEmpty());
}

// Another program writes the open file: a theme without changes is read again; with changes
// the user decides. The editor's own save is no change from elsewhere.
TEST_F(ThemeFilesTest, AFileChangedElsewhereIsReloadedOrAskedAbout) {
    const QString roads = path("roads.kmtf");
    const QString question =
        roads + " changed on disk. Reload and lose your changes? [&Reload/&Keep mine]";
    const struct {
        bool changes;
        QList<bool> reload;
        QStringList asked;
        bool reloaded;
    } cases[] = {
        {false, {}, {}, true},
        {true, {false}, {question}, false},
        {true, {true}, {question}, true},
    };
    for (const auto& c : cases) {
        write_file(roads, theme_with({"ROAD_A"}));
        ASSERT_TRUE(files.open(roads, OpenSource::CommandLine));
        if (c.changes) {
            document.set_metadata(MetadataField::Title, "Mine");
        }
        messages.asked.clear();
        messages.choices = c.reload;
        remarks.clear();
        write_file(roads, theme_with({"ROAD_A", "ROAD_B"}));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return document.theme().element_count() == 2 || !messages.asked.isEmpty(); }));
        EXPECT_EQ(messages.asked, c.asked);
        EXPECT_EQ(document.theme().element_count(), c.reloaded ? 2 : 1);
        EXPECT_EQ(document.is_modified(), !c.reloaded);
        EXPECT_EQ(remarks, c.changes ? QStringList()
                                     : QStringList{"Reloaded roads.kmtf: it changed on disk"});
        messages.unsaved_answers = {UnsavedAnswer::Discard};
    }
    ASSERT_TRUE(files.save());
    QTest::qWait(400);
    EXPECT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(used, QStringList(4, roads));
}

// A copy another editor left behind is offered; either answer removes it.
TEST_F(ThemeFilesTest, ACopyLeftBehindIsRestoredOrDiscarded) {
    const QString a = path("a.kmtf");
    QFile::copy(kSample, a);
    for (const bool restore : {false, true}) {
        Theme lost;
        MessageList quiet;
        read_theme_file(kSample, lost, quiet);
        lost.metadata.title = "Lost in a crash";
        const QString copy = dir.filePath("system/recovery-crashed.kmtf");
        write_file(copy, recovery_bytes(lost));
        write_file(copy + ".path", a.toUtf8());
        messages.asked.clear();
        messages.choices = {restore};
        files.offer_recovery();
        EXPECT_EQ(messages.asked,
                  QStringList{"Restore unsaved changes to " + a + "? [&Restore/&Discard]"});
        EXPECT_FALSE(QFile::exists(copy));
        EXPECT_EQ(document.theme().metadata.title, restore ? "Lost in a crash" : "");
        EXPECT_EQ(document.file_name(), restore ? a : kUntitledFileName);
        EXPECT_EQ(document.is_modified(), restore);
        // The restored changes are this editor's to keep now.
        EXPECT_EQ(files.recovery().has_copy(), restore);
    }
}

}  // namespace
}  // namespace quorvane
