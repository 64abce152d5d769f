#include "colour/colour_values.h"

namespace quorvane {

QString flip_colour(QString& text) {
    if (text.size() < 6) {
        text = QString(6 - text.size(), QLatin1Char('0')) + text;
    }
    return text.right(2) + text.mid(2, 2) + text.left(2);
}

bool CToRGB(qint64 rgbvalue, int& iRed, int& iGreen, int& iBlue) {
    iRed = static_cast<int>(rgbvalue & 0xFF);
    iGreen = static_cast<int>((rgbvalue & 0xFF00) / 256);
    iBlue = static_cast<int>((rgbvalue & 0xFF0000) / 65536);
    return true;
}

std::optional<int> read_hex(const QString& text) {
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

QString hex(qint64 number) { return QString::number(number, 16).toUpper(); }

std::optional<int> colour_number(const QString& colour_text) {
    QString copy = colour_text;
    return read_hex(QStringLiteral("&h") + flip_colour(copy));
}

QString colour_text(int colour_number) {
    QString text = hex(colour_number);
    return flip_colour(text);
}

}  // namespace quorvane
