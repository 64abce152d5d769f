// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/colour_values.h"

#include <array>

namespace quorvane {

namespace {

// The value of each hexadecimal digit among the ASCII characters, -1 for the others.
constexpr std::array<signed char, 128> kHexDigits = [] {
    std::array<signed char, 128> digits{};
    digits.fill(-1);
    for (int k = 0; k < 10; ++k) {
        digits[size_t('0' + k)] = static_cast<signed char>(k);
    }
    for (int k = 0; k < 6; ++k) {
        digits[size_t('A' + k)] = digits[size_t('a' + k)] = static_cast<signed char>(10 + k);
    }
    return digits;
}();

// The value of one hexadecimal digit, or -1. Only ASCII digits count: full-width ones look alike
// but are none.
int hex_digit(QChar c) {
    const char16_t u = c.unicode();
    return u < 128 ? kHexDigits[u] : -1;
}

// Reads six digits RRGGBB, digit k taken from the text at digit_at(k) (-1: a padding zero).
template <typename DigitAt>
std::optional<int> read_six_digits(QStringView text, DigitAt digit_at) {
    int channels[3] = {0, 0, 0};
    for (int k = 0; k < 6; ++k) {
        const qsizetype at = digit_at(k);
        const int digit = at < 0 ? 0 : hex_digit(text[at]);
        if (digit < 0) {
            return std::nullopt;
        }
        channels[k / 2] = channels[k / 2] * 16 + digit;
    }
    return rgb(channels[0], channels[1], channels[2]);
}

}  // namespace

void split_channels(qint64 colour_number, int& red, int& green, int& blue) {
    red = static_cast<int>(colour_number & 0xFF);
    green = static_cast<int>((colour_number & 0xFF00) / 256);
    blue = static_cast<int>((colour_number & 0xFF0000) / 65536);
}

std::optional<int> colour_number(const QString& colour_text) {
    const qsizetype n = colour_text.size();
    return read_six_digits(colour_text, [n](int k) -> qsizetype {
        if (n < 6) {
            return k - (6 - n);
        }
        return k < 4 ? k : n - 6 + k;
    });
}

std::optional<int> typed_colour(const QString& text) {
    QStringView digits = QStringView(text).trimmed();
    if (digits.startsWith(QLatin1Char('#'))) {
        digits = digits.mid(1);
    }
    return six_digit_colour(digits);
}

std::optional<int> six_digit_colour(QStringView text) {
    if (text.size() != 6) {
        return std::nullopt;
    }
    // A batch edit reads every colour of every style: one table look-up per digit.
    int value = 0;
    for (const QChar c : text) {
        const int digit = hex_digit(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    return rgb(value >> 16, (value >> 8) & 0xFF, value & 0xFF);
}

QString colour_text(int colour_number) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    int channels[3] = {0, 0, 0};
    split_channels(colour_number, channels[0], channels[1], channels[2]);
    QString text(6, Qt::Uninitialized);
    for (int c = 0; c < 3; ++c) {
        text[2 * c] = QLatin1Char(kDigits[channels[c] >> 4]);
        text[2 * c + 1] = QLatin1Char(kDigits[channels[c] & 0xF]);
    }
    return text;
}

QColor to_qcolor(int colour_number) {
    int red = 0;
    int green = 0;
    int blue = 0;
    split_channels(colour_number, red, green, blue);
    return QColor(red, green, blue);
}

int colour_number_of(const QColor& colour) {
    return rgb(colour.red(), colour.green(), colour.blue());
}

}  // namespace quorvane
