// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_editor/sliders.h"

#include <cstdlib>

namespace quorvane {

QString hundredths_text(int hundredths) {
    const QString sign = hundredths < 0 ? QStringLiteral("-") : QString();
    const int magnitude = std::abs(hundredths);
    QString text = sign + QString::number(magnitude / 100);
    const int fraction = magnitude % 100;
    if (fraction != 0) {
        QString digits = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
        if (digits.endsWith(QLatin1Char('0'))) {
            digits.chop(1);
        }
        text += QLatin1Char('.') + digits;
    }
    return text;
}

}  // namespace quorvane
