// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/theme_json.h"

#include <QJsonArray>
#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

namespace quorvane {

QJsonObject theme_json(const Theme& theme, const QString& file_name, const QStringList& messages) {
    QJsonArray elements;
    for (const Element& e : theme.elements) {
        elements.append(QJsonObject{
            {QStringLiteral("sort_code"), e.sort_code},
            {QStringLiteral("field_name"), e.field_name},
            {QStringLiteral("display_name"), e.display_name},
            {QStringLiteral("presentation"), e.presentation},
            {QStringLiteral("scale"), e.scale},
            {QStringLiteral("border"), e.border},
            {QStringLiteral("primary_day"), e.primary_day},
            {QStringLiteral("primary_night"), e.primary_night},
            {QStringLiteral("secondary_day"), e.secondary_day},
            {QStringLiteral("secondary_night"), e.secondary_night},
        });
    }
    return QJsonObject{
        {QStringLiteral("file"), file_name},
        {QStringLiteral("metadata"),
         QJsonObject{{QStringLiteral("title"), theme.metadata.title},
                     {QStringLiteral("description"), theme.metadata.description},
                     {QStringLiteral("locale"), theme.metadata.locale},
                     {QStringLiteral("version"), theme.metadata.version}}},
        {QStringLiteral("presentations"), QJsonArray::fromStringList(theme.project_presentations)},
        {QStringLiteral("list"), QJsonArray::fromStringList(theme.listed_presentations)},
        {QStringLiteral("elements"), elements},
        {QStringLiteral("messages"), QJsonArray::fromStringList(messages)},
    };
}

namespace {

char* utf8(char* out, char32_t code) {
    if (code < 0x800) {
        *out++ = char(0xC0 | (code >> 6));
    } else {
        if (code < 0x10000) {
            *out++ = char(0xE0 | (code >> 12));
        } else {
            *out++ = char(0xF0 | (code >> 18));
            *out++ = char(0x80 | ((code >> 12) & 0x3F));
        }
        *out++ = char(0x80 | ((code >> 6) & 0x3F));
    }
    *out++ = char(0x80 | (code & 0x3F));
    return out;
}

// The most bytes put_json_string writes for a text.
size_t most_json_string_bytes(const QString& text) {
    return size_t(text.size()) * 6 + 2;
}

// Writes a JSON string as QJsonDocument writes it (UTF-8, control characters escaped) and
// returns its end.
char* put_json_string(char* out, const QString& text) {
    static const char kHex[] = "0123456789abcdef";
    const qsizetype n = text.size();
    *out++ = '"';
    const char16_t* in = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = in[i];
        if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
            *out++ = char(c);
        } else if (c >= 0x80) {
            char32_t code = c;
            if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(in[i + 1])) {
                code = QChar::surrogateToUcs4(c, in[++i]);
            } else if (QChar::isSurrogate(c)) {
                code = 0xFFFD;  // what a lone surrogate becomes in UTF-8
            }
            out = utf8(out, code);
        } else {
            *out++ = '\\';
            switch (c) {
                case '"':
                case '\\':
                    *out++ = char(c);
                    break;
                case '\b':
                    *out++ = 'b';
                    break;
                case '\f':
                    *out++ = 'f';
                    break;
                case '\n':
                    *out++ = 'n';
                    break;
                case '\r':
                    *out++ = 'r';
                    break;
                case '\t':
                    *out++ = 't';
                    break;
                default:
                    *out++ = 'u';
                    *out++ = '0';
                    *out++ = '0';
                    *out++ = kHex[c >> 4];
                    *out++ = kHex[c & 15];
            }
        }
    }
    *out++ = '"';
    return out;
}

// Collects the text in a buffer of its own and hands it on in large pieces; every piece is
// copied straight into place, since a dump spends its time here.
class JsonOut {
  public:
    explicit JsonOut(const std::function<void(const QByteArray&)>& write)
        : write_(write), buffer_(kChunk) {}
    ~JsonOut() { flush(); }

    JsonOut& raw(const char* text) { return put(text, std::strlen(text)); }
    JsonOut& indent(int level) {
        char* out = room(size_t(level) * 4);
        std::memset(out, ' ', size_t(level) * 4);
        used_ += size_t(level) * 4;
        return *this;
    }
    // A JSON string as QJsonDocument writes it.
    JsonOut& string(const QString& text) {
        char* const start = room(most_json_string_bytes(text));
        used_ += size_t(put_json_string(start, text) - start);
        return *this;
    }
    JsonOut& key(int level, const char* name) {
        indent(level);
        put("\"", 1);
        raw(name);
        return put("\": ", 3);
    }
    // An array of strings at `level` (the level of its key).
    JsonOut& strings(int level, const QStringList& texts) {
        raw("[\n");
        for (qsizetype i = 0; i < texts.size(); ++i) {
            indent(level + 1).string(texts[i]).raw(i + 1 < texts.size() ? ",\n" : "\n");
        }
        return indent(level).raw("]");
    }

    // Where the next `size` bytes go; a full buffer is handed on first. Say with written() where
    // the bytes put there end.
    char* room(size_t size) {
        if (used_ + size > buffer_.size()) {
            flush();
            if (size > buffer_.size()) {
                buffer_.resize(size);
            }
        }
        return buffer_.data() + used_;
    }
    void written(const char* end) { used_ = size_t(end - buffer_.data()); }

  private:
    static constexpr size_t kChunk = size_t(1) << 16;

    JsonOut& put(const char* bytes, size_t size) {
        std::memcpy(room(size), bytes, size);
        used_ += size;
        return *this;
    }
    void flush() {
        if (used_ > 0) {
            write_(QByteArray::fromRawData(buffer_.data(), qsizetype(used_)));
            used_ = 0;
        }
    }

    const std::function<void(const QByteArray&)>& write_;
    std::vector<char> buffer_;
    size_t used_ = 0;
};

template <size_t size>
char* put_literal(char* out, const char (&text)[size]) {
    std::memcpy(out, text, size - 1);
    return out + size - 1;
}

// One Element as QJsonDocument indents it at the second level, keys in sorted order, written in
// one piece: an Element's room is worked out once rather than before every part.
void write_element(JsonOut& out, const Element& e) {
    const QString* const texts[] = {&e.border,       &e.display_name,  &e.field_name,
                                    &e.presentation, &e.primary_day,   &e.primary_night,
                                    &e.scale,        &e.secondary_day, &e.secondary_night};
    static constexpr std::string_view kKeys[] = {
        "            \"border\": ",         "            \"display_name\": ",
        "            \"field_name\": ",     "            \"presentation\": ",
        "            \"primary_day\": ",    "            \"primary_night\": ",
        "            \"scale\": ",          "            \"secondary_day\": ",
        "            \"secondary_night\": "};
    size_t most = 256;
    for (const QString* text : texts) {
        most += most_json_string_bytes(*text);
    }
    char* const start = out.room(most);
    char* p = put_literal(start, "        {\n");
    for (size_t k = 0; k < std::size(texts); ++k) {
        std::memcpy(p, kKeys[k].data(), kKeys[k].size());
        p = put_json_string(p + kKeys[k].size(), *texts[k]);
        p = put_literal(p, ",\n");
    }
    p = put_literal(p, "            \"sort_code\": ");
    p = std::to_chars(p, p + 16, e.sort_code).ptr;
    out.written(put_literal(p, "\n        }"));
}

}  // namespace

void write_theme_json(const Theme& theme, const QString& file_name, const QStringList& messages,
                      const std::function<void(const QByteArray&)>& write) {
    JsonOut out(write);
    // Keys in sorted order, as QJsonObject keeps them.
    out.raw("{\n").key(1, "elements").raw("[\n");
    for (size_t i = 0; i < theme.elements.size(); ++i) {
        write_element(out, theme.elements[i]);
        out.raw(i + 1 < theme.elements.size() ? ",\n" : "\n");
    }
    out.indent(1).raw("],\n");
    out.key(1, "file").string(file_name).raw(",\n");
    out.key(1, "list").strings(1, theme.listed_presentations).raw(",\n");
    out.key(1, "messages").strings(1, messages).raw(",\n");
    const Metadata& m = theme.metadata;
    out.key(1, "metadata").raw("{\n");
    out.key(2, "description").string(m.description).raw(",\n");
    out.key(2, "locale").string(m.locale).raw(",\n");
    out.key(2, "title").string(m.title).raw(",\n");
    out.key(2, "version").string(m.version).raw("\n");
    out.indent(1).raw("},\n");
    out.key(1, "presentations").strings(1, theme.project_presentations).raw("\n");
    out.raw("}\n");
}

}  // namespace quorvane
