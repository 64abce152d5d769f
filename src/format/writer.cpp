// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "format/metadata.h"
#include "format/text_file.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// Hands a large file text on in pieces of about this size, so that it never stands whole in
// memory.
constexpr qsizetype kPieceSize = qsizetype(1) << 20;

// Writes a text as ISO-8859-1 and returns its end. A character outside ISO-8859-1 (typed in a
// metadata field) becomes "?".
char* put_latin1(char* out, QStringView text) {
    for (const QChar c : text) {
        *out++ = c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?';
    }
    return out;
}

template <size_t size>
char* put_literal(char* out, const char (&text)[size]) {
    std::memcpy(out, text, size - 1);
    return out + size - 1;
}

char* put_colour_line(char* out, const char* tag, const QString& day, const QString& night) {
    out = put_literal(out, "<");
    out = std::copy(tag, tag + std::strlen(tag), out);
    out = put_latin1(put_literal(out, "      day = \"#"), day);
    out = put_literal(out, "\"");
    if (!night.isEmpty()) {
        out = put_latin1(put_literal(out, " night=\"#"), night);
        out = put_literal(out, "\"");
    }
    return put_literal(out, "/>\r\n");
}

// The text of one STYLE. `border` is the Element's border without CR and LF.
char* put_style(char* out, const Element& e, QStringView border) {
    out = put_latin1(put_literal(out, "\r\n<STYLE field = \""), e.field_name);
    out = put_literal(out, "\"");
    if (!e.scale.isEmpty()) {
        out = put_latin1(put_literal(out, " scale=\""), e.scale);
        out = put_literal(out, "\" ");
    }
    const bool zero_border = border == QLatin1String("0");
    if (!border.isEmpty() && !zero_border) {
        out = put_latin1(put_literal(out, " border=\""), border);
        out = put_literal(out, "\" ");
    }
    out = put_literal(out, ">\r\n <COLOR >\r\n");
    // No colour is written without its day colour.
    if (!e.primary_day.isEmpty()) {
        out = put_colour_line(out, "PRIMARY", e.primary_day, e.primary_night);
    }
    if (!e.secondary_day.isEmpty() && !zero_border) {
        out = put_colour_line(out, "SECONDARY", e.secondary_day, e.secondary_night);
    }
    return put_literal(out, " </COLOR >\r\n</STYLE>\r\n");
}

// Builds the file text at the end of `text`, Element by Element, each written in one piece into
// room made for it; pieces of kPieceSize or more are handed to `pass_on` as they fill up, when
// there is one.
class ThemeTextWriter {
  public:
    ThemeTextWriter(QByteArray& text, const std::function<bool(QByteArrayView)>* pass_on)
        : text_(text), pass_on_(pass_on) {}

    bool append(QStringView latin1) {
        put_latin1(room(latin1.size()), latin1);
        return handed_on();
    }

    bool append(const Element& e) {
        // CR and LF in a border are left out of the file.
        QString cleaned;
        QStringView border = e.border;
        if (border.contains(QLatin1Char('\r')) || border.contains(QLatin1Char('\n'))) {
            cleaned = e.border;
            cleaned.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
            border = cleaned;
        }
        // A new PRESENTATION block whenever the presentation changes; names read from a file
        // carry the spaces around them, names given here do not.
        const QStringView name = space_trimmed_view(e.presentation);
        const bool new_block = !in_block_ || name != current_;
        // The markup of a STYLE with every attribute and both colours, after the markup that
        // ends one block and starts the next, takes 222 bytes.
        const qsizetype most = 256 + (new_block ? name.size() : 0) + e.field_name.size() +
                               e.scale.size() + border.size() + e.primary_day.size() +
                               e.primary_night.size() + e.secondary_day.size() +
                               e.secondary_night.size();
        char* out = room(most);
        if (new_block) {
            if (in_block_) {
                out = put_literal(out, "</STYLELIST>\r\n</PRESENTATION>\r\n");
            }
            in_block_ = true;
            current_ = name;
            out = put_latin1(put_literal(out, "<PRESENTATION ID=\""), name);
            out = put_literal(out, "\" > \r\n<STYLELIST>\r\n");
        }
        text_.truncate(put_style(out, e, border) - text_.constData());
        return handed_on();
    }

    bool finish() {
        char* out = room(64);
        out = put_literal(out, "</STYLELIST>\r\n</PRESENTATION>\r\n</GARMIN_MAP_THEME>");
        text_.truncate(out - text_.constData());
        return pass_on_ == nullptr || text_.isEmpty() || pass_all_on();
    }

  private:
    // Room for `size` more bytes at the end of the text; truncate() to where they end.
    char* room(qsizetype size) {
        const qsizetype at = text_.size();
        text_.resize(at + size);
        return text_.data() + at;
    }
    bool handed_on() { return pass_on_ == nullptr || text_.size() < kPieceSize || pass_all_on(); }
    bool pass_all_on() {
        const bool passed = (*pass_on_)(text_);
        text_.resize(0);
        return passed;
    }

    QByteArray& text_;
    const std::function<bool(QByteArrayView)>* pass_on_;
    bool in_block_ = false;
    QStringView current_;
};

// The file text of theme_text, built at the end of `text`, or in pieces when `pass_on` is given.
bool build_theme_text(const Theme& theme, const QString& meta, QByteArray& text,
                      const std::function<bool(QByteArrayView)>* pass_on) {
    ThemeTextWriter writer(text, pass_on);
    if (!writer.append(file_head()) || !writer.append(meta) || !writer.append(u"\r\n")) {
        return false;
    }
    for (const Element& e : theme.elements) {
        if (!writer.append(e)) {
            return false;
        }
    }
    return writer.finish();
}

// write_theme_text without its messages.
bool write_file_text(const Theme& theme, const QString& meta,
                     const std::function<bool(QByteArrayView)>& write) {
    QByteArray piece;
    piece.reserve(kPieceSize + 4096);
    return build_theme_text(theme, meta, piece, &write) && write("\r\n");
}

// Control characters other than CR and LF in a border show "Error with Border Height" (once).
void report_border_errors(const Theme& theme, MessageList& messages) {
    for (const Element& e : theme.elements) {
        for (const QChar c : e.border) {
            if (c.unicode() < 32 && c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
                messages.add(QCoreApplication::translate("Writer", "Error with Border Height"));
                return;
            }
        }
    }
}

// What write_theme_bytes says after a write: the failure, and a path that is not absolute or has
// no file.
void report_write_outcome(const QString& path, bool written, const QString& error,
                          MessageList& messages) {
    if (!written) {
        messages.add(write_failure_text(path, error));
    }
    const QFileInfo info(path);
    if (!info.isAbsolute() || !info.exists()) {
        messages.add(QCoreApplication::translate("Writer", "Invalid file:") +
                     QDir::toNativeSeparators(path));
    }
}

}  // namespace

QString file_head() {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<GARMIN_MAP_THEME>\r\n");
}

QByteArray theme_text(const Theme& theme, const QString& meta, MessageList& messages) {
    report_border_errors(theme, messages);
    QByteArray text;
    text.reserve(qsizetype(theme.elements.size()) * 200 + meta.size() + 200);
    build_theme_text(theme, meta, text, nullptr);
    return text;
}

bool write_theme_text(const Theme& theme, const QString& meta, MessageList& messages,
                      const std::function<bool(QByteArrayView)>& write) {
    report_border_errors(theme, messages);
    return write_file_text(theme, meta, write);
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
    // The old file stays in place until the new text is complete; the text goes to it in pieces.
    report_border_errors(theme, messages);
    AtomicFileWriter file(path);
    const bool written =
        file.open() &&
        write_file_text(theme, meta, [&file](QByteArrayView piece) { return file.write(piece); }) &&
        file.commit();
    report_write_outcome(path, written, file.error(), messages);
    return written ? SaveOutcome::Written : SaveOutcome::Failed;
}

QString overwrite_question() {
    return QCoreApplication::translate("Writer", "Overwrite existing file?");
}

bool write_theme_bytes(const QString& path, QByteArray text, MessageList& messages) {
    QString error;
    text.append("\r\n");
    const bool written = replace_file_atomically(path, text, &error);
    report_write_outcome(path, written, error, messages);
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
