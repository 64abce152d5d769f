// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QWidget>
#include <vector>

#include "model/theme.h"
#include "preview/preview_layout.h"
#include "preview/preview_painter.h"
#include "preview/tile_navigation.h"

namespace quorvane {

class TileSelection;

// The preview canvas: one widget that paints the tiles, labels and rules of a layout instead of
// holding a widget per tile. It covers only the part of the canvas that shows in the viewport;
// `origin` is where the canvas's top-left corner lies in the viewport, in pixels. Tiles are
// named by their Elements' numbers throughout.
class PreviewCanvas : public QWidget {
    Q_OBJECT

  public:
    PreviewCanvas(const Theme& theme, const PreviewLayout& layout, QWidget* viewport);

    // Places the visible part of a canvas of `size` pixels whose corner is at `origin`.
    void place(QPoint origin, QSize size);
    // The selected tiles wear the magenta frame; while the canvas has the keyboard focus a dotted
    // frame shows the current tile.
    void set_selection(const TileSelection* selection);
    const TileSelection* selection() const { return selection_; }
    const Theme& theme() const { return theme_; }
    // After a full rebuild no tile has been hovered yet.
    void forget_hovering() { hovered_.clear(); }

    // How the tiles are drawn: by day or night, with the filter's non-matching Elements faded
    // (none when `matching` is null), the presentation names beside their rows, at a zoom.
    void set_look(PreviewLight light, const std::vector<bool>* matching,
                  const std::vector<PresentationBand>* bands);
    void set_zoom(int percent);
    // The colours the tiles show: a recolouring's live preview (none when null) and the view of
    // the theme's colours (device palette, colour vision).
    void set_colours(const ColourOperation* proposal, const ColourView& view);
    const PreviewLook& look() const { return look_; }
    int zoom() const { return zoom_; }

    // The Element whose tile is under a point of this widget, or -1.
    int tile_at(QPoint widget_point) const;
    // Where the tile of Element k lies in this widget's coordinates; empty when it has no tile.
    QRect tile_rect(int k) const;

    static inline const QString kTileToolTip = QStringLiteral(" Double Click to Edit ");

  signals:
    // A left click on a tile, or on no tile (-1), with the keys held.
    void tile_pressed(int element, Qt::KeyboardModifiers modifiers);
    void tile_double_clicked(int element);
    // An arrow, Home, End, Page Up or Page Down key, with the keys held.
    void step_pressed(TileStep step, Qt::KeyboardModifiers modifiers);
    // Ctrl+Space: the current tile joins or leaves the selection.
    void toggle_pressed();
    // Enter on the current tile.
    void tile_activated(int element);
    // A right click on a tile or the Menu key on the current tile: the tile's menu goes to
    // `global_position`.
    void context_menu_requested(int element, QPoint global_position);
    void file_dropped(const QString& path);
    void wheel_turned(QWheelEvent* event);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Where this widget's top-left corner lies on the canvas, in pixels.
    QPoint scrolled() const { return pos() - origin_; }

    const Theme& theme_;
    const PreviewLayout& layout_;
    QPoint origin_;
    const TileSelection* selection_ = nullptr;
    QSet<int> hovered_;
    PreviewLook look_;
    int zoom_ = 100;
};

}  // namespace quorvane
