// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quorvane {

namespace {

QMenu* menu(QMenuBar& bar, const char* name, const QString& caption) {
    QMenu* m = bar.addMenu(caption);
    m->setObjectName(QLatin1String(name));
    return m;
}

QAction* item(QMenu& menu, const char* name, const QString& caption) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setMenuRole(QAction::NoRole);
    return action;
}

// The desktop's keys for a standard action; where the desktop has none, the `usual` one.
QAction* item(QMenu& menu, const char* name, const QString& caption, QKeySequence::StandardKey key,
              const QKeySequence& usual = QKeySequence()) {
    QAction* action = item(menu, name, caption);
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    action->setShortcuts(keys.isEmpty() && !usual.isEmpty() ? QList<QKeySequence>{usual} : keys);
    return action;
}

}  // namespace

MainMenu build_main_menu(QMenuBar& bar) {
    MainMenu m;
    m.file_menu = menu(bar, "file_menu", MainMenu::tr("&File"));
    m.new_action = item(*m.file_menu, "new_action", MainMenu::tr("&New"), QKeySequence::New);
    m.file_menu->addSeparator();
    m.open_action =
        item(*m.file_menu, "open_action", MainMenu::tr("&Open\u2026"), QKeySequence::Open);
    m.open_map_data_action =
        item(*m.file_menu, "open_map_data_action", MainMenu::tr("Open &Map Data\u2026"));
    m.file_menu->addSeparator();
    m.save_action = item(*m.file_menu, "save_action", MainMenu::tr("&Save"), QKeySequence::Save);
    m.save_as_action = item(*m.file_menu, "save_as_action", MainMenu::tr("Save &As\u2026"),
                            QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m.file_menu->addSeparator();
    m.exit_action = item(*m.file_menu, "exit_action", MainMenu::tr("E&xit"), QKeySequence::Quit,
                         QKeySequence(Qt::CTRL | Qt::Key_Q));
    m.file_menu->addSeparator();
    for (int k = 0; k < kRecentFileCount; ++k) {
        QAction* recent = item(*m.file_menu, "recent_file_action", QString());
        recent->setObjectName(QStringLiteral("recent_file_action_%1").arg(k));
        set_recent_caption(*recent, k, QString());
        m.recent_file_actions[size_t(k)] = recent;
    }

    m.edit_menu = menu(bar, "edit_menu", MainMenu::tr("&Edit"));
    m.add_presentations_action =
        item(*m.edit_menu, "add_presentations_action", MainMenu::tr("Add Pr&esentations\u2026"));
    m.remove_presentations_action = item(*m.edit_menu, "remove_presentations_action",
                                         MainMenu::tr("Re&move Presentations\u2026"));
    m.edit_menu->addSeparator();
    m.copy_style_action =
        item(*m.edit_menu, "copy_style_action", MainMenu::tr("&Copy Style"), QKeySequence::Copy);
    m.paste_style_action =
        item(*m.edit_menu, "paste_style_action", MainMenu::tr("&Paste Style"), QKeySequence::Paste);
    m.delete_action =
        item(*m.edit_menu, "delete_action", MainMenu::tr("&Delete"), QKeySequence::Delete);
    m.select_all_action = item(*m.edit_menu, "select_all_action", MainMenu::tr("Select &All"),
                               QKeySequence::SelectAll);
    m.edit_menu->addSeparator();
    m.find_action = item(*m.edit_menu, "find_action", MainMenu::tr("&Find"), QKeySequence::Find);

    m.view_menu = menu(bar, "view_menu", MainMenu::tr("&View"));
    m.night_view_action = item(*m.view_menu, "night_view_action", MainMenu::tr("&Night View"));
    m.night_view_action->setCheckable(true);
    m.night_view_action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    m.view_menu->addSeparator();
    m.zoom_in_action = item(*m.view_menu, "zoom_in_action", MainMenu::tr("Zoom &In"));
    // Ctrl+= too: on many keyboards "+" needs Shift.
    m.zoom_in_action->setShortcuts(QKeySequence::keyBindings(QKeySequence::ZoomIn) +
                                   QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m.zoom_out_action =
        item(*m.view_menu, "zoom_out_action", MainMenu::tr("Zoom &Out"), QKeySequence::ZoomOut);
    m.actual_size_action = item(*m.view_menu, "actual_size_action", MainMenu::tr("&Actual Size"));
    m.actual_size_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    m.view_menu->addSeparator();
    m.panels_menu = m.view_menu->addMenu(MainMenu::tr("&Panels"));
    m.panels_menu->setObjectName(QStringLiteral("panels_menu"));

    m.help_menu = menu(bar, "help_menu", MainMenu::tr("&Help"));
    m.manual_action =
        item(*m.help_menu, "manual_action", MainMenu::tr("&Manual"), QKeySequence::HelpContents);
    m.check_updates_action =
        item(*m.help_menu, "check_updates_action", MainMenu::tr("Check for &Updates\u2026"));
    m.help_menu->addSeparator();
    m.about_action = item(*m.help_menu, "about_action", MainMenu::tr("&About Quorvane"));
    return m;
}

void set_recent_caption(QAction& item, int k, const QString& path) {
    QString shown = path;
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    item.setText(QStringLiteral("&%1 %2").arg(k + 1).arg(shown));
    item.setData(path);
    item.setVisible(!path.isEmpty());
}

}  // namespace quorvane
