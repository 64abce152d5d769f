// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/presentation_list.h"

#include <QList>

#include "model/presentations.h"

namespace quorvane {

QStringList presentations_in_table(const std::vector<Element>& elements) {
    const QStringList& names = presentation_names();
    QList<bool> seen(names.size(), false);
    QStringList listed;
    for (const Element& e : elements) {
        const int rank = rank_of(e.sort_code);
        // A rank outside the six (no code this program makes) names no presentation.
        if (rank < 0 || rank >= names.size() || seen[rank]) {
            continue;
        }
        seen[rank] = true;
        listed.append(names[rank]);
        if (listed.size() == names.size()) {
            break;
        }
    }
    return listed;
}

void relist_presentations(Theme& theme) {
    theme.project_presentations = presentations_in_table(theme.elements);
    theme.listed_presentations = theme.project_presentations;
}

}  // namespace quorvane
