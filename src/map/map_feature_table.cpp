// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_feature_table.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace quorvane {

namespace {

// Keys past the 64th share the last bit: their rules are then simply tried.
constexpr int kMaskBits = 64;

std::uint64_t key_bit(int key) {
    return std::uint64_t(1) << std::min(key, kMaskBits - 1);
}

std::optional<double> number_in(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString table_text(const char* text) {
    return QCoreApplication::translate("MapFeatureTable", text);
}

}  // namespace

MapFeatureTable MapFeatureTable::from_text(QByteArrayView text, QStringList* errors) {
    MapFeatureTable table;
    int number = 0;
    for (const QByteArrayView raw : QByteArray::fromRawData(text.data(), text.size()).split('\n')) {
        ++number;
        QByteArray line = raw.toByteArray();
        const qsizetype comment = line.indexOf('#');
        if (comment >= 0) {
            line.truncate(comment);
        }
        line = line.simplified();
        QString problem;
        if (!line.isEmpty() && !table.read_rule(line, &problem) && errors != nullptr) {
            errors->append(table_text("line %1: %2").arg(number).arg(problem));
        }
    }
    return table;
}

bool MapFeatureTable::read_rule(const QByteArray& line, QString* problem) {
    const QList<QByteArray> words = line.split(' ');
    Rule rule;
    const QString name = QString::fromLatin1(words[0]);
    if (name != QLatin1String("-")) {
        rule.feature = map_feature_named(name);
        if (rule.feature == kNoMapFeature) {
            *problem = table_text("%1 is not a feature of the catalogue").arg(name);
            return false;
        }
    }
    if (words.size() < 2) {
        *problem = table_text("%1 has no tags to match").arg(name);
        return false;
    }
    for (qsizetype w = 1; w < words.size(); ++w) {
        const QByteArray& word = words[w];
        const qsizetype equals = word.indexOf('=');
        if (equals <= 0 || equals == word.size() - 1) {
            *problem = table_text("\"%1\" is not key=value").arg(QString::fromLatin1(word));
            return false;
        }
        const std::string key = word.left(equals).toStdString();
        Condition condition;
        const auto known = std::find(keys_.begin(), keys_.end(), key);
        condition.key = int(known - keys_.begin());
        for (const QByteArray& value : word.mid(equals + 1).split('|')) {
            Alternative alternative;
            std::string text = value.toStdString();
            if (text == "*") {
                alternative.test = ValueTest::AnyValue;
            } else if (text.size() > 1 && text.front() == '%') {
                const std::optional<double> divisor = number_in(std::string_view(text).substr(1));
                if (!divisor || *divisor <= 0) {
                    *problem = table_text("\"%1\" is not a whole multiple of a number above 0")
                                   .arg(QString::fromLatin1(value));
                    return false;
                }
                alternative.test = ValueTest::Multiple;
                alternative.divisor = *divisor;
            } else if (text.size() > 1 && text.front() == '*') {
                alternative.test = ValueTest::Suffix;
                text.erase(0, 1);
            } else if (text.size() > 1 && text.back() == '*') {
                alternative.test = ValueTest::Prefix;
                text.pop_back();
            } else if (text.empty()) {
                *problem = table_text("\"%1\" has an empty value").arg(QString::fromLatin1(word));
                return false;
            }
            alternative.text = std::move(text);
            condition.alternatives.push_back(std::move(alternative));
        }
        if (known == keys_.end()) {
            keys_.push_back(key);
        }
        rule.key_mask |= key_bit(condition.key);
        rule.conditions.push_back(std::move(condition));
    }
    rules_.push_back(std::move(rule));
    return true;
}

bool MapFeatureTable::value_fits(const Alternative& alternative, std::string_view value) {
    switch (alternative.test) {
        case ValueTest::Exact:
            return value == alternative.text;
        case ValueTest::AnyValue:
            return true;
        case ValueTest::Prefix:
            return value.starts_with(alternative.text);
        case ValueTest::Suffix:
            return value.ends_with(alternative.text);
        case ValueTest::Multiple: {
            const std::optional<double> number = number_in(value);
            return number && std::fmod(std::fabs(*number), alternative.divisor) == 0;
        }
    }
    return false;
}

MapFeature MapFeatureTable::feature_for(std::span<const MapTag> tags, MapShapeKind kind) const {
    // The keys of the table that the object has, as bits, and the value of each of them.
    // Kept per thread: this runs once or twice for each of a million objects.
    thread_local std::vector<std::string_view> values;
    thread_local std::vector<char> has;
    values.assign(keys_.size(), {});
    has.assign(keys_.size(), 0);
    std::uint64_t present = 0;
    for (const MapTag& tag : tags) {
        const auto known = std::find(keys_.begin(), keys_.end(), tag.key);
        if (known != keys_.end()) {
            const size_t key = size_t(known - keys_.begin());
            values[key] = tag.value;
            has[key] = 1;
            present |= key_bit(int(key));
        }
    }
    if (present == 0) {
        return kNoMapFeature;
    }
    const bool want_area = kind == MapShapeKind::Area;
    for (const Rule& rule : rules_) {
        if ((rule.key_mask & ~present) != 0) {
            continue;
        }
        if (rule.feature != kNoMapFeature && is_area_feature(rule.feature) != want_area) {
            continue;
        }
        const bool fits =
            std::all_of(rule.conditions.begin(), rule.conditions.end(), [&](const Condition& c) {
                return has[size_t(c.key)] != 0 &&
                       std::any_of(c.alternatives.begin(), c.alternatives.end(),
                                   [&](const Alternative& a) {
                                       return value_fits(a, values[size_t(c.key)]);
                                   });
            });
        if (fits) {
            return rule.feature;
        }
    }
    return kNoMapFeature;
}

bool MapFeatureTable::uses_key(std::string_view key) const {
    return std::find(keys_.begin(), keys_.end(), key) != keys_.end();
}

}  // namespace quorvane
