// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quorvane {

// Text helpers. Theme files are ISO-8859-1, one byte per character, and all matching is done on
// upper-cased text with plain substring searches.

// Upper-cases an ASCII letter; every other byte stays as it is.
inline char ascii_upper_of(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

#ifdef __SSE2__
// Sixteen bytes upper-cased at once: 'a'..'z' shifted to the bottom of the signed range are the
// bytes below -128 + 26; those lose bit 5.
inline __m128i ascii_upper16(__m128i bytes) {
    const __m128i shift = _mm_set1_epi8(static_cast<char>(128 - 'a'));
    const __m128i limit = _mm_set1_epi8(static_cast<char>(-128 + 26));
    const __m128i case_bit = _mm_set1_epi8(0x20);
    const __m128i lower = _mm_cmplt_epi8(_mm_add_epi8(bytes, shift), limit);
    return _mm_xor_si128(bytes, _mm_and_si128(lower, case_bit));
}
#endif

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
// The same for a byte text, without upper-casing a copy of it.
bool contains_ascii_upper(QByteArrayView text, QByteArrayView upper_needle);

// The position of the first occurrence of `needle` at or after `from`, or -1. Much faster than a
// general search for the short needles of the theme format.
qsizetype find(QByteArrayView text, QByteArrayView needle, qsizetype from = 0);

inline bool contains(QByteArrayView text, QByteArrayView needle) {
    return find(text, needle) >= 0;
}

// How often `c` occurs in `text` (sixteen bytes at a time).
qsizetype count_of(QByteArrayView text, char c);

// How often `word` occurs in `text`, occurrences not overlapping.
qsizetype occurrences_of(QByteArrayView text, QByteArrayView word);

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
