// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/element_edits.h"

#include <QCoreApplication>

#include "model/presentation_list.h"
#include "model/presentations.h"

namespace quorvane {

void put_back(std::vector<Element>& elements, RemovedElements& removed) {
    // From the back, so every Element moves once and no second table is needed.
    size_t kept = elements.size();
    elements.resize(elements.size() + removed.size());
    auto next_removed = removed.rbegin();
    for (size_t place = elements.size(); place-- > 0;) {
        if (next_removed != removed.rend() && size_t(next_removed->first) == place) {
            elements[place] = std::move(next_removed->second);
            ++next_removed;
        } else {
            elements[place] = std::move(elements[--kept]);
        }
    }
    removed.clear();
}

QString DeleteElementsEdit::name() const {
    return numbers_.size() == 1 ? QCoreApplication::translate("ThemeEdits", "Delete 1 Element")
                                : QCoreApplication::translate("ThemeEdits", "Delete %1 Elements")
                                      .arg(numbers_.size());
}

void DeleteElementsEdit::apply(Theme& theme) {
    tables_before_.keep(theme);
    removed_.clear();
    removed_.reserve(numbers_.size());
    std::vector<Element>& elements = theme.elements;
    size_t kept = 0;
    auto next = numbers_.begin();
    for (size_t i = 0; i < elements.size(); ++i) {
        if (next != numbers_.end() && size_t(*next) == i) {
            removed_.emplace_back(int(i), std::move(elements[i]));
            ++next;
        } else {
            if (kept != i) {
                elements[kept] = std::move(elements[i]);
            }
            ++kept;
        }
    }
    elements.resize(kept);

    // Only a presentation that lost its last Element changes the lists.
    const int ranks = int(presentation_names().size());
    std::vector<bool> left(size_t(ranks), false);
    for (const Element& e : elements) {
        const int rank = rank_of(e.sort_code);
        if (rank >= 0 && rank < ranks) {
            left[size_t(rank)] = true;
        }
    }
    for (const auto& [number, e] : removed_) {
        const int rank = rank_of(e.sort_code);
        if (rank >= 0 && rank < ranks && !left[size_t(rank)]) {
            relist_presentations(theme);
            break;
        }
    }
}

void DeleteElementsEdit::revert(Theme& theme) {
    put_back(theme.elements, removed_);
    tables_before_.put_back(theme);
}

QString PasteStyleEdit::name() const {
    return numbers_.size() == 1
               ? QCoreApplication::translate("ThemeEdits", "Paste Style onto 1 Element")
               : QCoreApplication::translate("ThemeEdits", "Paste Style onto %1 Elements")
                     .arg(numbers_.size());
}

void PasteStyleEdit::apply(Theme& theme) {
    before_.clear();
    before_.reserve(numbers_.size());
    for (const int number : numbers_) {
        Element& e = theme.elements[size_t(number)];
        before_.push_back(ElementStyle::of(e));
        copied_.pasted_onto(e).write_to(e);
    }
}

void PasteStyleEdit::revert(Theme& theme) {
    for (size_t k = 0; k < numbers_.size(); ++k) {
        before_[k].write_to(theme.elements[size_t(numbers_[k])]);
    }
}

}  // namespace quorvane
