#include "preview/presentation_list.h"

#include <algorithm>
#include <vector>

#include "model/presentations.h"

namespace quorvane {

void show_presentations(Theme& theme) {
    std::vector<int> ranks;
    for (const Element& e : theme.elements) {
        const int rank = rank_of(e.sort_code);
        if (std::find(ranks.begin(), ranks.end(), rank) == ranks.end()) {
            ranks.push_back(rank);
        }
    }
    const QStringList& names = presentation_names();
    theme.project_presentations.clear();
    for (int rank : ranks) {
        // Sort codes come from presentation_code, so the rank names a presentation.
        theme.project_presentations.append(rank >= 0 && rank < names.size() ? names[rank]
                                                                            : QString());
    }
    theme.listed_presentations = theme.project_presentations;
}

}  // namespace quorvane
