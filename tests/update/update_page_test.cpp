// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "update/update_page.h"

namespace quorvane {
namespace {

QByteArray read_all(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Each page in the folder sits beside the fetched version expected from it.
TEST(CutVersion, PagesInTheFolderGiveTheTextBesideThem) {
    const QDir folder(QStringLiteral(QUORVANE_TEST_DATA "/update_page"));
    const QStringList pages = folder.entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    for (const QString& page : pages) {
        const QString expected_path =
            folder.filePath(page.chopped(5) + QStringLiteral(".expected"));
        EXPECT_EQ(cut_version(read_all(folder.filePath(page))),
                  QString::fromLatin1(read_all(expected_path)))
            << page.toStdString();
    }
}

TEST(CutVersion, ReadsOnlyTheFirstThousandBytes) {
    const QByteArray page = QByteArray(1500, 'x') + "<body>1.21</body>";
    EXPECT_EQ(cut_version(page), QString(1000, QLatin1Char('x')));
    EXPECT_EQ(cut_version(QByteArray(999, ' ') + "7"), QStringLiteral("7"));
    EXPECT_EQ(cut_version(QByteArray(1000, ' ') + "7"), QString());
}

TEST(CutVersion, KeepsEveryByteValueButBlanks) {
    EXPECT_EQ(cut_version("<body>\xe9 1.3\t</body>"), QStringLiteral("\u00e9"
                                                                     "1.3\t"));
}

TEST(VersionValue, IsTheLeadingDecimalNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1.21", 1.21},
        {"1.20", 1.2},
        {"  1.21  ", 1.21},
        {"\n1.21\n", 1.21},
        {"\r\n1.21\r\n", 1.21},
        {"1.\t2 1", 1.21},
        {"1.2beta", 1.2},
        {"1.2.3", 1.2},
        {"12", 12},
        {".5", 0.5},
        {"2.", 2},
        {"1,5", 1},
        {"-1.5", -1.5},
        {"", 0},
        {"beta", 0},
        {".", 0},
        {"<HTML><BODY>1.21", 0},
        {"v1.21", 0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(version_value(QString::fromLatin1(c.text)), c.value) << c.text;
    }
}

TEST(NewerVersion, OnlyANumericallyHigherVersionCounts) {
    EXPECT_TRUE(newer_version("1.20", "1.21"));
    EXPECT_TRUE(newer_version("1.20", "2"));
    EXPECT_FALSE(newer_version("1.20", "1.20"));
    EXPECT_FALSE(newer_version("1.20", "1.2"));
    EXPECT_FALSE(newer_version("1.20", "1.1"));
    EXPECT_FALSE(newer_version("1.20", "1.2beta"));
    EXPECT_FALSE(newer_version("1.20", ""));
    EXPECT_FALSE(newer_version("1.20", "<HTML><BODY>1.21"));
}

}  // namespace
}  // namespace quorvane
