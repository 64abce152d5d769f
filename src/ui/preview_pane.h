// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <vector>

#include "colour/colour_view.h"
#include "model/recolouring.h"
#include "model/theme.h"
#include "preview/pane_geometry.h"
#include "preview/presentation_names.h"
#include "preview/preview_layout.h"
#include "preview/tile_drawing.h"
#include "preview/tile_navigation.h"
#include "preview/tile_selection.h"

class QScrollBar;
class QWheelEvent;
class QWidget;

namespace quorvane {

class ElementFilter;
class PreviewCanvas;
struct ZoomAnchor;

// The preview in the main window's central area: the grey viewport, the canvas inside it and the
// scroll bar beside it. It lays the theme's tiles out, fits everything to the area's size, zooms
// and scrolls the canvas. Tiles are named by their Elements' numbers.
class PreviewPane : public QObject {
    Q_OBJECT

  public:
    PreviewPane(const Theme& theme, QWidget* area);

    // Why the tiles are laid out again: after a resize the mouse has not left the tile it hovers,
    // after any change of the theme every tile shows its first tool tip again.
    enum class RelayoutReason { ThemeChanged, WindowResized };

    // Lays the theme's tiles out again as the theme is now.
    void relayout(RelayoutReason reason);
    // Fits viewport, canvas and scroll bar to an area of this size in twips, then lays the tiles
    // out again.
    void fit_to_area(int area_width, int area_height);
    // Draws the tiles again after a change of styles only: the layout stays.
    void repaint_tiles();
    // Removes every tile and clears the canvas's picture; its size and the scroll bar stay.
    void clear();

    // Scrolls, when needed, so that tile k shows whole with its label and frame.
    void scroll_to_tile(int k);

    // Day or Night view; drawing only, the layout stays.
    void set_light(PreviewLight light);
    PreviewLight light() const { return light_; }
    // Shows what a recolouring would do on the tiles without applying it; null shows the
    // theme's own colours again. The operation must live while it is shown.
    void show_proposal(const ColourOperation* proposal);
    const ColourOperation* proposal() const { return proposal_; }
    // Shows the theme's colours as the device's palette or a colour vision would.
    void set_colour_view(const ColourView& view);
    const ColourView& colour_view() const { return colour_view_; }

    // The zoom in percent. set_zoom keeps the current tile where it is in the viewport when it is
    // in view, else the row at the viewport's top; zoom_at keeps the tile under a point of the
    // viewport (pixels) under it.
    int zoom() const { return zoom_; }
    void set_zoom(int percent);
    void zoom_at(int steps, QPoint viewport_point);

    // Shows the filter's result: non-matching tiles faded, or, with `hide_others`, only the
    // matching tiles laid out. Called again whenever the filter's text or the choice changes.
    void show_filter(const ElementFilter& filter, bool hide_others);
    // The selected tiles; they follow their Elements through every relayout.
    const TileSelection& selection() const { return selection_; }
    // Tile k alone is selected and current (a click, a search hit).
    void select_tile(int k);
    void select_all();
    // These tiles alone are selected, the first of them current.
    void select_tiles(const std::vector<int>& tiles);
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
    const std::vector<PresentationBand>& presentation_bands() const { return bands_; }
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
    void zoom_changed(int percent);
    // The tiles show other colours than before: a recolouring tried out, or another colour view.
    void colours_shown();
    // The tiles are shown by day or by night now, from the View menu or while a recolouring of
    // night colours is tried out.
    void light_changed();

  private:
    // The selection changed: repaint, tell assistive technology and the window.
    void selection_moved();
    void follow_scroll_bar();
    void place_widgets();
    ScrollBarState scroll_state() const;
    void set_scroll_state(const ScrollBarState& state);
    void scroll_to_value(int value);
    void wheel_turned(QWheelEvent* event);
    // Zooms to `percent` keeping the anchor `viewport_y` window twips below the viewport's top.
    void zoom_keeping(int percent, const ZoomAnchor& anchor, int viewport_y);
    bool hiding_others() const;
    void update_look();

    const Theme& theme_;
    PreviewLayout layout_;
    std::vector<PresentationBand> bands_;
    TileSelection selection_;
    PaneGeometry geometry_;
    QWidget* viewport_;
    PreviewCanvas* canvas_;
    QScrollBar* scroll_bar_;
    PreviewLight light_ = PreviewLight::Day;
    const ColourOperation* proposal_ = nullptr;
    ColourView colour_view_;
    int zoom_ = 100;
    int wheel_zoom_delta_ = 0;
    const ElementFilter* filter_ = nullptr;
    bool hide_others_ = false;
    bool others_hidden_ = false;  // the layout holds the filter's matches only
};

}  // namespace quorvane
