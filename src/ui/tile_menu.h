// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

class QAction;
class QMenu;
class QWidget;

namespace quorvane {

struct MainMenu;

// The menu a right-click or the Menu key opens on a tile: Edit Style..., Copy Style, Paste Style,
// Apply Style to All Presentations and Delete. Copy, Paste and Delete are the Edit menu's own
// items, so both menus are enabled alike.
struct TileMenu {
    Q_DECLARE_TR_FUNCTIONS(TileMenu)

  public:
    QMenu* menu = nullptr;
    QAction* edit_style_action = nullptr;
    QAction* apply_to_all_action = nullptr;
};

TileMenu build_tile_menu(QWidget& parent, const MainMenu& main_menu);

}  // namespace quorvane
