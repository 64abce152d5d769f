#include "format/text_ops.h"

#include <QString>
#include <cstring>

namespace quorvane {

QByteArray ascii_upper(QByteArrayView text) {
    QByteArray result(text.data(), text.size());
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

namespace {

// Finds `needle` in [from, end) by scanning with memchr for its least frequent-looking byte (a
// space is everywhere in theme text), then comparing the whole needle.
class Finder {
public:
    explicit Finder(QByteArrayView needle) : needle_(needle) {
        for (qsizetype i = 0; i < needle.size(); ++i) {
            if (needle[i] != ' ') {
                anchor_ = i;
                break;
            }
        }
    }

    const char* find(const char* from, const char* end) const {
        const qsizetype n = needle_.size();
        const char key = needle_[anchor_];
        const char* scan = from + anchor_;
        while (end - scan >= n - anchor_) {
            const void* hit = std::memchr(scan, key, size_t(end - scan - (n - anchor_ - 1)));
            if (hit == nullptr) {
                return nullptr;
            }
            const char* start = static_cast<const char*>(hit) - anchor_;
            if (std::memcmp(start, needle_.data(), size_t(n)) == 0) {
                return start;
            }
            scan = static_cast<const char*>(hit) + 1;
        }
        return nullptr;
    }

private:
    QByteArrayView needle_;
    qsizetype anchor_ = 0;
};

}  // namespace

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

QString space_trimmed(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' ')) {
        ++begin;
    }
    while (end > begin && text[end - 1] == QLatin1Char(' ')) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

}  // namespace quorvane
