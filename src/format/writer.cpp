// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "format/metadata.h"
#include "format/text_file.h"
#include "format/writable_values.h"
#include "model/style_fields.h"
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

bool ends_a_value(QChar c) {
    const char16_t u = c.unicode();
    return u == '"' || u == '<' || u == '>' || u == '\r' || u == '\n';
}

}  // namespace

QStringList unwritable_style_values(const Theme& theme) {
    QStringList problems;
    for (const Element& e : theme.elements) {
        for (const StyleField field : kStyleFields) {
            const QString& text = style_field_text(e, field);
            if (std::any_of(text.begin(), text.end(), ends_a_value)) {
                problems.append(
                    QCoreApplication::translate("Writer",
                                                "%1, %2, %3: %4 holds a quote, \"<\", \">\" or a "
                                                "line end, which would end it early in the file")
                        .arg(space_trimmed(e.presentation), e.field_name, style_field_key(field),
                             quoted_value(text.left(100))));
            }
        }
    }
    return problems;
}

QString unwritable_values_message(const Theme& theme) {
    constexpr qsizetype kListed = 10;
    const QStringList problems = unwritable_style_values(theme);
    if (problems.isEmpty()) {
        return {};
    }
    QString text =
        QCoreApplication::translate("Writer",
                                    "The theme was not saved: these values would not read back as "
                                    "they are:") +
        QLatin1Char('\n') + problems.mid(0, kListed).join(QLatin1Char('\n'));
    if (problems.size() > kListed) {
        text += QLatin1Char('\n') +
                QCoreApplication::translate("Writer", "and %1 more").arg(problems.size() - kListed);
    }
    return text;
}

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
                            ExistingFile existing, FileIdentity* written) {
    const QString meta = metadata_block(theme.metadata, messages);
    if (meta.isEmpty()) {
        return SaveOutcome::NoTitle;
    }
    const QString unwritable = unwritable_values_message(theme);
    if (!unwritable.isEmpty()) {
        messages.add(unwritable);
        return SaveOutcome::Unwritable;
    }
    // A link that leads nowhere yet is in the way as much as a file: writing through it creates
    // a file elsewhere.
    const QFileInfo in_the_way(path);
    if (existing == ExistingFile::Kept && (in_the_way.exists() || in_the_way.isSymLink())) {
        return SaveOutcome::FileExists;
    }
    // The old file stays in place until the new text is complete.
    const bool done = write_theme_bytes(path, theme_text(theme, meta, messages), messages, written);
    return done ? SaveOutcome::Written : SaveOutcome::Failed;
}

int lines_saved_as_areas(const Theme& theme) {
    return int(std::count_if(theme.elements.begin(), theme.elements.end(),
                             [](const Element& e) { return e.border == QLatin1String("0"); }));
}

QString overwrite_question() {
    return QCoreApplication::translate("Writer", "Overwrite existing file?");
}

bool write_theme_bytes(const QString& path, QByteArray text, MessageList& messages,
                       FileIdentity* identity) {
    QString error;
    text.append("\r\n");
    const bool written = replace_file_atomically(path, text, &error);
    if (!written) {
        messages.add(write_failure_text(path, error));
    } else if (identity != nullptr) {
        *identity = FileIdentity::of_bytes(text, modification_ms(path));
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
