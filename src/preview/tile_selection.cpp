// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/tile_selection.h"

#include <algorithm>
#include <unordered_set>

namespace quorvane {

void TileSelection::follow(const std::vector<Element>& elements) {
    const size_t n = elements.size();
    bool same = n == identities_.size();
    for (size_t i = 0; same && i < n; ++i) {
        same = elements[i].identity.value == identities_[i];
    }
    if (same) {
        return;
    }

    std::unordered_set<quint64> wanted(gone_.begin(), gone_.end());
    for (size_t i = 0; i < identities_.size(); ++i) {
        if (selected_[i]) {
            wanted.insert(identities_[i]);
        }
    }
    const int old_current = current_;
    const int old_anchor = anchor_;
    identities_.resize(n);
    selected_.assign(n, 0);
    count_ = 0;
    current_ = -1;
    anchor_ = -1;
    for (size_t i = 0; i < n; ++i) {
        const quint64 id = elements[i].identity.value;
        identities_[i] = id;
        if (!wanted.empty() && wanted.erase(id) > 0) {
            selected_[i] = 1;
            ++count_;
        }
        if (id == current_identity_ && current_identity_ != 0) {
            current_ = int(i);
        }
        if (id == anchor_identity_ && anchor_identity_ != 0) {
            anchor_ = int(i);
        }
    }
    gone_.assign(wanted.begin(), wanted.end());
    // A current tile whose Element went away gives way to the tile now at its place.
    const int last = int(n) - 1;
    if (current_ < 0 && old_current >= 0) {
        current_ = std::min(old_current, last);
    }
    if (anchor_ < 0 && old_anchor >= 0) {
        anchor_ = std::min(old_anchor, last);
    }
}

void TileSelection::clear() {
    std::fill(selected_.begin(), selected_.end(), 0);
    count_ = 0;
    current_ = -1;
    anchor_ = -1;
    current_identity_ = 0;
    anchor_identity_ = 0;
    forget_gone();
}

void TileSelection::set(int k, bool on) {
    char& flag = selected_[size_t(k)];
    count_ += int(on) - int(flag);
    flag = on ? 1 : 0;
}

void TileSelection::make_current(int k) {
    current_ = k;
    current_identity_ = valid(k) ? identities_[size_t(k)] : 0;
}

void TileSelection::make_anchor(int k) {
    anchor_ = k;
    anchor_identity_ = valid(k) ? identities_[size_t(k)] : 0;
}

void TileSelection::select_only(int k) {
    if (!valid(k)) {
        return;
    }
    forget_gone();
    std::fill(selected_.begin(), selected_.end(), 0);
    count_ = 0;
    set(k, true);
    make_current(k);
    make_anchor(k);
}

void TileSelection::toggle(int k) {
    if (!valid(k)) {
        return;
    }
    forget_gone();
    set(k, !selected_[size_t(k)]);
    make_current(k);
    make_anchor(k);
}

void TileSelection::extend_to(int k, bool keep_others) {
    if (!valid(k)) {
        return;
    }
    forget_gone();
    if (!valid(anchor_)) {
        make_anchor(valid(current_) ? current_ : k);
    }
    if (!keep_others) {
        std::fill(selected_.begin(), selected_.end(), 0);
        count_ = 0;
    }
    for (int i = std::min(anchor_, k); i <= std::max(anchor_, k); ++i) {
        set(i, true);
    }
    make_current(k);
}

void TileSelection::set_current(int k) {
    if (!valid(k)) {
        return;
    }
    make_current(k);
    make_anchor(k);
}

void TileSelection::select_all() {
    if (tile_count() == 0) {
        return;
    }
    forget_gone();
    std::fill(selected_.begin(), selected_.end(), 1);
    count_ = tile_count();
    if (!valid(current_)) {
        make_current(0);
        make_anchor(0);
    }
}

std::vector<int> TileSelection::selected() const {
    std::vector<int> tiles;
    tiles.reserve(size_t(count_));
    for (size_t i = 0; i < selected_.size(); ++i) {
        if (selected_[i]) {
            tiles.push_back(int(i));
        }
    }
    return tiles;
}

}  // namespace quorvane
