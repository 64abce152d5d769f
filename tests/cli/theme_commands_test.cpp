// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli diff, build and edit end to end. Each NAME.case under tests/data/diff, build and
// edit runs the real binary in a copy of its folder:
//   args: the command line after quorvane-cli (quotes group words)
//   stdin: a file of the folder to feed in (optional)
//   exit: the exit status
//   written: files the run writes, each equal to NAME.expected.FILE of the folder
//   unchanged: files the run must leave as they were
//   absent: files the run must not make
//   --- stdout / --- stderr: the whole output (none when the section is missing)
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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

std::vector<CommandCase> all_cases() {
    std::vector<CommandCase> cases;
    for (const char* command : {"diff", "build", "edit"}) {
        const QString folder = QStringLiteral(QUORVANE_TEST_DATA "/") + QLatin1String(command);
        for (const QString& name : QDir(folder).entryList({QStringLiteral("*.case")})) {
            cases.push_back(read_case(folder, name));
        }
    }
    return cases;
}

TEST(ThemeCommandCases, EachCaseGivesItsOutputAndFiles) {
    const std::vector<CommandCase> cases = all_cases();
    ASSERT_GE(cases.size(), 15u);
    for (const CommandCase& c : cases) {
        SCOPED_TRACE((c.folder + QLatin1Char('/') + c.name).toStdString());
        QTemporaryDir dir;
        for (const QString& file : QDir(c.folder).entryList(QDir::Files)) {
            ASSERT_TRUE(QFile::copy(c.folder + QLatin1Char('/') + file, dir.filePath(file)));
        }
        QProcess process;
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(QUORVANE_CLI), QProcess::splitCommand(c.headers["args"]));
        if (c.headers.contains(QStringLiteral("stdin"))) {
            process.write(file_bytes(dir.filePath(c.headers["stdin"])));
        }
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
    QProcess probe;
    probe.start(QStringLiteral("git"), {QStringLiteral("--version")});
    if (!probe.waitForFinished(60000) || probe.exitCode() != 0) {
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

    QProcess edit;
    edit.setWorkingDirectory(dir.path());
    edit.start(QStringLiteral(QUORVANE_CLI), {"edit", "theme.kmtf", "--where", "feature=WATER",
                                              "--set", "primary.day=#88BBEE", "--in-place"});
    ASSERT_TRUE(edit.waitForFinished(60000));
    ASSERT_EQ(edit.exitCode(), 0);
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
