#include "format/theme_json.h"

#include <QJsonArray>

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

// Collects the text and hands it on in large pieces.
class JsonOut {
  public:
    explicit JsonOut(const std::function<void(const QByteArray&)>& write) : write_(write) {
        buffer_.reserve(kChunk + 4096);
    }
    ~JsonOut() { flush(); }

    JsonOut& raw(const char* text) {
        buffer_.append(text);
        return spill();
    }
    JsonOut& indent(int level) {
        buffer_.append(level * 4, ' ');
        return *this;
    }
    // A JSON string as QJsonDocument writes it: UTF-8, control characters escaped.
    JsonOut& string(const QString& text) {
        static const char kHex[] = "0123456789abcdef";
        buffer_.append('"');
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c >= 0x80) {
                const bool pair = QChar::isHighSurrogate(c) && i + 1 < text.size() &&
                                  QChar::isLowSurrogate(text[i + 1].unicode());
                buffer_.append(QStringView(text).sliced(i, pair ? 2 : 1).toUtf8());
                i += pair ? 1 : 0;
                continue;
            }
            switch (c) {
                case '"':
                    buffer_.append("\\\"");
                    break;
                case '\\':
                    buffer_.append("\\\\");
                    break;
                case '\b':
                    buffer_.append("\\b");
                    break;
                case '\f':
                    buffer_.append("\\f");
                    break;
                case '\n':
                    buffer_.append("\\n");
                    break;
                case '\r':
                    buffer_.append("\\r");
                    break;
                case '\t':
                    buffer_.append("\\t");
                    break;
                default:
                    if (c < 0x20) {
                        const char escaped[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
                        buffer_.append(escaped, 6);
                    } else {
                        buffer_.append(char(c));
                    }
            }
        }
        buffer_.append('"');
        return spill();
    }
    JsonOut& key(int level, const char* name) {
        indent(level);
        buffer_.append('"').append(name).append("\": ");
        return *this;
    }
    JsonOut& number(int value) {
        buffer_.append(QByteArray::number(value));
        return *this;
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
    static constexpr qsizetype kChunk = 1 << 16;

    JsonOut& spill() {
        if (buffer_.size() >= kChunk) {
            flush();
        }
        return *this;
    }
    void flush() {
        if (!buffer_.isEmpty()) {
            write_(buffer_);
            buffer_.clear();
        }
    }

    const std::function<void(const QByteArray&)>& write_;
    QByteArray buffer_;
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
