// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/theme_json.h"

#include <QJsonArray>
#include <cstring>
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
    // A JSON string as QJsonDocument writes it: UTF-8, control characters escaped.
    JsonOut& string(const QString& text) {
        static const char kHex[] = "0123456789abcdef";
        const qsizetype n = text.size();
        char* const start = room(size_t(n) * 6 + 2);
        char* out = start;
        *out++ = '"';
        const char16_t* in = reinterpret_cast<const char16_t*>(text.utf16());
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
        used_ += size_t(out - start);
        return *this;
    }
    JsonOut& key(int level, const char* name) {
        indent(level);
        put("\"", 1);
        raw(name);
        return put("\": ", 3);
    }
    JsonOut& number(int value) {
        const QByteArray digits = QByteArray::number(value);
        return put(digits.constData(), size_t(digits.size()));
    }
    // An array of strings at `level` (the level of its key).
    JsonOut& strings(int level, const QStringList& texts) {
        raw("[\n");
        for (qsizetype i = 0; i < texts.size(); ++i) {
            indent(level + 1).string(texts[i]).raw(i + 1 < texts.size() ? ",\n" : "\n");
        }
        return indent(level).raw("]");
    }

  private:
    static constexpr size_t kChunk = size_t(1) << 16;

    static char* utf8(char* out, char32_t code) {
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

    // Where the next `size` bytes go; a full buffer is handed on first.
    char* room(size_t size) {
        if (used_ + size > buffer_.size()) {
            flush();
            if (size > buffer_.size()) {
                buffer_.resize(size);
            }
        }
        return buffer_.data() + used_;
    }
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

void write_element(JsonOut& out, const Element& e) {
    const std::pair<const char*, const QString*> texts[] = {
        {"border", &e.border},
        {"display_name", &e.display_name},
        {"field_name", &e.field_name},
        {"presentation", &e.presentation},
        {"primary_day", &e.primary_day},
        {"primary_night", &e.primary_night},
        {"scale", &e.scale},
        {"secondary_day", &e.secondary_day},
        {"secondary_night", &e.secondary_night},
    };
    out.indent(2).raw("{\n");
    for (const auto& [name, text] : texts) {
        out.key(3, name).string(*text).raw(",\n");
    }
    out.key(3, "sort_code").number(e.sort_code).raw("\n");
    out.indent(2).raw("}");
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
