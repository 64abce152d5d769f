// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <csignal>

#include "format/reader.h"
#include "format/writer.h"
#include "model/theme_document.h"
#include "session/theme_files.h"
#include "support/pipe_reader_watch.h"
#include "support/printers.h"
#include "support/read_only_folder.h"
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
    const QString pipe = path("pipe.kmtf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const PipeReaderWatch pipe_watch(pipe);
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
        {pipe, "Cannot open " + pipe + ": Not a regular file"},
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
    EXPECT_FALSE(pipe_watch.reader_seen());
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
// the user decides. A program that saves by deleting the file and writing it anew does not take
// it out of the watch. The editor's own save is no change from elsewhere, and a pipe put in the
// file's place is never opened: reading it would wait for a writer.
TEST_F(ThemeFilesTest, AFileChangedElsewhereIsReloadedOrAskedAbout) {
    const QString roads = path("roads.kmtf");
    const QString question =
        roads + " changed on disk. Reload and lose your changes? [&Reload/&Keep mine]";
    const struct {
        bool changes;
        QList<bool> reload;
        QStringList asked;
        bool reloaded;
        bool written_anew = false;
    } cases[] = {
        {false, {}, {}, true},
        {false, {}, {}, true, true},
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
        if (c.written_anew) {
            QFile::remove(roads);
            QTest::qWait(400);
        }
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
    EXPECT_EQ(used, QStringList(5, roads));
    QFile::remove(roads);
    ASSERT_EQ(::mkfifo(QFile::encodeName(roads).constData(), 0644), 0);
    const PipeReaderWatch pipe_watch(roads);
    QTest::qWait(600);
    EXPECT_FALSE(pipe_watch.reader_seen());
}

// A copy another editor left behind is offered; either answer removes it, but a restored copy
// only once this editor's own copy is written (files that may hold 16 bytes only: a full disk).
TEST_F(ThemeFilesTest, ACopyLeftBehindIsRestoredOrDiscarded) {
    const QString a = path("a.kmtf");
    QFile::copy(kSample, a);
    const struct {
        bool restore;
        bool disk_full;
        bool copy_kept;
    } cases[] = {{false, false, false}, {true, true, true}, {true, false, false}};
    ::signal(SIGXFSZ, SIG_IGN);
    for (const auto& c : cases) {
        Theme lost;
        MessageList quiet;
        read_theme_file(kSample, lost, quiet);
        lost.metadata.title = "Lost in a crash";
        const QString copy = dir.filePath("system/recovery-crashed.kmtf");
        write_file(copy, recovery_bytes(lost));
        write_file(copy + ".path", a.toUtf8());
        messages.asked.clear();
        messages.choices = {c.restore};
        rlimit unlimited{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &unlimited), 0);
        const rlimit limited{c.disk_full ? 16 : unlimited.rlim_cur, unlimited.rlim_max};
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
        files.offer_recovery();
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &unlimited), 0);
        EXPECT_EQ(messages.asked,
                  QStringList{"Restore unsaved changes to " + a + "? [&Restore/&Discard]"});
        EXPECT_EQ(QFile::exists(copy), c.copy_kept);
        EXPECT_EQ(document.theme().metadata.title, c.restore ? "Lost in a crash" : "");
        EXPECT_EQ(document.file_name(), c.restore ? a : kUntitledFileName);
        EXPECT_EQ(document.is_modified(), c.restore);
        // The restored changes are this editor's to keep now.
        EXPECT_EQ(files.recovery().has_copy(), c.restore && !c.disk_full);
        QFile::remove(copy);
    }
}

// Another program wrote the file while it was open with changes, unseen by the watch (the save
// comes first): Save asks before it overwrites that program's work. The same bytes written
// again, or a file deleted, leave nothing to lose.
TEST_F(ThemeFilesTest, SaveAsksBeforeOverwritingAFileChangedElsewhere) {
    const QByteArray theirs = theme_with({"THEIRS"});
    const struct {
        QByteArray on_disk;  // null: the same bytes again; empty: deleted
        qsizetype answer;    // Overwrite, Save As..., Cancel
        bool asked;
        const char* saved_in;
    } cases[] = {{theirs, 0, true, "a.kmtf"},
                 {theirs, 1, true, "b.kmtf"},
                 {theirs, 2, true, ""},
                 {QByteArray(), 2, false, "a.kmtf"},
                 {"", 2, false, "a.kmtf"}};
    for (const auto& c : cases) {
        const QString a = open_with_changes("a.kmtf");
        QFile::remove(path("b.kmtf"));
        const QByteArray opened = file_bytes(a);
        QFile::remove(a);
        if (!c.on_disk.isEmpty() || c.on_disk.isNull()) {
            write_file(a, c.on_disk.isNull() ? opened : c.on_disk);
        }
        messages.picks = {c.answer};
        dialogs.answers = {path("b.kmtf")};
        EXPECT_EQ(files.save(), *c.saved_in != 0);
        EXPECT_EQ(messages.asked, c.asked ? QStringList{a + " changed on disk since you opened it. "
                                                            "Overwrite it? [&Overwrite/Save "
                                                            "&As\u2026/&Cancel]"}
                                          : QStringList());
        EXPECT_EQ(document.file_name(), *c.saved_in ? path(c.saved_in) : a);
        EXPECT_EQ(file_bytes(document.file_name()).contains("Mine"), *c.saved_in != 0);
    }
}

// Changes made while the question about an earlier one is open are folded into it.
TEST_F(ThemeFilesTest, OneQuestionAboutOutsideChangesAtATime) {
    const QString roads = open_with_changes("roads.kmtf");
    int writes = 1;
    messages.while_asking = [&] {
        for (; writes < 5; ++writes) {
            write_file(roads, theme_with(QStringList(writes + 1, "ROAD")));
            QTest::qWait(300);
        }
    };
    messages.choices = {true};
    write_file(roads, theme_with({"ROAD"}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.asked.isEmpty(); }));
    QTest::qWait(400);
    EXPECT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(document.theme().element_count(), 5);  // what the file holds at the answer
}

// A crashed editor's copy: the restore says that its file changed since, and the next save asks
// before it overwrites that file.
TEST_F(ThemeFilesTest, ARestoreSaysTheFileChangedSinceAndSaveAsks) {
    const QString a = path("a.kmtf");
    write_file(a, theme_with({"ROAD_A"}));
    {
        ThemeDocument crashed;
        ThemeFiles theirs{crashed, messages, busy, dialogs, dir.filePath("system")};
        ASSERT_TRUE(theirs.open(a, OpenSource::Menu));
        crashed.set_metadata(MetadataField::Title, "Lost in a crash");
        theirs.recovery().write_now();
    }  // it never cleans up
    write_file(a, theme_with({"NEWER_A", "NEWER_B"}));
    messages.choices = {true};
    files.offer_recovery();
    EXPECT_FALSE(files.save());  // Cancel
    EXPECT_EQ(messages.asked,
              (QStringList{"Restore unsaved changes to " + a + "?\n\n" + a +
                               " changed on disk since those changes were made. "
                               "[&Restore/&Discard]",
                           a + " changed on disk since you opened it. Overwrite it? "
                               "[&Overwrite/Save &As\u2026/&Cancel]"}));
    EXPECT_EQ(document.theme().metadata.title, "Lost in a crash");
    EXPECT_TRUE(file_bytes(a).contains("NEWER_B"));
}

// Many copies left behind make one question that lists them; the answer deals with all.
TEST_F(ThemeFilesTest, CopiesLeftBehindMakeOneQuestion) {
    const QDir system(dir.filePath("system"));
    const struct {
        qsizetype answer;  // Restore, Discard All, Later
        int left;
        QString restored;
    } cases[] = {{2, 12, ""}, {0, 11, "MAP_COPY11_CLR"}, {1, 0, ""}};
    for (const auto& c : cases) {
        document.replace(Theme(), kUntitledFileName, false);
        for (int k = 0; k < 12; ++k) {
            QFile copy(system.filePath(QStringLiteral("recovery-crashed%1.kmtf").arg(k)));
            ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
            copy.write(theme_with({QStringLiteral("COPY%1").arg(k)}));
            copy.flush();
            copy.setFileTime(QDateTime::currentDateTime().addSecs(k - 20),
                             QFileDevice::FileModificationTime);
        }
        messages.asked.clear();
        messages.picks = {c.answer};
        files.offer_recovery();
        ASSERT_EQ(messages.asked.size(), 1);
        EXPECT_TRUE(
            messages.asked[0].startsWith("Editors that ended without saving left unsaved "
                                         "changes to 12 themes:"));
        EXPECT_TRUE(messages.asked[0].endsWith("and 2 more\n\nRestore the newest, to " +
                                               kUntitledFileName +
                                               "? The others are kept for "
                                               "the next start. [&Restore/&Discard All/&Later]"));
        const auto& restored = document.theme().elements;
        EXPECT_EQ(restored.empty() ? "" : restored[0].field_name, c.restored);
        EXPECT_EQ(system.entryList({"recovery-crashed*"}).size(), c.left * 2);
    }
}

// A restored theme whose file became a pipe: neither the restore nor the save reads it, and the
// save says why it writes nothing.
TEST_F(ThemeFilesTest, SavingARestoredCopyWhosePathIsNoFileSaysSo) {
    const QString gone = path("gone.kmtf");
    const QString copy = dir.filePath("system/recovery-crashed.kmtf");
    write_file(copy, file_bytes(kSample));
    write_file(copy + ".path", gone.toUtf8());
    ASSERT_EQ(::mkfifo(QFile::encodeName(gone).constData(), 0644), 0);
    const PipeReaderWatch pipe_watch(gone);
    messages.choices = {true};
    files.offer_recovery();
    EXPECT_FALSE(files.save());
    EXPECT_EQ(messages.told,
              QStringList{"Error saving " + gone + ": " + gone + " is not a regular file"});
    EXPECT_FALSE(pipe_watch.reader_seen());
}

TEST_F(ThemeFilesTest, ARecoveryFolderThatCannotBeWrittenIsToldOnce) {
    const ReadOnlyFolder folder(dir.path(), "read-only");
    ThemeFiles here{document, messages, busy, dialogs, folder.path};
    QObject::connect(&here, &ThemeFiles::remark, [this](const QString& t) { remarks << t; });
    for (const char* title : {"One", "Two"}) {
        document.set_metadata(MetadataField::Title, title);
        here.recovery().write_now();
    }
    ASSERT_EQ(remarks.size(), 1);
    EXPECT_TRUE(remarks[0].startsWith("Recovery copies cannot be kept in " + folder.path + ": "));
}

// A border of 0 is left out of the file: the line would come back as an area.
TEST_F(ThemeFilesTest, SavingLinesWithABorderOfZeroAsksOnce) {
    open_with_changes("a.kmtf");
    const auto& elements = document.theme().elements;
    const int line = int(std::find_if(elements.begin(), elements.end(),
                                      [](const Element& e) { return !e.is_polygon(); }) -
                         elements.begin());
    (void)document.apply_style(line, ElementStyle{"1", "0", {}}, false);
    messages.answers = {false, true};
    EXPECT_FALSE(files.save());
    EXPECT_TRUE(files.save());
    EXPECT_TRUE(files.save());
    EXPECT_EQ(messages.asked, QStringList(2,
                                          "1 line has a border of 0, which the file leaves "
                                          "out: it would read back as an area, without its "
                                          "secondary colours. Save anyway?"));
}

}  // namespace
}  // namespace quorvane
