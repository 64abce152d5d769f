// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace quorvane {

// A colour text is six hexadecimal digits RRGGBB without "#"; a colour number is 0x00BBGGRR,
// red in the lowest byte, as the drawing code and all colour arithmetic use it.

// Pads `text` in place to six characters with leading zeros, then returns it with its first and
// last two characters swapped (RRGGBB <-> BBGGRR). Longer texts are neither cut nor checked.
QString pad_and_swap_red_blue(QString& text);

// Splits a colour number into its channels.
void split_channels(qint64 colour_number, int& red, int& green, int& blue);

// Composes a colour number from channels 0..255.
constexpr int rgb(int red, int green, int blue) {
    return red + green * 256 + blue * 65536;
}

// Reads "&h" or "&H" followed by hexadecimal digits; nothing when the text does not read.
std::optional<int> read_hex_literal(const QString& text);

// Upper-case hexadecimal form without leading zeros.
QString hex_digits(qint64 number);

// Colour text to colour number, working on a copy so the caller's text is never padded.
std::optional<int> colour_number(const QString& colour_text);

// A colour the user typed: six hexadecimal digits RRGGBB in either case, with or without a "#"
// before them, spaces around ignored. Its colour number, or nothing for any other text.
std::optional<int> typed_colour(const QString& text);

// Colour number to colour text (upper case).
QString colour_text(int colour_number);

// Colour number to and from the painter's colour.
QColor to_qcolor(int colour_number);
int colour_number_of(const QColor& colour);

}  // namespace quorvane
