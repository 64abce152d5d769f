// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>

#include "settings/recent_files.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quorvane {

// The main window's menu bar: File (with the recent files at its end), Edit, View and Help. Every
// menu and item has a mnemonic; items that open a dialog end with "…".
struct MainMenu {
    Q_DECLARE_TR_FUNCTIONS(MainMenu)

  public:
    QMenu* file_menu = nullptr;
    QAction* new_action = nullptr;
    QAction* open_action = nullptr;
    QAction* open_map_data_action = nullptr;  // map data for the Map panel
    QAction* save_action = nullptr;
    QAction* save_as_action = nullptr;
    QAction* exit_action = nullptr;
    std::array<QAction*, kRecentFileCount> recent_file_actions{};

    QMenu* edit_menu = nullptr;
    QAction* add_presentations_action = nullptr;
    QAction* remove_presentations_action = nullptr;
    // On the selected tiles: copy the current tile's style, paste it, delete, select every tile.
    QAction* copy_style_action = nullptr;
    QAction* paste_style_action = nullptr;
    QAction* delete_action = nullptr;
    QAction* select_all_action = nullptr;
    QAction* find_action = nullptr;  // takes the keyboard to the search box

    QMenu* view_menu = nullptr;
    QAction* night_view_action = nullptr;  // checkable: Night view when checked, else Day
    QAction* zoom_in_action = nullptr;
    QAction* zoom_out_action = nullptr;
    QAction* actual_size_action = nullptr;
    // One checkable item per panel of the window, which puts it there (see MainWindow::add_panel).
    QMenu* panels_menu = nullptr;

    QMenu* help_menu = nullptr;
    QAction* manual_action = nullptr;
    QAction* check_updates_action = nullptr;
    QAction* about_action = nullptr;
};

// Builds the menus with their captions, separators and shortcuts; the recent files start empty
// and hidden, and the Panels menu empty.
MainMenu build_main_menu(QMenuBar& bar);

// Shows recent file k (from 0) as "&1 path" ("&" in the path is no mnemonic there) and keeps
// the path as the item's data; an empty path hides the item.
void set_recent_caption(QAction& item, int k, const QString& path);

}  // namespace quorvane
