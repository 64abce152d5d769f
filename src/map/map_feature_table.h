// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "map/map_features.h"

namespace quorvane {

// One tag of a map object, as its reader holds it.
struct MapTag {
    std::string_view key;
    std::string_view value;
};

// What a map object is drawn as, decided by which list of the catalogue its feature is in.
enum class MapShapeKind { Line, Area };

// The rules that turn a map object's tags into a catalogue feature, read from the shipped text
// table (see data/map-features.txt for its form). Immutable once read; safe to share between
// threads.
class MapFeatureTable {
  public:
    // Reads the table's text. Every line that does not read is listed in `errors` as
    // "line N: reason" and left out.
    static MapFeatureTable from_text(QByteArrayView text, QStringList* errors);

    // The feature of the first rule that fits the tags and whose feature draws `kind`, or
    // kNoMapFeature when none does or a "-" rule comes first.
    MapFeature feature_for(std::span<const MapTag> tags, MapShapeKind kind) const;

    // Whether any rule looks at this key: objects without such keys need no matching.
    bool uses_key(std::string_view key) const;
    const std::vector<std::string>& keys() const { return keys_; }
    int rule_count() const { return int(rules_.size()); }

  private:
    enum class ValueTest { Exact, AnyValue, Prefix, Suffix, Multiple };
    struct Alternative {
        ValueTest test = ValueTest::Exact;
        std::string text;
        double divisor = 0;
    };
    struct Condition {
        int key = 0;  // index into keys_
        std::vector<Alternative> alternatives;
    };
    struct Rule {
        MapFeature feature = kNoMapFeature;  // kNoMapFeature: the rule draws nothing
        std::vector<Condition> conditions;
        std::uint64_t key_mask = 0;
    };

    bool read_rule(const QByteArray& line, QString* problem);
    static bool value_fits(const Alternative& alternative, std::string_view value);

    std::vector<std::string> keys_;
    std::vector<Rule> rules_;
};

}  // namespace quorvane
