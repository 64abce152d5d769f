// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/theme_diff_report.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>

#include "format/theme_from_json.h"
#include "format/writable_values.h"

namespace quorvane {

namespace {

const char* const kBold = "\x1b[1m";
const char* const kGreen = "\x1b[32m";
const char* const kRed = "\x1b[31m";
const char* const kYellow = "\x1b[33m";
const char* const kPlain = "\x1b[0m";

// A value as the text shows it: a colour as #RRGGBB, an absent value as "none", anything that
// could be mistaken for something else in quotes.
QString shown_value(StyleField field, const QString& text) {
    if (text.isEmpty()) {
        return QCoreApplication::translate("ThemeDiffReport", "none");
    }
    if (is_colour_field(field) && six_digit_colour(text)) {
        return QLatin1Char('#') + text.toUpper();
    }
    const bool plain = std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() > 0x20 && c != QLatin1Char('"') && c != QLatin1Char('\\');
    });
    return plain ? text : quoted_value(text);
}

QString padded(const QString& text, qsizetype width) {
    return text.leftJustified(width, QLatin1Char(' '));
}

// One line of the text, with the colour of its mark when asked.
class DiffLines {
  public:
    explicit DiffLines(bool colour) : colour_(colour) {}

    void heading(const QString& text) { line(kBold, text); }
    void marked(QChar mark, const QString& text) {
        const char* code = mark == QLatin1Char('+')   ? kGreen
                           : mark == QLatin1Char('-') ? kRed
                                                      : kYellow;
        line(code, QStringLiteral("  ") + mark + QLatin1Char(' ') + text);
    }
    // A further line of the change above it, in its colour.
    void continued(const QString& text) { line(kYellow, text); }
    void plain(const QString& text) { line(nullptr, text); }

    QString text;

  private:
    void line(const char* code, const QString& body) {
        if (colour_ && code != nullptr) {
            text += QLatin1String(code) + body + QLatin1String(kPlain);
        } else {
            text += body;
        }
        text += QLatin1Char('\n');
    }

    bool colour_;
};

QString style_values(const ElementStyle& style) {
    Element e;
    style.write_to(e);
    QStringList values;
    values.append(e.is_polygon() ? QStringLiteral("polygon:") : QStringLiteral("line:"));
    for (const StyleField field : kStyleFields) {
        const QString& text = style_field_text(e, field);
        if (!text.isEmpty()) {
            values.append(style_field_key(field) + QLatin1Char('=') + shown_value(field, text));
        }
    }
    return values.join(QLatin1Char(' '));
}

QString summary(const ThemeDiff& diff) {
    int counts[3] = {};
    for (const StyleDifference& style : diff.styles) {
        ++counts[int(style.change)];
    }
    int presentations[2] = {};
    for (const PresentationDifference& p : diff.presentations) {
        ++presentations[p.added ? 0 : 1];
    }
    const int added = counts[int(StyleChange::Added)];
    const int removed = counts[int(StyleChange::Removed)];
    const int changed = counts[int(StyleChange::Changed)];
    QStringList parts;
    if (added > 0) {
        parts.append(
            added == 1
                ? QCoreApplication::translate("ThemeDiffReport", "1 style added")
                : QCoreApplication::translate("ThemeDiffReport", "%1 styles added").arg(added));
    }
    if (removed > 0) {
        parts.append(
            removed == 1
                ? QCoreApplication::translate("ThemeDiffReport", "1 style removed")
                : QCoreApplication::translate("ThemeDiffReport", "%1 styles removed").arg(removed));
    }
    if (changed > 0) {
        parts.append(
            changed == 1
                ? QCoreApplication::translate("ThemeDiffReport", "1 style changed")
                : QCoreApplication::translate("ThemeDiffReport", "%1 styles changed").arg(changed));
    }
    if (presentations[0] > 0) {
        parts.append(presentations[0] == 1
                         ? QCoreApplication::translate("ThemeDiffReport", "1 presentation added")
                         : QCoreApplication::translate("ThemeDiffReport", "%1 presentations added")
                               .arg(presentations[0]));
    }
    if (presentations[1] > 0) {
        parts.append(
            presentations[1] == 1
                ? QCoreApplication::translate("ThemeDiffReport", "1 presentation removed")
                : QCoreApplication::translate("ThemeDiffReport", "%1 presentations removed")
                      .arg(presentations[1]));
    }
    if (!diff.metadata.empty()) {
        parts.append(QCoreApplication::translate("ThemeDiffReport", "metadata changed"));
    }
    return parts.join(QStringLiteral(", "));
}

QJsonObject json_style(const ElementStyle& style) {
    Element e;
    style.write_to(e);
    QJsonObject values;
    for (const StyleField field : kStyleFields) {
        values.insert(style_field_json_key(field), style_field_text(e, field));
    }
    return values;
}

QString change_name(StyleChange change) {
    switch (change) {
        case StyleChange::Added:
            return QStringLiteral("added");
        case StyleChange::Removed:
            return QStringLiteral("removed");
        case StyleChange::Changed:
            break;
    }
    return QStringLiteral("changed");
}

}  // namespace

QString theme_diff_text(const ThemeDiff& diff, bool colour) {
    DiffLines lines(colour);
    if (diff.same()) {
        return {};
    }
    if (!diff.metadata.empty()) {
        lines.heading(QCoreApplication::translate("ThemeDiffReport", "metadata"));
        qsizetype width = 0;
        for (const MetadataDifference& m : diff.metadata) {
            width = std::max(width, metadata_json_key(m.field).size());
        }
        for (const MetadataDifference& m : diff.metadata) {
            lines.marked(QLatin1Char('~'), padded(metadata_json_key(m.field), width + 2) +
                                               quoted_value(m.old_text) + QStringLiteral(" -> ") +
                                               quoted_value(m.new_text));
        }
    }
    if (!diff.presentations.empty()) {
        lines.heading(QCoreApplication::translate("ThemeDiffReport", "presentations"));
        qsizetype width = 0;
        for (const PresentationDifference& p : diff.presentations) {
            width = std::max(width, p.name.size());
        }
        for (const PresentationDifference& p : diff.presentations) {
            const QString count =
                p.styles == 1
                    ? QCoreApplication::translate("ThemeDiffReport", "1 style")
                    : QCoreApplication::translate("ThemeDiffReport", "%1 styles").arg(p.styles);
            lines.marked(p.added ? QLatin1Char('+') : QLatin1Char('-'),
                         padded(p.name, width + 2) + count);
        }
    }
    // One width for every field name, so that the values line up down the whole text.
    qsizetype name_width = 0;
    qsizetype key_width = 0;
    for (const StyleDifference& style : diff.styles) {
        name_width = std::max(name_width, style.field_name.size());
        for (const FieldDifference& f : style.fields) {
            key_width = std::max(key_width, style_field_key(f.field).size());
        }
    }
    const QString* presentation = nullptr;
    for (const StyleDifference& style : diff.styles) {
        if (presentation == nullptr || *presentation != style.presentation) {
            presentation = &style.presentation;
            lines.heading(style.presentation);
        }
        const QString name = padded(style.field_name, name_width + 2);
        if (style.change != StyleChange::Changed) {
            lines.marked(style.change == StyleChange::Added ? QLatin1Char('+') : QLatin1Char('-'),
                         name + style_values(style.style));
            continue;
        }
        for (size_t k = 0; k < style.fields.size(); ++k) {
            const FieldDifference& f = style.fields[k];
            const QString change = padded(style_field_key(f.field), key_width + 2) +
                                   shown_value(f.field, f.old_text) + QStringLiteral(" -> ") +
                                   shown_value(f.field, f.new_text);
            if (k == 0) {
                lines.marked(QLatin1Char('~'), name + change);
            } else {
                lines.continued(QString(name.size() + 4, QLatin1Char(' ')) + change);
            }
        }
    }
    if (diff.reordered) {
        lines.plain(QCoreApplication::translate("ThemeDiffReport", "same styles, different order"));
    } else {
        lines.plain(summary(diff));
    }
    return lines.text;
}

QJsonObject theme_diff_json(const ThemeDiff& diff) {
    QJsonArray metadata;
    for (const MetadataDifference& m : diff.metadata) {
        metadata.append(QJsonObject{{QStringLiteral("field"), metadata_json_key(m.field)},
                                    {QStringLiteral("old"), m.old_text},
                                    {QStringLiteral("new"), m.new_text}});
    }
    QJsonArray presentations;
    for (const PresentationDifference& p : diff.presentations) {
        presentations.append(
            QJsonObject{{QStringLiteral("change"),
                         p.added ? QStringLiteral("added") : QStringLiteral("removed")},
                        {QStringLiteral("name"), p.name},
                        {QStringLiteral("styles"), p.styles}});
    }
    QJsonArray styles;
    for (const StyleDifference& style : diff.styles) {
        QJsonObject entry{{QStringLiteral("change"), change_name(style.change)},
                          {QStringLiteral("presentation"), style.presentation},
                          {QStringLiteral("field_name"), style.field_name}};
        if (style.change == StyleChange::Changed) {
            QJsonArray fields;
            for (const FieldDifference& f : style.fields) {
                fields.append(QJsonObject{{QStringLiteral("field"), style_field_json_key(f.field)},
                                          {QStringLiteral("old"), f.old_text},
                                          {QStringLiteral("new"), f.new_text}});
            }
            entry.insert(QStringLiteral("fields"), fields);
        } else {
            entry.insert(QStringLiteral("style"), json_style(style.style));
        }
        styles.append(entry);
    }
    return QJsonObject{{QStringLiteral("same"), diff.same()},
                       {QStringLiteral("reordered"), diff.reordered},
                       {QStringLiteral("metadata"), metadata},
                       {QStringLiteral("presentations"), presentations},
                       {QStringLiteral("styles"), styles}};
}

}  // namespace quorvane
