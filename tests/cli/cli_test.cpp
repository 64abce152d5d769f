// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli end to end: the real binary, its exit codes, its output and the files it writes.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/stat.h>

#include "support/pipe_reader_watch.h"

namespace {

struct CliRun {
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

CliRun cli(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(QUORVANE_CLI), args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString data(const char* path) {
    return QStringLiteral(QUORVANE_TEST_DATA "/") + path;
}
QString demo() {
    return QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf");
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A run whose address space is limited, as on a machine without the memory for its input.
CliRun cli_with_memory_limit(const QStringList& args, rlim_t bytes) {
    QProcess process;
    process.setChildProcessModifier([bytes] {
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    process.start(QStringLiteral(QUORVANE_CLI), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(CliMemory, InputTooLargeForMemoryIsReportedNotAborted) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any such limit";
#endif
    // A sparse file larger than the whole address space the run gets: it takes no disk.
    QTemporaryDir dir;
    const QString huge = dir.filePath(QStringLiteral("huge.kmtf"));
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(1536) << 20));
    file.close();
    const rlim_t limit = rlim_t(1024) << 20;
    for (const char* command : {"dump", "render"}) {
        SCOPED_TRACE(command);
        QStringList args{QString::fromLatin1(command), huge};
        if (QLatin1String(command) == QLatin1String("render")) {
            args << dir.filePath(QStringLiteral("huge.png"));
        }
        const CliRun run = cli_with_memory_limit(args, limit);
        EXPECT_EQ(run.exit_code, 2);
        EXPECT_TRUE(run.err.contains((huge + QStringLiteral(" is too large to read")).toUtf8()))
            << run.err.toStdString();
    }
    // The same limit leaves room for an ordinary theme.
    EXPECT_EQ(cli_with_memory_limit({QStringLiteral("dump"), demo()}, limit).exit_code, 0);
}

TEST(CliMessages, KeepEveryByteOfTheFileText) {
    // Without PRESENTATION the whole text of a theme is shown, NUL and all.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nul.kmtf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray("STYLE before\0after\x01"
                   "end",
                   22));
    file.close();
    const CliRun run = cli({QStringLiteral("dump"), path});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(
        run.err.contains(QByteArray("STYLE before\0after\x01"
                                    "end\n",
                                    23)))
        << run.err.size();
}

// A file with no METADATA, PRESENTATION or STYLE is no theme: every command says so once and
// exits 2, from a file or from standard input.
TEST(CliMessages, AFileThatIsNoThemeIsRefused) {
    QTemporaryDir dir;
    const QString letter = dir.filePath(QStringLiteral("letter.kmtf"));
    QFile file(letter);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Dear reader,\nthis is a letter.\n");
    file.close();
    const QByteArray said = letter.toUtf8() + " is not a map theme\n";
    const struct {
        QStringList args;
        QByteArray input;
        QByteArray err;
    } cases[] = {
        {{"dump", letter}, {}, said},
        {{"check", letter}, {}, said},
        {{"resave", letter, dir.filePath("out.kmtf")}, {}, said},
        {{"render", letter, dir.filePath("out.png")}, {}, said},
        {{"dump", "-"}, "Dear reader", "standard input is not a map theme\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun run = cli(c.args, c.input);
        EXPECT_EQ(run.exit_code, 2);
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("out.kmtf")));
    EXPECT_FALSE(QFile::exists(dir.filePath("out.png")));
}

TEST(CliUsage, HelpAndErrors) {
    const CliRun help = cli({QStringLiteral("--help")});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_TRUE(help.out.contains("dump FILE"));
    EXPECT_TRUE(help.out.contains("resave IN OUT [--force]"));
    EXPECT_EQ(cli({}).exit_code, 2);
    EXPECT_EQ(cli({QStringLiteral("frobnicate")}).exit_code, 2);
    EXPECT_EQ(cli({QStringLiteral("dump")}).exit_code, 2);
    EXPECT_EQ(cli({QStringLiteral("resave"), demo()}).exit_code, 2);
}

TEST(CliUsage, VersionHelpPerCommandAndUnknownOptions) {
    const struct {
        QStringList args;
        int exit_code;
        const char* out_part;
        const char* err_part;
    } cases[] = {
        {{"--version"}, 0, "quorvane-cli 1.20\n", ""},
        {{"-v"}, 0, "quorvane-cli 1.20", ""},
        {{"help"}, 0, "Usage: quorvane-cli", ""},
        {{"help", "resave"}, 0, "resave IN OUT [--force]", ""},
        {{"help", "nothing"}, 2, "", "unknown command nothing"},
        {{"--frobnicate"}, 2, "", "Unknown option 'frobnicate'"},
        {{"dump", "--frobnicate"}, 2, "", "dump takes one FILE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun run = cli(c.args);
        EXPECT_EQ(run.exit_code, c.exit_code);
        EXPECT_TRUE(run.out.contains(c.out_part)) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(c.err_part)) << run.err.toStdString();
    }
    // Only the named command's part of the help.
    EXPECT_FALSE(cli({"help", "resave"}).out.contains("dump FILE"));
}

TEST(CliUsage, FailuresNameThePathAndTheSystemsReason) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("no such.kmtf");
    const CliRun gone = cli({"dump", missing});
    EXPECT_EQ(gone.exit_code, 2);
    EXPECT_EQ(gone.err,
              "quorvane-cli: cannot read " + missing.toUtf8() + ": No such file or directory\n");
    const CliRun folder = cli({"resave", dir.path(), dir.filePath("out.kmtf")});
    EXPECT_EQ(folder.exit_code, 2);
    EXPECT_TRUE(folder.err.endsWith(": Is a directory\n")) << folder.err.toStdString();
}

// A command whose output cannot be written says so and fails, whatever it was writing.
TEST(CliUsage, OutputThatCannotBeWrittenIsAFailure) {
    for (const char* command :
         {"check DEMO", "check --json DEMO", "dump DEMO", "resave DEMO -", "render DEMO -",
          "diff DEMO NEW", "edit DEMO --set scale=2 --dry-run", "edit DEMO --set scale=2 -o -",
          "--help", "--version"}) {
        SCOPED_TRACE(command);
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(QUORVANE_CLI), QString::fromLatin1(command)
                                                        .replace("DEMO", demo())
                                                        .replace("NEW", data("diff/new.kmtf"))
                                                        .split(' '));
        process.waitForFinished(60000);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(process.readAllStandardError().contains(
            "quorvane-cli: cannot write to standard output: No space left on device\n"));
    }
}

// A pipe named as input would wait for a writer: it is refused at once, as is a device.
TEST(CliUsage, APipeOrDeviceIsNoInputFile) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.kmtf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const quorvane::PipeReaderWatch pipe_watch(pipe);
    for (const char* command : {"dump PIPE", "resave PIPE OUT.kmtf", "render PIPE OUT.png",
                                "check PIPE", "build PIPE OUT.kmtf", "dump /dev/zero"}) {
        SCOPED_TRACE(command);
        const QStringList args = QString::fromLatin1(command)
                                     .replace("PIPE", pipe)
                                     .replace("OUT", dir.filePath("out"))
                                     .split(' ');
        const CliRun run = cli(args);
        EXPECT_EQ(run.exit_code, 2);
        EXPECT_EQ(run.err, "quorvane-cli: " + args[1].toUtf8() + " is not a regular file\n");
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_FALSE(pipe_watch.reader_seen());
}

// "-" is standard input for every input and standard output for resave's OUT.
TEST(CliStandardStreams, DumpAndResaveReadAndWriteThem) {
    const QByteArray demo_bytes = file_bytes(demo());
    const CliRun dumped = cli({"dump", "-"}, demo_bytes);
    ASSERT_EQ(dumped.exit_code, 0) << dumped.err.toStdString();
    const QJsonObject dump = QJsonDocument::fromJson(dumped.out).object();
    EXPECT_EQ(dump["file"].toString(), "-");
    EXPECT_EQ(dump["presentations"].toArray().size(), 6);

    const CliRun piped = cli({"resave", "-", "-"}, demo_bytes);
    EXPECT_EQ(piped.exit_code, 0) << piped.err.toStdString();
    EXPECT_EQ(piped.out, demo_bytes);
    const CliRun rendered = cli({"render", "-", "-", "--night"}, demo_bytes);
    EXPECT_EQ(rendered.exit_code, 0) << rendered.err.toStdString();
    EXPECT_FALSE(QImage::fromData(rendered.out, "PNG").isNull());

    const CliRun untitled = cli({"resave", data("cli/untitled.kmtf"), "-"});
    EXPECT_EQ(untitled.exit_code, 1);
    EXPECT_TRUE(untitled.out.isEmpty());
}

TEST(CliDump, PrintsTheThemeAsJson) {
    const CliRun run = cli({QStringLiteral("dump"), data("read/unknown_presentation.kmtf")});
    ASSERT_EQ(run.exit_code, 0) << run.err.toStdString();
    const QJsonObject dump = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(dump[QStringLiteral("file")].toString(), data("read/unknown_presentation.kmtf"));
    EXPECT_EQ(dump[QStringLiteral("metadata")][QStringLiteral("title")].toString(), "Test theme");
    EXPECT_EQ(dump[QStringLiteral("list")][0].toString(), " NIGHT DRIVE\r");
    const QJsonArray elements = dump[QStringLiteral("elements")].toArray();
    ASSERT_EQ(elements.size(), 2);
    EXPECT_EQ(elements[1][QStringLiteral("sort_code")].toInt(), 1);
    EXPECT_EQ(elements[1][QStringLiteral("display_name")].toString(), "ROAD DIM ");
    EXPECT_EQ(dump[QStringLiteral("messages")].toArray(), QJsonArray{" NIGHT DRIVE"});
    // The message the editor would show in a box, once, on stderr.
    EXPECT_EQ(run.err, " NIGHT DRIVE\n");
}

TEST(CliDump, MissingFileExitsTwo) {
    const CliRun run = cli({QStringLiteral("dump"), data("read/no_such_file.kmtf")});
    EXPECT_EQ(run.exit_code, 2);
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CliDump, DemoThemeReadsCleanly) {
    const CliRun run = cli({QStringLiteral("dump"), demo()});
    ASSERT_EQ(run.exit_code, 0);
    const QJsonObject dump = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(dump[QStringLiteral("presentations")].toArray().size(), 6);
    EXPECT_GT(dump[QStringLiteral("elements")].toArray().size(), 60);
    EXPECT_TRUE(dump[QStringLiteral("messages")].toArray().isEmpty());
}

class CliResave : public testing::Test {
  protected:
    QTemporaryDir dir;
    QString out = dir.filePath(QStringLiteral("out.kmtf"));
};

TEST_F(CliResave, DemoThemeIsWrittenBackByteForByte) {
    const CliRun run = cli({QStringLiteral("resave"), demo(), out});
    EXPECT_EQ(run.exit_code, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(file_bytes(out), file_bytes(demo()));
}

TEST_F(CliResave, ExistingOutNeedsForce) {
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();

    const CliRun refused = cli({QStringLiteral("resave"), demo(), out});
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_EQ(file_bytes(out), "keep me");

    const CliRun forced = cli({QStringLiteral("resave"), demo(), out, QStringLiteral("--force")});
    EXPECT_EQ(forced.exit_code, 0);
    EXPECT_EQ(file_bytes(out), file_bytes(demo()));
}

TEST_F(CliResave, EmptyThemeIsRefused) {
    const CliRun run = cli({QStringLiteral("resave"), data("read/no_styles.kmtf"), out});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, "No polygons or lines found\nNo data to save\n");
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(CliResave, ThemeWithoutTitleIsRefused) {
    const CliRun run = cli({QStringLiteral("resave"), data("cli/untitled.kmtf"), out});
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, "Needs a Title\n");
    EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
