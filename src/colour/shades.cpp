#include "colour/shades.h"

#include <optional>

#include "colour/colour_values.h"

namespace quorvane {

namespace {

// The palette's levels without separators; a level sits at the odd 1-based positions.
const char* const kGreenString = "00306595CAFF";
const char* const kRedString = "00397bbdff";
const char* const kBlueString = "0020416a8bb4d5ff";

constexpr int kTopRow = 3564;
constexpr int kBottomRow = 3864;

// The two characters of `levels` at 1-based position p, read as hexadecimal; a position near the
// end gives what is left (one digit). Nothing before the start or past the end.
std::optional<int> level_at(const QString& levels, int p) {
    if (p < 1) {
        return std::nullopt;
    }
    return read_hex(QStringLiteral("&h") + levels.mid(p - 1, 2));
}

// 1-based position of the first occurrence of `digits` in `levels`, 0 when absent.
int find_level(const QString& levels, const QString& digits) {
    return static_cast<int>(levels.indexOf(digits)) + 1;
}

struct ChannelStep {
    std::optional<int> top;     // new channel value of the top-row cell
    std::optional<int> bottom;  // new channel value of the bottom-row cell
};

// Red and blue: the top row holds the higher of the two new values.
ChannelStep red_blue_step(const QString& levels, int p, int last_middle) {
    if (p == 1) {
        return {level_at(levels, p + 4), level_at(levels, p + 2)};
    }
    if (p <= last_middle) {
        return {level_at(levels, p + 2), level_at(levels, p - 2)};
    }
    return {level_at(levels, p - 2), level_at(levels, p - 4)};
}

// Green: the top row (shad 4) one level up, or one down at the last level; the bottom row
// (shad 5) one down, two up or two down.
ChannelStep green_step(const QString& levels, int p) {
    if (p == 1) {
        return {level_at(levels, p + 2), level_at(levels, p + 4)};
    }
    if (p <= 10) {
        return {level_at(levels, p + 2), level_at(levels, p - 2)};
    }
    return {level_at(levels, p - 2), level_at(levels, p - 4)};
}

QString tip_of(int colour) {
    return QStringLiteral("#") + colour_text(colour);
}

}  // namespace

ShadeCells shades_(int colour, const std::array<int, kShadeCellCount>& previous) {
    QString s = hex(colour).toLower();
    if (s.size() < 6) {
        s = QString(6 - s.size(), QLatin1Char('0')) + s;
    }
    const int blue = read_hex(QStringLiteral("&h") + s.mid(0, 2)).value_or(0);
    const int green = read_hex(QStringLiteral("&h") + s.mid(2, 2)).value_or(0);
    const int red = read_hex(QStringLiteral("&h") + s.mid(4, 2)).value_or(0);
    s = flip_colour(s);  // now red, green, blue

    const QString green_levels = QString::fromLatin1(kGreenString).toLower();
    const QString red_levels = QString::fromLatin1(kRedString);
    const QString blue_levels = QString::fromLatin1(kBlueString);
    const int pg = find_level(green_levels, s.mid(2, 2));
    const int pr = find_level(red_levels, s.mid(0, 2));
    const int pb = find_level(blue_levels, s.mid(4, 2));

    ShadeCells cells;
    cells.colours = previous;
    // Sets one cell from a new channel value, when it could be read.
    auto set = [&cells](int k, const std::optional<int>& value, auto compose) {
        if (value) {
            cells.colours[k] = compose(*value);
        }
    };
    if (pg == 0 || pr == 0 || pb == 0) {
        cells.greyed_out = true;
        cells.colours.fill(rgb(kShadeGrey, kShadeGrey, kShadeGrey));
    } else {
        const auto with_green = [&](int v) { return rgb(red, v, blue); };
        const auto with_red = [&](int v) { return rgb(v, green, blue); };
        const auto with_blue = [&](int v) { return rgb(red, green, v); };
        const ChannelStep g = green_step(green_levels, pg);
        set(4, g.top, with_green);
        set(5, g.bottom, with_green);
        const ChannelStep r = red_blue_step(red_levels, pr, 8);
        set(1, r.top, with_red);
        set(3, r.bottom, with_red);
        const ChannelStep b = red_blue_step(blue_levels, pb, 14);
        set(0, b.top, with_blue);
        set(2, b.bottom, with_blue);
    }
    for (int k = 0; k < kShadeCellCount; ++k) {
        cells.tool_tips[k] = tip_of(cells.colours[k]);
    }
    return cells;
}

int shade_column_left(ShadeChannel channel) {
    switch (channel) {
        case ShadeChannel::Red:
            return 1848;
        case ShadeChannel::Green:
            return 2196;
        case ShadeChannel::Blue:
            return 2532;
    }
    return 0;
}

QRect shade_cell_rect(int k) {
    // Column and row of each cell number.
    static constexpr ShadeChannel kColumn[kShadeCellCount] = {
        ShadeChannel::Blue, ShadeChannel::Red,   ShadeChannel::Blue,
        ShadeChannel::Red,  ShadeChannel::Green, ShadeChannel::Green};
    static constexpr bool kTop[kShadeCellCount] = {true, true, false, false, true, false};
    return QRect(shade_column_left(kColumn[k]), kTop[k] ? kTopRow : kBottomRow, kShadeCellSize,
                 kShadeCellSize);
}

}  // namespace quorvane
