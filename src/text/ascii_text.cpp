// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/ascii_text.h"

#include <QLocale>
#include <QString>
#include <cmath>
#include <cstring>

namespace quorvane {

void ascii_upper_in_place(char* c, qsizetype n) {
    qsizetype i = 0;
#ifdef __SSE2__
    for (; i + 16 <= n; i += 16) {
        __m128i* at = reinterpret_cast<__m128i*>(c + i);
        _mm_storeu_si128(at, ascii_upper16(_mm_loadu_si128(at)));
    }
#endif
    for (; i < n; ++i) {
        c[i] = ascii_upper_of(c[i]);
    }
}

QByteArray ascii_upper(QByteArrayView text) {
    QByteArray result(text.data(), text.size());
    ascii_upper_in_place(result.data(), result.size());
    return result;
}

namespace {

// Finds `needle` in [from, end). Candidates are the places where both the needle's first and
// its last byte match, sixteen places at a time; only those are compared in full. Theme text is
// full of spaces, so a search keyed on one byte alone would stop everywhere.
class Finder {
  public:
    explicit Finder(QByteArrayView needle) : needle_(needle) {}

    const char* find(const char* from, const char* end) const {
        const qsizetype n = needle_.size();
        if (end - from < n) {
            return nullptr;
        }
        if (n == 1) {
            return static_cast<const char*>(std::memchr(from, needle_[0], size_t(end - from)));
        }
        const char* const last_start = end - n;
        const char* p = from;
#ifdef __SSE2__
        const __m128i first = _mm_set1_epi8(needle_[0]);
        const __m128i last = _mm_set1_epi8(needle_[n - 1]);
        for (; last_start - p >= 15; p += 16) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 1));
            unsigned mask = unsigned(_mm_movemask_epi8(
                _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
            while (mask != 0) {
                const int at = __builtin_ctz(mask);
                if (n == 2 || std::memcmp(p + at + 1, needle_.data() + 1, size_t(n - 2)) == 0) {
                    return p + at;
                }
                mask &= mask - 1;
            }
        }
#endif
        for (; p <= last_start; ++p) {
            if (p[0] == needle_[0] && p[n - 1] == needle_[n - 1] &&
                std::memcmp(p, needle_.data(), size_t(n)) == 0) {
                return p;
            }
        }
        return nullptr;
    }

  private:
    QByteArrayView needle_;
};

}  // namespace

qsizetype occurrences_of(QByteArrayView text, QByteArrayView word) {
    qsizetype count = 0;
    for (qsizetype p = find(text, word); p >= 0; p = find(text, word, p + word.size())) {
        ++count;
    }
    return count;
}

qsizetype count_of(QByteArrayView text, char c) {
    const char* p = text.data();
    const char* const end = p + text.size();
    qsizetype count = 0;
#ifdef __SSE2__
    const __m128i wanted = _mm_set1_epi8(c);
    while (end - p >= 16) {
        // Each match subtracts -1 from its byte's tally; 255 rounds at most before the tallies
        // are added up.
        __m128i tally = _mm_setzero_si128();
        for (int round = 0; round < 255 && end - p >= 16; ++round, p += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            tally = _mm_sub_epi8(tally, _mm_cmpeq_epi8(bytes, wanted));
        }
        const __m128i sums = _mm_sad_epu8(tally, _mm_setzero_si128());
        count += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
    }
#endif
    for (; p != end; ++p) {
        count += *p == c ? 1 : 0;
    }
    return count;
}

qsizetype find_ascii_upper(QByteArrayView text, QByteArrayView needle, qsizetype from) {
    const qsizetype n = needle.size();
    if (n == 0 || from < 0 || text.size() - from < n) {
        return n == 0 && from >= 0 && from <= text.size() ? from : -1;
    }
    const char* const data = text.data();
    const qsizetype last_start = text.size() - n;
    const auto matches_at = [&](qsizetype at) {
        for (qsizetype k = 0; k < n; ++k) {
            if (ascii_upper_of(data[at + k]) != needle[k]) {
                return false;
            }
        }
        return true;
    };
    qsizetype p = from;
#ifdef __SSE2__
    // As the plain search: candidates where the first and the last byte match, upper-cased.
    const __m128i first = _mm_set1_epi8(needle[0]);
    const __m128i last = _mm_set1_epi8(needle[n - 1]);
    for (; last_start - p >= 15; p += 16) {
        const __m128i a =
            ascii_upper16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + p)));
        const __m128i b =
            ascii_upper16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + p + n - 1)));
        unsigned mask = unsigned(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, last))));
        while (mask != 0) {
            const qsizetype at = p + __builtin_ctz(mask);
            if (matches_at(at)) {
                return at;
            }
            mask &= mask - 1;
        }
    }
#endif
    for (; p <= last_start; ++p) {
        if (matches_at(p)) {
            return p;
        }
    }
    return -1;
}

qsizetype find(QByteArrayView text, QByteArrayView needle, qsizetype from) {
    if (needle.isEmpty() || from < 0 || text.size() - from < needle.size()) {
        return needle.isEmpty() && from <= text.size() ? from : -1;
    }
    const char* hit = Finder(needle).find(text.data() + from, text.data() + text.size());
    return hit == nullptr ? -1 : hit - text.data();
}

QByteArray replace_all(QByteArrayView text, QByteArrayView before, QByteArrayView after) {
    if (before.isEmpty() || text.size() < before.size()) {
        return text.toByteArray();
    }
    const Finder finder(before);
    const char* from = text.data();
    const char* const end = from + text.size();
    const char* hit = finder.find(from, end);
    if (hit == nullptr) {
        return text.toByteArray();
    }
    qsizetype size = text.size();
    if (after.size() > before.size()) {
        for (const char* h = hit; h != nullptr; h = finder.find(h + before.size(), end)) {
            size += after.size() - before.size();
        }
    }
    QByteArray result(size, Qt::Uninitialized);
    char* out = result.data();
    while (hit != nullptr) {
        std::memcpy(out, from, size_t(hit - from));
        out += hit - from;
        if (!after.isEmpty()) {
            std::memcpy(out, after.data(), size_t(after.size()));
            out += after.size();
        }
        from = hit + before.size();
        hit = finder.find(from, end);
    }
    std::memcpy(out, from, size_t(end - from));
    out += end - from;
    result.truncate(out - result.data());
    return result;
}

QByteArray trim_spaces(QByteArrayView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == ' ') {
        ++begin;
    }
    while (end > begin && text[end - 1] == ' ') {
        --end;
    }
    return text.sliced(begin, end - begin).toByteArray();
}

QStringView space_trimmed_view(QStringView text) {
    while (!text.isEmpty() && text.front() == QLatin1Char(' ')) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && text.back() == QLatin1Char(' ')) {
        text.chop(1);
    }
    return text;
}

QString space_trimmed(const QString& text) {
    return space_trimmed_view(text).toString();
}

QString ascii_upper(const QString& text) {
    QString upper = text;
    for (QChar& c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - 'a' + 'A');
        }
    }
    return upper;
}

std::optional<double> read_decimal(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(QStringView(text).trimmed(), &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

namespace {

char16_t ascii_upper_of(char16_t c) {
    return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c;
}

char16_t code_of(QChar c) {
    return c.unicode();
}
char16_t code_of(char c) {
    return char16_t(uchar(c));
}

template <typename View>
bool contains_folded(View text, View upper_needle) {
    const qsizetype n = upper_needle.size();
    if (n == 0) {
        return true;
    }
    const char16_t first = code_of(upper_needle[0]);
    for (qsizetype at = 0; at + n <= text.size(); ++at) {
        if (ascii_upper_of(code_of(text[at])) != first) {
            continue;
        }
        qsizetype k = 1;
        while (k < n && ascii_upper_of(code_of(text[at + k])) == code_of(upper_needle[k])) {
            ++k;
        }
        if (k == n) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool contains_ascii_upper(QStringView text, QStringView upper_needle) {
    return contains_folded(text, upper_needle);
}

bool contains_ascii_upper(QByteArrayView text, QByteArrayView upper_needle) {
    return contains_folded(text, upper_needle);
}

}  // namespace quorvane
