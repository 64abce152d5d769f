// SPDX-License-Identifier: GPL-3.0-or-later
// Every theme file under tests/data/read is read as the open commands read it; the result must
// equal the JSON beside it (the current file name aside, which depends on where the tests run).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>

#include "format/reader.h"
#include "format/theme_json.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

QString read_dir() {
    return QStringLiteral(QUORVANE_TEST_DATA "/read");
}

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    for (const QString& file : QDir(read_dir()).entryList({QStringLiteral("*.kmtf")})) {
        names.push_back(file.chopped(5).toStdString());
    }
    return names;
}

class ReadCase : public testing::TestWithParam<std::string> {};

TEST_P(ReadCase, MatchesExpectedDump) {
    const QString base = read_dir() + QLatin1Char('/') + QString::fromStdString(GetParam());
    Theme theme;
    MessageList messages;
    ASSERT_TRUE(read_theme_file(base + QStringLiteral(".kmtf"), theme, messages));
    QJsonObject actual = theme_json(theme, QString(), messages.texts());
    // The dump is written piece by piece; it must be what the JSON document prints.
    QByteArray streamed;
    write_theme_json(theme, base, messages.texts(),
                     [&](const QByteArray& piece) { streamed += piece; });
    EXPECT_EQ(streamed, QJsonDocument(theme_json(theme, base, messages.texts())).toJson());
    actual.remove(QStringLiteral("file"));

    QFile expected_file(base + QStringLiteral(".json"));
    ASSERT_TRUE(expected_file.open(QIODevice::ReadOnly)) << "missing expected dump";
    QJsonObject expected = QJsonDocument::fromJson(expected_file.readAll()).object();
    expected.remove(QStringLiteral("file"));
    EXPECT_EQ(actual, expected) << QJsonDocument(actual).toJson().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Files, ReadCase, testing::ValuesIn(case_names()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

TEST(ThemeJson, EveryCharacterIsEscapedAsTheJsonDocumentDoesIt) {
    QString all;
    for (int c = 0; c < 256; ++c) {
        all += QChar(c);
    }
    all += QStringLiteral("\u20ac\U0001F600");
    Theme theme;
    theme.metadata.title = all;
    theme.elements.emplace_back();
    theme.elements[0].display_name = all;
    QByteArray streamed;
    write_theme_json(theme, all, {all}, [&](const QByteArray& piece) { streamed += piece; });
    EXPECT_EQ(streamed, QJsonDocument(theme_json(theme, all, {all})).toJson());
}

}  // namespace
}  // namespace quorvane
