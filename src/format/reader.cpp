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

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "format/metadata.h"
#include "format/theme_lines.h"
#include "model/presentations.h"
#include "text/ascii_text.h"
#include "text/large_buffers.h"
#include "text/latin1_string_pool.h"

namespace quorvane {

namespace {

// The first `c` at or after `from`, or -1. The texts searched are the short ones of one style,
// where a call to memchr costs more than the search: sixteen bytes are compared at a time here.
qsizetype index_of(QByteArrayView text, char c, qsizetype from = 0) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin + std::min(from, text.size());
#ifdef __SSE2__
    const __m128i wanted = _mm_set1_epi8(c);
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned hits = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, wanted)));
        if (hits != 0) {
            return p - begin + __builtin_ctz(hits);
        }
    }
#endif
    for (; p != end; ++p) {
        if (*p == c) {
            return p - begin;
        }
    }
    return -1;
}

// The first `a` or `b` at or after `from`, or -1, as index_of finds one byte.
qsizetype index_of_either(QByteArrayView text, char a, char b, qsizetype from = 0) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin + std::min(from, text.size());
#ifdef __SSE2__
    const __m128i first = _mm_set1_epi8(a);
    const __m128i second = _mm_set1_epi8(b);
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned hits = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, first), _mm_cmpeq_epi8(bytes, second))));
        if (hits != 0) {
            return p - begin + __builtin_ctz(hits);
        }
    }
#endif
    for (; p != end; ++p) {
        if (*p == a || *p == b) {
            return p - begin;
        }
    }
    return -1;
}

// find() for a word in the short text of one tag, where setting up a sixteen-bytes-at-a-time
// search costs more than it saves.
template <size_t size>
qsizetype find_in_tag(QByteArrayView tag, const char (&word)[size], qsizetype from = 0) {
    constexpr qsizetype length = qsizetype(size) - 1;
    for (qsizetype p = index_of(tag, word[0], from); p >= 0 && p <= tag.size() - length;
         p = index_of(tag, word[0], p + 1)) {
        if (std::memcmp(tag.data() + p + 1, word + 1, size_t(length - 1)) == 0) {
            return p;
        }
    }
    return -1;
}

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Where `word` ends when it starts at `at` in a tag text read without its quote characters
// (quotes inside the word do not count), or -1 when it does not stand there.
template <size_t size>
qsizetype end_of_word(QByteArrayView tag, qsizetype at, const char (&word)[size]) {
    const qsizetype n = tag.size();
    qsizetype i = at;
    for (size_t k = 0; k + 1 < size; ++k) {
        while (i < n && tag[i] == '"') {
            ++i;
        }
        if (i == n || tag[i] != word[k]) {
            return -1;
        }
        ++i;
    }
    return i;
}

// The colour value that follows a DAY or NIGHT word ending at `i` in a tag text, read as if the
// tag had no quote characters: after blanks, an "=" and blanks, the (at most six) characters
// after "#" up to the end of the attribute (a space or the tag's "/"), or without "#" the run of
// hexadecimal digits at the start of the value. Any other byte, even a NUL or a control
// character, is part of the value and is written back as it was read. The quotes are stepped
// over rather than removed from a copy: a value that no quote interrupts (nearly all) is a view
// of the tag; any other is cut into `storage`.
QByteArrayView colour_after(QByteArrayView tag, qsizetype i, std::string& storage) {
    const char* const t = tag.data();
    const qsizetype n = tag.size();
    const auto skip_quotes = [t, n](qsizetype at) {
        while (at < n && t[at] == '"') {
            ++at;
        }
        return at;
    };
    while (i < n && (t[i] == '"' || is_blank(t[i]))) {
        ++i;
    }
    if (i < n && t[i] == '=') {
        ++i;
    }
    while (i < n && (t[i] == '"' || is_blank(t[i]))) {
        ++i;
    }
    const bool hash = i < n && t[i] == '#';
    const auto in_value = [hash](char c) { return hash ? c != '/' && c != ' ' : is_hex_digit(c); };
    const qsizetype begin = hash ? skip_quotes(i + 1) : i;
    // The plain case: up to six bytes of the value without a quote among them.
    const qsizetype last = std::min(n, begin + 6);
    qsizetype end = begin;
    if (hash) {
        while (end < last && t[end] != '"' && t[end] != '/' && t[end] != ' ') {
            ++end;
        }
    } else {
        while (end < last && is_hex_digit(t[end])) {
            ++end;
        }
    }
    if (end == n || end - begin == 6 || t[end] != '"') {
        return tag.sliced(begin, end - begin);
    }
    storage.assign(t + begin, size_t(end - begin));
    for (qsizetype at = skip_quotes(end); at < n && storage.size() < 6 && in_value(t[at]);
         at = skip_quotes(at + 1)) {
        storage.push_back(t[at]);
    }
    return QByteArrayView(storage.data(), qsizetype(storage.size()));
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
    if (index_of(value, '"') < 0) {
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

// Removes every occurrence of `word` in one left-to-right pass, as remove_all does, in place.
template <size_t size>
void erase_all(std::string& text, const char (&word)[size]) {
    const QByteArrayView all(text.data(), qsizetype(text.size()));
    qsizetype kept = 0;
    qsizetype from = 0;
    for (qsizetype at = find_in_tag(all, word); at >= 0; at = find_in_tag(all, word, from)) {
        std::memmove(text.data() + kept, text.data() + from, size_t(at - from));
        kept += at - from;
        from = at + qsizetype(size) - 1;
    }
    std::memmove(text.data() + kept, text.data() + from, text.size() - size_t(from));
    text.resize(size_t(kept + all.size() - from));
}

// The label of a FIELD tag text (from FIELD up to its ">"): without "FIELD=", the quotes, "_CLR"
// and "MAP_", removed in that order, with "_" read as a space and cut before "SCALE=".
QByteArrayView display_name(QByteArrayView tag, std::string& storage) {
    storage.assign(tag.data(), size_t(tag.size()));
    erase_all(storage, "FIELD=");
    std::erase(storage, '"');
    erase_all(storage, "_CLR");
    erase_all(storage, "MAP_");
    std::replace(storage.begin(), storage.end(), '_', ' ');
    const QByteArrayView name(storage.data(), qsizetype(storage.size()));
    const qsizetype scale = find_in_tag(name, "SCALE=");
    return scale >= 0 ? name.first(scale) : name;
}

// style_field_name without a copy: the value as it stands in the style text. `field` is where
// the style's first FIELD stands (-1 when it has none).
QByteArrayView style_field_view(QByteArrayView style, qsizetype field, MessageList& messages) {
    const qsizetype end = index_of(style, '>');
    if (end < 0) {
        messages.add(QCoreApplication::translate("Reader", "Can't find type!"));
        return {};
    }
    QByteArrayView tag = style.first(end);
    // Any attribute order is accepted: the value is the one that follows FIELD.
    if (field >= 0 && field < end) {
        tag = tag.sliced(field);
    }
    const qsizetype open = index_of(tag, '"');
    if (open < 0) {
        messages.add(QCoreApplication::translate("Reader", "Can't find type!"));
        return {};
    }
    const qsizetype close = index_of(tag, '"', open + 1);
    if (close < 0) {
        messages.add(QCoreApplication::translate("Reader", "Can't find type!"));
        return tag.sliced(open + 1);
    }
    return tag.sliced(open + 1, close - open - 1);
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

// Writes `count` spaces; returns the end of what it wrote.
char* put_spaces(char* out, qsizetype count) {
    std::memset(out, ' ', size_t(count));
    return out + count;
}

// Writes `text` to `out` with the spacing around "=" normalised; returns the end of what it wrote.
// Only the runs of spaces next to an "=" change, so the text is copied in pieces from one "=" to
// the next. `out` may be `text` itself: nothing is written ahead of what has been read.
char* normalise_equals_into(QByteArrayView text, char* out) {
    const char* const in = text.data();
    const qsizetype n = text.size();
    if (n == 0) {
        return out;  // an empty view may have no data at all, which memchr must not be given
    }
    qsizetype copied = 0;
    while (const void* found = std::memchr(in + copied, '=', size_t(n - copied))) {
        const qsizetype equals = static_cast<const char*>(found) - in;
        // The text up to the "=" was copied up to a byte that is not a space, so the run before
        // the "=" starts after it.
        qsizetype run = equals;
        while (run > copied && in[run - 1] == ' ') {
            --run;
        }
        std::memmove(out, in + copied, size_t(run - copied));
        out += run - copied;
        if (run < equals) {
            out = put_spaces(
                out, spaces_kept_around_equals(equals - run, run > 0 ? in[run - 1] : '\0', '='));
        }
        *out++ = '=';
        qsizetype end = equals + 1;
        while (end < n && in[end] == ' ') {
            ++end;
        }
        if (end > equals + 1) {
            out = put_spaces(
                out, spaces_kept_around_equals(end - equals - 1, '=', end < n ? in[end] : '\0'));
        }
        copied = end;
    }
    std::memmove(out, in + copied, size_t(n - copied));
    return out + (n - copied);
}

// Writes `text` to `out` with the spacing rules of the blocks applied, upper-cased when `upper`;
// returns the end of what it wrote. A single space that does not follow ">" stays as it is, so
// only the runs that start with a space before another one or after ">" are worked on; sixteen
// bytes without one are copied at once. `out` may be `text` itself, as above.
template <bool upper>
char* squeeze_block_spaces_into(QByteArrayView text, char* out) {
    const char* const in = text.data();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
#ifdef __SSE2__
        if (i > 0 && n - i > 16) {
            const auto load = [in](qsizetype at) {
                return _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
            };
            const __m128i bytes = load(i);
            const __m128i before = load(i - 1);
            const __m128i space = _mm_set1_epi8(' ');
            const __m128i starts =
                _mm_andnot_si128(_mm_cmpeq_epi8(before, space), _mm_cmpeq_epi8(bytes, space));
            const __m128i worked_on =
                _mm_and_si128(starts, _mm_or_si128(_mm_cmpeq_epi8(load(i + 1), space),
                                                   _mm_cmpeq_epi8(before, _mm_set1_epi8('>'))));
            const unsigned mask = unsigned(_mm_movemask_epi8(worked_on));
            if (mask == 0) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                                 upper ? ascii_upper16(bytes) : bytes);
                out += 16;
                i += 16;
                continue;
            }
            // Byte by byte up to the run: sixteen at once could overwrite bytes still to be read
            // when the text is squeezed where it stands.
            for (const qsizetype run = i + __builtin_ctz(mask); i < run; ++i) {
                *out++ = upper ? ascii_upper_of(in[i]) : in[i];
            }
        } else
#endif
        {
            const char c = in[i];
            const bool run_start = c == ' ' && (i == 0 || in[i - 1] != ' ');
            if (!run_start || !((i + 1 < n && in[i + 1] == ' ') || (i > 0 && in[i - 1] == '>'))) {
                *out++ = upper ? ascii_upper_of(c) : c;
                ++i;
                continue;
            }
        }
        qsizetype end = i + 1;
        while (end < n && in[end] == ' ') {
            ++end;
        }
        out = put_spaces(out, spaces_kept_in_block(end - i, i > 0 ? in[i - 1] : '\0', '\0'));
        i = end;
    }
    return out;
}

// Counts lines forward through one text; positions must come in increasing order.
class LineCounter {
  public:
    explicit LineCounter(QByteArrayView text) : text_(text) {}

    int line_at(qsizetype position) {
        line_ += int(count_of(text_.sliced(counted_, position - counted_), '\n'));
        counted_ = position;
        return line_;
    }

  private:
    QByteArrayView text_;
    qsizetype counted_ = 0;
    int line_ = 1;
};

// Where the words a style is read by first stand in its text; -1 for a word it lacks.
struct StyleWords {
    qsizetype field = -1;
    qsizetype scale = -1;  // "SCALE="
    qsizetype border = -1;
    qsizetype primary = -1;
    qsizetype secondary = -1;
};

// Calls found(tag, begin, end, words) for each "<STYLE" of an upper-cased block, in order: `tag`
// is where it stands, its style text runs from `begin` (after "<STYLE") up to the next "<STYLE"
// or the block's end, and `words` say where in that text each word first stands. One pass finds
// them all: "<STYLE" and every word start with one of five bytes, and only the places that hold
// one of those, found sixteen at a time, are looked at.
template <typename Found>
void scan_styles(QByteArrayView block, Found found) {
    const char* const b = block.data();
    const qsizetype n = block.size();
    qsizetype tag = -1;
    StyleWords words;
    const auto is_at = [b, n](qsizetype p, QByteArrayView word) {
        return n - p >= word.size() && std::memcmp(b + p, word.data(), size_t(word.size())) == 0;
    };
    // No word holds "<", so none found in a style's range runs into the next "<STYLE".
    const auto note = [&](qsizetype& first, qsizetype p, QByteArrayView word) {
        if (first < 0 && is_at(p, word)) {
            first = p - (tag + 6);
        }
    };
    const auto look_at = [&](qsizetype p) {
        const char c = b[p];
        if (c == '<') {
            if (is_at(p, "<STYLE")) {
                if (tag >= 0) {
                    found(tag, tag + 6, p, words);
                }
                tag = p;
                words = {};
            }
        } else if (tag < 0) {
            // Before the first style: nothing to note.
        } else if (c == 'F') {
            note(words.field, p, "FIELD");
        } else if (c == 'S') {
            note(words.scale, p, "SCALE=");
            note(words.secondary, p, "SECONDARY");
        } else if (c == 'B') {
            note(words.border, p, "BORDER");
        } else {
            note(words.primary, p, "PRIMARY");
        }
    };
    qsizetype p = 0;
#ifdef __SSE2__
    const __m128i firsts[] = {_mm_set1_epi8('<'), _mm_set1_epi8('F'), _mm_set1_epi8('S'),
                              _mm_set1_epi8('B'), _mm_set1_epi8('P')};
    for (; n - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + p));
        __m128i hits = _mm_cmpeq_epi8(bytes, firsts[0]);
        for (int k = 1; k < 5; ++k) {
            hits = _mm_or_si128(hits, _mm_cmpeq_epi8(bytes, firsts[k]));
        }
        for (unsigned mask = unsigned(_mm_movemask_epi8(hits)); mask != 0; mask &= mask - 1) {
            look_at(p + __builtin_ctz(mask));
        }
    }
#endif
    for (; p < n; ++p) {
        const char c = b[p];
        if (c == '<' || c == 'F' || c == 'S' || c == 'B' || c == 'P') {
            look_at(p);
        }
    }
    if (tag >= 0) {
        found(tag, tag + 6, n, words);
    }
}

// Reads the presentation blocks of a theme text that is upper-cased and has its spacing
// normalised. The text stays the buffer every Element's style text is a view into.
class ThemeParser {
  public:
    ThemeParser(Theme& theme, const QByteArray& text, MessageList& messages, ThemeLines* lines)
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

        scan_styles(block,
                    [&](qsizetype tag, qsizetype begin, qsizetype end, const StyleWords& words) {
                        if (words.field < 0) {
                            return;
                        }
                        if (lines_ != nullptr) {
                            lines_->styles.push_back(counter_.line_at(offset + tag));
                        }
                        parse_style(offset + begin, block.sliced(begin, end - begin), words);
                    });
    }

    bool found_styles() const { return found_; }

  private:
    void parse_style(qsizetype offset, QByteArrayView s, const StyleWords& words) {
        found_ = true;
        Element& e = theme_.elements.emplace_back();
        e.style_text = StyleText(text_, offset, s.size());
        e.field_name = strings_.make(style_field_view(s, words.field, messages_));
        // A label comes from the FIELD tag; a FIELD without a ">" after it gives none.
        const qsizetype field_end = index_of(s, '>', words.field);
        if (field_end >= 0) {
            e.display_name = strings_.make(
                display_name(s.sliced(words.field, field_end - words.field), storage_));
        }
        e.presentation = presentation_;
        if (words.scale >= 0) {
            e.scale = strings_.make(attribute_view(s, words.scale + 7, storage_));
        }
        if (words.border >= 0) {
            e.border = strings_.make(attribute_view(s, words.border + 7, storage_));
        }
        e.sort_code = block_code(!e.border.isEmpty());

        if (words.primary < 0) {
            messages_.add(QCoreApplication::translate("Reader", "A style has no PRIMARY colour"));
        } else {
            read_colours(s.sliced(words.primary), e.primary_day, e.primary_night);
        }
        if (words.secondary >= 0) {
            read_colours(s.sliced(words.secondary), e.secondary_day, e.secondary_night);
        }
    }

    // The DAY and NIGHT colours of the tag that starts the text (none when it has no ">"): the
    // values after the first DAY and the first NIGHT, both found in one pass.
    void read_colours(QByteArrayView from_tag, QString& day, QString& night) {
        const qsizetype end = index_of(from_tag, '>');
        if (end < 0) {
            return;
        }
        const QByteArrayView tag = from_tag.first(end);
        qsizetype day_end = -1;
        qsizetype night_end = -1;
        for (qsizetype at = index_of_either(tag, 'D', 'N');
             at >= 0 && (day_end < 0 || night_end < 0);
             at = index_of_either(tag, 'D', 'N', at + 1)) {
            if (tag[at] == 'D') {
                day_end = day_end < 0 ? end_of_word(tag, at, "DAY") : day_end;
            } else if (night_end < 0) {
                night_end = end_of_word(tag, at, "NIGHT");
            }
        }
        if (day_end >= 0) {
            day = strings_.make(colour_after(tag, day_end, storage_));
        }
        if (night_end >= 0) {
            night = strings_.make(colour_after(tag, night_end, storage_));
        }
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
    MessageList& messages_;
    ThemeLines* lines_;
    LineCounter counter_;
    Latin1StringPool strings_;
    std::string storage_;  // where a value that is not a plain slice of the text is cut
    QString presentation_;
    std::optional<int> codes_[2];
    qsizetype slot_ = 0;
    bool found_ = false;
};

// Reads a text whose spacing around "=" is normalised already.
void parse_normalised_text(Theme& theme, QByteArray text, MessageList& messages,
                           ThemeLines* lines) {
    if (text.isEmpty()) {
        return;
    }
    // The metadata keeps its letter case, so it is read before the text is upper-cased.
    read_metadata(theme.metadata, text, messages);
    if (!contains(text, "PRESENTATION")) {
        messages.add(QString::fromLatin1(text));
    }
    if (lines != nullptr) {
        const qsizetype metadata = find_ascii_upper(text, "METADATA");
        if (metadata >= 0) {
            lines->metadata = LineCounter(text).line_at(metadata);
        }
    }
    // Then the text is upper-cased where it stands, with the blocks' spacing rules applied all at
    // once: the blocks run from the first "<PRESENTATION" to the end, and no run of spaces crosses
    // from one block into the next. It is kept: the style texts are views into it.
    const qsizetype first = find_ascii_upper(text, "<PRESENTATION");
    const qsizetype head = first < 0 ? text.size() : first;
    char* const data = text.data();
    ascii_upper_in_place(data, head);
    text.truncate(squeeze_block_spaces_into<true>(QByteArrayView(data + head, text.size() - head),
                                                  data + head) -
                  data);
    text.squeeze();

    QList<qsizetype> starts;
    for (qsizetype p = find(text, "<PRESENTATION"); p >= 0;
         p = find(text, "<PRESENTATION", p + 13)) {
        starts.append(p);
    }
    // One slot per block; a block the reader skips leaves its slot as it was.
    theme.project_presentations.resize(starts.size());
    theme.elements.clear();
    // Room for every style at once: growing the table copies every Element already read.
    theme.elements.reserve(size_t(occurrences_of(text, "<STYLE")));
    prefer_huge_pages(theme.elements.data(), theme.elements.capacity() * sizeof(Element));

    ThemeParser parser(theme, text, messages, lines);
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const qsizetype begin = starts[k] + 13;
        const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : text.size();
        if (end != begin) {
            parser.parse_block(begin, end - begin);
        }
    }
    if (!parser.found_styles()) {
        messages.add(QCoreApplication::translate("Reader", "No polygons or lines found"));
        theme.elements.clear();
    }
}

}  // namespace

QByteArray text_before_tag_end(QByteArrayView text) {
    const qsizetype end = text.indexOf('>');
    return end < 0 ? QByteArray() : text.first(end).toByteArray();
}

QByteArray style_field_name(QByteArrayView style, MessageList& messages) {
    return style_field_view(style, find(style, "FIELD"), messages).toByteArray();
}

QByteArray read_file_bytes(const QString& path, MessageList& messages) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        messages.add(file.errorString());
        return {};
    }
    QByteArray text = read_remaining_bytes(file);
    if (file.error() != QFileDevice::NoError) {
        messages.add(file.errorString());
    }
    return text;
}

QByteArray normalise_equals(QByteArrayView input) {
    QByteArray result(input.size(), Qt::Uninitialized);
    char* const data = result.data();
    result.truncate(normalise_equals_into(input, data) - data);
    return result;
}

QByteArray squeeze_block_spaces(QByteArrayView block) {
    QByteArray result(block.size(), Qt::Uninitialized);
    char* const data = result.data();
    result.truncate(squeeze_block_spaces_into<false>(block, data) - data);
    return result;
}

void parse_theme_text(Theme& theme, QByteArrayView input, MessageList& messages) {
    parse_normalised_text(theme, normalise_equals(input), messages, nullptr);
}

void parse_theme_bytes(Theme& theme, QByteArray text, MessageList& messages, ThemeLines* lines) {
    char* const data = text.data();
    text.truncate(normalise_equals_into(QByteArrayView(data, text.size()), data) - data);
    parse_normalised_text(theme, std::move(text), messages, lines);
}

QString too_large_to_read_message(const QString& path) {
    return QCoreApplication::translate("Reader", "%1 is too large to read")
        .arg(QDir::toNativeSeparators(path));
}

bool looks_like_theme(QByteArrayView text) {
    return contains_ascii_upper(text, "METADATA") || contains_ascii_upper(text, "PRESENTATION") ||
           contains_ascii_upper(text, "STYLE");
}

QString not_a_theme_message(const QString& name) {
    return QCoreApplication::translate("Reader", "%1 is not a map theme")
        .arg(QDir::toNativeSeparators(name));
}

bool read_theme_file(const QString& path, Theme& theme, MessageList& messages) {
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        return false;
    }
    MessageList once(MessageList::Repeats::Dropped);
    const bool read = read_theme_bytes(read_file_bytes(path, once), path, theme, once);
    messages.add(once);
    return read;
}

bool read_theme_text(QByteArrayView text, const QString& name, Theme& theme,
                     MessageList& messages) {
    return read_theme_bytes(text.toByteArray(), name, theme, messages);
}

bool read_theme_bytes(QByteArray text, const QString& name, Theme& theme, MessageList& messages,
                      ThemeLines* lines) {
    // Anything else would be shown whole as a message, then read as an empty theme.
    if (!text.isEmpty() && !looks_like_theme(text)) {
        messages.add(not_a_theme_message(name));
        return false;
    }
    MessageList once(MessageList::Repeats::Dropped);
    parse_theme_bytes(theme, std::move(text), once, lines);
    messages.add(once);
    return true;
}

}  // namespace quorvane
