// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "format/metadata.h"
#include "format/text_file.h"
#include "platform/busy_cursor.h"
#include "platform/messages.h"
#include "platform/once_messages.h"
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

void tell_border_errors(const Element& e, Messages& messages) {
    for (QChar c : e.border) {
        if (c.unicode() < 32) {
            messages.tell(QCoreApplication::translate("Writer", "Error with Border Height"));
        }
    }
}

}  // namespace

QString file_head() {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<GARMIN_MAP_THEME>\r\n");
}

QByteArray theme_text(const Theme& theme, const QString& meta, Messages& messages) {
    OnceMessages once(messages);
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
            tell_border_errors(cleaned, once);
            append_style(text, cleaned);
        } else {
            tell_border_errors(e, once);
            append_style(text, e);
        }
    }
    text << block_end << "</GARMIN_MAP_THEME>";
    return std::move(text.bytes);
}

SaveOutcome save_theme_file(const Theme& theme, const QString& path, Messages& messages,
                            BusyCursor& busy, bool ask_before_overwriting) {
    const QString meta = metadata_block(theme.metadata, messages);
    if (meta.isEmpty()) {
        return SaveOutcome::NoTitle;
    }
    if (ask_before_overwriting && QFileInfo::exists(path)) {
        if (!messages.ask(QCoreApplication::translate("Writer", "Overwrite existing file?"))) {
            return SaveOutcome::Declined;
        }
    }
    // The old file stays in place until the new text is complete.
    busy.busy_on();
    const bool written = write_theme_bytes(path, theme_text(theme, meta, messages), messages);
    busy.busy_off();
    return written ? SaveOutcome::Written : SaveOutcome::Failed;
}

bool write_theme_bytes(const QString& path, QByteArray text, Messages& messages) {
    QString error;
    text.append("\r\n");
    const bool written = replace_file_atomically(path, text, &error);
    if (!written) {
        messages.tell(write_failure_text(path, error));
    }
    const QFileInfo info(path);
    if (!info.isAbsolute() || !info.exists()) {
        messages.tell(QCoreApplication::translate("Writer", "Invalid file:") +
                      QDir::toNativeSeparators(path));
    }
    return written;
}

QByteArray recovery_bytes(const Theme& theme) {
    // Border errors are for Save to report; the copy keeps whatever the theme holds.
    class Silent : public Messages {
        void tell(const QString&) override {}
        bool ask(const QString&) override { return false; }
    } silent;
    QByteArray bytes = theme_text(theme, metadata_block_text(theme.metadata), silent);
    bytes.append("\r\n");
    return bytes;
}

}  // namespace quorvane
