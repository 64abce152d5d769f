// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tile_menu.h"

#include <QAction>
#include <QMenu>

#include "ui/main_menu.h"

namespace quorvane {

TileMenu build_tile_menu(QWidget& parent, const MainMenu& main_menu) {
    TileMenu m;
    m.menu = new QMenu(&parent);
    m.menu->setObjectName(QStringLiteral("tile_menu"));
    m.menu->setAccessibleName(TileMenu::tr("Tile menu"));
    m.edit_style_action = m.menu->addAction(TileMenu::tr("&Edit Style\u2026"));
    m.edit_style_action->setObjectName(QStringLiteral("edit_style_action"));
    m.menu->addSeparator();
    m.menu->addAction(main_menu.copy_style_action);
    m.menu->addAction(main_menu.paste_style_action);
    m.apply_to_all_action = m.menu->addAction(TileMenu::tr("Apply Style to &All Presentations"));
    m.apply_to_all_action->setObjectName(QStringLiteral("apply_to_all_action"));
    m.menu->addSeparator();
    m.menu->addAction(main_menu.delete_action);
    return m;
}

}  // namespace quorvane
