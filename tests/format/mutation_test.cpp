// SPDX-License-Identifier: GPL-3.0-or-later
// Every test file and a few hundred broken themes made from them with a fixed seed: each is read,
// written and read again. Nothing may crash, the written theme must read back into as many
// Elements, and each Element must come back as it was written.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <random>

#include "format/metadata.h"
#include "format/reader.h"
#include "format/writer.h"
#include "support/printers.h"
#include "support/written_element.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

QList<QByteArray> test_themes() {
    QList<QByteArray> themes;
    for (const char* folder : {QUORVANE_TEST_DATA, QUORVANE_EXAMPLES}) {
        QDirIterator it(QLatin1String(folder), {QStringLiteral("*.kmtf")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly)) {
                themes.append(file.readAll());
            }
        }
    }
    return themes;
}

// Words of the format, spliced in to reach more of the reader than random bytes do.
const char* const kWords[] = {"<PRESENTATION",
                              "ID=\"",
                              "<STYLE",
                              "FIELD",
                              "field = \"",
                              "SCALE=",
                              "BORDER",
                              "PRIMARY",
                              "SECONDARY",
                              "DAY=",
                              "NIGHT=",
                              "#",
                              "/>",
                              ">",
                              "<",
                              "\"",
                              "\r",
                              "\n",
                              "  ",
                              "="};

QByteArray mutated(QByteArray text, std::mt19937& random) {
    const auto below = [&random](qsizetype n) {
        return n <= 0 ? qsizetype(0) : qsizetype(random() % quint32(n));
    };
    const int edits = 1 + int(below(4));
    for (int k = 0; k < edits; ++k) {
        const qsizetype at = below(text.size() + 1);
        switch (below(8)) {
            case 0:  // any byte value
                if (at < text.size()) {
                    text[at] = char(below(256));
                }
                break;
            case 1:
                text.insert(at, char(below(256)));
                break;
            case 2:
                text.remove(at, below(64));
                break;
            case 3:  // a piece repeated
                text.insert(at, text.mid(below(text.size()), below(200)));
                break;
            case 4:
                text.truncate(at);
                break;
            case 5:
                text.insert(at, kWords[below(std::size(kWords))]);
                break;
            case 6:  // other line ends
                text.replace("\r\n", below(2) == 0 ? "\r" : "");
                break;
            default:  // a NUL or control byte inside a value
                text.insert(at, char(below(32)));
                break;
        }
    }
    return text;
}

TEST(Mutations, ReadWriteReadKeepsTheElements) {
    const QList<QByteArray> themes = test_themes();
    ASSERT_FALSE(themes.isEmpty());
    std::mt19937 random(20240611);
    int compared = 0;
    // Every file as it is first, then the mutations.
    for (int n = 0; n < themes.size() + 600; ++n) {
        const QByteArray input = n < themes.size()
                                     ? themes[n]
                                     : mutated(themes[qsizetype(random() % themes.size())], random);
        SCOPED_TRACE(testing::Message() << "mutation " << n << ": "
                                        << input.left(300).toPercentEncoding().toStdString());
        MessageList messages;
        Theme first;
        parse_theme_text(first, input, messages);
        const QByteArray written = theme_text(first, metadata_block_text(first.metadata), messages);
        Theme second;
        parse_theme_text(second, written, messages);
        if (first.elements.empty()) {
            continue;
        }
        ASSERT_EQ(second.element_count(), first.element_count());
        for (int k = 0; k < first.element_count(); ++k) {
            if (!written_losslessly(first.elements[size_t(k)])) {
                continue;
            }
            ++compared;
            ASSERT_EQ(as_written_and_read(second.elements[size_t(k)]),
                      as_written_and_read(first.elements[size_t(k)]))
                << "element " << k;
        }
    }
    EXPECT_GT(compared, 1000);  // most mutations keep most Elements writable
}

}  // namespace
}  // namespace quorvane
