#pragma once

#include <QString>
#include <array>

class QAction;
class QMenu;
class QMenuBar;

namespace quorvane {

// The main window's menu bar: File (mf 0 to 17, the six recent files last), Edit (med 0 and 1),
// Preference (disabled) and Help (mhlp 0 to 2). Separators are items of their own, as in the
// item numbering.
struct MainMenu {
    static constexpr int kFirstRecentFile = 12;

    QMenu* mfile = nullptr;
    std::array<QAction*, 18> mf{};
    QMenu* medit = nullptr;
    std::array<QAction*, 2> med{};
    QMenu* mpref = nullptr;
    QAction* mset = nullptr;
    QMenu* mhelp = nullptr;
    std::array<QAction*, 3> mhlp{};

    QAction* recent_file(int k) const { return mf[size_t(kFirstRecentFile + k)]; }
};

// Builds the menus with their captions, separators, shortcuts and disabled items; the recent
// files start empty and hidden.
MainMenu build_main_menu(QMenuBar& bar);

// Shows a recent file's path as an item's caption ("&" is no mnemonic there); an empty caption
// hides the item.
void set_recent_caption(QAction& item, const QString& path);

}  // namespace quorvane
