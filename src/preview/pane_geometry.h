// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include "preview/preview_layout.h"

namespace quorvane {

// The preview's parts as the window is designed, in twips: the grey viewport on the window, the
// canvas inside the viewport, and the scroll bar beside it.
namespace pane_layout {
inline constexpr QRect kViewport{2760, 60, 12090, 10236};
inline constexpr QRect kCanvas{108, 84, 11712, 11550};
inline constexpr QRect kScrollBar{14904, 0, 228, 8028};
}  // namespace pane_layout

// The classic window frame around the client area, in twips: the resize arithmetic works on the
// window's outer size. These allowances make the first resize put the scroll bar and the
// viewport's height exactly where pane_layout puts them.
inline constexpr int kFrameAllowanceWidth = 318;
inline constexpr int kFrameAllowanceHeight = 786;

// The vertical scroll bar as the resize and layout code sees it. A setting that the bar cannot
// take (a negative maximum, a change below 1) is skipped and the old one stays.
struct ScrollBarState {
    int maximum = 32767;
    int large_change = 1;
    int small_change = 1;
    int value = 0;

    void apply(const ScrollSettings& s);
    friend bool operator==(const ScrollBarState&, const ScrollBarState&) = default;
};

// The preview's geometry: the viewport on the window, the canvas inside the viewport and the
// scroll bar beside it, in twips.
struct PaneGeometry {
    QRect viewport = pane_layout::kViewport;
    QRect canvas = pane_layout::kCanvas;
    QRect scroll_bar = pane_layout::kScrollBar;

    // What the tiles are laid out for.
    PreviewFrame frame(const TileTemplate& tiles = {}) const;
    friend bool operator==(const PaneGeometry&, const PaneGeometry&) = default;
};

// Fits the viewport, canvas and scroll bar to a window whose client area is `client_width` x
// `client_height` twips; every step that cannot be done (a size of 30 or less, a negative height)
// is skipped and leaves the old value. The caller then re-lays out the tiles.
void fit_to_window(PaneGeometry& pane, ScrollBarState& scroll, int client_width, int client_height);

// Fits the preview to an area of its own, `area_width` x `area_height` twips (the main window's
// central widget): the viewport spans the area from its left edge to its right and reaches its
// bottom, kViewport.top() below its top, with the scroll bar on the viewport's right edge. The
// sizes follow fit_to_window's arithmetic, for the window the viewport once shared with the
// controls, so a viewport as wide as before shows the tiles exactly as before.
void fit_to_area(PaneGeometry& pane, ScrollBarState& scroll, int area_width, int area_height);

// How far the canvas moves up for a scroll value: the whole canvas stays reachable even when the
// maximum is not canvas height - viewport height; 0 when the maximum is 0.
int scroll_offset(int viewport_height, int canvas_height, int value, int maximum);

}  // namespace quorvane
