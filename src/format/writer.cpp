// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "format/metadata.h"
#include "format/text_file.h"
#include "format/writable_values.h"
#include "model/style_fields.h"
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
    // The old file stays in place until the new text is complete; the text goes to it in pieces,
    // hashed on the way when what the file holds is asked for.
    report_border_errors(theme, messages);
    AtomicFileWriter file(path);
    ContentIdentityBuilder identity;
    const bool done = file.open() &&
                      write_file_text(theme, meta,
                                      [&](QByteArrayView piece) {
                                          if (written != nullptr) {
                                              identity.add(piece);
                                          }
                                          return file.write(piece);
                                      }) &&
                      file.commit();
    report_write_outcome(path, done, file.error(), messages);
    if (done && written != nullptr) {
        *written = identity.identity(modification_ms(path));
    }
    return done ? SaveOutcome::Written : SaveOutcome::Failed;
}

int lines_saved_as_areas(const Theme& theme) {
    return int(std::count_if(theme.elements.begin(), theme.elements.end(),
                             [](const Element& e) { return e.border == QLatin1String("0"); }));
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
