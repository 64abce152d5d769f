#pragma once

#include <QRect>

#include "preview/preview_layout.h"

namespace quorvane {

// The main window's controls at their design places, in twips (left, top, width, height).
// Picture1 (the canvas) lies inside Picture2 (the viewport); the rest lie on the window.
namespace layout_table {
inline constexpr QRect kClientArea{0, 0, 15144, 10680};
inline constexpr QRect kCommand2{468, 336, 372, 324};
inline constexpr QRect kLabel1{984, 384, 1608, 312};
inline constexpr int kLabel2Left = 336;
inline constexpr int kLabel2Width = 2076;
inline constexpr int kLabel2Height = 312;
inline constexpr int kLabel2Tops[5] = {852, 3000, 4056, 6168, 7296};
inline constexpr QRect kList1{216, 1260, 2316, 1584};
inline constexpr QRect kTitle{216, 3408, 2436, 396};
inline constexpr QRect kText3{216, 4512, 2436, 1356};
inline constexpr QRect kText1{216, 6516, 2436, 468};
inline constexpr QRect kText2{732, 7824, 1272, 468};
inline constexpr QRect kText4{228, 8604, 2292, 396};
inline constexpr QRect kCommand1{624, 9144, 1608, 324};
inline constexpr QRect kLabel3{168, 9720, 2412, 312};
inline constexpr QRect kPicture2{2760, 60, 12090, 10236};
inline constexpr QRect kPicture1{108, 84, 11712, 11550};
inline constexpr QRect kVs{14904, 0, 228, 8028};
}  // namespace layout_table

// The classic window frame around the client area, in twips: the resize arithmetic works on the
// window's outer size. These allowances make the first resize put the scroll bar and the
// viewport's height exactly at their design places.
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
    QRect viewport = layout_table::kPicture2;
    QRect canvas = layout_table::kPicture1;
    QRect scroll_bar = layout_table::kVs;

    // What plot lays tiles out for.
    PreviewFrame frame(const TileTemplate& tiles = {}) const;
    friend bool operator==(const PaneGeometry&, const PaneGeometry&) = default;
};

// Fits the viewport, canvas and scroll bar to a window whose client area is `client_width` x
// `client_height` twips; every step that cannot be done (a size of 30 or less, a negative height)
// is skipped and leaves the old value. The caller then re-lays out the tiles.
void fit_to_window(PaneGeometry& pane, ScrollBarState& scroll, int client_width, int client_height);

// How far the canvas moves up for a scroll value: the whole canvas stays reachable even when the
// maximum is not canvas height - viewport height; 0 when the maximum is 0.
int scroll_offset(int viewport_height, int canvas_height, int value, int maximum);

}  // namespace quorvane
