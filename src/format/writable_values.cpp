// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/writable_values.h"

#include <QCoreApplication>
#include <functional>

#include "format/metadata.h"
#include "format/reader.h"
#include "format/writer.h"
#include "model/version_parts.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

// A style with ordinary values, for trying one unusual value in a file.
Element probe_style() {
    Element e;
    e.field_name = QStringLiteral("MAP_ROAD_DIM_CLR");
    e.presentation = QStringLiteral("GUIDANCE");
    e.scale = QStringLiteral("1");
    e.border = QStringLiteral(".6");
    e.primary_day = QStringLiteral("102030");
    e.primary_night = QStringLiteral("405060");
    e.secondary_day = QStringLiteral("708090");
    e.secondary_night = QStringLiteral("A0B0C0");
    return e;
}

// Writes a theme of this one style and reads it back: what the reader makes of the file.
Theme written_and_read(const Element& e, const Metadata& metadata) {
    MessageList unheard;  // what the trial says is no concern of the user's
    Theme theme;
    theme.elements.push_back(e);
    theme.metadata = metadata;
    const QByteArray text = theme_text(theme, metadata_block_text(metadata), unheard);
    Theme read;
    parse_theme_text(read, text, unheard);
    return read;
}

std::optional<Element> read_back(const Element& e) {
    Metadata metadata;
    metadata.title = QStringLiteral("T");
    Theme read = written_and_read(e, metadata);
    if (read.elements.size() != 1) {
        return std::nullopt;
    }
    return std::move(read.elements.front());
}

// Whether the style comes back with the same values: texts exactly, colours by value.
bool reads_back_alike(const Element& written, const Element& read) {
    if (read.field_name != written.field_name ||
        space_trimmed_view(read.presentation) != space_trimmed_view(written.presentation)) {
        return false;
    }
    for (const StyleField field : kStyleFields) {
        const QString& a = style_field_text(written, field);
        const QString& b = style_field_text(read, field);
        if (a != b && !(is_colour_field(field) && same_style_value(field, a, b))) {
            return false;
        }
    }
    return true;
}

// Why `value`, standing in `probe`, would not come back from the file; `text_of` finds it in a
// style.
QString read_back_problem(const QString& value, const Element& probe,
                          const std::function<QString(const Element&)>& text_of) {
    const std::optional<Element> read = read_back(probe);
    if (read && reads_back_alike(probe, *read)) {
        return {};
    }
    if (read && text_of(*read) != text_of(probe)) {
        return QCoreApplication::translate("WritableValues", "%1 would read back as %2")
            .arg(quoted_value(value), quoted_value(text_of(*read)));
    }
    return QCoreApplication::translate("WritableValues",
                                       "%1 would change how the rest of its style reads back")
        .arg(quoted_value(value));
}

// Letters, digits, "_" and single spaces: the texts no reader step changes. A word the reader
// looks for in a style could still be mistaken for an attribute.
bool is_plain_name(QStringView text, bool spaces) {
    QChar before;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool plain = (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' ||
                           (spaces && u == ' ' && before != QLatin1Char(' '));
        if (!plain) {
            return false;
        }
        before = c;
    }
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QStringView rest = text.sliced(k);
        const char16_t u = rest[0].unicode();
        if ((u == 'B' && rest.startsWith(QLatin1String("BORDER"))) ||
            (u == 'P' && rest.startsWith(QLatin1String("PRIMARY"))) ||
            (u == 'S' && rest.startsWith(QLatin1String("SECONDARY")))) {
            return false;
        }
    }
    return true;
}

bool is_plain_number(const QString& text) {
    bool digit = false;
    bool point = false;
    for (const QChar c : text) {
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            digit = true;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

QString number_problem(const Element& e, StyleField field) {
    const QString& text = style_field_text(e, field);
    if (field == StyleField::Border && text == QLatin1String("0")) {
        return QCoreApplication::translate("WritableValues",
                                           "a border of 0 is left out of the file, and the line "
                                           "would read back as an area");
    }
    if (is_plain_number(text)) {
        return {};
    }
    if (!read_decimal(text)) {
        return QCoreApplication::translate("WritableValues", "%1 is not a number")
            .arg(quoted_value(text));
    }
    Element probe = probe_style();
    style_field_text(probe, field) = text;
    return read_back_problem(text, probe,
                             [field](const Element& e) { return style_field_text(e, field); });
}

QString colour_problem(const Element& e, StyleField field) {
    const QString& text = style_field_text(e, field);
    if (!six_digit_colour(text)) {
        return QCoreApplication::translate("WritableValues",
                                           "%1 is not a colour (six hexadecimal digits, such as "
                                           "FF8000)")
            .arg(quoted_value(text));
    }
    const bool primary = field == StyleField::PrimaryDay || field == StyleField::PrimaryNight;
    const bool night = field == StyleField::PrimaryNight || field == StyleField::SecondaryNight;
    if (night && (primary ? e.primary_day : e.secondary_day).isEmpty()) {
        return QCoreApplication::translate(
                   "WritableValues",
                   "%1 would be left out of the file: a night colour is written only with its "
                   "day colour")
            .arg(quoted_value(text));
    }
    if (!primary && e.border == QLatin1String("0")) {
        return QCoreApplication::translate(
                   "WritableValues",
                   "%1 would be left out of the file: a style with a border of 0 has no "
                   "secondary colours there")
            .arg(quoted_value(text));
    }
    return {};
}

}  // namespace

std::optional<QString> given_colour(const QString& text) {
    const QStringView digits =
        text.startsWith(QLatin1Char('#')) ? QStringView(text).sliced(1) : QStringView(text);
    if (!six_digit_colour(digits)) {
        return std::nullopt;
    }
    return digits.toString();
}

QString style_value_problem(const Element& e, StyleField field) {
    if (style_field_text(e, field).isEmpty()) {
        return {};
    }
    return is_colour_field(field) ? colour_problem(e, field) : number_problem(e, field);
}

QString field_name_problem(const QString& field_name) {
    if (field_name.isEmpty()) {
        return QCoreApplication::translate("WritableValues", "a style needs a field name");
    }
    if (is_plain_name(field_name, false)) {
        return {};
    }
    Element probe = probe_style();
    probe.field_name = field_name;
    return read_back_problem(field_name, probe, [](const Element& e) { return e.field_name; });
}

QString presentation_problem(const QString& presentation) {
    const QStringView name = space_trimmed_view(presentation);
    if (is_plain_name(name, true)) {
        return {};
    }
    Element probe = probe_style();
    probe.presentation = name.toString();
    const std::optional<Element> read = read_back(probe);
    if (read && reads_back_alike(probe, *read)) {
        return {};
    }
    const QString read_name = read ? space_trimmed(read->presentation) : QString();
    return QCoreApplication::translate("WritableValues", "%1 would read back as %2")
        .arg(quoted_value(presentation), quoted_value(read_name));
}

std::vector<std::pair<MetadataField, QString>> metadata_problems(const Metadata& metadata) {
    // What the file holds for each field, as the writer fills in its defaults.
    Metadata saved = metadata;
    if (saved.description.isEmpty()) {
        saved.description = QStringLiteral("map theme");
    }
    if (saved.locale.isEmpty()) {
        saved.locale = QStringLiteral("Global");
    }
    const VersionParts parts =
        version_parts(saved.version.isEmpty() ? QStringLiteral("1.00") : saved.version);
    saved.version = parts.major + QLatin1Char('.') + parts.minor;

    const Theme read = written_and_read(probe_style(), metadata);
    std::vector<std::pair<MetadataField, QString>> problems;
    for (const MetadataField field : {MetadataField::Title, MetadataField::Description,
                                      MetadataField::Locale, MetadataField::Version}) {
        const QString& expected = metadata_text(saved, field);
        const QString& got = metadata_text(read.metadata, field);
        // A line end would come back, but the editor's one-line boxes could never hold it.
        if (expected.contains(QLatin1Char('\n')) || expected.contains(QLatin1Char('\r'))) {
            problems.emplace_back(
                field, QCoreApplication::translate(
                           "WritableValues", "%1 holds a line end, which a metadata field cannot")
                           .arg(quoted_value(expected)));
        } else if (got != expected) {
            problems.emplace_back(
                field, QCoreApplication::translate("WritableValues", "%1 would read back as %2")
                           .arg(quoted_value(metadata_text(metadata, field)), quoted_value(got)));
        }
    }
    if (problems.empty() &&
        (read.elements.size() != 1 || !reads_back_alike(probe_style(), read.elements[0]))) {
        problems.emplace_back(MetadataField::Title, QCoreApplication::translate(
                                                        "WritableValues",
                                                        "the metadata would change how the styles "
                                                        "read back"));
    }
    return problems;
}

QStringList unwritable_changes(const Theme& theme, const StyleChanges& changes) {
    QStringList problems;
    for (const auto& [number, fields] : changes.changed) {
        const Element& e = theme.elements[size_t(number)];
        for (const StyleField field : kStyleFields) {
            if ((fields & field_bit(field)) == 0) {
                continue;
            }
            const QString problem = style_value_problem(e, field);
            if (!problem.isEmpty()) {
                problems.append(space_trimmed(e.presentation) + QStringLiteral(", ") +
                                e.field_name + QStringLiteral(", ") + style_field_key(field) +
                                QStringLiteral(": ") + problem);
            }
        }
    }
    return problems;
}

QString copied_style_problem(const CopiedStyle& copied) {
    if (copied.polygon) {
        return {};
    }
    Element e = probe_style();
    copied.style.write_to(e);
    const std::pair<StyleField, const char*> values[] = {
        {StyleField::Scale, QT_TRANSLATE_NOOP("WritableValues", "Scale")},
        {StyleField::Border, QT_TRANSLATE_NOOP("WritableValues", "Border")}};
    for (const auto& [field, name] : values) {
        const QString problem = style_value_problem(e, field);
        if (!problem.isEmpty()) {
            return QCoreApplication::translate("WritableValues", name) + QStringLiteral(": ") +
                   problem;
        }
    }
    return {};
}

QString quoted_value(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '"':
                quoted += QStringLiteral("\\\"");
                break;
            case '\\':
                quoted += QStringLiteral("\\\\");
                break;
            case '\r':
                quoted += QStringLiteral("\\r");
                break;
            case '\n':
                quoted += QStringLiteral("\\n");
                break;
            case '\t':
                quoted += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20) {
                    quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + QLatin1Char('"');
}

}  // namespace quorvane
