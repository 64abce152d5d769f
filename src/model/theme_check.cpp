// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/theme_check.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "colour/cielab.h"
#include "colour/colour_values.h"
#include "colour/colour_vision.h"
#include "model/element_catalogue.h"
#include "model/presentations.h"
#include "model/version_parts.h"
#include "text/ascii_text.h"
#include "text/large_buffers.h"

namespace quorvane {

namespace {

// Below this contrast a line's core and border blur into one on a small screen.
constexpr double kLeastContrast = 1.5;
// A misspelt feature name is at most this many typing slips away from the right one.
constexpr int kMostSlips = 2;

struct CheckInfo {
    Check check;
    Severity severity;
    const char* code;
};

constexpr std::array kChecks{
    CheckInfo{Check::NoTitle, Severity::Error, "no-title"},
    CheckInfo{Check::NoStyles, Severity::Error, "no-styles"},
    CheckInfo{Check::EmptyDayColour, Severity::Error, "empty-day-colour"},
    CheckInfo{Check::BadColour, Severity::Error, "bad-colour"},
    CheckInfo{Check::NotANumber, Severity::Error, "not-a-number"},
    CheckInfo{Check::UnknownFeature, Severity::Warning, "unknown-feature"},
    CheckInfo{Check::UnknownPresentation, Severity::Warning, "unknown-presentation"},
    CheckInfo{Check::PolygonWithBorder, Severity::Warning, "polygon-with-border"},
    CheckInfo{Check::LineWithoutBorder, Severity::Warning, "line-without-border"},
    CheckInfo{Check::DuplicateFeature, Severity::Warning, "duplicate-feature"},
    CheckInfo{Check::ZeroBorderDropsSecondary, Severity::Warning, "zero-border-drops-secondary"},
    CheckInfo{Check::BadVersion, Severity::Warning, "bad-version"},
    CheckInfo{Check::LowContrast, Severity::Hint, "low-contrast"},
    CheckInfo{Check::MissingFeature, Severity::Hint, "missing-feature"},
    CheckInfo{Check::LookAlikeLines, Severity::Hint, "look-alike-lines"},
};

// The table is indexed by Check.
static_assert([] {
    for (size_t k = 0; k < kChecks.size(); ++k) {
        if (size_t(kChecks[k].check) != k) {
            return false;
        }
    }
    return true;
}());

const CheckInfo& info_of(Check check) {
    return kChecks[size_t(check)];
}

// What a colour text that is not six digits draws in, as the preview reads it.
QString how_bad_colour_draws(const QString& text) {
    const std::optional<int> number = colour_number(text);
    if (!number || *number < 0 || *number > 0xFFFFFF) {
        return QCoreApplication::translate("ThemeCheck", "so it draws black");
    }
    return QCoreApplication::translate("ThemeCheck", "so it is read as %1")
        .arg(colour_text(*number));
}

// "WATER" for "MAP_WATER_CLR"; the whole name when it lacks the MAP_ and _CLR around it.
QStringView feature_part(const QString& field_name) {
    QStringView name(field_name);
    if (name.startsWith(QLatin1String("MAP_")) && name.endsWith(QLatin1String("_CLR")) &&
        name.size() > 8) {
        return name.sliced(4, name.size() - 8);
    }
    return name;
}

// Which characters a text holds, as bits. A text within n typing slips of another lacks at most
// n of the other's characters, which rules most pairs out before any distance is worked out.
quint64 character_bits(QStringView text) {
    quint64 bits = 0;
    for (QChar c : text) {
        bits |= quint64(1) << (c.unicode() % 64);
    }
    return bits;
}

// The edit distance of two texts when it is at most `limit`, otherwise limit + 1. Only the band
// of width 2 * limit + 1 around the diagonal is worked out, and the work stops as soon as every
// cell of a row exceeds the limit.
int edit_distance_within(QStringView a, QStringView b, int limit) {
    constexpr qsizetype kLongest = 63;
    if (std::abs(a.size() - b.size()) > limit || b.size() > kLongest) {
        return limit + 1;
    }
    const qsizetype n = b.size();
    std::array<int, kLongest + 1> row{};
    std::array<int, kLongest + 1> next{};
    for (qsizetype j = 0; j <= n; ++j) {
        row[size_t(j)] = int(j);
    }
    for (qsizetype i = 1; i <= a.size(); ++i) {
        const qsizetype from = std::max<qsizetype>(1, i - limit);
        const qsizetype to = std::min<qsizetype>(n, i + limit);
        next.fill(limit + 1);
        next[0] = int(i);
        int best = next[0];
        for (qsizetype j = from; j <= to; ++j) {
            const int replace = row[size_t(j - 1)] + (a[i - 1] == b[j - 1] ? 0 : 1);
            next[size_t(j)] = std::min({replace, row[size_t(j)] + 1, next[size_t(j - 1)] + 1});
            best = std::min(best, next[size_t(j)]);
        }
        if (best > limit) {
            return limit + 1;
        }
        std::swap(row, next);
    }
    return std::min(row[size_t(n)], limit + 1);
}

// The set bits of a number, counted in a few steps: without a population-count instruction in
// the baseline instruction set, qPopulationCount calls a library routine, and a theme of unknown
// names asks this hundreds of times per style.
int bit_count(quint64 bits) {
    bits -= (bits >> 1) & 0x5555555555555555ULL;
    bits = (bits & 0x3333333333333333ULL) + ((bits >> 2) & 0x3333333333333333ULL);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return int((bits * 0x0101010101010101ULL) >> 56);
}

struct CatalogueName {
    QString feature;
    quint64 bits;
};

// The catalogue's field name closest to a misspelt one, or nothing when none is close.
QString nearest_catalogue_field(QStringView feature) {
    // For each length, the catalogue's names within kMostSlips of it, in catalogue order; the
    // last list, for every longer length, is empty.
    static const std::vector<std::vector<CatalogueName>> by_length = [] {
        std::vector<CatalogueName> names;
        for (const QStringList* list : {&polygon_catalogue(), &line_catalogue()}) {
            for (const QString& name : *list) {
                names.push_back({name, character_bits(name)});
            }
        }
        qsizetype longest = 0;
        for (const CatalogueName& name : names) {
            longest = std::max(longest, name.feature.size());
        }
        std::vector<std::vector<CatalogueName>> lists(size_t(longest + kMostSlips + 2));
        for (size_t length = 0; length + 1 < lists.size(); ++length) {
            for (const CatalogueName& name : names) {
                if (std::abs(qsizetype(length) - name.feature.size()) <= kMostSlips) {
                    lists[length].push_back(name);
                }
            }
        }
        return lists;
    }();
    const quint64 bits = character_bits(feature);
    const QString* nearest = nullptr;
    int best = kMostSlips + 1;
    for (const CatalogueName& name :
         by_length[std::min(size_t(feature.size()), by_length.size() - 1)]) {
        // A set of characters that differs too much rules a name out at once.
        if (bit_count(bits & ~name.bits) > kMostSlips ||
            bit_count(name.bits & ~bits) > kMostSlips) {
            continue;
        }
        const int distance = edit_distance_within(feature, name.feature, best - 1);
        if (distance < best) {
            best = distance;
            nearest = &name.feature;
        }
    }
    return nearest == nullptr ? QString() : catalogue_field_name(*nearest);
}

// Digits with at most one "." among them, as nearly every scale and border is written; those read
// as numbers without the cost of a full number reader.
bool is_plain_decimal(const QString& text) {
    bool digit = false;
    bool point = false;
    for (QChar c : text) {
        if (c.unicode() >= '0' && c.unicode() <= '9') {
            digit = true;
        } else if (c.unicode() == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit && !text.endsWith(QLatin1Char('.'));
}

enum class FeatureKind { Polygon, Line, Unknown };

FeatureKind feature_kind(const QString& field_name) {
    static const QHash<QString, FeatureKind> kinds = [] {
        QHash<QString, FeatureKind> all;
        for (const QString& name : polygon_catalogue()) {
            all.insert(catalogue_field_name(name), FeatureKind::Polygon);
        }
        for (const QString& name : line_catalogue()) {
            all.insert(catalogue_field_name(name), FeatureKind::Line);
        }
        return all;
    }();
    return kinds.value(field_name, FeatureKind::Unknown);
}

// What the checker learns about one feature name, once per name however often it is styled.
struct FeatureFacts {
    const QString* field_name = nullptr;  // as the first Element that styles it has it
    FeatureKind kind = FeatureKind::Unknown;
    // Which presentations (by number) style it so far, and how many. The first 64 are bits: a
    // theme of a million features keeps no list for each.
    quint64 first_styled_in = 0;
    std::vector<bool> more_styled_in;
    int presentations = 0;

    bool styled_in(int p) const {
        return p < 64 ? (first_styled_in >> p & 1) != 0
                      : size_t(p - 64) < more_styled_in.size() && more_styled_in[size_t(p - 64)];
    }
    void mark_styled_in(int p) {
        if (p < 64) {
            first_styled_in |= quint64(1) << p;
            return;
        }
        if (more_styled_in.size() <= size_t(p - 64)) {
            more_styled_in.resize(size_t(p - 63));
        }
        more_styled_in[size_t(p - 64)] = true;
    }
};

// One presentation as the checker walks it.
struct PresentationWalk {
    QString name;
    int first_element = 0;
};

// Whether two texts are the same, looking first whether they are the same characters in memory:
// the Elements of a presentation share its name.
bool same_text(const QString& a, const QString& b) {
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

struct ColourSlot {
    QString Element::*text;
    StyleField field;
};

// Primary day and night, then secondary day and night.
constexpr std::array kColourSlots{
    ColourSlot{&Element::primary_day, StyleField::PrimaryDay},
    ColourSlot{&Element::primary_night, StyleField::PrimaryNight},
    ColourSlot{&Element::secondary_day, StyleField::SecondaryDay},
    ColourSlot{&Element::secondary_night, StyleField::SecondaryNight},
};

class ThemeChecker {
  public:
    explicit ThemeChecker(const Theme& theme) : theme_(theme) {}

    std::vector<Finding> run() {
        // Room enough for nearly every theme at once (a large theme of unknown features has
        // about 1.4 findings per Element); pages never written cost nothing.
        findings_.reserve(theme_.elements.size() * 2 + 16);
        prefer_huge_pages(findings_.data(), findings_.capacity() * sizeof(Finding));
        size_t slot_count = 16;
        while (slot_count < theme_.elements.size() * 2) {
            slot_count *= 2;
        }
        feature_slots_.reserve(slot_count);
        prefer_huge_pages(feature_slots_.data(), slot_count * sizeof(FeatureSlot));
        feature_slots_.assign(slot_count, FeatureSlot{});
        // The feature names' hashes first, so that the slot of a name a few Elements ahead can
        // be fetched into the cache while this one is checked.
        hashes_.reserve(theme_.elements.size());
        features_.reserve(theme_.elements.size());
        for (const Element& e : theme_.elements) {
            hashes_.push_back(qHash(QStringView(e.field_name)));
        }
        check_metadata();
        const QString* raw_presentation = nullptr;
        for (int k = 0; k < theme_.element_count(); ++k) {
            const Element& e = theme_.elements[size_t(k)];
            if (size_t(k) + kLookAhead < hashes_.size()) {
                __builtin_prefetch(
                    &feature_slots_[hashes_[size_t(k) + kLookAhead] & (feature_slots_.size() - 1)]);
            }
            // The Elements of one presentation stand together: its name is looked up only when
            // it changes.
            if (raw_presentation == nullptr || !same_text(e.presentation, *raw_presentation)) {
                raw_presentation = &e.presentation;
                enter_presentation(k, e.presentation);
            }
            check_element(k, e);
        }
        // Everything so far stands in Element order; the missing features join the first Element
        // of their presentation, after that Element's own findings.
        const auto missing = qsizetype(findings_.size());
        check_missing_features();
        const auto by_tile = [](const Finding& a, const Finding& b) {
            return a.shown_at < b.shown_at;
        };
        // Found feature by feature: in tile order first, as merging needs.
        std::stable_sort(findings_.begin() + missing, findings_.end(), by_tile);
        std::inplace_merge(findings_.begin(), findings_.begin() + missing, findings_.end(),
                           by_tile);
        // Lines that look alike join the first of the two, after its other findings.
        const auto alike = qsizetype(findings_.size());
        check_look_alike_lines();
        std::stable_sort(findings_.begin() + alike, findings_.end(), by_tile);
        std::inplace_merge(findings_.begin(), findings_.begin() + alike, findings_.end(), by_tile);
        return std::move(findings_);
    }

  private:
    Finding& add(Check check, int element, int shown_at) {
        Finding& f = findings_.emplace_back();
        f.check = check;
        f.element = element;
        f.shown_at = shown_at;
        return f;
    }
    Finding& add_for(int k, const Element& e, Check check) {
        Finding& f = add(check, k, k);
        f.field_name = e.field_name;
        f.presentation = presentations_[size_t(current_)].name;
        return f;
    }
    void add_for(int k, const Element& e, Check check, StyleField field, const QString& value) {
        Finding& f = add_for(k, e, check);
        f.field = field;
        f.value = value;
    }

    void check_metadata() {
        const Metadata& m = theme_.metadata;
        if (m.title.isEmpty()) {
            add(Check::NoTitle, -1, -1);
        }
        if (theme_.elements.empty()) {
            add(Check::NoStyles, -1, -1);
        }
        // An empty version is saved as 1.00.
        static const QRegularExpression major_minor(QStringLiteral("^[0-9]+\\.[0-9]+$"));
        if (!m.version.isEmpty() && !major_minor.match(m.version).hasMatch()) {
            add(Check::BadVersion, -1, -1).value = m.version;
        }
    }

    void enter_presentation(int first_element, const QString& raw_name) {
        const QString name = space_trimmed(raw_name);
        const auto known = presentation_index_.constFind(name);
        if (known != presentation_index_.constEnd()) {
            current_ = known.value();
            return;
        }
        current_ = int(presentations_.size());
        presentation_index_.insert(name, current_);
        presentations_.push_back({name, first_element});
        if (!presentation_names().contains(name)) {
            add(Check::UnknownPresentation, -1, first_element).presentation = name;
        }
    }

    // Found in a table of open addressing made for the theme's size: a theme of a million
    // feature names would otherwise spend its check growing a hash and missing the cache.
    FeatureFacts& facts_of(const QString& field_name, size_t hash) {
        const size_t mask = feature_slots_.size() - 1;
        for (size_t at = hash & mask;; at = (at + 1) & mask) {
            FeatureSlot& slot = feature_slots_[at];
            if (slot.feature < 0) {
                slot = {hash, int(features_.size())};
                FeatureFacts& facts = features_.emplace_back();
                facts.field_name = &field_name;
                facts.kind = feature_kind(field_name);
                return facts;
            }
            FeatureFacts& facts = features_[size_t(slot.feature)];
            if (slot.hash == hash && *facts.field_name == field_name) {
                return facts;
            }
        }
    }

    void check_element(int k, const Element& e) {
        FeatureFacts& facts = facts_of(e.field_name, hashes_[size_t(k)]);
        if (facts.kind == FeatureKind::Unknown) {
            add_for(k, e, Check::UnknownFeature);
        } else if (facts.kind == FeatureKind::Polygon && !e.is_polygon()) {
            add_for(k, e, Check::PolygonWithBorder, StyleField::Border, e.border);
        } else if (facts.kind == FeatureKind::Line && e.is_polygon()) {
            add_for(k, e, Check::LineWithoutBorder);
        }
        if (!facts.styled_in(current_)) {
            facts.mark_styled_in(current_);
            ++facts.presentations;
            if (facts.kind == FeatureKind::Line && !e.is_polygon()) {
                remember_line(k, e);
            }
        } else {
            add_for(k, e, Check::DuplicateFeature);
        }
        check_colours(k, e);
        check_number(k, e, StyleField::Scale, e.scale);
        check_number(k, e, StyleField::Border, e.border);
        if (e.border == QLatin1String("0") &&
            (!e.secondary_day.isEmpty() || !e.secondary_night.isEmpty())) {
            add_for(k, e, Check::ZeroBorderDropsSecondary);
        }
    }

    void check_colours(int k, const Element& e) {
        // A night colour is written only with its day colour, and a style without a PRIMARY day
        // colour has no PRIMARY colour at all.
        if (e.primary_day.isEmpty()) {
            add_for(k, e, Check::EmptyDayColour, StyleField::PrimaryDay, e.primary_night);
        }
        if (e.secondary_day.isEmpty() && !e.secondary_night.isEmpty()) {
            add_for(k, e, Check::EmptyDayColour, StyleField::SecondaryDay, e.secondary_night);
        }
        // Indexed by slot (primary, secondary), then day and night.
        std::optional<int> colours[2][2];
        for (int s = 0; s < 2; ++s) {
            for (const int night : {0, 1}) {
                const ColourSlot& slot = kColourSlots[size_t(s * 2 + night)];
                const QString& text = e.*slot.text;
                if (text.isEmpty()) {
                    continue;
                }
                colours[s][night] = six_digit_colour(text);
                if (!colours[s][night]) {
                    add_for(k, e, Check::BadColour, slot.field, text);
                }
            }
        }
        if (!e.is_polygon()) {
            check_contrast(k, e, colours);
        }
    }

    void check_contrast(int k, const Element& e, const std::optional<int> (&colours)[2][2]) {
        float low[2] = {};
        for (const int night : {0, 1}) {
            if (colours[0][night] && colours[1][night]) {
                const double ratio = contrast_ratio(*colours[0][night], *colours[1][night]);
                low[night] = ratio < kLeastContrast ? float(ratio) : 0;
            }
        }
        if (low[0] > 0 || low[1] > 0) {
            Finding& f = add_for(k, e, Check::LowContrast);
            f.day_contrast = low[0];
            f.night_contrast = low[1];
        }
    }

    void check_number(int k, const Element& e, StyleField field, const QString& text) {
        if (!text.isEmpty() && !is_plain_decimal(text) && !read_decimal(text)) {
            add_for(k, e, Check::NotANumber, field, text);
        }
    }

    // A feature every presentation but one styles is probably missing from that one.
    void check_missing_features() {
        const int count = int(presentations_.size());
        if (count < 2) {
            return;
        }
        for (const FeatureFacts& facts : features_) {
            if (facts.field_name->isEmpty() || facts.presentations != count - 1) {
                continue;
            }
            for (int p = 0; p < count; ++p) {
                if (facts.styled_in(p)) {
                    continue;
                }
                Finding& f =
                    add(Check::MissingFeature, -1, presentations_[size_t(p)].first_element);
                f.field_name = *facts.field_name;
                f.presentation = presentations_[size_t(p)].name;
            }
        }
    }

    // A line feature's core as people with each colour vision see it, by day and by night.
    struct LineLook {
        int element = 0;
        QString field_name;
        std::array<std::optional<Lab>, 2 * (kColourDeficiencies.size() + 1)> seen;

        const std::optional<Lab>& as_seen(int night, size_t vision) const {
            return seen[size_t(night) * (kColourDeficiencies.size() + 1) + vision];
        }
    };

    void remember_line(int k, const Element& e) {
        if (lines_.size() < presentations_.size()) {
            lines_.resize(presentations_.size());
        }
        LineLook look;
        look.element = k;
        look.field_name = e.field_name;
        for (const int night : {0, 1}) {
            const std::optional<int> core =
                six_digit_colour(night != 0 ? e.primary_night : e.primary_day);
            if (!core) {
                continue;
            }
            const size_t first = size_t(night) * (kColourDeficiencies.size() + 1);
            look.seen[first] = lab_of(*core);
            for (size_t v = 0; v < kColourDeficiencies.size(); ++v) {
                look.seen[first + v + 1] = lab_of(simulated_colour(*core, kColourDeficiencies[v]));
            }
        }
        lines_[size_t(current_)].push_back(std::move(look));
    }

    // Two line features of one presentation whose cores most people tell apart and people with
    // a dichromacy do not.
    void check_look_alike_lines() {
        for (size_t p = 0; p < lines_.size(); ++p) {
            const std::vector<LineLook>& lines = lines_[p];
            for (size_t i = 0; i < lines.size(); ++i) {
                for (size_t j = i + 1; j < lines.size(); ++j) {
                    for (const int night : {0, 1}) {
                        compare_lines(lines[i], lines[j], night, presentations_[p].name);
                    }
                }
            }
        }
    }

    void compare_lines(const LineLook& a, const LineLook& b, int night,
                       const QString& presentation) {
        const std::optional<Lab>& a_normal = a.as_seen(night, 0);
        const std::optional<Lab>& b_normal = b.as_seen(night, 0);
        if (!a_normal || !b_normal) {
            return;
        }
        const double normal = delta_e(*a_normal, *b_normal);
        if (normal < kLookAlikeDifference) {
            return;
        }
        int visions = 0;
        double least = normal;
        for (size_t v = 0; v < kColourDeficiencies.size(); ++v) {
            const double seen = delta_e(*a.as_seen(night, v + 1), *b.as_seen(night, v + 1));
            if (seen < kLookAlikeDifference) {
                visions |= 1 << int(kColourDeficiencies[v]);
                least = std::min(least, seen);
            }
        }
        if (visions == 0) {
            return;
        }
        Finding& f = add(Check::LookAlikeLines, a.element, a.element);
        f.field_name = a.field_name;
        f.presentation = presentation;
        f.value = b.field_name;
        f.field = night != 0 ? StyleField::PrimaryNight : StyleField::PrimaryDay;
        f.colour_visions = visions;
        f.alike_difference = float(least);
        f.normal_difference = float(normal);
    }

    const Theme& theme_;
    std::vector<Finding> findings_;
    std::vector<std::vector<LineLook>> lines_;  // per presentation
    std::vector<PresentationWalk> presentations_;
    QHash<QString, int> presentation_index_;
    int current_ = 0;
    struct FeatureSlot {
        size_t hash = 0;
        int feature = -1;  // in features_; -1 for a free slot
    };
    static constexpr size_t kLookAhead = 8;
    std::vector<size_t> hashes_;              // of each Element's feature name
    std::vector<FeatureSlot> feature_slots_;  // at least twice as many as there are Elements
    // Each feature name's facts, in the order the names first come.
    std::vector<FeatureFacts> features_;
};

}  // namespace

struct FindingWording::Text {
    const char* source = nullptr;
    QString words;
    struct Placeholder {
        qsizetype at;  // of its "%"
        int n;         // 1 to 9
    };
    QVarLengthArray<Placeholder, 4> placeholders;
};

namespace {

// The message texts translated while a FindingWording lives in this thread, each looked up once.
thread_local std::vector<FindingWording::Text>* wording = nullptr;

// `source` translated, with the placeholders %1 to %9 found as QString::arg finds them.
FindingWording::Text translated(const char* source) {
    FindingWording::Text text{source, QCoreApplication::translate("ThemeCheck", source), {}};
    const QStringView all(text.words);
    for (qsizetype at = all.indexOf(u'%'); at >= 0 && at + 1 < all.size();
         at = all.indexOf(u'%', at + 1)) {
        const int n = all[at + 1].digitValue();
        if (n >= 1 && n <= 9) {
            text.placeholders.append({at, n});
            ++at;
        }
    }
    return text;
}

// A message text of this file, translated.
FindingWording::Text words(const char* source) {
    if (wording == nullptr) {
        return translated(source);
    }
    for (const FindingWording::Text& text : *wording) {
        if (text.source == source) {
            return text;
        }
    }
    wording->push_back(translated(source));
    return wording->back();
}

// What QString::arg(a, b, ...) gives for a text whose placeholders are %1 to %9: each replaced
// by its argument, without the general parser's cost. A translation may name a placeholder
// more than once, so the room is counted placeholder by placeholder.
QString filled_in(const FindingWording::Text& text, std::initializer_list<QStringView> args) {
    const qsizetype count = qsizetype(args.size());
    qsizetype length = text.words.size();
    for (const auto& p : text.placeholders) {
        if (p.n <= count) {
            length += args.begin()[p.n - 1].size() - 2;
        }
    }
    QString result(length, Qt::Uninitialized);
    QChar* out = result.data();
    const QChar* const chars = text.words.constData();
    qsizetype copied = 0;
    for (const auto& p : text.placeholders) {
        if (p.n <= count) {
            const QStringView arg = args.begin()[p.n - 1];
            out = std::copy(chars + copied, chars + p.at, out);
            out = std::copy(arg.begin(), arg.end(), out);
            copied = p.at + 2;
        }
    }
    std::copy(chars + copied, chars + text.words.size(), out);
    return result;
}

QString field_words(StyleField field) {
    switch (field) {
        case StyleField::PrimaryDay:
            return QCoreApplication::translate("ThemeCheck", "PRIMARY day colour");
        case StyleField::PrimaryNight:
            return QCoreApplication::translate("ThemeCheck", "PRIMARY night colour");
        case StyleField::SecondaryDay:
            return QCoreApplication::translate("ThemeCheck", "SECONDARY day colour");
        case StyleField::SecondaryNight:
            return QCoreApplication::translate("ThemeCheck", "SECONDARY night colour");
        case StyleField::Scale:
            return QCoreApplication::translate("ThemeCheck", "scale");
        case StyleField::Border:
            return QCoreApplication::translate("ThemeCheck", "border");
        case StyleField::None:
            break;
    }
    return {};
}

// "by day (1.21:1)"; rounded down, so that a ratio just below the limit never reads 1.50.
QString contrast_words(const QString& when, float ratio) {
    // Written as QString::arg(double, 0, 'f', 2) writes the rounded-down ratio, without its cost.
    const auto hundredths = static_cast<long long>(std::floor(double(ratio) * 100));
    char digits[32];
    char* end = std::to_chars(digits, digits + sizeof digits, hundredths / 100).ptr;
    *end++ = '.';
    *end++ = char('0' + hundredths % 100 / 10);
    *end++ = char('0' + hundredths % 10);
    QString words;
    words.reserve(when.size() + (end - digits) + 5);
    words += when;
    words += QLatin1String(" (");
    words += QLatin1String(digits, end);
    words += QLatin1String(":1)");
    return words;
}

QString low_contrast_message(const Finding& f) {
    QString when;
    if (f.day_contrast > 0) {
        when =
            contrast_words(words(QT_TRANSLATE_NOOP("ThemeCheck", "by day")).words, f.day_contrast);
    }
    if (f.night_contrast > 0) {
        if (!when.isEmpty()) {
            when += words(QT_TRANSLATE_NOOP("ThemeCheck", " and ")).words;
        }
        when += contrast_words(words(QT_TRANSLATE_NOOP("ThemeCheck", "by night")).words,
                               f.night_contrast);
    }
    return filled_in(words(QT_TRANSLATE_NOOP(
                         "ThemeCheck",
                         "Core and border are hard to tell apart %1, below 1.5:1, so the line is "
                         "hard to see on the device. Make the border lighter or darker in the "
                         "style editor.")),
                     {when});
}

QString look_alike_lines_message(const Finding& f) {
    QStringList who;
    const std::pair<ColourVision, const char*> names[] = {
        {ColourVision::Protanopia, QT_TRANSLATE_NOOP("ThemeCheck", "protanopia")},
        {ColourVision::Deuteranopia, QT_TRANSLATE_NOOP("ThemeCheck", "deuteranopia")},
        {ColourVision::Tritanopia, QT_TRANSLATE_NOOP("ThemeCheck", "tritanopia")},
    };
    for (const auto& [vision, name] : names) {
        if (f.colour_visions & (1 << int(vision))) {
            who.append(QCoreApplication::translate("ThemeCheck", name));
        }
    }
    return QCoreApplication::translate(
               "ThemeCheck",
               "%1 and %2 look alike %3 to people with %4 (colour difference %5, %6 for "
               "everyone else), so they can hardly tell the two lines apart. Make one of them "
               "lighter or darker: a difference in lightness shows to everyone. View > Simulate "
               "shows the theme as they see it.")
        .arg(f.field_name, f.value,
             f.field == StyleField::PrimaryNight
                 ? QCoreApplication::translate("ThemeCheck", "by night")
                 : QCoreApplication::translate("ThemeCheck", "by day"),
             who.join(QCoreApplication::translate("ThemeCheck", " or ")))
        // Rounded down, so that a difference just below the limit never reads as the limit.
        .arg(std::floor(double(f.alike_difference) * 10) / 10, 0, 'f', 1)
        .arg(std::floor(double(f.normal_difference) * 10) / 10, 0, 'f', 1);
}

QString unknown_feature_message(const Finding& f) {
    if (f.field_name.isEmpty()) {
        return QCoreApplication::translate(
            "ThemeCheck", "This style has no feature name, so the device ignores it.");
    }
    const QString nearest = nearest_catalogue_field(feature_part(f.field_name));
    const QString guess =
        nearest.isEmpty()
            ? QString()
            : filled_in(words(QT_TRANSLATE_NOOP("ThemeCheck", " (did you mean %1?)")), {nearest});
    return filled_in(words(QT_TRANSLATE_NOOP(
                         "ThemeCheck",
                         "%1 is not a feature of the catalogue%2, so the device ignores this "
                         "style. Add the feature you meant with \"+\".")),
                     {f.field_name, guess});
}

QString empty_day_colour_message(const Finding& f) {
    const QString slot =
        f.field == StyleField::PrimaryDay ? QStringLiteral("PRIMARY") : QStringLiteral("SECONDARY");
    if (f.value.isEmpty()) {
        return QCoreApplication::translate(
                   "ThemeCheck",
                   "The %1 day colour is empty, so the style is saved without a %1 "
                   "colour and draws black. Give it a day colour in the style editor.")
            .arg(slot);
    }
    return QCoreApplication::translate(
               "ThemeCheck",
               "The %1 day colour is empty, so the %1 night colour (%2) is not written "
               "at the next save. Give it a day colour in the style editor.")
        .arg(slot, f.value);
}

}  // namespace

const std::vector<Check>& all_checks() {
    static const std::vector<Check> checks = [] {
        std::vector<Check> all;
        for (const CheckInfo& info : kChecks) {
            all.push_back(info.check);
        }
        return all;
    }();
    return checks;
}

Severity severity_of(Check check) {
    return info_of(check).severity;
}

QString code_of(Check check) {
    return QLatin1String(info_of(check).code);
}

QString severity_name(Severity severity) {
    switch (severity) {
        case Severity::Error:
            return QStringLiteral("error");
        case Severity::Warning:
            return QStringLiteral("warning");
        case Severity::Hint:
            break;
    }
    return QStringLiteral("hint");
}

QString findings_count_text(int errors, int warnings, int hints) {
    const QString counts[] = {
        errors == 1 ? QCoreApplication::translate("ThemeCheck", "1 error")
                    : QCoreApplication::translate("ThemeCheck", "%1 errors").arg(errors),
        warnings == 1 ? QCoreApplication::translate("ThemeCheck", "1 warning")
                      : QCoreApplication::translate("ThemeCheck", "%1 warnings").arg(warnings),
        hints == 1 ? QCoreApplication::translate("ThemeCheck", "1 hint")
                   : QCoreApplication::translate("ThemeCheck", "%1 hints").arg(hints)};
    return counts[0] + QStringLiteral(", ") + counts[1] + QStringLiteral(", ") + counts[2];
}

FindingWording::FindingWording() : outer_(wording) {
    wording = &texts_;
}

FindingWording::~FindingWording() {
    wording = outer_;
}

std::vector<Finding> check_theme(const Theme& theme) {
    return ThemeChecker(theme).run();
}

QString Finding::message() const {
    switch (check) {
        case Check::NoTitle:
            return QCoreApplication::translate(
                "ThemeCheck",
                "The theme has no title, and Save refuses a theme without one. "
                "Type a title in the Title box.");
        case Check::NoStyles:
            return QCoreApplication::translate(
                "ThemeCheck",
                "The theme has no styles, and Save refuses an empty theme. Add "
                "polygons and lines with \"+\".");
        case Check::EmptyDayColour:
            return empty_day_colour_message(*this);
        case Check::BadColour:
            return QCoreApplication::translate(
                       "ThemeCheck",
                       "The %1 \"%2\" is not six hexadecimal digits (RRGGBB), %3. Pick "
                       "the colour again in the style editor.")
                .arg(field_words(field), value, how_bad_colour_draws(value));
        case Check::NotANumber:
            return QCoreApplication::translate(
                       "ThemeCheck",
                       "The %1 \"%2\" is not a number, so it counts as 0. Set the %1 in "
                       "the style editor.")
                .arg(field_words(field), value);
        case Check::UnknownFeature:
            return unknown_feature_message(*this);
        case Check::UnknownPresentation:
            return QCoreApplication::translate(
                       "ThemeCheck",
                       "\"%1\" is not one of the six presentations (%2), so the device "
                       "ignores its styles; Quorvane sorts it as %3. Use one of the six "
                       "names.")
                .arg(presentation, presentation_names().join(QStringLiteral(", ")),
                     presentation_names()[presentation_rank(presentation).value_or(0)]);
        case Check::PolygonWithBorder:
            return QCoreApplication::translate(
                       "ThemeCheck",
                       "%1 is an area, but this style has a border (\"%2\"), so it is "
                       "kept and drawn as a line. Remove the border from its STYLE tag.")
                .arg(field_name, value);
        case Check::LineWithoutBorder:
            return QCoreApplication::translate(
                       "ThemeCheck",
                       "%1 is a line, but this style has no border, so it is kept and "
                       "drawn as an area with one fill colour. Give its STYLE tag a "
                       "border, such as border=\"0.6\".")
                .arg(field_name);
        case Check::DuplicateFeature:
            return QCoreApplication::translate(
                       "ThemeCheck",
                       "%1 is styled more than once in %2; the styles compete and only "
                       "one can apply. Keep one style per feature in each presentation.")
                .arg(field_name, presentation);
        case Check::ZeroBorderDropsSecondary:
            return QCoreApplication::translate(
                "ThemeCheck",
                "The border is 0, so the SECONDARY colours are not written at the "
                "next save, nor is the border: the style is read back as an "
                "area. Give it a border above 0 or clear the SECONDARY colours.");
        case Check::BadVersion: {
            const VersionParts saved = version_parts(value);
            return QCoreApplication::translate(
                       "ThemeCheck",
                       "The version \"%1\" is not two numbers joined by a dot (such as "
                       "1.00), so it is saved as major \"%2\", minor \"%3\". Type it as "
                       "major.minor in the Version box.")
                .arg(value, saved.major, saved.minor);
        }
        case Check::LowContrast:
            return low_contrast_message(*this);
        case Check::LookAlikeLines:
            return look_alike_lines_message(*this);
        case Check::MissingFeature:
            return QCoreApplication::translate(
                       "ThemeCheck",
                       "%1 has no style for %2, which every other presentation styles. "
                       "Add it with \"+\" if %1 should style it too.")
                .arg(presentation, field_name);
    }
    return {};
}

double contrast_ratio(int colour_a, int colour_b) {
    return contrast_between(colour_a, colour_b);
}

}  // namespace quorvane
