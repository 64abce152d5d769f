#include "model/presentations.h"

#include "platform/messages.h"

namespace quorvane {

const QStringList& presentation_names() {
    static const QStringList names{QStringLiteral("GUIDANCE"),      QStringLiteral("BROWSE"),
                                   QStringLiteral("TRAFFIC"),       QStringLiteral("TURN PREVIEW"),
                                   QStringLiteral("ROUTE PREVIEW"), QStringLiteral("PEDESTRIAN")};
    return names;
}

int presentation_code(const QString& presentation, const QString& border, Messages& messages) {
    const int kind = border.isEmpty() ? 0 : 1;
    // "UIDANCE" decides at once; the other words are all tested and the last match wins.
    if (presentation.contains(QLatin1String("UIDANCE"))) {
        return kind;
    }
    int rank = 0;
    bool found = false;
    const QStringList& names = presentation_names();
    for (int r = 1; r < names.size(); ++r) {
        if (presentation.contains(names[r])) {
            rank = r;
            found = true;
        }
    }
    if (!found) {
        messages.tell(presentation);
    }
    return rank * 10 + kind;
}

}  // namespace quorvane
