// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_page.h"

namespace quorvane {

QString cut_version(const QByteArray& page) {
    QString text = QString::fromLatin1(page.left(kUpdatePageLimit));
    const qsizetype body = text.indexOf(QLatin1String("<body>"));
    if (body >= 0) {
        text = text.mid(body + 6);
    }
    const qsizetype end = text.indexOf(QLatin1String("</"));
    if (end >= 0) {
        text.truncate(end);
    }
    text.remove(QLatin1Char(' '));
    return text;
}

double version_value(const QString& version) {
    QString text;
    for (const QChar c : version) {
        // Carriage returns go too, so that a page served with CR LF line ends still counts.
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') &&
            c != QLatin1Char('\r')) {
            text.append(c);
        }
    }
    qsizetype at = 0;
    double sign = 1.0;
    if (at < text.size() && (text[at] == QLatin1Char('+') || text[at] == QLatin1Char('-'))) {
        sign = text[at] == QLatin1Char('-') ? -1.0 : 1.0;
        ++at;
    }
    QString number;
    bool point_seen = false;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            number.append(c);
        } else if (c == QLatin1Char('.') && !point_seen) {
            point_seen = true;
            number.append(c);
        } else {
            break;
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? sign * value : 0.0;
}

bool newer_version(const QString& own_version, const QString& fetched_version) {
    return version_value(own_version) < version_value(fetched_version);
}

}  // namespace quorvane
