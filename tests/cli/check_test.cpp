// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli check end to end: its lines, its JSON and its exit codes.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

namespace {

struct CheckRun {
    int exit_code = -1;
    QByteArray out;
    QByteArray err;
};

CheckRun check(const QStringList& args, const QByteArray& input = {}) {
    QProcess process;
    process.start(QStringLiteral(QUORVANE_CLI), QStringList{QStringLiteral("check")} + args);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString data(const char* name) {
    return QStringLiteral(QUORVANE_TEST_DATA "/check/") + QLatin1String(name) +
           QStringLiteral(".kmtf");
}

TEST(CliCheck, ExitCodesWithAndWithoutStrict) {
    const struct {
        QStringList files;
        int plain;
        int strict;
    } cases[] = {
        {{data("clean")}, 0, 0},
        {{data("low_contrast")}, 0, 0},     // hints only
        {{data("unknown_feature")}, 0, 1},  // a warning
        {{data("bad_colour")}, 1, 1},       // errors
        {{data("clean"), data("bad_colour")}, 1, 1},
        {{data("clean"), data("no_such_theme")}, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.files.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(check(c.files).exit_code, c.plain);
        EXPECT_EQ(check(c.files + QStringList{QStringLiteral("--strict")}).exit_code, c.strict);
    }
}

TEST(CliCheck, UsageErrors) {
    EXPECT_EQ(check({}).exit_code, 2);
    EXPECT_EQ(check({QStringLiteral("--json")}).exit_code, 2);
    EXPECT_EQ(check({data("clean"), QStringLiteral("--pedantic")}).exit_code, 2);
}

TEST(CliCheck, PrintsCompilerStyleLinesAndASummary) {
    const QString file = data("bad_colour");
    const CheckRun run = check({file});
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 4) << run.out.toStdString();
    EXPECT_TRUE(
        lines[0].startsWith(file.toUtf8() + ":13: error: The PRIMARY day colour \"ZZ0000\""))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(" [bad-colour]"));
    EXPECT_TRUE(lines[1].startsWith(file.toUtf8() + ":18: error: "));
    EXPECT_EQ(lines[2], "2 errors, 0 warnings, 0 hints in 1 file");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(check({data("clean")}).out, "0 errors, 0 warnings, 0 hints in 1 file\n");
}

TEST(CliCheck, JsonListsEveryFindingWithItsFields) {
    const CheckRun run =
        check({data("clean"), data("missing_feature"), data("duplicate_feature"), "--json"});
    ASSERT_EQ(run.exit_code, 0);
    const QJsonDocument document = QJsonDocument::fromJson(run.out);
    ASSERT_TRUE(document.isArray()) << run.out.toStdString();
    const QJsonArray findings = document.array();
    ASSERT_EQ(findings.size(), 2);
    const QJsonObject missing = findings[0].toObject();
    EXPECT_EQ(missing.keys(), (QStringList{"code", "element", "field_name", "file", "line",
                                           "message", "presentation", "severity"}));
    EXPECT_EQ(missing["file"].toString(), data("missing_feature"));
    EXPECT_EQ(missing["line"].toInt(), 43);
    EXPECT_EQ(missing["severity"].toString(), "hint");
    EXPECT_EQ(missing["code"].toString(), "missing-feature");
    EXPECT_TRUE(missing["element"].isNull());
    EXPECT_EQ(missing["field_name"].toString(), "MAP_ROAD_HWY_MJR_CLR");
    EXPECT_EQ(missing["presentation"].toString(), "TRAFFIC");
    const QJsonObject duplicate = findings[1].toObject();
    EXPECT_EQ(duplicate["element"].toInt(), 2);
    EXPECT_EQ(duplicate["line"].toInt(), 24);
    EXPECT_EQ(duplicate["severity"].toString(), "warning");
    EXPECT_EQ(duplicate["field_name"].toString(), "MAP_WATER_CLR");
    EXPECT_EQ(duplicate["presentation"].toString(), "GUIDANCE");
    EXPECT_TRUE(duplicate["message"].toString().contains("more than once in GUIDANCE"));

    // The metadata's findings name no element, feature or presentation.
    const CheckRun untitled = check({data("no_title"), "--json"});
    EXPECT_EQ(untitled.exit_code, 1);
    const QJsonObject no_title = QJsonDocument::fromJson(untitled.out).array()[0].toObject();
    EXPECT_EQ(no_title["line"].toInt(), 3);
    EXPECT_TRUE(no_title["element"].isNull());
    EXPECT_TRUE(no_title["field_name"].isNull());
    EXPECT_TRUE(no_title["presentation"].isNull());
}

TEST(CliCheck, ReadsStandardInputForADash) {
    QFile file(data("zero_border"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const CheckRun run = check({QStringLiteral("-")}, file.readAll());
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(run.out.startsWith("-:13: warning: ")) << run.out.toStdString();
    // Standard input is read once, however often it is named.
    file.seek(0);
    EXPECT_EQ(check({"-", "-"}, file.readAll()).out, run.out);
}

// An input that cannot be read is named with the reason, and the summary counts it apart: a
// summary over it would look clean.
TEST(CliCheck, InputsThatCannotBeReadAreNotCountedAsClean) {
    const QString folder = QStringLiteral(QUORVANE_TEST_DATA "/check");
    const struct {
        QStringList files;
        QByteArray out;
        QByteArray err;
    } cases[] = {
        {{folder}, "", "quorvane-cli: cannot read " + folder.toUtf8() + ": Is a directory\n"},
        {{data("clean"), folder},
         "0 errors, 0 warnings, 0 hints in 1 file; 1 not read\n",
         "quorvane-cli: cannot read " + folder.toUtf8() + ": Is a directory\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.files.join(' ').toStdString());
        const CheckRun run = check(c.files);
        EXPECT_EQ(run.exit_code, 2);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
}

}  // namespace
