// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/element.h"

namespace quorvane {

// Which tiles of the preview are selected, which one is current (where the keyboard works and
// what Copy Style takes) and where a Shift range starts (the anchor). Tile k shows Element k.
//
// Tiles are known by their Elements' identities, so the selection stays with its Elements when
// others are added, deleted or moved, and through undo and redo. A selected Element that went
// away is remembered until the user changes the selection: undoing its deletion selects it again.
class TileSelection {
  public:
    // Finds the selected tiles again after the theme's Elements changed.
    void follow(const std::vector<Element>& elements);

    // Nothing selected, nothing current (a new theme, a click on the empty canvas).
    void clear();
    // A click: tile k alone is selected and current, and starts the next range.
    void select_only(int k);
    // Ctrl+click: tile k joins or leaves the selection, becomes current and starts the next range.
    void toggle(int k);
    // Shift+click or Shift+arrow: the tiles from the anchor to k (in Element order) are selected,
    // with the others kept only when `keep_others`; k becomes current.
    void extend_to(int k, bool keep_others);
    // Ctrl+arrow: k becomes current and starts the next range; the selection stays.
    void set_current(int k);
    // Ctrl+A: every tile; the current tile stays, or the first becomes current.
    void select_all();

    int tile_count() const { return int(identities_.size()); }
    bool is_selected(int k) const { return k >= 0 && k < tile_count() && selected_[size_t(k)]; }
    int count() const { return count_; }
    bool empty() const { return count_ == 0; }
    // The selected tiles, first first.
    std::vector<int> selected() const;
    // The current tile, or -1.
    int current() const { return current_; }
    int anchor() const { return anchor_; }

  private:
    bool valid(int k) const { return k >= 0 && k < tile_count(); }
    void set(int k, bool on);
    void make_current(int k);
    void make_anchor(int k);
    // The user changed the selection: Elements that went away are forgotten.
    void forget_gone() { gone_.clear(); }

    std::vector<quint64> identities_;  // of Element k, as last followed
    std::vector<char> selected_;       // one flag per tile
    int count_ = 0;
    int current_ = -1;
    int anchor_ = -1;
    // The Elements of the current tile and the anchor; they are kept when their Element goes
    // away, while the tile numbers fall back to the nearest tile.
    quint64 current_identity_ = 0;
    quint64 anchor_identity_ = 0;
    std::vector<quint64> gone_;  // selected Elements that went away
};

}  // namespace quorvane
