// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <optional>

#include "colour/colour_vision.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace quorvane {

class MainWindow;
class RecolourDialog;
class ThemeColoursPanel;
struct RecolourScope;

// The commands that recolour many styles at once and the views of the theme's colours: Edit >
// Replace Colour…, Adjust Colours…, Make Night Colours… and Snap to Device Palette…; View >
// Theme Colours (the swatch panel), Device Colours and Simulate. They add their own menu items
// and work on the window's document, preview and selection. Each dialog only gathers choices;
// its Apply hands the result to the document as one step, and the status bar says how many
// styles changed.
class RecolourCommands : public QObject {
    Q_OBJECT

  public:
    explicit RecolourCommands(MainWindow& window);

    // On the selected styles, or on every style when none is selected. Replace Colour offers
    // its own choice of styles; `from` preselects the colour to replace.
    void replace_colour(std::optional<int> from = std::nullopt);
    void adjust_colours();
    void make_night_colours();
    void snap_to_palette();

    QAction* replace_colour_action() const { return replace_colour_; }
    QAction* adjust_colours_action() const { return adjust_colours_; }
    QAction* night_colours_action() const { return night_colours_; }
    QAction* snap_to_palette_action() const { return snap_to_palette_; }
    QAction* device_colours_action() const { return device_colours_; }
    // Normal, protanopia, deuteranopia, tritanopia, greyscale, in the order of ColourVision.
    QMenu* simulate_menu() const { return simulate_menu_; }
    QAction* simulate_action(ColourVision vision) const { return simulate_[size_t(vision)]; }
    ThemeColoursPanel& colours_panel() const { return *panel_; }

  private:
    void add_menu_items();
    void follow_document();
    void show_colour_view();
    RecolourScope scope() const;
    // Shows the dialog; on Apply its operation becomes one step of the document.
    void run(RecolourDialog& dialog);

    MainWindow& window_;
    QAction* replace_colour_ = nullptr;
    QAction* adjust_colours_ = nullptr;
    QAction* night_colours_ = nullptr;
    QAction* snap_to_palette_ = nullptr;
    QAction* device_colours_ = nullptr;
    QMenu* simulate_menu_ = nullptr;
    std::array<QAction*, 5> simulate_{};
    QLabel* view_notice_ = nullptr;
    ThemeColoursPanel* panel_ = nullptr;
};

}  // namespace quorvane
