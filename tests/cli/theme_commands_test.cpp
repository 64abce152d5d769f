// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli diff, build and edit end to end. Each NAME.case under tests/data/diff, build and
// edit runs the real binary in a copy of its folder (beside copies of the other two, so that a
// case can name ../edit/theme.kmtf):
//   args: the command line after quorvane-cli (quotes group words)
//   exit: the exit status
//   written: files the run writes, each equal to NAME.expected.FILE of the folder
//   unchanged: files the run must leave as they were
//   absent: files the run must not make
//   --- stdout / --- stderr: the whole output (none when the section is missing)
// An edit case that recolours also names the editor's recolouring commands that do the same,
// "editor: make-night-colours 40; snap-to-palette" (the dialog's darkness when none is given),
// on the Elements of "selection: 2 3": its -o out.kmtf is what Save writes after them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "format/reader.h"
#include "format/writer.h"
#include "model/theme_document.h"

namespace {

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

struct CommandCase {
    QString folder;
    QString name;
    QMap<QString, QString> headers;
    QMap<QString, QByteArray> sections;
};

CommandCase read_case(const QString& folder, const QString& name) {
    CommandCase c{folder, name, {}, {}};
    QString section;
    for (const QByteArray& line : file_bytes(folder + QLatin1Char('/') + name).split('\n')) {
        if (line.startsWith("--- ")) {
            section = QString::fromUtf8(line.mid(4));
            c.sections[section];
        } else if (!section.isEmpty()) {
            c.sections[section] += line + '\n';
        } else if (!line.startsWith('#') && line.contains(':')) {
            const qsizetype colon = line.indexOf(':');
            c.headers[QString::fromUtf8(line.left(colon))] =
                QString::fromUtf8(line.mid(colon + 1)).trimmed();
        }
    }
    // The split leaves one line end too many at the end of the last section.
    if (!section.isEmpty()) {
        c.sections[section].chop(1);
    }
    return c;
}

const char* const kCommands[] = {"diff", "build", "edit"};

std::vector<CommandCase> all_cases() {
    std::vector<CommandCase> cases;
    for (const char* command : kCommands) {
        const QString folder = QStringLiteral(QUORVANE_TEST_DATA "/") + QLatin1String(command);
        for (const QString& name : QDir(folder).entryList({QStringLiteral("*.case")})) {
            cases.push_back(read_case(folder, name));
        }
    }
    return cases;
}

TEST(ThemeCommandCases, EachCaseGivesItsOutputAndFiles) {
    const std::vector<CommandCase> cases = all_cases();
    ASSERT_GE(cases.size(), 12u);
    for (const CommandCase& c : cases) {
        SCOPED_TRACE((c.folder + QLatin1Char('/') + c.name).toStdString());
        QTemporaryDir root;
        for (const char* command : kCommands) {
            const QString from = QStringLiteral(QUORVANE_TEST_DATA "/") + QLatin1String(command);
            ASSERT_TRUE(QDir(root.path()).mkdir(QLatin1String(command)));
            for (const QString& file : QDir(from).entryList(QDir::Files)) {
                ASSERT_TRUE(QFile::copy(from + QLatin1Char('/') + file,
                                        root.filePath(QLatin1String(command) + '/' + file)));
            }
        }
        const QDir dir(root.filePath(QFileInfo(c.folder).fileName()));
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(QUORVANE_CLI), QProcess::splitCommand(c.headers["args"]));
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), c.headers["exit"].toInt());
        EXPECT_EQ(process.readAllStandardOutput().toStdString(),
                  c.sections.value(QStringLiteral("stdout")).toStdString());
        EXPECT_EQ(process.readAllStandardError().toStdString(),
                  c.sections.value(QStringLiteral("stderr")).toStdString());
        const QString stem = c.name.chopped(5);
        for (const QString& file : c.headers["written"].split(' ', Qt::SkipEmptyParts)) {
            EXPECT_EQ(file_bytes(dir.filePath(file)),
                      file_bytes(c.folder + QLatin1Char('/') + stem + ".expected." + file))
                << file.toStdString();
        }
        for (const QString& file : c.headers["unchanged"].split(' ', Qt::SkipEmptyParts)) {
            EXPECT_EQ(file_bytes(dir.filePath(file)),
                      file_bytes(c.folder + QLatin1Char('/') + file))
                << file.toStdString();
        }
        for (const QString& file : c.headers["absent"].split(' ', Qt::SkipEmptyParts)) {
            EXPECT_FALSE(QFile::exists(dir.filePath(file))) << file.toStdString();
        }
    }
}

TEST(ThemeCommandCases, RecolouringWritesWhatTheEditorsCommandsMake) {
    using namespace quorvane;
    for (const CommandCase& c : all_cases()) {
        if (!c.headers.contains(QStringLiteral("editor"))) {
            continue;
        }
        SCOPED_TRACE(c.name.toStdString());
        QStringList args = QProcess::splitCommand(c.headers["args"]);
        args[1] = c.folder + QLatin1Char('/') + args[1];
        QTemporaryDir dir;
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(QUORVANE_CLI), args);
        ASSERT_TRUE(process.waitForFinished(60000) && process.exitCode() == 0);

        Theme theme;
        MessageList messages;
        ASSERT_TRUE(read_theme_file(args[1], theme, messages));
        ThemeDocument document;
        document.replace(std::move(theme), args[1], true, false);
        std::vector<int> selection;
        for (const QString& number : c.headers["selection"].split(' ')) {
            selection.push_back(number.toInt());
        }
        for (const QString& step : c.headers["editor"].split(QLatin1Char(';'))) {
            const QStringList words = step.split(' ', Qt::SkipEmptyParts);
            const int darkness = words.size() > 1 ? words[1].toInt() : kDefaultDarkness;
            document.recolour(words[0] == QLatin1String("snap-to-palette")
                                  ? snap_to_device_palette(document.theme(), selection)
                                  : make_night_colours(document.theme(), selection, darkness));
        }
        const QString saved = dir.filePath(QStringLiteral("saved_by_the_editor.kmtf"));
        ASSERT_EQ(save_theme_file(document.theme(), saved, messages, ExistingFile::Kept),
                  SaveOutcome::Written);
        EXPECT_EQ(file_bytes(dir.filePath(QStringLiteral("out.kmtf"))), file_bytes(saved));
    }
}

// The recipe of the README: git shows a theme's changes through quorvane-cli diff.
TEST(ThemeCommandGit, DiffDriverShowsChangesByMeaning) {
    QTemporaryDir dir;
    const auto git = [&](const QStringList& args) {
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral("git"), args);
        process.waitForFinished(60000);
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return process.readAllStandardOutput();
    };
    if (QStandardPaths::findExecutable(QStringLiteral("git")).isEmpty()) {
        GTEST_SKIP() << "git is not installed";
    }
    const QString theme = QStringLiteral(QUORVANE_TEST_DATA "/edit/theme.kmtf");
    ASSERT_TRUE(QFile::copy(theme, dir.filePath(QStringLiteral("theme.kmtf"))));
    QFile attributes(dir.filePath(QStringLiteral(".gitattributes")));
    ASSERT_TRUE(attributes.open(QIODevice::WriteOnly));
    attributes.write("*.kmtf diff=kmtf\n");
    attributes.close();
    git({"init", "-q"});
    git({"config", "user.name", "Test"});
    git({"config", "user.email", "test@example.invalid"});
    git({"config", "diff.kmtf.command", QStringLiteral(QUORVANE_CLI) + " diff --git"});
    git({"add", "."});
    git({"commit", "-q", "-m", "theme"});

    // The theme as edit --set colour:#9CC9F0=#88BBEE --in-place leaves it.
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("theme.kmtf"))));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(QUORVANE_TEST_DATA "/edit/replace_colour.expected.theme.kmtf"),
                    dir.filePath(QStringLiteral("theme.kmtf"))));
    EXPECT_EQ(git({"diff"}).toStdString(),
              "diff theme.kmtf\n"
              "GUIDANCE\n"
              "  ~ MAP_WATER_CLR  primary.day  #9CC9F0 -> #88BBEE\n"
              "BROWSE\n"
              "  ~ MAP_WATER_CLR  primary.day  #9CC9F0 -> #88BBEE\n"
              "2 styles changed\n");
    // A new theme is compared with nothing.
    ASSERT_TRUE(QFile::copy(theme, dir.filePath(QStringLiteral("copy.kmtf"))));
    git({"add", "copy.kmtf"});
    EXPECT_TRUE(git({"diff", "--cached", "copy.kmtf"}).contains("  + GUIDANCE  3 styles\n"));
}

}  // namespace
