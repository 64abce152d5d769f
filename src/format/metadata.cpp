#include "format/metadata.h"

#include "text/ascii_text.h"
#include "platform/messages.h"

namespace quorvane {

namespace {


// text_between_first_two on a text and name that are already upper case.
QByteArray text_between_first_two_upper(QByteArrayView text, QByteArrayView name) {
    const qsizetype p = find(text, name);
    if (p < 0) {
        return {};
    }
    const QByteArrayView rest = text.sliced(p + name.size());
    const qsizetype q = find(rest, name);
    if (q < 0) {
        return {};
    }
    QByteArray value = rest.first(q).toByteArray();
    value = remove_all(value, ">");
    value = remove_all(value, "<");
    return remove_all(value, "/");
}

}  // namespace

QByteArray text_between_first_two(QByteArrayView text, QByteArrayView name) {
    return text_between_first_two_upper(ascii_upper(text), ascii_upper(name));
}

void read_metadata(Metadata& metadata, QByteArrayView text, Messages& messages) {
    read_metadata_upper(metadata, ascii_upper(text), messages);
}

void read_metadata_upper(Metadata& metadata, QByteArrayView upper, Messages& messages) {
    const qsizetype start = find(upper, "METADATA");
    if (start < 0) {
        messages.tell(QStringLiteral("Oops no meta"));
        return;
    }
    // The values are searched from METADATA to the end of the whole text, not only in the block.
    const QByteArrayView m = upper.sliced(start);
    if (find(m, "/METADATA") < 0) {
        messages.tell(QStringLiteral("Oops no meta"));
        return;
    }
    metadata.title = QString::fromLatin1(text_between_first_two_upper(m, "TITLE"));
    metadata.description = QString::fromLatin1(text_between_first_two_upper(m, "DESCRIPTION"));
    // The locale list without its tag characters; only its first locale is kept.
    const QByteArray locales = text_between_first_two_upper(m, "LOCALELIST");
    metadata.locale = QString::fromLatin1(text_between_first_two_upper(locales, "LOCALE"));

    QByteArray version = text_between_first_two_upper(m, "VERSION");
    version = replace_all(version, "MAJORMINOR", ".");
    for (const char* noise : {"MAJOR", "MINOR", "\n", "\r", " "}) {
        version = remove_all(version, noise);
    }
    metadata.version = QString::fromLatin1(trim_spaces(version));
}

QString metadata_block(Metadata& metadata, Messages& messages) {
    if (metadata.title.isEmpty()) {
        messages.tell(QStringLiteral("Needs a Title"));
        return {};
    }
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
    const QString& v = metadata.version;
    QString major = v;
    QString minor = QStringLiteral("00");
    qsizetype p = v.indexOf(QLatin1Char('.'));
    if (p < 0) {
        p = v.indexOf(QLatin1Char(','));
    }
    if (p >= 0) {
        major = v.left(p);
        minor = v.mid(p + 1);
    }
    text += QStringLiteral("<Version><Major>") + major + QStringLiteral("</Major><Minor>") + minor +
            QStringLiteral("</Minor></Version>") + kCrLf;
    text += QStringLiteral("</METADATA>");
    return text;
}

}  // namespace quorvane
