// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/presentation_changes.h"

#include <algorithm>

#include "model/presentation_list.h"
#include "model/presentations.h"
#include "text/ascii_text.h"

namespace quorvane {

void add_presentations(Theme& theme, const QStringList& adding, MessageList& messages) {
    theme.project_presentations = presentations_in_table(theme.elements);
    const size_t existing = theme.elements.size();
    theme.elements.reserve(existing * size_t(adding.size() + 1));
    for (const QString& name : adding) {
        for (size_t i = 0; i < existing; ++i) {
            Element copy = theme.elements[i];
            copy.presentation = name;
            copy.sort_code = presentation_code(name, copy.border, messages);
            theme.elements.push_back(std::move(copy));
        }
        theme.project_presentations.append(name);
    }
}

std::vector<std::pair<int, Element>> remove_presentations(Theme& theme,
                                                          const QStringList& removing) {
    const QStringList& names = presentation_names();
    QList<bool> removed_rank(names.size(), false);
    for (const QString& item : removing) {
        const qsizetype rank = names.indexOf(space_trimmed(item));
        if (rank >= 0) {
            removed_rank[rank] = true;
        }
    }
    const auto goes = [&](const Element& e) {
        const int rank = rank_of(e.sort_code);
        return rank >= 0 && rank < names.size() && removed_rank[rank];
    };
    std::vector<std::pair<int, Element>> removed;
    std::vector<Element> kept;
    kept.reserve(theme.elements.size());
    for (size_t i = 0; i < theme.elements.size(); ++i) {
        if (goes(theme.elements[i])) {
            removed.emplace_back(int(i), std::move(theme.elements[i]));
        } else {
            kept.push_back(std::move(theme.elements[i]));
        }
    }
    theme.elements = std::move(kept);
    theme.project_presentations = presentations_in_table(theme.elements);
    return removed;
}

}  // namespace quorvane
