// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "format/metadata.h"
#include "format/theme_lines.h"
#include "model/presentations.h"
#include "platform/messages.h"
#include "platform/once_messages.h"
#include "text/ascii_text.h"
#include "text/latin1_string_pool.h"

namespace quorvane {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The colour value of a DAY= or NIGHT= attribute in a tag text without quote characters: the
// (at most six) characters after "#" up to the end of the attribute (a space or the tag's "/"),
// or without "#" the run of hexadecimal digits at the start of the value. Any other byte, even a
// NUL or a control character, is part of the value and is written back as it was read.
QByteArrayView colour_value(QByteArrayView tag, QByteArrayView word) {
    const qsizetype at = find(tag, word);
    if (at < 0) {
        return {};
    }
    qsizetype i = at + word.size();
    while (i < tag.size() && is_blank(tag[i])) {
        ++i;
    }
    if (i < tag.size() && tag[i] == '=') {
        ++i;
    }
    while (i < tag.size() && is_blank(tag[i])) {
        ++i;
    }
    qsizetype begin = i;
    qsizetype end = i;
    if (i < tag.size() && tag[i] == '#') {
        begin = end = i + 1;
        while (end < tag.size() && end - begin < 6 && tag[end] != '/' && tag[end] != ' ') {
            ++end;
        }
    } else {
        while (end < tag.size() && end - begin < 6 && is_hex_digit(tag[end])) {
            ++end;
        }
    }
    return tag.sliced(begin, end - begin);
}

// Cuts an attribute value that starts at `from`: up to the first space, with every ">" counted
// as a space and every quote character removed. A value quoted only at its ends (the usual
// `"1"`) is returned as a view; anything else is cut into `storage`.
QByteArrayView attribute_view(QByteArrayView style, qsizetype from, std::string& storage) {
    QByteArrayView rest = from < style.size() ? style.sliced(from) : QByteArrayView();
    qsizetype end = 0;
    while (end < rest.size() && rest[end] != ' ' && rest[end] != '>') {
        ++end;
    }
    QByteArrayView value = rest.first(end);
    if (!value.isEmpty() && value.front() == '"') {
        value = value.sliced(1);
    }
    if (!value.isEmpty() && value.back() == '"') {
        value.chop(1);
    }
    if (value.indexOf('"') < 0) {
        return value;
    }
    storage.clear();
    for (const char c : rest.first(end)) {
        if (c != '"') {
            storage.push_back(c);
        }
    }
    return QByteArrayView(storage.data(), qsizetype(storage.size()));
}

// Removes every occurrence of `what` in one left-to-right pass, as remove_all does, in place.
void erase_all(std::string& text, QByteArrayView what) {
    const QByteArrayView all(text.data(), qsizetype(text.size()));
    qsizetype kept = 0;
    qsizetype from = 0;
    for (qsizetype at = find(all, what); at >= 0; at = find(all, what, from)) {
        std::memmove(text.data() + kept, text.data() + from, size_t(at - from));
        kept += at - from;
        from = at + what.size();
    }
    std::memmove(text.data() + kept, text.data() + from, text.size() - size_t(from));
    text.resize(size_t(kept + all.size() - from));
}

// The label of a FIELD tag text (from FIELD up to its ">"): without "FIELD=", the quotes, "_CLR"
// and "MAP_", removed in that order, with "_" read as a space and cut before "SCALE=".
QByteArrayView display_name(QByteArrayView tag, std::string& storage) {
    storage.assign(tag.data(), size_t(tag.size()));
    for (const char* part : {"FIELD=", "\"", "_CLR", "MAP_"}) {
        erase_all(storage, part);
    }
    std::replace(storage.begin(), storage.end(), '_', ' ');
    const QByteArrayView name(storage.data(), qsizetype(storage.size()));
    const qsizetype scale = find(name, "SCALE=");
    return scale >= 0 ? name.first(scale) : name;
}

// A tag text without its quote characters.
QByteArrayView without_quotes(QByteArrayView tag, std::string& storage) {
    storage.clear();
    for (const char c : tag) {
        if (c != '"') {
            storage.push_back(c);
        }
    }
    return QByteArrayView(storage.data(), qsizetype(storage.size()));
}

// style_field_name without a copy: the value as it stands in the style text.
QByteArrayView style_field_view(QByteArrayView style, Messages& messages) {
    const qsizetype end = style.indexOf('>');
    if (end < 0) {
        messages.tell(QCoreApplication::translate("Reader", "Can't find type!"));
        return {};
    }
    QByteArrayView tag = style.first(end);
    // Any attribute order is accepted: the value is the one that follows FIELD.
    const qsizetype field = find(tag, "FIELD");
    if (field >= 0) {
        tag = tag.sliced(field);
    }
    const qsizetype open = tag.indexOf('"');
    if (open < 0) {
        messages.tell(QCoreApplication::translate("Reader", "Can't find type!"));
        return {};
    }
    const qsizetype close = tag.indexOf('"', open + 1);
    if (close < 0) {
        messages.tell(QCoreApplication::translate("Reader", "Can't find type!"));
        return tag.sliced(open + 1);
    }
    return tag.sliced(open + 1, close - open - 1);
}

// Writes `text` to `out` with every run of spaces shortened to keep(length, byte before the run,
// byte after it) spaces, 0 standing for the text's ends, and returns the end of what it wrote.
// `out` may be `text` itself: what is written never overtakes what is still to be read.
template <typename Keep>
char* squeeze_space_runs(QByteArrayView text, char* out, Keep keep) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const char* space =
            static_cast<const char*>(std::memchr(text.data() + i, ' ', size_t(n - i)));
        const qsizetype run_start = space == nullptr ? n : space - text.data();
        std::memmove(out, text.data() + i, size_t(run_start - i));
        out += run_start - i;
        if (run_start == n) {
            break;
        }
        qsizetype run_end = run_start;
        while (run_end < n && text[run_end] == ' ') {
            ++run_end;
        }
        const char before = run_start > 0 ? text[run_start - 1] : '\0';
        const char after = run_end < n ? text[run_end] : '\0';
        const qsizetype kept = keep(run_end - run_start, before, after);
        if (kept > 0) {
            std::memset(out, ' ', size_t(kept));
            out += kept;
        }
        i = run_end;
    }
    return out;
}

// The spacing rules around "=": the six replacements in turn remove one, then two, then three
// spaces from a run that stands before "=", and then the same from a run after "=": what is left
// of a run depends only on its length, so one pass does it.
qsizetype spaces_kept_around_equals(qsizetype n, char before, char after) {
    const auto left_of = [](qsizetype run) {
        run -= run >= 1 ? 1 : 0;
        run -= run >= 2 ? 2 : 0;
        run -= run >= 3 ? 3 : 0;
        return run;
    };
    if (after == '=') {
        n = left_of(n);
    }
    if (before == '=') {
        n = left_of(n);
    }
    return n;
}

// The spacing rules inside a presentation block: two spaces become one all through, then one
// and then two spaces after ">" go.
qsizetype spaces_kept_in_block(qsizetype n, char before, char) {
    n = (n + 1) / 2;
    if (before == '>') {
        n -= n >= 1 ? 1 : 0;
        n -= n >= 2 ? 2 : 0;
    }
    return n;
}

// Counts lines forward through one text; positions must come in increasing order.
class LineCounter {
  public:
    explicit LineCounter(QByteArrayView text) : text_(text) {}

    int line_at(qsizetype position) {
        line_ += int(std::count(text_.begin() + counted_, text_.begin() + position, '\n'));
        counted_ = position;
        return line_;
    }

  private:
    QByteArrayView text_;
    qsizetype counted_ = 0;
    int line_ = 1;
};

// Reads the presentation blocks of a theme text that is upper-cased and has its spacing
// normalised. The text stays the buffer every Element's style text is a view into.
class ThemeParser {
  public:
    ThemeParser(Theme& theme, const QByteArray& text, Messages& messages, ThemeLines* lines)
        : theme_(theme), text_(text), messages_(messages), lines_(lines), counter_(text) {}

    void parse_block(qsizetype offset, qsizetype size) {
        const QByteArrayView block = QByteArrayView(text_).sliced(offset, size);
        // The presentation name is the block's first line, CR kept, with the tag noise removed. It
        // also ends at the first "<": a name never holds one, and a theme written on one line or
        // with CR-only line ends would otherwise take its whole style list as the name.
        qsizetype name_end = block.size();
        for (const char stop : {'\n', '<'}) {
            const qsizetype at = block.indexOf(stop);
            if (at >= 0 && at < name_end) {
                name_end = at;
            }
        }
        QByteArray name = block.first(name_end).toByteArray();
        for (const char* noise : {"\"", "ID=", ">"}) {
            name = remove_all(name, noise);
        }
        const QString untrimmed = QString::fromLatin1(name);
        if (slot_ < theme_.project_presentations.size()) {
            theme_.project_presentations[slot_] = QString::fromLatin1(trim_spaces(name));
        }
        ++slot_;
        theme_.listed_presentations.append(untrimmed);
        presentation_ = QString::fromLatin1(remove_all(remove_all(name, "\r"), "\n"));
        codes_[0].reset();
        codes_[1].reset();

        for (qsizetype at = find(block, "<STYLE"); at >= 0;) {
            const qsizetype next = find(block, "<STYLE", at + 6);
            const qsizetype begin = at + 6;
            const qsizetype end = next < 0 ? block.size() : next;
            const QByteArrayView style = block.sliced(begin, end - begin);
            const qsizetype field = find(style, "FIELD");
            if (field >= 0) {
                if (lines_ != nullptr) {
                    lines_->styles.push_back(counter_.line_at(offset + at));
                }
                parse_style(offset + begin, style, field);
            }
            at = next;
        }
    }

    bool found_styles() const { return found_; }

  private:
    void parse_style(qsizetype offset, QByteArrayView s, qsizetype field) {
        found_ = true;
        Element& e = theme_.elements.emplace_back();
        e.style_text = StyleText(text_, offset, s.size());
        e.field_name = strings_.make(style_field_view(s, messages_));
        // A label comes from the FIELD tag; a FIELD without a ">" after it gives none.
        const qsizetype field_end = s.indexOf('>', field);
        if (field_end >= 0) {
            e.display_name =
                strings_.make(display_name(s.sliced(field, field_end - field), storage_));
        }
        e.presentation = presentation_;

        const qsizetype scale = find(s, "SCALE=");
        if (scale >= 0) {
            e.scale = strings_.make(attribute_view(s, scale + 7, storage_));
        }
        const qsizetype border = find(s, "BORDER");
        if (border >= 0) {
            e.border = strings_.make(attribute_view(s, border + 7, storage_));
        }
        e.sort_code = block_code(!e.border.isEmpty());

        const qsizetype primary = find(s, "PRIMARY");
        if (primary < 0) {
            messages_.tell(QCoreApplication::translate("Reader", "A style has no PRIMARY colour"));
        } else {
            read_colours(s.sliced(primary), e.primary_day, e.primary_night);
        }
        const qsizetype secondary = find(s, "SECONDARY");
        if (secondary >= 0) {
            read_colours(s.sliced(secondary), e.secondary_day, e.secondary_night);
        }
    }

    // The DAY and NIGHT colours of the tag that starts the text (none when it has no ">").
    void read_colours(QByteArrayView from_tag, QString& day, QString& night) {
        const qsizetype end = from_tag.indexOf('>');
        if (end < 0) {
            return;
        }
        const QByteArrayView tag = without_quotes(from_tag.first(end), storage_);
        day = strings_.make(colour_value(tag, "DAY"));
        night = strings_.make(colour_value(tag, "NIGHT"));
    }

    // The sort code depends only on the block's presentation name and the kind, so it is worked
    // out once per block and kind (an unknown name is reported once either way).
    int block_code(bool line) {
        std::optional<int>& code = codes_[line ? 1 : 0];
        if (!code.has_value()) {
            code =
                presentation_code(presentation_, line ? QStringLiteral("1") : QString(), messages_);
        }
        return *code;
    }

    Theme& theme_;
    const QByteArray& text_;
    Messages& messages_;
    ThemeLines* lines_;
    LineCounter counter_;
    Latin1StringPool strings_;
    std::string storage_;  // where a value that is not a plain slice of the text is cut
    QString presentation_;
    std::optional<int> codes_[2];
    qsizetype slot_ = 0;
    bool found_ = false;
};

qsizetype count_of(QByteArrayView text, QByteArrayView word) {
    qsizetype count = 0;
    for (qsizetype p = find(text, word); p >= 0; p = find(text, word, p + word.size())) {
        ++count;
    }
    return count;
}

// Reads a text whose spacing around "=" is normalised already; it may be changed in place.
void parse_normalised_text(Theme& theme, QByteArray text, Messages& messages, ThemeLines* lines) {
    if (text.isEmpty()) {
        return;
    }
    // The metadata keeps its letter case, so it is read before the text is upper-cased.
    read_metadata(theme.metadata, text, messages);
    if (!contains(text, "PRESENTATION")) {
        messages.tell(QString::fromLatin1(text));
    }
    if (lines != nullptr) {
        const qsizetype metadata = find_ascii_upper(text, "METADATA");
        if (metadata >= 0) {
            lines->metadata = LineCounter(text).line_at(metadata);
        }
    }
    char* const data = text.data();
    ascii_upper_in_place(data, text.size());
    // The blocks' spacing rules all at once: the blocks run from the first "<PRESENTATION" to
    // the end, and no run of spaces crosses from one block into the next.
    const qsizetype first = find(text, "<PRESENTATION");
    if (first >= 0) {
        const QByteArrayView blocks = QByteArrayView(text).sliced(first);
        text.truncate(squeeze_space_runs(blocks, data + first, spaces_kept_in_block) - data);
    }
    text.squeeze();

    QList<qsizetype> starts;
    for (qsizetype p = first; p >= 0; p = find(text, "<PRESENTATION", p + 13)) {
        starts.append(p);
    }
    // One slot per block; a block the reader skips leaves its slot as it was.
    theme.project_presentations.resize(starts.size());
    theme.elements.clear();
    // Room for every style at once: growing the table copies every Element already read.
    theme.elements.reserve(size_t(count_of(text, "<STYLE")));

    ThemeParser parser(theme, text, messages, lines);
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const qsizetype begin = starts[k] + 13;
        const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        if (end != begin) {
            parser.parse_block(begin, end - begin);
        }
    }
    if (!parser.found_styles()) {
        messages.tell(QCoreApplication::translate("Reader", "No polygons or lines found"));
        theme.elements.clear();
    }
}

}  // namespace

QByteArray text_before_tag_end(QByteArrayView text) {
    const qsizetype end = text.indexOf('>');
    return end < 0 ? QByteArray() : text.first(end).toByteArray();
}

QByteArray style_field_name(QByteArrayView style, Messages& messages) {
    return style_field_view(style, messages).toByteArray();
}

QByteArray read_file_bytes(const QString& path, Messages& messages) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        messages.tell(file.errorString());
        return {};
    }
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        messages.tell(file.errorString());
    }
    return text;
}

QByteArray normalise_equals(QByteArrayView input) {
    QByteArray result(input.size(), Qt::Uninitialized);
    result.truncate(squeeze_space_runs(input, result.data(), spaces_kept_around_equals) -
                    result.data());
    return result;
}

QByteArray squeeze_block_spaces(QByteArrayView block) {
    QByteArray result(block.size(), Qt::Uninitialized);
    result.truncate(squeeze_space_runs(block, result.data(), spaces_kept_in_block) - result.data());
    return result;
}

void parse_theme_text(Theme& theme, QByteArrayView input, Messages& messages) {
    parse_normalised_text(theme, normalise_equals(input), messages, nullptr);
}

void parse_theme_bytes(Theme& theme, QByteArray text, Messages& messages, ThemeLines* lines) {
    char* const data = text.data();
    text.truncate(squeeze_space_runs(text, data, spaces_kept_around_equals) - data);
    parse_normalised_text(theme, std::move(text), messages, lines);
}

QString too_large_to_read_message(const QString& path) {
    return QCoreApplication::translate("Reader", "%1 is too large to read")
        .arg(QDir::toNativeSeparators(path));
}

bool read_theme_file(const QString& path, Theme& theme, Messages& messages) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return false;
    }
    OnceMessages once(messages);
    parse_theme_bytes(theme, read_file_bytes(path, once), once);
    return true;
}

void read_theme_text(QByteArrayView text, Theme& theme, Messages& messages) {
    OnceMessages once(messages);
    parse_theme_text(theme, text, once);
}

void read_theme_bytes(QByteArray text, Theme& theme, Messages& messages) {
    OnceMessages once(messages);
    parse_theme_bytes(theme, std::move(text), once);
}

}  // namespace quorvane
