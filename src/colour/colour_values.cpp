// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour/colour_values.h"

namespace quorvane {

QString pad_and_swap_red_blue(QString& text) {
    if (text.size() < 6) {
        text = QString(6 - text.size(), QLatin1Char('0')) + text;
    }
    return text.right(2) + text.mid(2, 2) + text.left(2);
}

void split_channels(qint64 colour_number, int& red, int& green, int& blue) {
    red = static_cast<int>(colour_number & 0xFF);
    green = static_cast<int>((colour_number & 0xFF00) / 256);
    blue = static_cast<int>((colour_number & 0xFF0000) / 65536);
}

std::optional<int> read_hex_literal(const QString& text) {
    if (text.size() < 3 || text[0] != QLatin1Char('&') ||
        (text[1] != QLatin1Char('h') && text[1] != QLatin1Char('H'))) {
        return std::nullopt;
    }
    const QString digits = text.mid(2);
    if (digits.size() > 8) {
        return std::nullopt;
    }
    bool ok = false;
    const uint value = digits.toUInt(&ok, 16);
    // toUInt also accepts a sign or "0x"; only plain digits read here.
    for (QChar c : digits) {
        if (!isxdigit(c.toLatin1()) || c.unicode() > 127) {
            return std::nullopt;
        }
    }
    if (!ok) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

QString hex_digits(qint64 number) {
    return QString::number(number, 16).toUpper();
}

std::optional<int> colour_number(const QString& colour_text) {
    QString copy = colour_text;
    return read_hex_literal(QStringLiteral("&h") + pad_and_swap_red_blue(copy));
}

std::optional<int> typed_colour(const QString& text) {
    QStringView digits = QStringView(text).trimmed();
    if (digits.startsWith(QLatin1Char('#'))) {
        digits = digits.mid(1);
    }
    if (digits.size() != 6) {
        return std::nullopt;
    }
    int value = 0;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9') {
            digit = u - u'0';
        } else if (u >= u'a' && u <= u'f') {
            digit = u - u'a' + 10;
        } else if (u >= u'A' && u <= u'F') {
            digit = u - u'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + digit;
    }
    // RRGGBB as typed; the colour number keeps red in its lowest byte.
    return rgb(value >> 16, (value >> 8) & 0xFF, value & 0xFF);
}

QString colour_text(int colour_number) {
    QString text = hex_digits(colour_number);
    return pad_and_swap_red_blue(text);
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
