// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace quorvane {

// A colour text is six hexadecimal digits RRGGBB without "#"; a colour number is 0x00BBGGRR,
// red in the lowest byte, as the drawing code and all colour arithmetic use it. Colours are
// numbers everywhere but in the file and on the screen.

// Splits a colour number into its channels.
void split_channels(qint64 colour_number, int& red, int& green, int& blue);

// Composes a colour number from channels 0..255.
constexpr int rgb(int red, int green, int blue) {
    return red + green * 256 + blue * 65536;
}

// A colour text as read from a theme: a shorter text stands for one with leading zeros (so
// "FF" is blue); of a longer one the first four and the last two digits count. Nothing when
// one of those is no hexadecimal digit.
std::optional<int> colour_number(const QString& colour_text);

// A colour the user typed: six hexadecimal digits RRGGBB in either case, with or without a "#"
// before them, spaces around ignored. Its colour number, or nothing for any other text.
std::optional<int> typed_colour(const QString& text);

// The colour of exactly six hexadecimal digits RRGGBB in either case; nothing for any other
// text (the colours an operation on many styles can be sure of).
std::optional<int> six_digit_colour(QStringView text);

// Colour number to colour text (upper case).
QString colour_text(int colour_number);

// Colour number to and from the painter's colour.
QColor to_qcolor(int colour_number);
int colour_number_of(const QColor& colour);

}  // namespace quorvane
