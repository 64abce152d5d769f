// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <functional>
#include <optional>

#include "model/theme.h"

class QListWidget;
class QListWidgetItem;
class QMenu;
class QWidget;

namespace quorvane {

// How many of a theme's colours a swatch list shows at most, most used first.
inline constexpr int kListedThemeColours = 256;

// A square of one colour with a thin frame, for swatches in lists and menus.
QIcon colour_swatch_icon(int colour, int size = 16);

// Fills a list with the colours the theme uses, most used first: a swatch, "#RRGGBB" and how
// many styles use it. Each item keeps its colour number.
void list_theme_colours(QListWidget& list, const Theme& theme);
std::optional<int> colour_of_item(const QListWidgetItem* item);

// A popup menu holding the device's 254 colours as a grid; `picked` gets the colour clicked.
QMenu* device_palette_menu(QWidget* parent, std::function<void(int colour)> picked);

}  // namespace quorvane
