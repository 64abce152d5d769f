// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/theme_diff.h"

#include <QHash>
#include <algorithm>

#include "text/ascii_text.h"

namespace quorvane {

namespace {

constexpr int kNone = -1;

// A style's identity within one comparison: its presentation's number and its field name.
struct StyleKey {
    int presentation = 0;
    QStringView field_name;
    friend bool operator==(const StyleKey&, const StyleKey&) = default;
};

size_t qHash(const StyleKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.presentation, key.field_name);
}

// Numbers the presentation names of both themes, in the order they are met.
class PresentationNumbers {
  public:
    int number_of(const QString& raw_name) {
        // The Elements of one presentation share its name: it is looked up once per run.
        if (last_ != kNone && (raw_name.isSharedWith(last_raw_) || raw_name == last_raw_)) {
            return last_;
        }
        last_raw_ = raw_name;
        const QString name = space_trimmed(raw_name);
        const auto found = numbers_.constFind(name);
        if (found != numbers_.constEnd()) {
            last_ = found.value();
        } else {
            last_ = int(names_.size());
            numbers_.insert(name, last_);
            names_.append(name);
        }
        return last_;
    }
    void start_theme() { last_ = kNone; }
    const QString& name(int number) const { return names_[number]; }
    int count() const { return int(names_.size()); }

  private:
    QHash<QString, int> numbers_;
    QStringList names_;
    QString last_raw_;
    int last_ = kNone;
};

std::vector<StyleKey> keys_of(const Theme& theme, PresentationNumbers& numbers) {
    numbers.start_theme();
    std::vector<StyleKey> keys;
    keys.reserve(theme.elements.size());
    for (const Element& e : theme.elements) {
        keys.push_back({numbers.number_of(e.presentation), e.field_name});
    }
    return keys;
}

void compare_metadata(const Metadata& a, const Metadata& b, ThemeDiff& diff) {
    for (const MetadataField field : {MetadataField::Title, MetadataField::Description,
                                      MetadataField::Locale, MetadataField::Version}) {
        const QString& old_text = metadata_text(a, field);
        const QString& new_text = metadata_text(b, field);
        if (old_text != new_text) {
            diff.metadata.push_back({field, old_text, new_text});
        }
    }
}

std::vector<FieldDifference> field_differences(const Element& a, const Element& b) {
    std::vector<FieldDifference> fields;
    for (const StyleField field : kStyleFields) {
        const QString& old_text = style_field_text(a, field);
        const QString& new_text = style_field_text(b, field);
        if (!same_style_value(field, old_text, new_text)) {
            fields.push_back({field, old_text, new_text});
        }
    }
    return fields;
}

}  // namespace

ThemeDiff diff_themes(const Theme& old_theme, const Theme& new_theme) {
    ThemeDiff diff;
    compare_metadata(old_theme.metadata, new_theme.metadata, diff);

    PresentationNumbers numbers;
    const std::vector<StyleKey> new_keys = keys_of(new_theme, numbers);
    const std::vector<StyleKey> old_keys = keys_of(old_theme, numbers);

    // Styles per presentation: how many each theme holds, to tell whole presentations apart.
    std::vector<int> old_count(size_t(numbers.count()), 0);
    std::vector<int> new_count(size_t(numbers.count()), 0);
    for (const StyleKey& key : old_keys) {
        ++old_count[size_t(key.presentation)];
    }
    for (const StyleKey& key : new_keys) {
        ++new_count[size_t(key.presentation)];
    }

    // Two versions of a theme mostly keep their order: the styles up to the first place where
    // the keys differ are paired at once, and only the rest is looked up.
    std::vector<bool> old_paired(old_keys.size(), false);
    std::vector<int> partner(new_keys.size(), kNone);
    size_t same_start = 0;
    while (same_start < old_keys.size() && same_start < new_keys.size() &&
           old_keys[same_start] == new_keys[same_start]) {
        partner[same_start] = int(same_start);
        old_paired[same_start] = true;
        ++same_start;
    }
    const bool all_paired = same_start == old_keys.size() && same_start == new_keys.size();

    if (!all_paired) {
        // The unpaired old Elements by key: the first of them, and for each the next one with
        // the same key (a feature styled twice in one presentation).
        QHash<StyleKey, int> first_old;
        std::vector<int> next_old(old_keys.size(), kNone);
        for (int k = int(old_keys.size()) - 1; k >= int(same_start); --k) {
            const auto known = first_old.find(old_keys[size_t(k)]);
            if (known == first_old.end()) {
                first_old.insert(old_keys[size_t(k)], k);
            } else {
                next_old[size_t(k)] = known.value();
                known.value() = k;
            }
        }
        for (size_t k = same_start; k < new_keys.size() && !first_old.isEmpty(); ++k) {
            const auto found = first_old.find(new_keys[k]);
            if (found == first_old.end() || found.value() == kNone) {
                continue;
            }
            const int old_number = found.value();
            partner[k] = old_number;
            old_paired[size_t(old_number)] = true;
            found.value() = next_old[size_t(old_number)];
        }
    }

    for (int p = 0; p < numbers.count(); ++p) {
        if ((old_count[size_t(p)] == 0) != (new_count[size_t(p)] == 0)) {
            const bool added = old_count[size_t(p)] == 0;
            diff.presentations.push_back(
                {numbers.name(p), added, added ? new_count[size_t(p)] : old_count[size_t(p)]});
        }
    }
    const auto in_both = [&](int p) {
        return old_count[size_t(p)] > 0 && new_count[size_t(p)] > 0;
    };

    // (presentation, field name, place) of every difference, sorted once at the end.
    struct Found {
        int presentation;
        int place;
        StyleDifference difference;
    };
    std::vector<Found> found;
    for (size_t k = 0; k < new_keys.size(); ++k) {
        const Element& e = new_theme.elements[k];
        if (!in_both(new_keys[k].presentation)) {
            continue;
        }
        if (partner[k] == kNone) {
            found.push_back({new_keys[k].presentation,
                             int(k),
                             {StyleChange::Added,
                              numbers.name(new_keys[k].presentation),
                              e.field_name,
                              ElementStyle::of(e),
                              {}}});
            continue;
        }
        std::vector<FieldDifference> fields =
            field_differences(old_theme.elements[size_t(partner[k])], e);
        if (!fields.empty()) {
            found.push_back({new_keys[k].presentation,
                             int(k),
                             {StyleChange::Changed,
                              numbers.name(new_keys[k].presentation),
                              e.field_name,
                              {},
                              std::move(fields)}});
        }
    }
    for (size_t k = 0; k < old_keys.size(); ++k) {
        if (!old_paired[k] && in_both(old_keys[k].presentation)) {
            const Element& e = old_theme.elements[k];
            found.push_back({old_keys[k].presentation,
                             int(new_keys.size() + k),
                             {StyleChange::Removed,
                              numbers.name(old_keys[k].presentation),
                              e.field_name,
                              ElementStyle::of(e),
                              {}}});
        }
    }
    // Presentations are numbered in the new theme's order first.
    std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.presentation != b.presentation) {
            return a.presentation < b.presentation;
        }
        const int by_name = a.difference.field_name.compare(b.difference.field_name);
        return by_name != 0 ? by_name < 0 : a.place < b.place;
    });
    diff.styles.reserve(found.size());
    for (Found& f : found) {
        diff.styles.push_back(std::move(f.difference));
    }

    diff.reordered = diff.metadata.empty() && diff.presentations.empty() && diff.styles.empty() &&
                     old_keys != new_keys;
    return diff;
}

}  // namespace quorvane
