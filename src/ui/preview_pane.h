#pragma once

#include <QObject>

#include "model/theme.h"
#include "preview/pane_geometry.h"
#include "preview/preview_layout.h"
#include "preview/tile_navigation.h"
#include "preview/tile_selection.h"

class QScrollBar;
class QWidget;

namespace quorvane {

class PreviewCanvas;

// The preview part of the main window: the grey viewport, the canvas inside it and the scroll bar
// beside it. It lays the theme's tiles out, fits everything to the
// window's size and scrolls the canvas.
class PreviewPane : public QObject {
    Q_OBJECT

  public:
    PreviewPane(const Theme& theme, QWidget* window_client);

    // Why the tiles are laid out again: after a resize the mouse has not left the tile it hovers,
    // after any change of the theme every tile shows its first tool tip again.
    enum class RelayoutReason { ThemeChanged, WindowResized };

    // Lays the theme's tiles out again as the theme is now.
    void relayout(RelayoutReason reason);
    // Fits viewport, canvas and scroll bar to a client area of this size in twips, then lays the
    // tiles out again.
    void fit_to_window(int client_width, int client_height);
    // Removes every tile and clears the canvas's picture; its size and the scroll bar stay.
    void clear();

    // Scrolls so that tile k's row shows, as the search does.
    void scroll_to_tile(int k);

    // The selected tiles; they follow their Elements through every relayout.
    const TileSelection& selection() const { return selection_; }
    // Tile k alone is selected and current (a click, a search hit).
    void select_tile(int k);
    void select_all();
    void clear_selection();
    // What the mouse and the keys do to the selection (the canvas reports them).
    void press_tile(int k, Qt::KeyboardModifiers modifiers);
    void step(TileStep step, Qt::KeyboardModifiers modifiers);
    void toggle_current();
    // The tile's menu is about to open on tile k.
    void ask_tile_menu(int k, QPoint global_position);
    // Scrolls as little as needed to show tile k with its label whole.
    void show_tile(int k);

    const PreviewLayout& layout() const { return layout_; }
    const PaneGeometry& geometry() const { return geometry_; }
    PreviewCanvas* canvas() const { return canvas_; }
    QScrollBar* scroll_bar() const { return scroll_bar_; }
    QWidget* viewport() const { return viewport_; }

  signals:
    void selection_changed();
    void tile_double_clicked(int element);
    // Enter on the current tile.
    void tile_activated(int element);
    // The tile's menu is wanted at `global_position`; the tile is selected by now.
    void context_menu_requested(int element, QPoint global_position);
    void file_dropped(const QString& path);

  private:
    // The selection changed: repaint, tell assistive technology and the window.
    void selection_moved();
    void follow_scroll_bar();
    void place_widgets();
    ScrollBarState scroll_state() const;
    void set_scroll_state(const ScrollBarState& state);

    const Theme& theme_;
    PreviewLayout layout_;
    TileSelection selection_;
    PaneGeometry geometry_;
    QWidget* viewport_;
    PreviewCanvas* canvas_;
    QScrollBar* scroll_bar_;
};

}  // namespace quorvane
