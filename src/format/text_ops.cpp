#include "format/text_ops.h"

#include <QString>

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

QByteArray replace_all(QByteArrayView text, QByteArrayView before, QByteArrayView after) {
    qsizetype at = before.isEmpty() ? -1 : text.indexOf(before);
    if (at < 0) {
        return QByteArray(text.data(), text.size());
    }
    QByteArray result;
    result.reserve(text.size());
    qsizetype from = 0;
    while (at >= 0) {
        result.append(text.sliced(from, at - from));
        result.append(after);
        from = at + before.size();
        at = text.indexOf(before, from);
    }
    result.append(text.sliced(from));
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
