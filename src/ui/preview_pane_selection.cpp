// SPDX-License-Identifier: GPL-3.0-or-later
// What clicks and keys do to the preview's selection, and scrolling the current tile into view.
#include <QScrollBar>
#include <algorithm>

#include "geometry/twips.h"

#include "preview/tile_navigation.h"
#include "preview/zoom.h"
#include "ui/preview_accessibility.h"
#include "ui/preview_canvas.h"
#include "ui/preview_pane.h"

namespace quorvane {

namespace {

// The dotted focus frame lies a little outside the selection frame; both should show.
constexpr int kFocusFrameReach = 3 * kTwipsPerPixel;

}  // namespace

void PreviewPane::select_tile(int k) {
    selection_.select_only(k);
    selection_moved();
}

void PreviewPane::select_tiles(const std::vector<int>& tiles) {
    if (tiles.empty()) {
        clear_selection();
        return;
    }
    selection_.select_only(tiles.front());
    for (size_t i = 1; i < tiles.size(); ++i) {
        selection_.toggle(tiles[i]);
    }
    selection_.set_current(tiles.front());
    selection_moved();
}

void PreviewPane::select_all() {
    selection_.select_all();
    selection_moved();
}

void PreviewPane::clear_selection() {
    selection_.clear();
    selection_moved();
}

void PreviewPane::press_tile(int k, Qt::KeyboardModifiers modifiers) {
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    if (k < 0) {
        // A plain click on the empty canvas clears; with Shift or Ctrl it keeps what was chosen.
        if (!shift && !control) {
            clear_selection();
        }
        return;
    }
    if (shift) {
        selection_.extend_to(k, control);
    } else if (control) {
        selection_.toggle(k);
    } else {
        selection_.select_only(k);
    }
    selection_moved();
}

void PreviewPane::step(TileStep step, Qt::KeyboardModifiers modifiers) {
    // The selection names Elements; the steps go over the tiles the layout shows.
    const int current = selection_.current();
    const int from = current >= 0 ? layout_.tile_of(current) : -1;
    const int tile =
        tile_after_step(layout_, from, step, int(unzoomed(geometry_.viewport.height(), zoom_)));
    if (tile < 0) {
        return;
    }
    const int k = layout_.element_of(tile);
    if (modifiers.testFlag(Qt::ShiftModifier)) {
        selection_.extend_to(k, modifiers.testFlag(Qt::ControlModifier));
    } else if (modifiers.testFlag(Qt::ControlModifier)) {
        selection_.set_current(k);
    } else {
        selection_.select_only(k);
    }
    show_tile(k);
    selection_moved();
}

void PreviewPane::toggle_current() {
    if (selection_.current() >= 0) {
        selection_.toggle(selection_.current());
        selection_moved();
    }
}

void PreviewPane::ask_tile_menu(int k, QPoint global_position) {
    // The menu acts on the tile it opens on: a tile outside the selection becomes the
    // selection, one inside it becomes current.
    if (selection_.is_selected(k)) {
        selection_.set_current(k);
        selection_moved();
    } else {
        select_tile(k);
    }
    emit context_menu_requested(k, global_position);
}

void PreviewPane::show_tile(int k) {
    const int tile = k >= 0 && k < theme_.element_count() ? layout_.tile_of(k) : -1;
    if (tile < 0) {
        return;
    }
    const QRect frame = layout_.selection_frame(tile);
    const int top = std::max(zoomed(frame.top(), zoom_) - kFocusFrameReach, 0);
    const int bottom = zoomed(frame.top() + frame.height(), zoom_) + kFocusFrameReach;
    const int offset = -geometry_.canvas.top();
    const int viewport_height = geometry_.viewport.height();
    const int value =
        least_scroll_showing(top, bottom, scroll_bar_->value(), offset, scroll_bar_->maximum(),
                             viewport_height, geometry_.canvas.height());
    if (value != scroll_bar_->value()) {
        scroll_bar_->setValue(value);
    } else if (top < offset || bottom > offset + viewport_height) {
        // The canvas has not followed the bar yet (it keeps its design place until scrolled).
        follow_scroll_bar();
    }
}

void PreviewPane::selection_moved() {
    canvas_->update();
    announce_current_tile(*canvas_, selection_.current());
    emit selection_changed();
}

}  // namespace quorvane
