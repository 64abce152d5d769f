#pragma once

#include <QObject>

#include "model/theme.h"
#include "preview/preview_layout.h"
#include "preview/pane_geometry.h"

class QScrollBar;
class QWidget;

namespace quorvane {

class PreviewCanvas;

// The preview part of the main window: the grey viewport Picture2, the canvas Picture1 inside it
// and the scroll bar vs beside it. It lays the theme's tiles out, fits everything to the
// window's size and scrolls the canvas.
class PreviewPane : public QObject {
    Q_OBJECT

public:
    PreviewPane(const Theme& theme, QWidget* window_client);

    // Rebuilds the preview of the theme as it is now. Mode -1 after a file was opened or Elements
    // were added, 0 after the style editor applied a change (from then on resizing only moves
    // tiles), 1 when the window was resized, 2 after the presentation manager closed.
    void plot(int mode);
    // Fits viewport, canvas and scroll bar to a client area of this size in twips, then lays the
    // tiles out again.
    void fit_to_window(int client_width, int client_height);
    // Removes every tile and clears the canvas's picture; its size and the scroll bar stay.
    void clear();

    // Frames tile k and its label; -1 hides the frame.
    void frame_tile(int k);
    int framed_tile() const;
    // Scrolls so that tile k's row shows, as the search does.
    void scroll_to_tile(int k);

    // The window's activation lets every later resize re-lay out the existing tiles.
    void set_relayout_flag() { relayout_flag_ = 1; }
    int relayout_flag() const { return relayout_flag_; }

    const PreviewLayout& layout() const { return layout_; }
    const PaneGeometry& geometry() const { return geometry_; }
    PreviewCanvas* canvas() const { return canvas_; }
    QScrollBar* scroll_bar() const { return vs_; }
    QWidget* viewport() const { return viewport_; }

signals:
    void tile_pressed(int element);
    void tile_double_clicked(int element);
    void file_dropped(const QString& path);

private:
    void follow_scroll_bar();
    void place_widgets();
    ScrollBarState scroll_state() const;
    void set_scroll_state(const ScrollBarState& state);

    const Theme& theme_;
    PreviewLayout layout_;
    PaneGeometry geometry_;
    int relayout_flag_ = 0;
    QWidget* viewport_;
    PreviewCanvas* canvas_;
    QScrollBar* vs_;
};

}  // namespace quorvane
