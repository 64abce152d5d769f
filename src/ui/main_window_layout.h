// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <algorithm>
#include <utility>

// Where the main window's controls stand on its client area, in twips (left, top, width,
// height). The preview pane's own places are in preview/pane_geometry.h.
namespace quorvane::main_window_layout {

inline constexpr QRect kClientArea{0, 0, 15144, 10680};

// The left column: every control spans it, or a row of controls does.
inline constexpr int kColumnLeft = 216;
inline constexpr int kColumnWidth = 2436;

inline constexpr QRect kAddButton{kColumnLeft, 336, 372, 324};
inline constexpr QRect kAddCaption{732, 384, 1920, 312};
// The captions above the presentation list and the four metadata boxes.
inline constexpr int kFieldCaptionHeight = 312;
inline constexpr int kFieldCaptionTops[5] = {852, 3000, 4056, 6168, 7296};
inline constexpr QRect kPresentationList{kColumnLeft, 1260, kColumnWidth, 1584};
inline constexpr QRect kTitleBox{kColumnLeft, 3408, kColumnWidth, 396};
inline constexpr QRect kDescriptionBox{kColumnLeft, 4512, kColumnWidth, 1356};
inline constexpr QRect kLocaleBox{kColumnLeft, 6516, kColumnWidth, 468};
inline constexpr QRect kVersionBox{kColumnLeft, 7824, kColumnWidth, 468};
inline constexpr QRect kSearchBox{kColumnLeft, 8604, kColumnWidth, 396};
// Beside the Search button: how many tiles the search box's text matches; under it, whether the
// others are hidden rather than faded.
inline constexpr QRect kSearchButton{kColumnLeft, 9096, 1140, 336};
inline constexpr QRect kMatchCount{1452, 9132, 1200, 264};
inline constexpr QRect kHideOthersCheck{kColumnLeft, 9456, kColumnWidth, 264};
inline constexpr QRect kUpdateNotice{kColumnLeft, 9744, kColumnWidth, 312};
// At the bottom: Day/Night and the zoom.
inline constexpr QRect kNightButton{kColumnLeft, 10140, 1020, 360};
inline constexpr QRect kZoomOutButton{1332, 10140, 360, 360};
inline constexpr QRect kZoomCaption{1692, 10140, 600, 360};
inline constexpr QRect kZoomInButton{2292, 10140, 360, 360};

// A client area lower than the design gives up height from the description box first, then
// from the presentation list, down to these heights (about two lines of text each); what stands
// below them moves up.
inline constexpr int kDescriptionBoxLeast = 696;
inline constexpr int kPresentationListLeast = 792;

// The smallest client area: the whole column at its least height beside a preview about four
// tiles wide.
inline constexpr QSize kLeastClientArea{
    7200, kClientArea.height() - (kDescriptionBox.height() - kDescriptionBoxLeast) -
              (kPresentationList.height() - kPresentationListLeast)};

// Where a control of the left column designed at `design` stands on a client area
// `client_height` twips high.
inline QRect column_place(const QRect& design, int client_height) {
    int shortfall = std::max(0, kClientArea.height() - client_height);
    QRect placed = design;
    for (const auto& [box, least] : {std::pair{kDescriptionBox, kDescriptionBoxLeast},
                                     std::pair{kPresentationList, kPresentationListLeast}}) {
        const int cut = std::min(shortfall, box.height() - least);
        shortfall -= cut;
        if (design == box) {
            placed.setHeight(placed.height() - cut);
        } else if (design.top() > box.bottom()) {
            placed.translate(0, -cut);
        }
    }
    return placed;
}

}  // namespace quorvane::main_window_layout
