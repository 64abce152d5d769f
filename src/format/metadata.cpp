// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/metadata.h"

#include <QCoreApplication>

#include "model/version_parts.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// The range between the first two occurrences of `name` in `upper` (both upper case), or an empty
// range at 0 when the name does not occur twice.
std::pair<qsizetype, qsizetype> range_between_first_two(QByteArrayView upper, QByteArrayView name) {
    const qsizetype p = find(upper, name);
    if (p < 0) {
        return {0, 0};
    }
    const qsizetype begin = p + name.size();
    const qsizetype q = find(upper, name, begin);
    if (q < 0) {
        return {0, 0};
    }
    return {begin, q};
}

QByteArray without_tag_characters(QByteArrayView text) {
    return remove_all(remove_all(remove_all(text, ">"), "<"), "/");
}

// A text searched in its upper-case form and cut from the original at the same places, so that
// values keep their letter case.
struct CasedText {
    QByteArrayView upper;
    QByteArrayView original;

    // The value between the first two occurrences of `name`, without "<", ">" and "/", as it
    // stands in the upper-case text and in the original.
    std::pair<QByteArray, QByteArray> value(QByteArrayView name) const {
        const auto [begin, end] = range_between_first_two(upper, name);
        return {without_tag_characters(upper.sliced(begin, end - begin)),
                without_tag_characters(original.sliced(begin, end - begin))};
    }
};

}  // namespace

QByteArray text_between_first_two(QByteArrayView text, QByteArrayView name) {
    const QByteArray upper = ascii_upper(text);
    const auto [begin, end] = range_between_first_two(upper, ascii_upper(name));
    return without_tag_characters(QByteArrayView(upper).sliced(begin, end - begin));
}

void read_metadata(Metadata& metadata, QByteArrayView text, MessageList& messages) {
    read_metadata(metadata, text, ascii_upper(text), messages);
}

void read_metadata(Metadata& metadata, QByteArrayView text, QByteArrayView upper,
                   MessageList& messages) {
    const qsizetype start = find(upper, "METADATA");
    if (start < 0) {
        messages.add(QCoreApplication::translate("Metadata", "Oops no meta"));
        return;
    }
    // The values are searched from METADATA to the end of the whole text, not only in the block.
    const CasedText m{upper.sliced(start), text.sliced(start)};
    if (find(m.upper, "/METADATA") < 0) {
        messages.add(QCoreApplication::translate("Metadata", "Oops no meta"));
        return;
    }
    metadata.title = QString::fromLatin1(m.value("TITLE").second);
    metadata.description = QString::fromLatin1(m.value("DESCRIPTION").second);
    // The locale list without its tag characters; only its first locale is kept.
    const auto [upper_locales, locales] = m.value("LOCALELIST");
    metadata.locale = QString::fromLatin1(CasedText{upper_locales, locales}.value("LOCALE").second);

    QByteArray version = m.value("VERSION").first;
    version = replace_all(version, "MAJORMINOR", ".");
    for (const char* noise : {"MAJOR", "MINOR", "\n", "\r", " "}) {
        version = remove_all(version, noise);
    }
    metadata.version = QString::fromLatin1(trim_spaces(version));
}

QString metadata_block(const Metadata& metadata, MessageList& messages) {
    if (metadata.title.isEmpty()) {
        messages.add(QCoreApplication::translate("Metadata", "Needs a Title"));
        return {};
    }
    return metadata_block_text(metadata);
}

QString metadata_block_text(const Metadata& given) {
    Metadata metadata = given;
    if (metadata.description.isEmpty()) {
        metadata.description = QStringLiteral("map theme");
    }
    if (metadata.locale.isEmpty()) {
        metadata.locale = QStringLiteral("Global");
    }
    QString text = QStringLiteral("<METADATA>") + kCrLf;
    text += QStringLiteral("<TITLE>") + metadata.title + QStringLiteral("</TITLE>") + kCrLf;
    text += QStringLiteral("<DESCRIPTION>") + metadata.description +
            QStringLiteral("</DESCRIPTION>") + kCrLf;
    text += QStringLiteral("<LOCALELIST>") + kCrLf;
    text += QStringLiteral("<locale>") + metadata.locale + QStringLiteral("</locale>") + kCrLf;
    text += QStringLiteral("</LOCALELIST>") + kCrLf;

    if (metadata.version.isEmpty()) {
        metadata.version = QStringLiteral("1.00");
    }
    const VersionParts version = version_parts(metadata.version);
    text += QStringLiteral("<Version><Major>") + version.major + QStringLiteral("</Major><Minor>") +
            version.minor + QStringLiteral("</Minor></Version>") + kCrLf;
    text += QStringLiteral("</METADATA>");
    return text;
}

}  // namespace quorvane
