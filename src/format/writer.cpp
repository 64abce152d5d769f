// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "format/metadata.h"
#include "format/text_file.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// The file text as ISO-8859-1 bytes, built piece by piece: a large theme becomes one buffer
// without temporaries. A character outside ISO-8859-1 (typed in a metadata field) becomes "?".
class Latin1Text {
  public:
    explicit Latin1Text(qsizetype expected) { bytes.reserve(expected); }

    Latin1Text& operator<<(const char* literal) {
        bytes.append(literal);
        return *this;
    }
    Latin1Text& operator<<(const QString& text) {
        const qsizetype at = bytes.size();
        bytes.resize(at + text.size());
        char* out = bytes.data() + at;
        for (QChar c : text) {
            *out++ = c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?';
        }
        return *this;
    }

    QByteArray bytes;
};

void append_colour_line(Latin1Text& text, const char* tag, const QString& day,
                        const QString& night) {
    text << "<" << tag << "      day = \"#" << day << "\"";
    if (!night.isEmpty()) {
        text << " night=\"#" << night << "\"";
    }
    text << "/>\r\n";
}

void append_style(Latin1Text& text, const Element& e) {
    text << "\r\n<STYLE field = \"" << e.field_name << "\"";
    if (!e.scale.isEmpty()) {
        text << " scale=\"" << e.scale << "\" ";
    }
    const bool zero_border = e.border == QLatin1String("0");
    if (!e.border.isEmpty() && !zero_border) {
        text << " border=\"" << e.border << "\" ";
    }
    text << ">\r\n <COLOR >\r\n";
    // No colour is written without its day colour.
    if (!e.primary_day.isEmpty()) {
        append_colour_line(text, "PRIMARY", e.primary_day, e.primary_night);
    }
    if (!e.secondary_day.isEmpty() && !zero_border) {
        append_colour_line(text, "SECONDARY", e.secondary_day, e.secondary_night);
    }
    text << " </COLOR >\r\n</STYLE>\r\n";
}

void report_border_errors(const Element& e, MessageList& messages) {
    for (QChar c : e.border) {
        if (c.unicode() < 32) {
            messages.add(QCoreApplication::translate("Writer", "Error with Border Height"));
        }
    }
}

}  // namespace

QString file_head() {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<GARMIN_MAP_THEME>\r\n");
}

QByteArray theme_text(const Theme& theme, const QString& meta, MessageList& messages) {
    MessageList once(MessageList::Repeats::Dropped);
    Latin1Text text(qsizetype(theme.elements.size()) * 200 + meta.size() + 200);
    text << file_head() << meta << "\r\n";
    const char* const block_end = "</STYLELIST>\r\n</PRESENTATION>\r\n";
    bool in_block = false;
    QStringView current;
    for (const Element& e : theme.elements) {
        // A new PRESENTATION block whenever the presentation changes; names read from a file
        // carry the spaces around them, names given here do not.
        const QStringView name = space_trimmed_view(e.presentation);
        if (!in_block || name != current) {
            if (in_block) {
                text << block_end;
            }
            in_block = true;
            current = name;
            text << "<PRESENTATION ID=\"" << space_trimmed(e.presentation)
                 << "\" > \r\n<STYLELIST>\r\n";
        }
        if (e.border.contains(QLatin1Char('\r')) || e.border.contains(QLatin1Char('\n'))) {
            Element cleaned = e;
            cleaned.border.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
            report_border_errors(cleaned, once);
            append_style(text, cleaned);
        } else {
            report_border_errors(e, once);
            append_style(text, e);
        }
    }
    text << block_end << "</GARMIN_MAP_THEME>";
    messages.add(once);
    return std::move(text.bytes);
}

SaveOutcome save_theme_file(const Theme& theme, const QString& path, MessageList& messages,
                            ExistingFile existing) {
    const QString meta = metadata_block(theme.metadata, messages);
    if (meta.isEmpty()) {
        return SaveOutcome::NoTitle;
    }
    if (existing == ExistingFile::Kept && QFileInfo::exists(path)) {
        return SaveOutcome::FileExists;
    }
    // The old file stays in place until the new text is complete.
    const bool written = write_theme_bytes(path, theme_text(theme, meta, messages), messages);
    return written ? SaveOutcome::Written : SaveOutcome::Failed;
}

QString overwrite_question() {
    return QCoreApplication::translate("Writer", "Overwrite existing file?");
}

bool write_theme_bytes(const QString& path, QByteArray text, MessageList& messages) {
    QString error;
    text.append("\r\n");
    const bool written = replace_file_atomically(path, text, &error);
    if (!written) {
        messages.add(write_failure_text(path, error));
    }
    const QFileInfo info(path);
    if (!info.isAbsolute() || !info.exists()) {
        messages.add(QCoreApplication::translate("Writer", "Invalid file:") +
                     QDir::toNativeSeparators(path));
    }
    return written;
}

QByteArray recovery_bytes(const Theme& theme) {
    // Border errors are for Save to report; the copy keeps whatever the theme holds.
    MessageList unreported;
    QByteArray bytes = theme_text(theme, metadata_block_text(theme.metadata), unreported);
    bytes.append("\r\n");
    return bytes;
}

}  // namespace quorvane
