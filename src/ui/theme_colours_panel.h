// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDockWidget>

class QListWidget;
class QMenu;
class QTimer;

namespace quorvane {

class ThemeDocument;

// The "Theme Colours" panel: every colour the theme uses as a swatch with how many styles use it,
// most used first. A swatch's context menu (and a double-click) replaces the colour everywhere.
class ThemeColoursPanel : public QDockWidget {
    Q_OBJECT

  public:
    ThemeColoursPanel(const ThemeDocument& document, QWidget* parent);

    QListWidget* swatches() const { return swatches_; }
    // The menu a swatch opens; its colour is the current item's.
    QMenu* swatch_menu() const { return menu_; }

  signals:
    void replace_requested(int colour);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void refresh();

    const ThemeDocument& document_;
    QListWidget* swatches_ = nullptr;
    QMenu* menu_ = nullptr;
    // Edits come in bursts while the user types; the swatches follow once they pause.
    QTimer* refresh_timer_ = nullptr;
};

}  // namespace quorvane
