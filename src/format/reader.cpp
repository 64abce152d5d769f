// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/reader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cstring>
#include <limits>
#include <optional>

#include "format/metadata.h"
#include "model/presentations.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// Themes repeat the same few values (presentation names, scales, colours) thousands of times;
// sharing one QString per distinct value keeps a large theme small in memory.
class Interner {
  public:
    explicit Interner(qsizetype most_shared) : most_shared_(most_shared) {}

    QString get(QByteArrayView bytes) {
        if (!worth_looking_up()) {
            return QString::fromLatin1(bytes);
        }
        auto it = pool_.constFind(QByteArray::fromRawData(bytes.data(), bytes.size()));
        if (it != pool_.constEnd()) {
            ++hits_;
            return it.value();
        }
        ++misses_;
        QString value = QString::fromLatin1(bytes);
        if (pool_.size() < most_shared_) {
            pool_.insert(bytes.toByteArray(), value);
        }
        return value;
    }

  private:
    // Once the pool is full, a lookup that rarely finds anything (a theme whose colours are
    // nearly all distinct) costs more than it saves.
    bool worth_looking_up() const { return pool_.size() < most_shared_ || hits_ * 8 >= misses_; }

    qsizetype most_shared_;
    QHash<QByteArray, QString> pool_;
    qsizetype hits_ = 0;
    qsizetype misses_ = 0;
};

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
QByteArrayView attribute_view(QByteArrayView style, qsizetype from, QByteArray& storage) {
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
    storage = remove_all(rest.first(end), "\"");
    return storage;
}

QByteArray display_name(QByteArrayView style) {
    QByteArray name = text_before_tag_end(style.sliced(find(style, "FIELD")));
    for (const char* part : {"FIELD=", "\"", "_CLR", "MAP_"}) {
        name = remove_all(name, part);
    }
    name.replace('_', ' ');
    const qsizetype scale = find(name, "SCALE=");
    if (scale >= 0) {
        name.truncate(scale);
    }
    return name;
}

// Every occurrence of `word` in `text`, in order.
QList<qsizetype> occurrences(QByteArrayView text, QByteArrayView word) {
    QList<qsizetype> at;
    for (qsizetype p = find(text, word); p >= 0; p = find(text, word, p + word.size())) {
        at.append(p);
    }
    return at;
}

// style_field_name without a copy: the value as it stands in the style text.
QByteArrayView style_field_view(QByteArrayView style, MessageList& messages) {
    const qsizetype end = style.indexOf('>');
    if (end < 0) {
        messages.add(QCoreApplication::translate("Reader", "Can't find type!"));
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
        messages.add(QCoreApplication::translate("Reader", "Can't find type!"));
        return {};
    }
    const qsizetype close = tag.indexOf('"', open + 1);
    if (close < 0) {
        messages.add(QCoreApplication::translate("Reader", "Can't find type!"));
        return tag.sliced(open + 1);
    }
    return tag.sliced(open + 1, close - open - 1);
}

// Copies `text` with every run of spaces shortened to keep(length, byte before the run, byte
// after it) spaces; 0 stands for the text's ends.
template <typename Keep>
QByteArray squeeze_space_runs(QByteArrayView text, Keep keep) {
    QByteArray result(text.size(), Qt::Uninitialized);
    char* out = result.data();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const char* space =
            static_cast<const char*>(std::memchr(text.data() + i, ' ', size_t(n - i)));
        const qsizetype run_start = space == nullptr ? n : space - text.data();
        std::memcpy(out, text.data() + i, size_t(run_start - i));
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
    result.truncate(out - result.data());
    return result;
}

class ThemeParser {
  public:
    ThemeParser(Theme& theme, MessageList& messages) : theme_(theme), messages_(messages) {}

    void parse_block(const QByteArray& block) {
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
        QByteArray name = block.left(name_end);
        for (const char* noise : {"\"", "ID=", ">"}) {
            name = remove_all(name, noise);
        }
        const QString untrimmed = QString::fromLatin1(name);
        if (slot_ < theme_.project_presentations.size()) {
            theme_.project_presentations[slot_] = QString::fromLatin1(trim_spaces(name));
        }
        ++slot_;
        theme_.listed_presentations.append(untrimmed);
        QByteArray without_breaks = name;
        without_breaks.replace("\r", "").replace("\n", "");
        const QString presentation = interner_.get(without_breaks);
        codes_[0].reset();
        codes_[1].reset();

        const QList<qsizetype> styles = occurrences(block, "<STYLE");
        for (qsizetype k = 0; k < styles.size(); ++k) {
            const qsizetype begin = styles[k] + 6;
            const qsizetype end = k + 1 < styles.size() ? styles[k + 1] : block.size();
            const QByteArrayView style = QByteArrayView(block).sliced(begin, end - begin);
            if (contains(style, "FIELD")) {
                parse_style(block, begin, style, presentation);
            }
        }
    }

    bool found_styles() const { return found_; }

  private:
    void parse_style(const QByteArray& block, qsizetype offset, QByteArrayView s,
                     const QString& presentation) {
        found_ = true;
        Element e;
        e.style_text = StyleText(block, offset, s.size());
        e.field_name = interner_.get(style_field_view(s, messages_));
        e.display_name = display_name_of(s);
        e.presentation = presentation;

        QByteArray storage;
        const qsizetype scale = find(s, "SCALE=");
        if (scale >= 0) {
            e.scale = interner_.get(attribute_view(s, scale + 7, storage));
        }
        const qsizetype border = find(s, "BORDER");
        if (border >= 0) {
            e.border = interner_.get(attribute_view(s, border + 7, storage));
        }
        e.sort_code = block_code(presentation, !e.border.isEmpty());

        const qsizetype primary = find(s, "PRIMARY");
        if (primary < 0) {
            messages_.add(QCoreApplication::translate("Reader", "A style has no PRIMARY colour"));
        } else {
            const QByteArray tag = remove_all(text_before_tag_end(s.sliced(primary)), "\"");
            e.primary_day = colours_.get(colour_value(tag, "DAY"));
            e.primary_night = colours_.get(colour_value(tag, "NIGHT"));
        }
        const qsizetype secondary = find(s, "SECONDARY");
        if (secondary >= 0) {
            const QByteArray tag = remove_all(text_before_tag_end(s.sliced(secondary)), "\"");
            e.secondary_day = colours_.get(colour_value(tag, "DAY"));
            e.secondary_night = colours_.get(colour_value(tag, "NIGHT"));
        }
        theme_.elements.push_back(std::move(e));
    }

    // A display name depends only on the FIELD tag it comes from, and the same tags come back in
    // every presentation: each is worked out once.
    QString display_name_of(QByteArrayView style) {
        const qsizetype field = find(style, "FIELD");
        const qsizetype end = field < 0 ? -1 : style.indexOf('>', field);
        if (end < 0) {
            return interner_.get(display_name(style));
        }
        const QByteArrayView tag = style.sliced(field, end - field);
        auto it = display_names_.constFind(QByteArray::fromRawData(tag.data(), tag.size()));
        if (it != display_names_.constEnd()) {
            return it.value();
        }
        const QString name = interner_.get(display_name(style));
        display_names_.insert(tag.toByteArray(), name);
        return name;
    }

    // The sort code depends only on the block's presentation name and the kind, so it is worked
    // out once per block and kind (an unknown name is reported once either way).
    int block_code(const QString& presentation, bool line) {
        std::optional<int>& code = codes_[line ? 1 : 0];
        if (!code.has_value()) {
            code =
                presentation_code(presentation, line ? QStringLiteral("1") : QString(), messages_);
        }
        return *code;
    }

    Theme& theme_;
    MessageList& messages_;
    std::optional<int> codes_[2];
    QHash<QByteArray, QString> display_names_;
    // Names, scales and borders repeat in every presentation. Colours mostly come from a small
    // palette; a theme whose colours are nearly all distinct would only grow the pool.
    Interner interner_{std::numeric_limits<qsizetype>::max()};
    Interner colours_{4096};
    qsizetype slot_ = 0;
    bool found_ = false;
};

}  // namespace

QByteArray text_before_tag_end(QByteArrayView text) {
    const qsizetype end = text.indexOf('>');
    return end < 0 ? QByteArray() : text.first(end).toByteArray();
}

QByteArray style_field_name(QByteArrayView style, MessageList& messages) {
    return style_field_view(style, messages).toByteArray();
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
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        messages.add(file.errorString());
    }
    return text;
}

QByteArray normalise_equals(QByteArrayView input) {
    // The six replacements in turn remove one, then two, then three spaces from a run that
    // stands before "=", and then the same from a run after "=": what is left of a run depends
    // only on its length, so one pass does it.
    const auto left_of = [](qsizetype n) {
        n -= n >= 1 ? 1 : 0;
        n -= n >= 2 ? 2 : 0;
        n -= n >= 3 ? 3 : 0;
        return n;
    };
    return squeeze_space_runs(input, [&](qsizetype n, char before, char after) {
        if (after == '=') {
            n = left_of(n);
        }
        if (before == '=') {
            n = left_of(n);
        }
        return n;
    });
}

QByteArray squeeze_block_spaces(QByteArrayView block) {
    // Two spaces become one all through, then one and then two spaces after ">" go: in one pass.
    return squeeze_space_runs(block, [](qsizetype n, char before, char) {
        n = (n + 1) / 2;
        if (before == '>') {
            n -= n >= 1 ? 1 : 0;
            n -= n >= 2 ? 2 : 0;
        }
        return n;
    });
}

void parse_theme_text(Theme& theme, QByteArrayView input, MessageList& messages) {
    QByteArray text = normalise_equals(input);
    if (text.isEmpty()) {
        return;
    }
    const QByteArray upper = ascii_upper(text);
    read_metadata(theme.metadata, text, upper, messages);
    if (!contains(text, "PRESENTATION")) {
        messages.add(QString::fromLatin1(text));
    }
    text.clear();
    const QList<qsizetype> starts = occurrences(upper, "<PRESENTATION");
    // One slot per block; a block the reader skips leaves its slot as it was.
    theme.project_presentations.resize(starts.size());
    theme.elements.clear();
    // Room for every style at once: growing the table copies every Element already read.
    theme.elements.reserve(size_t(occurrences(upper, "<STYLE").size()));

    ThemeParser parser(theme, messages);
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const qsizetype begin = starts[k] + 13;
        const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : upper.size();
        if (end == begin) {
            continue;
        }
        parser.parse_block(squeeze_block_spaces(QByteArrayView(upper).sliced(begin, end - begin)));
    }
    if (!parser.found_styles()) {
        messages.add(QCoreApplication::translate("Reader", "No polygons or lines found"));
        theme.elements.clear();
    }
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
    const QByteArray text = read_file_bytes(path, once);
    const bool read = read_theme_text(text, path, theme, once);
    messages.add(once);
    return read;
}

bool read_theme_text(QByteArrayView text, const QString& name, Theme& theme,
                     MessageList& messages) {
    // Anything else would be shown whole as a message, then read as an empty theme.
    if (!text.isEmpty() && !looks_like_theme(text)) {
        messages.add(not_a_theme_message(name));
        return false;
    }
    MessageList once(MessageList::Repeats::Dropped);
    parse_theme_text(theme, text, once);
    messages.add(once);
    return true;
}

}  // namespace quorvane
