// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/presentations.h"

namespace quorvane {

const QStringList& presentation_names() {
    static const QStringList names{QStringLiteral("GUIDANCE"),      QStringLiteral("BROWSE"),
                                   QStringLiteral("TRAFFIC"),       QStringLiteral("TURN PREVIEW"),
                                   QStringLiteral("ROUTE PREVIEW"), QStringLiteral("PEDESTRIAN")};
    return names;
}

std::optional<int> presentation_rank(const QString& presentation) {
    // "UIDANCE" decides at once; the other words are all tested and the last match wins.
    if (presentation.contains(QLatin1String("UIDANCE"))) {
        return 0;
    }
    std::optional<int> rank;
    const QStringList& names = presentation_names();
    for (int r = 1; r < names.size(); ++r) {
        if (presentation.contains(names[r])) {
            rank = r;
        }
    }
    return rank;
}

int presentation_code(const QString& presentation, const QString& border, MessageList& messages) {
    const int kind = border.isEmpty() ? 0 : 1;
    const std::optional<int> rank = presentation_rank(presentation);
    if (!rank) {
        messages.add(presentation);
    }
    return rank.value_or(0) * 10 + kind;
}

}  // namespace quorvane
