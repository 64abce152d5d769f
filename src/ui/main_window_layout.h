#pragma once

#include <QRect>

// Where the main window's controls stand on its client area, in twips (left, top, width,
// height). The preview pane's own places are in preview/pane_geometry.h.
namespace quorvane::main_window_layout {

inline constexpr QRect kClientArea{0, 0, 15144, 10680};
inline constexpr QRect kAddButton{468, 336, 372, 324};
inline constexpr QRect kAddCaption{984, 384, 1608, 312};
// The captions above the presentation list and the four metadata boxes.
inline constexpr int kFieldCaptionLeft = 336;
inline constexpr int kFieldCaptionWidth = 2076;
inline constexpr int kFieldCaptionHeight = 312;
inline constexpr int kFieldCaptionTops[5] = {852, 3000, 4056, 6168, 7296};
inline constexpr QRect kPresentationList{216, 1260, 2316, 1584};
inline constexpr QRect kTitleBox{216, 3408, 2436, 396};
inline constexpr QRect kDescriptionBox{216, 4512, 2436, 1356};
inline constexpr QRect kLocaleBox{216, 6516, 2436, 468};
inline constexpr QRect kVersionBox{732, 7824, 1272, 468};
inline constexpr QRect kSearchBox{228, 8604, 2292, 396};
inline constexpr QRect kSearchButton{624, 9144, 1608, 324};
inline constexpr QRect kUpdateNotice{168, 9720, 2412, 312};
// Under the Search button: how many tiles the search box's text matches, and whether the others
// are hidden rather than faded.
inline constexpr QRect kMatchCount{228, 9480, 1200, 240};
inline constexpr QRect kHideOthersCheck{1452, 9456, 1260, 264};
// At the bottom: Day/Night and the zoom.
inline constexpr QRect kNightButton{228, 10140, 1140, 360};
inline constexpr QRect kZoomOutButton{1452, 10140, 360, 360};
inline constexpr QRect kZoomCaption{1812, 10140, 480, 360};
inline constexpr QRect kZoomInButton{2292, 10140, 360, 360};

}  // namespace quorvane::main_window_layout
