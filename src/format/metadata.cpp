// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/metadata.h"

#include <QCoreApplication>

#include "model/version_parts.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// The range between the first two occurrences of `name` (upper case) in `text` read upper-cased,
// or an empty range at 0 when the name does not occur twice.
std::pair<qsizetype, qsizetype> range_between_first_two(QByteArrayView text, QByteArrayView name) {
    const qsizetype p = find_ascii_upper(text, name);
    if (p < 0) {
        return {0, 0};
    }
    const qsizetype begin = p + name.size();
    const qsizetype q = find_ascii_upper(text, name, begin);
    if (q < 0) {
        return {0, 0};
    }
    return {begin, q};
}

QByteArray without_tag_characters(QByteArrayView text) {
    return remove_all(remove_all(remove_all(text, ">"), "<"), "/");
}

// The value between the first two occurrences of `name`, without "<", ">" and "/", in the
// letter case of the text: the search matches as on the upper-cased text.
QByteArray cased_value(QByteArrayView text, QByteArrayView name) {
    const auto [begin, end] = range_between_first_two(text, name);
    return without_tag_characters(text.sliced(begin, end - begin));
}

}  // namespace

QByteArray text_between_first_two(QByteArrayView text, QByteArrayView name) {
    return ascii_upper(cased_value(text, ascii_upper(name)));
}

void read_metadata(Metadata& metadata, QByteArrayView text, MessageList& messages) {
    const qsizetype start = find_ascii_upper(text, "METADATA");
    if (start < 0) {
        messages.add(QCoreApplication::translate("Metadata", "Oops no meta"));
        return;
    }
    // The values are searched from METADATA to the end of the whole text, not only in the block.
    const QByteArrayView m = text.sliced(start);
    if (find_ascii_upper(m, "/METADATA") < 0) {
        messages.add(QCoreApplication::translate("Metadata", "Oops no meta"));
        return;
    }
    metadata.title = QString::fromLatin1(cased_value(m, "TITLE"));
    metadata.description = QString::fromLatin1(cased_value(m, "DESCRIPTION"));
    // The locale list without its tag characters; only its first locale is kept.
    metadata.locale = QString::fromLatin1(cased_value(cased_value(m, "LOCALELIST"), "LOCALE"));

    QByteArray version = ascii_upper(cased_value(m, "VERSION"));
    version = replace_all(version, "MAJORMINOR", ".");
    for (const char* noise : {"MAJOR", "MINOR", "\n", "\r", " "}) {
        version = remove_all(version, noise);
    }
    metadata.version = QString::fromLatin1(trim_spaces(version));
}

void read_metadata(Metadata& metadata, QByteArrayView text, QByteArrayView upper,
                   MessageList& messages) {
    // The search no longer needs the upper-cased text; kept for the callers that have one.
    (void)upper;
    read_metadata(metadata, text, messages);
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
