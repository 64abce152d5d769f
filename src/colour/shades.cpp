// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/shades.h"

#include <optional>

#include "colour/colour_values.h"
#include "colour/device_levels.h"

namespace quorvane {

namespace {

// The two characters of `levels` at 1-based position p, read as hexadecimal; a position near the
// end gives what is left (one digit). Nothing before the start or past the end.
std::optional<int> level_at(const QString& levels, int p) {
    if (p < 1) {
        return std::nullopt;
    }
    return read_hex_literal(QStringLiteral("&h") + levels.mid(p - 1, 2));
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

// Green: the top cell (4) one level up, or one down at the last level; the bottom cell
// (5) one down, two up or two down.
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

ShadeCells shade_cells(int colour, const std::array<int, kShadeCellCount>& previous) {
    QString s = hex_digits(colour).toLower();
    if (s.size() < 6) {
        s = QString(6 - s.size(), QLatin1Char('0')) + s;
    }
    const int blue = read_hex_literal(QStringLiteral("&h") + s.mid(0, 2)).value_or(0);
    const int green = read_hex_literal(QStringLiteral("&h") + s.mid(2, 2)).value_or(0);
    const int red = read_hex_literal(QStringLiteral("&h") + s.mid(4, 2)).value_or(0);
    s = pad_and_swap_red_blue(s);  // now red, green, blue

    // The levels without separators: a level sits at the odd 1-based positions.
    const QString green_string = green_levels().join(QString());
    const QString red_string = red_levels().join(QString());
    const QString blue_string = blue_levels().join(QString());
    const int pg = find_level(green_string, s.mid(2, 2));
    const int pr = find_level(red_string, s.mid(0, 2));
    const int pb = find_level(blue_string, s.mid(4, 2));

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
        const ChannelStep g = green_step(green_string, pg);
        set(4, g.top, with_green);
        set(5, g.bottom, with_green);
        const ChannelStep r = red_blue_step(red_string, pr, 8);
        set(1, r.top, with_red);
        set(3, r.bottom, with_red);
        const ChannelStep b = red_blue_step(blue_string, pb, 14);
        set(0, b.top, with_blue);
        set(2, b.bottom, with_blue);
    }
    for (int k = 0; k < kShadeCellCount; ++k) {
        cells.tool_tips[k] = tip_of(cells.colours[k]);
    }
    return cells;
}

}  // namespace quorvane
