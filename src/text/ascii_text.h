// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace quorvane {

// Text helpers. Theme files are ISO-8859-1, one byte per character, and all matching is done on
// upper-cased text with plain substring searches.

// The line end of every file the program writes.
inline const QString kCrLf = QStringLiteral("\r\n");

// Upper-cases ASCII letters only, so bytes of other encodings pass through unchanged.
QByteArray ascii_upper(QByteArrayView text);
inline QByteArray ascii_upper(const QByteArray& text) {
    return ascii_upper(QByteArrayView(text));
}
inline QByteArray ascii_upper(const char* text) {
    return ascii_upper(QByteArrayView(text));
}
QString ascii_upper(const QString& text);
// The same in place, for a text the caller owns.
void ascii_upper_in_place(char* text, qsizetype size);

// Whether `text` contains `upper_needle`, an ASCII-upper-cased text, with the ASCII letters of
// `text` compared as upper case and every other character exactly. Allocates nothing.
bool contains_ascii_upper(QStringView text, QStringView upper_needle);

// The position of the first occurrence of `needle` at or after `from`, or -1. Much faster than a
// general search for the short needles of the theme format.
qsizetype find(QByteArrayView text, QByteArrayView needle, qsizetype from = 0);

inline bool contains(QByteArrayView text, QByteArrayView needle) {
    return find(text, needle) >= 0;
}

// find(ascii_upper(text), upper_needle, from) without upper-casing a copy of the text: where the
// original letter case must be kept, a search can still match as the upper-cased text would.
qsizetype find_ascii_upper(QByteArrayView text, QByteArrayView upper_needle, qsizetype from = 0);

// One left-to-right pass replacing non-overlapping occurrences; linear in the text.
QByteArray replace_all(QByteArrayView text, QByteArrayView before, QByteArrayView after);

inline QByteArray remove_all(QByteArrayView text, QByteArrayView what) {
    return replace_all(text, what, {});
}

// Removes leading and trailing space characters only (never CR, LF or tabs).
QByteArray trim_spaces(QByteArrayView text);

// Removes leading and trailing space characters of a QString only.
QString space_trimmed(const QString& text);
// The same without copying.
QStringView space_trimmed_view(QStringView text);

// The text before the first occurrence of `what`, or the whole text when it does not occur.
inline QByteArrayView cut_before(QByteArrayView text, QByteArrayView what) {
    const qsizetype at = find(text, what);
    return at < 0 ? text : text.first(at);
}

// A scale or border text read as a decimal number with "." as the decimal point (".6" is 0.6);
// nothing when it does not read as a finite number.
std::optional<double> read_decimal(const QString& text);

}  // namespace quorvane
