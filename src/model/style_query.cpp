// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/style_query.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <memory>

#include "colour/colour_values.h"
#include "model/style_fields.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

QRegularExpression glob_pattern(const QString& glob) {
    return QRegularExpression(QRegularExpression::wildcardToRegularExpression(glob),
                              QRegularExpression::CaseInsensitiveOption);
}

QString unknown_value(const QString& condition) {
    return QCoreApplication::translate("StyleQuery", "%1: the value is missing").arg(condition);
}

}  // namespace

QString StyleQuery::add(const QString& condition) {
    const qsizetype equals = condition.indexOf(QLatin1Char('='));
    const QString key = condition.left(equals).trimmed();
    const QString value = equals < 0 ? QString() : condition.mid(equals + 1);
    if (equals < 0 || value.isEmpty()) {
        return unknown_value(condition);
    }
    if (key == QLatin1String("feature")) {
        const QRegularExpression pattern = glob_pattern(value);
        conditions_.push_back([pattern](const Element& e) {
            return pattern.match(e.field_name).hasMatch() ||
                   pattern.match(catalogue_part(e.field_name)).hasMatch();
        });
    } else if (key == QLatin1String("presentation")) {
        // The Elements of one presentation share its name: it is matched once per run.
        struct LastName {
            QString name;
            bool matched = false;
        };
        auto last = std::make_shared<LastName>();
        conditions_.push_back([pattern = glob_pattern(value.trimmed()), last](const Element& e) {
            if (last->name.isNull() || e.presentation != last->name) {
                last->name = e.presentation;
                last->matched = pattern.match(space_trimmed_view(e.presentation)).hasMatch();
            }
            return last->matched;
        });
    } else if (key == QLatin1String("kind")) {
        const bool line = value == QLatin1String("line");
        if (!line && value != QLatin1String("polygon")) {
            return QCoreApplication::translate("StyleQuery", "%1: the kind is line or polygon")
                .arg(condition);
        }
        conditions_.push_back([line](const Element& e) { return e.is_polygon() != line; });
    } else if (key == QLatin1String("colour") || key == QLatin1String("color")) {
        const std::optional<int> colour = typed_colour(value);
        if (!colour) {
            return QCoreApplication::translate("StyleQuery",
                                               "%1: the colour is six hexadecimal digits, "
                                               "such as #FF8000")
                .arg(condition);
        }
        conditions_.push_back([digits = colour_text(*colour)](const Element& e) {
            return std::any_of(kColourFields.begin(), kColourFields.end(), [&](StyleField field) {
                return is_colour_text(style_field_text(e, field), digits);
            });
        });
    } else {
        return QCoreApplication::translate(
                   "StyleQuery", "%1: a condition is feature=, presentation=, kind= or colour=")
            .arg(condition);
    }
    return {};
}

bool StyleQuery::matches(const Element& e) const {
    return std::all_of(conditions_.begin(), conditions_.end(),
                       [&](const auto& condition) { return condition(e); });
}

std::vector<int> StyleQuery::matching(const Theme& theme) const {
    std::vector<int> numbers;
    numbers.reserve(theme.elements.size());
    for (int k = 0; k < theme.element_count(); ++k) {
        if (matches(theme.elements[size_t(k)])) {
            numbers.push_back(k);
        }
    }
    return numbers;
}

}  // namespace quorvane
