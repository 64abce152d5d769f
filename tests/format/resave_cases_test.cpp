// SPDX-License-Identifier: GPL-3.0-or-later
// Every theme under tests/data/resave is read and written again; the written bytes must equal the
// .expected.kmtf beside it, and the written file must read back to the same Elements.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "format/reader.h"
#include "format/writer.h"
#include "support/printers.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

QString resave_dir() {
    return QStringLiteral(QUORVANE_TEST_DATA "/resave");
}

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    const QStringList files = QDir(resave_dir()).entryList({QStringLiteral("*.kmtf")});
    for (const QString& file : files) {
        if (!file.endsWith(QStringLiteral(".expected.kmtf"))) {
            names.push_back(file.chopped(5).toStdString());
        }
    }
    return names;
}

// What a written Element reads back as: no colour is written without its day colour, and a
// border of "0" is written as no border, without secondary colours.
Element as_written(Element e) {
    e.border.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    if (e.primary_day.isEmpty()) {
        e.primary_night.clear();
    }
    if (e.border == QStringLiteral("0")) {
        e.border.clear();
        e.sort_code -= 1;
        e.secondary_day.clear();
    }
    if (e.secondary_day.isEmpty()) {
        e.secondary_night.clear();
    }
    return e;
}

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ResaveCase : public testing::TestWithParam<std::string> {};

TEST_P(ResaveCase, WritesExpectedBytesAndReadsBack) {
    const QString base = resave_dir() + QLatin1Char('/') + QString::fromStdString(GetParam());
    Theme theme;
    MessageList messages;
    ASSERT_TRUE(read_theme_file(base + QStringLiteral(".kmtf"), theme, messages));
    const Theme read = theme;

    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.kmtf"));
    // A new file needs no question.
    EXPECT_EQ(save_theme_file(theme, out, messages, ExistingFile::Kept), SaveOutcome::Written);
    EXPECT_TRUE(messages.texts().isEmpty())
        << messages.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(theme, read);  // writing leaves the theme as it was
    EXPECT_EQ(file_bytes(out), file_bytes(base + QStringLiteral(".expected.kmtf")));

    Theme again;
    ASSERT_TRUE(read_theme_file(out, again, messages));
    ASSERT_EQ(again.element_count(), theme.element_count());
    for (int k = 0; k < theme.element_count(); ++k) {
        Element written = as_written(theme.elements[k]);
        Element read = again.elements[k];
        // Presentation names come back trimmed; the style text is what was read.
        EXPECT_EQ(read.presentation.trimmed(), written.presentation.trimmed());
        read.presentation = written.presentation;
        read.style_text = written.style_text;
        EXPECT_EQ(read, written) << "element " << k;
    }
    // Texts come back as written, defaults included.
    EXPECT_EQ(again.metadata.title, theme.metadata.title);
    EXPECT_EQ(again.metadata.description, theme.metadata.description.isEmpty()
                                              ? QStringLiteral("map theme")
                                              : theme.metadata.description);
    EXPECT_EQ(again.metadata.locale,
              theme.metadata.locale.isEmpty() ? QStringLiteral("Global") : theme.metadata.locale);
    // A comma version ("2,5") is written as major and minor and reads back with a point.
    EXPECT_EQ(again.metadata.version, QString(theme.metadata.version).replace(',', '.'));
}

// Saving what was read, reading that and saving again neither grows nor shrinks the theme: the
// second and third saves write the first save's bytes.
TEST_P(ResaveCase, ThreeSavesKeepElementsAndBytes) {
    const QString base = resave_dir() + QLatin1Char('/') + QString::fromStdString(GetParam());
    QTemporaryDir dir;
    MessageList messages;
    QString in = base + QStringLiteral(".kmtf");
    int first_count = -1;
    QByteArray first_bytes;
    for (int save = 1; save <= 3; ++save) {
        Theme theme;
        ASSERT_TRUE(read_theme_file(in, theme, messages));
        const QString out = dir.filePath(QStringLiteral("save%1.kmtf").arg(save));
        ASSERT_EQ(save_theme_file(theme, out, messages, ExistingFile::Replaced),
                  SaveOutcome::Written);
        if (save == 1) {
            first_count = theme.element_count();
            first_bytes = file_bytes(out);
        } else {
            EXPECT_EQ(theme.element_count(), first_count) << "save " << save;
            EXPECT_EQ(file_bytes(out), first_bytes) << "save " << save;
        }
        in = out;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ResaveCase, testing::ValuesIn(case_names()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

}  // namespace
}  // namespace quorvane
