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

QAction* item(QMenu& menu, const char* name, const QString& caption,
              QKeySequence::StandardKey key) {
    QAction* action = item(menu, name, caption);
    action->setShortcuts(key);
    return action;
}

}  // namespace

MainMenu build_main_menu(QMenuBar& bar) {
    MainMenu m;
    m.file_menu = menu(bar, "file_menu", QStringLiteral("File"));
    m.new_action = item(*m.file_menu, "new_action", QStringLiteral("New"));
    m.file_menu->addSeparator();
    m.open_action = item(*m.file_menu, "open_action", QStringLiteral("Open"));
    m.file_menu->addSeparator();
    m.save_action = item(*m.file_menu, "save_action", QStringLiteral("Save"));
    m.save_action->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m.save_as_action = item(*m.file_menu, "save_as_action", QStringLiteral("Save As..."));
    m.save_as_action->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    m.file_menu->addSeparator();
    m.about_action = item(*m.file_menu, "about_action", QStringLiteral("About"));
    m.file_menu->addSeparator();
    m.print_action = item(*m.file_menu, "print_action", QStringLiteral("Print"));
    m.print_action->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    m.print_action->setEnabled(false);
    m.file_menu->addSeparator();
    m.exit_action = item(*m.file_menu, "exit_action", QStringLiteral("Exit"));
    m.file_menu->addSeparator();
    for (int k = 0; k < kRecentFileCount; ++k) {
        QAction* recent = item(*m.file_menu, "recent_file_action", QString());
        recent->setObjectName(QStringLiteral("recent_file_action_%1").arg(k));
        set_recent_caption(*recent, QString());
        m.recent_file_actions[size_t(k)] = recent;
    }

    m.edit_menu = menu(bar, "edit_menu", QStringLiteral("Edit"));
    m.add_presentations_action =
        item(*m.edit_menu, "add_presentations_action", QStringLiteral("Add Presentations"));
    m.remove_presentations_action =
        item(*m.edit_menu, "remove_presentations_action", QStringLiteral("Remove Presentations"));
    m.edit_menu->addSeparator();
    m.copy_style_action =
        item(*m.edit_menu, "copy_style_action", QStringLiteral("Copy Style"), QKeySequence::Copy);
    m.paste_style_action = item(*m.edit_menu, "paste_style_action", QStringLiteral("Paste Style"),
                                QKeySequence::Paste);
    m.delete_action =
        item(*m.edit_menu, "delete_action", QStringLiteral("Delete"), QKeySequence::Delete);
    m.select_all_action = item(*m.edit_menu, "select_all_action", QStringLiteral("Select All"),
                               QKeySequence::SelectAll);

    m.view_menu = menu(bar, "view_menu", QStringLiteral("View"));
    m.night_view_action = item(*m.view_menu, "night_view_action", QStringLiteral("Night View"));
    m.night_view_action->setCheckable(true);
    m.night_view_action->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+N")));
    m.view_menu->addSeparator();
    m.zoom_in_action = item(*m.view_menu, "zoom_in_action", QStringLiteral("Zoom In"));
    // Ctrl+= too: on many keyboards "+" needs Shift.
    m.zoom_in_action->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl++")), QKeySequence(QStringLiteral("Ctrl+="))});
    m.zoom_out_action = item(*m.view_menu, "zoom_out_action", QStringLiteral("Zoom Out"));
    m.zoom_out_action->setShortcut(QKeySequence(QStringLiteral("Ctrl+-")));
    m.actual_size_action = item(*m.view_menu, "actual_size_action", QStringLiteral("Actual Size"));
    m.actual_size_action->setShortcut(QKeySequence(QStringLiteral("Ctrl+0")));
    m.view_menu->addSeparator();
    m.problems_action = item(*m.view_menu, "problems_action", QStringLiteral("Problems"));
    m.problems_action->setCheckable(true);

    // Kept visible though it offers nothing yet: users know the menu bar this way.
    m.preference_menu = menu(bar, "preference_menu", QStringLiteral("Preference"));
    m.settings_action = item(*m.preference_menu, "settings_action", QStringLiteral("Settings"));
    m.preference_menu->setEnabled(false);
    m.preference_menu->menuAction()->setEnabled(false);

    m.help_menu = menu(bar, "help_menu", QStringLiteral("Help"));
    m.check_updates_action =
        item(*m.help_menu, "check_updates_action", QStringLiteral("Check for Updates"));
    m.help_menu->addSeparator();
    m.manual_action = item(*m.help_menu, "manual_action", QStringLiteral("Manual"));
    return m;
}

void set_recent_caption(QAction& item, const QString& path) {
    QString caption = path;
    item.setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    item.setData(path);
    item.setVisible(!path.isEmpty());
}

}  // namespace quorvane
