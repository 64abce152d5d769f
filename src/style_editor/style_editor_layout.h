// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Where everything in the style editor stands, in twips inside its container (left, top, width,
// height). Sizes the window's own design leaves open are chosen to fit the texts.
namespace quorvane::style_editor_layout {

inline constexpr int kClientWidth = 13512;
inline constexpr int kClientHeight = 10308;

// The palette grid inside the palette frame: cell 0's corner and the cell size.
inline constexpr int kPaletteLeft = 744;
inline constexpr int kPaletteTop = 204;
inline constexpr int kPaletteCellSize = 192;

// The shade cells under the palette: a column per channel, two rows, a "*" head above each column.
inline constexpr int kShadeCellSize = 264;
inline constexpr int kShadeTopRow = 3564;
inline constexpr int kShadeBottomRow = 3864;
inline constexpr int kShadeHeadTop = 3300;
inline constexpr int kRedShadeColumn = 1848;
inline constexpr int kGreenShadeColumn = 2196;
inline constexpr int kBlueShadeColumn = 2532;

// The sliders: a knob moving in a track, one pixel per step.
inline constexpr int kSliderTrackWidth = 1704;
inline constexpr int kSliderTrackHeight = 180;
inline constexpr int kSliderKnobWidth = 192;
inline constexpr int kSliderStep = 15;

// The sample: its margin, how far each border strip reaches into the line body, and the height
// of one unit of scale or border.
inline constexpr int kSampleMargin = 200;
inline constexpr int kStripOverlap = 60;
inline constexpr int kTwipsPerSizeUnit = 800;

// Palette frame and what it holds.
inline constexpr QRect kColourFrame(264, 240, 4512, 7356);
inline constexpr QRect kPaletteOutline(600, 132, 3336, 4152);
inline constexpr int kMarkerSize = 264;
inline constexpr int kMarkerOffset = 10;  // the marker stands this far up and left of a cell
inline constexpr QRect kHoverSwatch(228, 5724, 396, 360);
inline constexpr int kChannelHeadHeight = 264;

// Spectrum image, on the window over the palette frame.
inline constexpr QRect kSpectrum(1188, 4668, 2832, 2868);

// Line panel.
inline constexpr QRect kLinePanel(216, 7668, 4800, 2328);
inline constexpr QRect kLineCaption(240, 420, 1500, 276);
inline constexpr QRect kBorderCaption(252, 1428, 1500, 276);
inline constexpr QRect kScaleTrack(240, 744, kSliderTrackWidth, kSliderTrackHeight);
inline constexpr QRect kBorderTrack(252, 1752, kSliderTrackWidth, kSliderTrackHeight);
inline constexpr QRect kScaleBox(2100, 600, 660, 348);
inline constexpr QRect kBorderBox(2100, 1572, 660, 348);
inline constexpr QRect kPrimarySwatch(2880, 624, 564, 348);
inline constexpr QRect kSecondarySwatch(2880, 1608, 564, 348);
inline constexpr QRect kPrimaryBox(3600, 600, 1080, 348);
inline constexpr QRect kSecondaryBox(3600, 1524, 1080, 348);
inline constexpr int kSlotOutlineMargin = 24;
// "More..." under the colour boxes: the desktop's colour dialog.
inline constexpr QRect kColourDialogButton(3600, 1944, 1080, 336);

// Polygon panel: designed elsewhere, moved onto the line panel for a polygon.
inline constexpr QRect kPolygonPanel(228, 5160, 4800, 2328);
inline constexpr QRect kPolygonCaption(240, 660, 1500, 276);
inline constexpr QRect kPolygonSwatch(2880, 624, 564, 348);
inline constexpr QRect kPolygonBox(3600, 600, 1080, 348);
inline constexpr QRect kPolygonColourDialogButton(3600, 1044, 1080, 336);

// Sample and the labels under it.
inline constexpr QRect kSample(5016, 264, 8256, 7332);
inline constexpr int kSampleMarkerLeft = 15;
inline constexpr int kSampleMarkerWidth = 180;
inline constexpr int kSampleMarkerHeight = 300;
inline constexpr QRect kFieldLabel(8064, 7788, 5208, 300);
inline constexpr QRect kPresentationLabel(5136, 7800, 2760, 300);

// The theme's own colours under those labels: a caption and a row of swatches.
inline constexpr QRect kThemeColoursCaption(5136, 8196, 1200, 276);
inline constexpr int kThemeColourLeft = 6396;
inline constexpr int kThemeColourTop = 8208;
inline constexpr int kThemeColourSize = 252;
inline constexpr int kThemeColourStep = 284;

// Day/Night, brightness and contrast.
inline constexpr QRect kDayOption(5484, 8664, 960, 300);
inline constexpr QRect kNightOption(6540, 8664, 1020, 300);
inline constexpr QRect kBrightnessIcon(8499, 8604, 240, 240);
inline constexpr QRect kContrastIcon(11676, 8604, 240, 240);
inline constexpr QRect kBrightnessTrack(7728, 8880, kSliderTrackWidth, kSliderTrackHeight);
inline constexpr QRect kContrastTrack(10908, 8880, kSliderTrackWidth, kSliderTrackHeight);
inline constexpr QRect kBrightnessBox(9624, 8808, 600, 300);
inline constexpr QRect kContrastBox(12660, 8652, 600, 300);

// Buttons.
inline constexpr QRect kReverseButton(5496, 9504, 1788, 408);
inline constexpr QRect kApplyAllCheck(7920, 9552, 2460, 300);
inline constexpr QRect kApplyButton(10428, 9432, 1344, 480);
inline constexpr QRect kCancelButton(11916, 9432, 1344, 480);

}  // namespace quorvane::style_editor_layout
