// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/theme_from_json.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>

#include "format/writable_values.h"
#include "model/element_additions.h"
#include "model/element_catalogue.h"
#include "model/presentations.h"
#include "model/style_fields.h"
#include "text/ascii_text.h"
#include "text/large_buffers.h"
#include "text/latin1_string_pool.h"

namespace quorvane {

QString JsonProblem::text() const {
    const QString where = QStringLiteral("%1:%2: ").arg(line).arg(column);
    return path.isEmpty() ? where + message : where + path + QStringLiteral(": ") + message;
}

namespace {

enum class JsonType { Object, Array, String, Number, Boolean, Null, Nothing };

QString type_name(JsonType type) {
    switch (type) {
        case JsonType::Object:
            return QCoreApplication::translate("ThemeFromJson", "an object");
        case JsonType::Array:
            return QCoreApplication::translate("ThemeFromJson", "an array");
        case JsonType::String:
            return QCoreApplication::translate("ThemeFromJson", "a string");
        case JsonType::Number:
            return QCoreApplication::translate("ThemeFromJson", "a number");
        case JsonType::Boolean:
            return QCoreApplication::translate("ThemeFromJson", "true or false");
        case JsonType::Null:
            return QCoreApplication::translate("ThemeFromJson", "null");
        case JsonType::Nothing:
            break;
    }
    return QCoreApplication::translate("ThemeFromJson", "nothing");
}

// The bytes a string holds as they are: not its closing quote, an escape, a control character or
// part of a character beyond ASCII.
constexpr std::array<bool, 256> kPlainStringByte = [] {
    std::array<bool, 256> plain{};
    for (int c = 0x20; c < 0x80; ++c) {
        plain[size_t(c)] = c != '"' && c != '\\';
    }
    return plain;
}();

// A JSON text read step by step. The first fault of its syntax is kept, and every step after it
// fails; a fault is where the text stops being JSON, found without a second pass.
class JsonText {
  public:
    explicit JsonText(QByteArrayView text)
        : begin_(text.data()), p_(begin_), end_(begin_ + text.size()) {
        if (text.startsWith("\xEF\xBB\xBF")) {
            p_ += 3;  // a byte order mark some editors put first
        }
    }

    bool failed() const { return !fault_.isEmpty(); }
    const QString& fault() const { return fault_; }
    qsizetype fault_at() const { return fault_at_; }
    // Where the next value starts, once the space before it is skipped.
    qsizetype offset() {
        skip_space();
        return p_ - begin_;
    }

    JsonType peek() {
        skip_space();
        if (failed() || p_ == end_) {
            return JsonType::Nothing;
        }
        switch (*p_) {
            case '{':
                return JsonType::Object;
            case '[':
                return JsonType::Array;
            case '"':
                return JsonType::String;
            case 't':
            case 'f':
                return JsonType::Boolean;
            case 'n':
                return JsonType::Null;
            default:
                return *p_ == '-' || (*p_ >= '0' && *p_ <= '9') ? JsonType::Number
                                                                : JsonType::Nothing;
        }
    }

    // Steps into an object or array; `first` is the caller's note for next().
    bool enter(char open, bool& first) {
        skip_space();
        first = true;
        if (failed()) {
            return false;
        }
        if (p_ == end_ || *p_ != open) {
            return unexpected();
        }
        ++p_;
        return true;
    }

    // Steps to the next member or item of the container entered: true when there is one, false
    // after its end (or at a fault).
    bool next(char close, bool& first) {
        skip_space();
        if (failed()) {
            return false;
        }
        if (p_ < end_ && *p_ == close) {
            ++p_;
            return false;
        }
        if (first) {
            first = false;
            return true;
        }
        if (p_ < end_ && *p_ == ',') {
            ++p_;
            return true;
        }
        fail(close == '}' ? QCoreApplication::translate("ThemeFromJson", "expected , or }")
                          : QCoreApplication::translate("ThemeFromJson", "expected , or ]"));
        return false;
    }

    // A member's key and the ":" after it. The key's bytes as they stand; one with escapes is
    // decoded into `storage`.
    bool key(QByteArrayView& name, QByteArray& storage) {
        skip_space();
        if (failed()) {
            return false;
        }
        if (p_ == end_ || *p_ != '"') {
            fail(p_ == end_ ? ends_early()
                            : QCoreApplication::translate("ThemeFromJson",
                                                          "expected a key in double quotes"));
            return false;
        }
        QByteArrayView raw;
        bool ascii = true;
        bool escaped = false;
        if (!string_bytes(raw, ascii, escaped)) {
            return false;
        }
        if (escaped) {
            storage = decode(raw, ascii, true).toUtf8();
            name = storage;
        } else {
            name = raw;
        }
        skip_space();
        if (p_ == end_ || *p_ != ':') {
            fail(QCoreApplication::translate("ThemeFromJson", "expected : after the key"));
            return false;
        }
        ++p_;
        return !failed();
    }

    // A string value. `last_raw` and `last`, when given, hold the previous value read through
    // them: the same bytes give the same (shared) text without decoding it again.
    bool string(QString& out, QByteArray* last_raw = nullptr, QString* last = nullptr) {
        skip_space();
        QByteArrayView raw;
        bool ascii = true;
        bool escaped = false;
        if (!string_bytes(raw, ascii, escaped)) {
            return false;
        }
        if (last != nullptr && !last->isNull() && raw == *last_raw) {
            out = *last;
            return true;
        }
        out = decode(raw, ascii, escaped);
        if (last != nullptr && !failed()) {
            *last_raw = raw.toByteArray();
            *last = out;
        }
        return !failed();
    }

    // A string value whose plain ASCII texts share the pool's buffers; one with escapes or other
    // characters is decoded on its own. `colour` strips a "#" before six hexadecimal digits.
    bool pooled_string(QString& out, Latin1StringPool& pool, bool colour = false) {
        skip_space();
        QByteArrayView raw;
        bool ascii = true;
        bool escaped = false;
        if (!string_bytes(raw, ascii, escaped)) {
            return false;
        }
        if (!ascii || escaped) {
            out = decode(raw, ascii, escaped);
            if (colour && !failed()) {
                if (const std::optional<QString> digits = given_colour(out)) {
                    out = *digits;
                }
            }
            return !failed();
        }
        if (colour && raw.size() == 7 && raw[0] == '#' && is_hex_digits(raw.sliced(1))) {
            raw = raw.sliced(1);
        }
        out = pool.make(raw);
        return true;
    }

    // A number's text, checked against the JSON grammar.
    bool number(QByteArrayView& raw) {
        skip_space();
        const char* start = p_;
        if (p_ < end_ && *p_ == '-') {
            ++p_;
        }
        if (p_ < end_ && *p_ == '0') {
            ++p_;
        } else if (!digits()) {
            return bad_number(start);
        }
        if (p_ < end_ && *p_ == '.') {
            ++p_;
            if (!digits()) {
                return bad_number(start);
            }
        }
        if (p_ < end_ && (*p_ == 'e' || *p_ == 'E')) {
            ++p_;
            if (p_ < end_ && (*p_ == '+' || *p_ == '-')) {
                ++p_;
            }
            if (!digits()) {
                return bad_number(start);
            }
        }
        raw = QByteArrayView(start, p_ - start);
        return true;
    }

    // Steps over any value, however deeply nested, without recursion.
    bool skip_value() {
        std::vector<char> closers;  // of the containers entered, innermost last
        bool just_entered = false;
        do {
            skip_space();
            if (failed()) {
                return false;
            }
            if (!closers.empty()) {
                if (p_ < end_ && *p_ == closers.back()) {
                    ++p_;
                    closers.pop_back();
                    just_entered = false;
                    continue;
                }
                // Every value after a container's first follows a ",".
                if (!just_entered) {
                    if (p_ == end_ || *p_ != ',') {
                        fail(closers.back() == '}'
                                 ? QCoreApplication::translate("ThemeFromJson", "expected , or }")
                                 : QCoreApplication::translate("ThemeFromJson", "expected , or ]"));
                        return false;
                    }
                    ++p_;
                }
                if (closers.back() == '}') {
                    QByteArrayView name;
                    QByteArray storage;
                    if (!key(name, storage)) {
                        return false;
                    }
                }
            }
            just_entered = false;
            if (!skip_one(closers, just_entered)) {
                return false;
            }
        } while (!closers.empty());
        return true;
    }

    // After the top value only space may follow.
    bool at_end() {
        skip_space();
        if (!failed() && p_ != end_) {
            fail(QCoreApplication::translate("ThemeFromJson", "more text after the JSON value"));
        }
        return !failed();
    }

    bool unexpected() {
        if (p_ == end_) {
            fail(ends_early());
        } else {
            const uchar c = uchar(*p_);
            fail(QCoreApplication::translate("ThemeFromJson", "unexpected %1")
                     .arg(c >= 0x20 && c < 0x7F
                              ? QString(QLatin1Char(char(c)))
                              : QStringLiteral("byte 0x%1").arg(c, 2, 16, QLatin1Char('0'))));
        }
        return false;
    }

  private:
    static bool is_hex_digits(QByteArrayView bytes) {
        return std::all_of(bytes.begin(), bytes.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        });
    }

    static QString ends_early() {
        return QCoreApplication::translate("ThemeFromJson", "the text ends too early");
    }

    void fail(const QString& message) {
        if (!failed()) {
            fault_ = message;
            fault_at_ = p_ - begin_;
        }
    }
    bool bad_number(const char* start) {
        p_ = start;
        fail(QCoreApplication::translate("ThemeFromJson", "malformed number"));
        return false;
    }

    void skip_space() {
        while (p_ < end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t')) {
            // An indented text has runs of spaces after each line end: they go eight at a time.
            if (*p_ == '\n') {
                ++p_;
                constexpr std::uint64_t kEightSpaces = 0x2020202020202020ULL;
                std::uint64_t eight = 0;
                while (end_ - p_ >= 8 && (std::memcpy(&eight, p_, 8), eight == kEightSpaces)) {
                    p_ += 8;
                }
                continue;
            }
            ++p_;
        }
    }
    bool digits() {
        const char* start = p_;
        while (p_ < end_ && *p_ >= '0' && *p_ <= '9') {
            ++p_;
        }
        return p_ > start;
    }
    bool literal(const char* word) {
        const qsizetype n = qsizetype(std::strlen(word));
        if (end_ - p_ < n || QByteArrayView(p_, n) != QByteArrayView(word, n)) {
            return unexpected();
        }
        p_ += n;
        return true;
    }

    // One value; an object or array is entered, its closer pushed.
    bool skip_one(std::vector<char>& closers, bool& entered) {
        QByteArrayView raw;
        QString text;
        switch (peek()) {
            case JsonType::Object:
            case JsonType::Array:
                closers.push_back(*p_ == '{' ? '}' : ']');
                ++p_;
                entered = true;
                return true;
            case JsonType::String:
                return string(text);
            case JsonType::Number:
                return number(raw);
            case JsonType::Boolean:
                return literal(*p_ == 't' ? "true" : "false");
            case JsonType::Null:
                return literal("null");
            case JsonType::Nothing:
                break;
        }
        return unexpected();
    }

    // The bytes between a string's quotes, p_ at the opening quote.
    bool string_bytes(QByteArrayView& raw, bool& ascii, bool& escaped) {
        if (p_ == end_ || *p_ != '"') {
            return unexpected();
        }
        const char* start = ++p_;
        while (p_ < end_) {
            // Most bytes are plain ASCII that needs no look beyond this.
            while (p_ < end_ && kPlainStringByte[uchar(*p_)]) {
                ++p_;
            }
            if (p_ == end_) {
                break;
            }
            const uchar c = uchar(*p_);
            if (c == '"') {
                raw = QByteArrayView(start, p_ - start);
                ++p_;
                return true;
            }
            if (c == '\\') {
                escaped = true;
                if (end_ - p_ < 2) {
                    break;
                }
                p_ += 2;
                continue;
            }
            if (c < 0x20) {
                fail(QCoreApplication::translate(
                    "ThemeFromJson", "a control character in a string must be escaped"));
                return false;
            }
            ascii = ascii && c < 0x80;
            ++p_;
        }
        p_ = end_;
        fail(QCoreApplication::translate("ThemeFromJson", "the string has no closing quote"));
        return false;
    }

    QString utf8(QByteArrayView bytes, const char* at) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder(bytes);
        if (decoder.hasError()) {
            p_ = at;
            fail(QCoreApplication::translate("ThemeFromJson", "the text is not valid UTF-8"));
        }
        return text;
    }

    QString decode(QByteArrayView raw, bool ascii, bool escaped) {
        if (!escaped) {
            return ascii ? QString::fromLatin1(raw) : utf8(raw, raw.data());
        }
        QString text;
        text.reserve(raw.size());
        qsizetype i = 0;
        while (i < raw.size()) {
            const qsizetype stop = raw.indexOf('\\', i);
            const qsizetype run_end = stop < 0 ? raw.size() : stop;
            if (run_end > i) {
                text += ascii ? QString::fromLatin1(raw.sliced(i, run_end - i))
                              : utf8(raw.sliced(i, run_end - i), raw.data() + i);
            }
            if (stop < 0) {
                break;
            }
            const char kind = stop + 1 < raw.size() ? raw[stop + 1] : '\0';
            i = stop + 2;
            switch (kind) {
                case '"':
                case '\\':
                case '/':
                    text += QLatin1Char(kind);
                    break;
                case 'b':
                    text += QLatin1Char('\b');
                    break;
                case 'f':
                    text += QLatin1Char('\f');
                    break;
                case 'n':
                    text += QLatin1Char('\n');
                    break;
                case 'r':
                    text += QLatin1Char('\r');
                    break;
                case 't':
                    text += QLatin1Char('\t');
                    break;
                case 'u': {
                    uint code = 0;
                    const char* hex = raw.data() + i;
                    const auto [end, error] = std::from_chars(
                        hex, hex + std::min<qsizetype>(4, raw.size() - i), code, 16);
                    if (error != std::errc() || end != hex + 4) {
                        p_ = raw.data() + stop;
                        fail(QCoreApplication::translate("ThemeFromJson",
                                                         "\\u needs four hexadecimal digits"));
                        return text;
                    }
                    text += QChar(char16_t(code));
                    i += 4;
                    break;
                }
                default:
                    p_ = raw.data() + stop;
                    fail(QCoreApplication::translate("ThemeFromJson", "unknown escape \\%1")
                             .arg(QLatin1Char(kind)));
                    return text;
            }
        }
        return text;
    }

    const char* const begin_;
    const char* p_;
    const char* const end_;
    QString fault_;
    qsizetype fault_at_ = 0;
};

// The keys of an element in the dump, in its order.
enum ElementKey {
    kBorder,
    kDisplayName,
    kFieldName,
    kPresentation,
    kPrimaryDay,
    kPrimaryNight,
    kScale,
    kSecondaryDay,
    kSecondaryNight,
    kSortCode,
    kElementKeys
};
constexpr QByteArrayView kElementKeyNames[kElementKeys] = {
    "border",        "display_name", "field_name",    "presentation",    "primary_day",
    "primary_night", "scale",        "secondary_day", "secondary_night", "sort_code"};

// The ElementKey a name stands for, kElementKeys for none: found by its length and a letter
// rather than by comparing it with each name.
int element_key(QByteArrayView name) {
    int key = kElementKeys;
    switch (name.size()) {
        case 5:
            key = kScale;
            break;
        case 6:
            key = kBorder;
            break;
        case 9:
            key = kSortCode;
            break;
        case 10:
            key = kFieldName;
            break;
        case 11:
            key = kPrimaryDay;
            break;
        case 12:
            key = name[0] == 'd' ? kDisplayName : kPresentation;
            break;
        case 13:
            key = name[1] == 'r' ? kPrimaryNight : kSecondaryDay;
            break;
        case 15:
            key = kSecondaryNight;
            break;
        default:
            return kElementKeys;
    }
    // Compared here rather than by a call: a theme has ten keys per style.
    const QByteArrayView known = kElementKeyNames[key];
    return name.size() == known.size() && std::equal(name.begin(), name.end(), known.begin())
               ? key
               : kElementKeys;
}

StyleField style_field_of(int key) {
    switch (key) {
        case kBorder:
            return StyleField::Border;
        case kScale:
            return StyleField::Scale;
        case kPrimaryDay:
            return StyleField::PrimaryDay;
        case kPrimaryNight:
            return StyleField::PrimaryNight;
        case kSecondaryDay:
            return StyleField::SecondaryDay;
        case kSecondaryNight:
            return StyleField::SecondaryNight;
        default:
            return StyleField::None;
    }
}

}  // namespace

QString metadata_json_key(MetadataField field) {
    switch (field) {
        case MetadataField::Title:
            return QStringLiteral("title");
        case MetadataField::Description:
            return QStringLiteral("description");
        case MetadataField::Locale:
            return QStringLiteral("locale");
        case MetadataField::Version:
            break;
    }
    return QStringLiteral("version");
}

namespace {

// Reads the dump's shape into a theme, noting each problem with the offset it stands at.
class ThemeJsonReader {
  public:
    explicit ThemeJsonReader(QByteArrayView text) : text_(text), json_(text) {}

    ThemeFromJson read() {
        read_root();
        if (json_.at_end() && problems_.empty()) {
            fill_in_presentation_tables();
        }
        ThemeFromJson result;
        if (json_.failed()) {
            // Whatever was found before the text stopped being JSON may be its consequence.
            problems_.clear();
            problems_.push_back({json_.fault_at(), QString(), json_.fault()});
        } else {
            result.theme = std::move(theme_);
        }
        result.problems = located_problems();
        return result;
    }

  private:
    struct Found {
        qsizetype at;
        QString path;
        QString message;
    };

    void problem(qsizetype at, const QString& path, const QString& message) {
        problems_.push_back({at, path, message});
    }
    void wrong_type(qsizetype at, const QString& path, JsonType wanted) {
        problem(at, path,
                QCoreApplication::translate("ThemeFromJson", "expected %1, found %2")
                    .arg(type_name(wanted), type_name(json_.peek())));
        json_.skip_value();
    }
    // A value of the type wanted, or a problem and the value skipped.
    bool expect(JsonType wanted, const QString& path) {
        const qsizetype at = json_.offset();
        const JsonType found = json_.peek();
        if (found == wanted) {
            return true;
        }
        if (found == JsonType::Nothing) {
            json_.unexpected();
        } else {
            wrong_type(at, path, wanted);
        }
        return false;
    }
    void unknown_key(qsizetype at, const QString& path) {
        problem(at, path, QCoreApplication::translate("ThemeFromJson", "unknown key"));
        json_.skip_value();
    }
    void twice(qsizetype at, const QString& path) {
        problem(at, path, QCoreApplication::translate("ThemeFromJson", "the key is given twice"));
        json_.skip_value();
    }

    void read_root() {
        if (!expect(JsonType::Object, QString())) {
            return;
        }
        bool first = false;
        json_.enter('{', first);
        unsigned seen = 0;
        while (json_.next('}', first)) {
            QByteArrayView name;
            QByteArray storage;
            const qsizetype at = json_.offset();
            if (!json_.key(name, storage)) {
                return;
            }
            const QString path = QString::fromUtf8(name);
            static const char* const kRootKeys[] = {"elements", "file",     "list",
                                                    "messages", "metadata", "presentations"};
            const auto known = std::find_if(std::begin(kRootKeys), std::end(kRootKeys),
                                            [&](const char* k) { return name == k; });
            if (known == std::end(kRootKeys)) {
                unknown_key(at, path);
                continue;
            }
            const unsigned bit = 1u << (known - std::begin(kRootKeys));
            if ((seen & bit) != 0) {
                twice(at, path);
                continue;
            }
            seen |= bit;
            if (name == "elements") {
                read_elements();
            } else if (name == "metadata") {
                read_metadata();
            } else if (name == "presentations") {
                has_presentations_ = read_names(theme_.project_presentations, path);
            } else if (name == "list") {
                has_list_ = read_names(theme_.listed_presentations, path);
            } else {
                json_.skip_value();  // "file" and "messages" are what a dump adds
            }
        }
    }

    bool read_names(QStringList& names, const QString& path) {
        if (!expect(JsonType::Array, path)) {
            return false;
        }
        bool first = false;
        json_.enter('[', first);
        while (json_.next(']', first)) {
            const QString item = QStringLiteral("%1[%2]").arg(path).arg(names.size());
            QString name;
            if (expect(JsonType::String, item) && json_.string(name)) {
                names.append(name);
            } else {
                names.append(QString());  // keeps the numbering of the items after it
            }
        }
        return true;
    }

    void read_metadata() {
        const qsizetype start = json_.offset();
        if (!expect(JsonType::Object, QStringLiteral("metadata"))) {
            return;
        }
        qsizetype at[4] = {start, start, start, start};
        bool first = false;
        json_.enter('{', first);
        unsigned seen = 0;
        while (json_.next('}', first)) {
            QByteArrayView name;
            QByteArray storage;
            const qsizetype key_at = json_.offset();
            if (!json_.key(name, storage)) {
                return;
            }
            const QString path = QStringLiteral("metadata.") + QString::fromUtf8(name);
            int field = 0;
            while (field < 4 && name != metadata_json_key(MetadataField(field)).toLatin1()) {
                ++field;
            }
            if (field == 4) {
                unknown_key(key_at, path);
                continue;
            }
            if ((seen & (1u << field)) != 0) {
                twice(key_at, path);
                continue;
            }
            seen |= 1u << field;
            at[field] = json_.offset();
            if (expect(JsonType::String, path)) {
                json_.string(metadata_text(theme_.metadata, MetadataField(field)));
            }
        }
        for (const auto& [field, message] : metadata_problems(theme_.metadata)) {
            problem(at[int(field)], QStringLiteral("metadata.") + metadata_json_key(field),
                    message);
        }
    }

    void read_elements() {
        if (!expect(JsonType::Array, QStringLiteral("elements"))) {
            return;
        }
        // Room for every element at once: growing the table copies every Element already read.
        // Each one needs its field name, so that key is counted once where it stands.
        theme_.elements.reserve(
            theme_.elements.size() +
            size_t(occurrences_of(text_.sliced(json_.offset()), "\"field_name\"")));
        prefer_huge_pages(theme_.elements.data(), theme_.elements.capacity() * sizeof(Element));
        bool first = false;
        json_.enter('[', first);
        int index = 0;
        while (json_.next(']', first)) {
            read_element(index++);
        }
    }

    QString element_path(int index, int key = -1) const {
        QString path = QStringLiteral("elements[%1]").arg(index);
        if (key >= 0) {
            path += QLatin1Char('.') + QString::fromLatin1(kElementKeyNames[key]);
        }
        return path;
    }

    void read_element(int index) {
        const qsizetype start = json_.offset();
        if (json_.peek() != JsonType::Object) {
            expect(JsonType::Object, element_path(index));
            return;
        }
        // Made where it stays, and taken back if it has a problem.
        Element& e = theme_.elements.emplace_back();
        qsizetype at[kElementKeys] = {};
        unsigned seen = 0;   // keys given
        unsigned valid = 0;  // keys given with a value of the type they need
        const size_t problems_before = problems_.size();
        bool first = false;
        json_.enter('{', first);
        while (json_.next('}', first)) {
            QByteArrayView name;
            QByteArray storage;
            const qsizetype key_at = json_.offset();
            if (!json_.key(name, storage)) {
                return;
            }
            const int key = element_key(name);
            if (key == kElementKeys) {
                unknown_key(key_at,
                            element_path(index) + QLatin1Char('.') + QString::fromUtf8(name));
                continue;
            }
            if ((seen & (1u << key)) != 0) {
                twice(key_at, element_path(index, key));
                continue;
            }
            seen |= 1u << key;
            at[key] = json_.offset();
            if (read_element_value(e, key, element_path_maker(index, key))) {
                valid |= 1u << key;
            }
        }
        if (json_.failed()) {
            return;
        }
        for (const int key : {kFieldName, kPresentation}) {
            if ((seen & (1u << key)) == 0) {
                problem(start, element_path(index),
                        QCoreApplication::translate("ThemeFromJson", "%1 is missing")
                            .arg(QString::fromLatin1(kElementKeyNames[key])));
            }
        }
        // The values given are checked even beside a fault, so that one run names them all.
        fill_in_defaults(e, valid);
        check_values(e, index, valid, at);
        if (problems_.size() != problems_before) {
            theme_.elements.pop_back();
        }
    }

    // The path of a value, made only when a problem needs it.
    struct PathMaker {
        const ThemeJsonReader* reader;
        int index;
        int key;
        QString operator()() const { return reader->element_path(index, key); }
    };
    PathMaker element_path_maker(int index, int key) const { return {this, index, key}; }

    bool read_element_value(Element& e, int key, const PathMaker& path) {
        const qsizetype at = json_.offset();
        const JsonType type = json_.peek();
        if (key == kSortCode) {
            if (type != JsonType::Number) {
                expect(JsonType::Number, path());
                return false;
            }
            QByteArrayView raw;
            if (!json_.number(raw)) {
                return false;
            }
            const auto [end, error] =
                std::from_chars(raw.data(), raw.data() + raw.size(), e.sort_code);
            if (error != std::errc() || end != raw.data() + raw.size()) {
                problem(at, path(),
                        QCoreApplication::translate("ThemeFromJson", "%1 is not a whole number")
                            .arg(QString::fromLatin1(raw)));
                return false;
            }
            return true;
        }
        if (type != JsonType::String) {
            expect(JsonType::String, path());
            return false;
        }
        switch (key) {
            case kFieldName:
                return json_.pooled_string(e.field_name, strings_);
            case kDisplayName:
                return json_.pooled_string(e.display_name, strings_);
            case kPresentation:
                // Not pooled: the check tells one presentation's name from another's by its
                // buffer.
                return json_.string(e.presentation, &last_presentation_raw_, &last_presentation_);
            case kScale:
                return json_.pooled_string(e.scale, strings_);
            case kBorder:
                return json_.pooled_string(e.border, strings_);
            default:
                break;
        }
        // A colour may be given with "#"; one that is not six digits stays as given, for its
        // problem to quote.
        return json_.pooled_string(style_field_text(e, style_field_of(key)), strings_, true);
    }

    // The editor's values for what the element leaves out.
    static void fill_in_defaults(Element& e, unsigned seen) {
        const auto given = [seen](int key) { return (seen & (1u << key)) != 0; };
        const unsigned style_keys = (1u << kScale) | (1u << kBorder) | (1u << kPrimaryDay) |
                                    (1u << kPrimaryNight) | (1u << kSecondaryDay) |
                                    (1u << kSecondaryNight);
        if ((seen & style_keys) != style_keys) {
            const QString name = catalogue_part(e.field_name).toString();
            const bool line = is_catalogue_line(name) || (!is_catalogue_polygon(name) &&
                                                          given(kBorder) && !e.border.isEmpty());
            const Element standard =
                line ? new_line(name, e.presentation, 0) : new_polygon(name, e.presentation, 0);
            for (const int key :
                 {kScale, kBorder, kPrimaryDay, kPrimaryNight, kSecondaryDay, kSecondaryNight}) {
                if (!given(key)) {
                    const StyleField field = style_field_of(key);
                    style_field_text(e, field) = style_field_text(standard, field);
                }
            }
        }
        if (!given(kDisplayName)) {
            e.display_name = element_display_name(catalogue_part(e.field_name).toString());
        }
        if (!given(kSortCode)) {
            // An unknown presentation is the check's to report, as after reading a file.
            MessageList unheard;
            e.sort_code = presentation_code(e.presentation, e.border, unheard);
        }
    }

    // The values of the keys in `seen`.
    void check_values(const Element& e, int index, unsigned seen,
                      const qsizetype (&at)[kElementKeys]) {
        for (const int key :
             {kScale, kBorder, kPrimaryDay, kPrimaryNight, kSecondaryDay, kSecondaryNight}) {
            if ((seen & (1u << key)) == 0) {
                continue;
            }
            const QString message = style_value_problem(e, style_field_of(key));
            if (!message.isEmpty()) {
                problem(at[key], element_path(index, key), message);
            }
        }
        const QString name_message =
            (seen & (1u << kFieldName)) != 0 ? field_name_problem(e.field_name) : QString();
        if (!name_message.isEmpty()) {
            problem(at[kFieldName], element_path(index, kFieldName), name_message);
        }
        if ((seen & (1u << kPresentation)) == 0) {
            return;
        }
        // The Elements of one presentation share its name: it is checked once per run.
        if (!e.presentation.isSharedWith(checked_presentation_) || checked_presentation_.isNull()) {
            checked_presentation_ = e.presentation;
            presentation_message_ = presentation_problem(e.presentation);
        }
        if (!presentation_message_.isEmpty()) {
            problem(at[kPresentation], element_path(index, kPresentation), presentation_message_);
        }
    }

    // As the reader would list them: one name per run of elements of one presentation.
    void fill_in_presentation_tables() {
        if (has_presentations_ && has_list_) {
            return;
        }
        QStringList names;
        for (const Element& e : theme_.elements) {
            const QString name = space_trimmed(e.presentation);
            if (names.isEmpty() || names.back() != name) {
                names.append(name);
            }
        }
        if (!has_presentations_) {
            theme_.project_presentations = names;
        }
        if (!has_list_) {
            theme_.listed_presentations = names;
        }
    }

    // The problems in the order of the text, each with its line and column.
    std::vector<JsonProblem> located_problems() {
        std::stable_sort(problems_.begin(), problems_.end(),
                         [](const Found& a, const Found& b) { return a.at < b.at; });
        std::vector<JsonProblem> located;
        located.reserve(problems_.size());
        int line = 1;
        int column = 1;
        qsizetype walked = 0;
        for (const Found& f : problems_) {
            for (; walked < f.at && walked < text_.size(); ++walked) {
                const uchar c = uchar(text_[walked]);
                if (c == '\n') {
                    ++line;
                    column = 1;
                } else if ((c & 0xC0) != 0x80) {
                    ++column;  // a character starts here, not the middle of one
                }
            }
            located.push_back({line, column, f.path, f.message});
        }
        return located;
    }

    QByteArrayView text_;
    JsonText json_;
    Theme theme_;
    std::vector<Found> problems_;
    bool has_presentations_ = false;
    bool has_list_ = false;
    QByteArray last_presentation_raw_;
    QString last_presentation_;
    Latin1StringPool strings_;
    QString checked_presentation_;
    QString presentation_message_;
};

}  // namespace

ThemeFromJson theme_from_json(QByteArrayView json) {
    return ThemeJsonReader(json).read();
}

}  // namespace quorvane
