// SPDX-License-Identifier: GPL-3.0-or-later
// Every theme under tests/data/check is read as the open commands read it and checked; its
// findings (line, severity, code) must be those listed in the .findings file beside it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <set>

#include "format/reader.h"
#include "format/theme_lines.h"
#include "model/theme_check.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

QString data_dir(const char* folder) {
    return QStringLiteral(QUORVANE_TEST_DATA "/") + QLatin1String(folder);
}

std::vector<std::string> case_names(const char* folder) {
    std::vector<std::string> names;
    for (const QString& file : QDir(data_dir(folder)).entryList({QStringLiteral("*.kmtf")})) {
        names.push_back(file.chopped(5).toStdString());
    }
    return names;
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::string case_name(const testing::TestParamInfo<std::string>& info) {
    return info.param;
}

// "LINE SEVERITY CODE" per finding, in the checker's order.
QStringList findings_text(const QByteArray& bytes) {
    Theme theme;
    MessageList messages;
    parse_theme_text(theme, bytes, messages);
    const ThemeLines lines = find_theme_lines(bytes);
    QStringList text;
    for (const Finding& f : check_theme(theme)) {
        text.append(QStringLiteral("%1 %2 %3")
                        .arg(line_of(f, lines))
                        .arg(severity_name(f.severity()), f.code()));
    }
    return text;
}

QStringList expected_findings(const QString& path) {
    QStringList expected;
    for (const QString& line : QString::fromLatin1(file_bytes(path)).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#'))) {
            expected.append(line.trimmed());
        }
    }
    return expected;
}

class CheckCase : public testing::TestWithParam<std::string> {};

TEST_P(CheckCase, FindsWhatIsListedBesideIt) {
    const QString base = data_dir("check") + QLatin1Char('/') + QString::fromStdString(GetParam());
    const QByteArray bytes = file_bytes(base + QStringLiteral(".kmtf"));
    ASSERT_FALSE(bytes.isEmpty());
    ASSERT_TRUE(QFile::exists(base + QStringLiteral(".findings"))) << "missing expected findings";
    EXPECT_EQ(findings_text(bytes).join(QLatin1Char('\n')).toStdString(),
              expected_findings(base + QStringLiteral(".findings"))
                  .join(QLatin1Char('\n'))
                  .toStdString());
}

INSTANTIATE_TEST_SUITE_P(Files, CheckCase, testing::ValuesIn(case_names("check")), case_name);

TEST(CheckCases, CoverEveryCheckAndACleanTheme) {
    std::set<QString> covered;
    bool clean = false;
    for (const std::string& name : case_names("check")) {
        const QStringList expected =
            expected_findings(data_dir("check") + QLatin1Char('/') + QString::fromStdString(name) +
                              QStringLiteral(".findings"));
        clean = clean || expected.isEmpty();
        for (const QString& finding : expected) {
            covered.insert(finding.section(QLatin1Char(' '), 2));
        }
    }
    EXPECT_TRUE(clean);
    for (Check check : all_checks()) {
        EXPECT_TRUE(covered.count(code_of(check))) << code_of(check).toStdString();
    }
}

// The lines are found by a walk of their own: on every reader case it must meet the Elements the
// reader makes, one STYLE tag each, in their order.
class StyleLinesOfReadCase : public testing::TestWithParam<std::string> {};

TEST_P(StyleLinesOfReadCase, OneStyleTagPerElement) {
    const QByteArray bytes =
        file_bytes(data_dir("read") + QLatin1Char('/') + QString::fromStdString(GetParam()) +
                   QStringLiteral(".kmtf"));
    Theme theme;
    MessageList messages;
    parse_theme_text(theme, bytes, messages);
    const ThemeLines lines = find_theme_lines(bytes);
    ASSERT_EQ(lines.styles.size(), theme.elements.size());
    const QList<QByteArray> file_lines = bytes.split('\n');
    for (size_t k = 0; k < lines.styles.size(); ++k) {
        ASSERT_GE(lines.styles[k], 1);
        ASSERT_LE(lines.styles[k], file_lines.size());
        const QByteArray line = file_lines[lines.styles[k] - 1].toUpper();
        EXPECT_TRUE(line.contains("<STYLE")) << "element " << k << ": " << line.toStdString();
        // The field name stands on the same line in every case.
        EXPECT_TRUE(line.contains(theme.elements[k].field_name.toLatin1()))
            << "element " << k << ": " << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, StyleLinesOfReadCase, testing::ValuesIn(case_names("read")),
                         case_name);

TEST(ThemeLines, MetadataAndNoText) {
    const ThemeLines lines = find_theme_lines("<X>\r\n\r\n<metadata >\r\n</METADATA>\r\n");
    EXPECT_EQ(lines.metadata, 3);
    EXPECT_TRUE(lines.styles.empty());
    EXPECT_EQ(find_theme_lines("").metadata, 0);
    // A theme finding without a METADATA block points at the first line.
    Finding theme_finding;
    EXPECT_EQ(line_of(theme_finding, find_theme_lines("<PRESENTATION>")), 1);
}

}  // namespace
}  // namespace quorvane
