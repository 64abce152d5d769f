#pragma once

#include <QSet>
#include <QWidget>
#include <vector>

#include "model/theme.h"
#include "preview/preview_layout.h"
#include "preview/preview_painter.h"

namespace quorvane {

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
    // The magenta frame goes around the tile of Element `k` and its label; -1 hides it.
    void set_framed_tile(int k);
    int framed_tile() const { return framed_tile_; }
    // After a full rebuild no tile has been hovered yet.
    void forget_hovering() { hovered_.clear(); }

    // How the tiles are drawn: by day or night, with the filter's non-matching Elements faded
    // (none when `matching` is null), the presentation names beside their rows, at a zoom.
    void set_look(PreviewLight light, const std::vector<bool>* matching,
                  const std::vector<PresentationBand>* bands);
    void set_zoom(int percent);
    const PreviewLook& look() const { return look_; }
    int zoom() const { return zoom_; }

    // The Element whose tile is under a point of this widget, or -1.
    int tile_at(QPoint widget_point) const;
    // Where the tile of Element k lies in this widget's coordinates; empty when it has no tile.
    QRect tile_rect(int k) const;

    static inline const QString kTileToolTip = QStringLiteral(" Double Click to Edit ");

  signals:
    void tile_pressed(int element);
    void tile_double_clicked(int element);
    void file_dropped(const QString& path);
    void wheel_turned(QWheelEvent* event);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
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
    int framed_tile_ = -1;
    QSet<int> hovered_;
    PreviewLook look_;
    int zoom_ = 100;
};

}  // namespace quorvane
