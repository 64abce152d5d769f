// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include "map/map_drawing.h"
#include "map/map_picking.h"
#include "map/map_picture.h"

class QTimer;

namespace quorvane {

class MapData;

// The map drawn in a widget: drag it or use the arrow keys to move it, turn the wheel or press
// Ctrl++ and Ctrl+- (or + and -) to zoom, Home to see it whole. It reports the feature under
// the pointer, clicks and double-clicks on features. Frames are drawn on demand into a kept
// picture, which a move shifts; while zooming they are drawn without smooth edges, and smoothed
// a moment after the zooming stops, and so are new styles on map data too large to draw smoothly
// within a frame.
class MapCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit MapCanvas(QWidget* parent = nullptr);

    // Shows another map, at `view` when given (its size is the widget's), else whole.
    void set_map(std::shared_ptr<const MapData> map, std::optional<MapView> view = std::nullopt);
    const MapData* map() const { return map_.get(); }
    // The styles to draw with and whether unstyled features show; the whole picture is drawn
    // again.
    void set_styles(const MapStyles& styles);
    const MapStyles& styles() const { return styles_; }
    void set_show_unstyled(bool show);
    const MapDrawOptions& options() const { return options_; }

    const MapView& view() const { return view_; }
    void set_view(const MapView& view);
    // The whole map in view.
    void fit();
    // Zooms by `levels` (each doubles the scale), keeping the point under `anchor` (pixels).
    void zoom_by(double levels, QPointF anchor);
    void zoom_by(double levels);  // about the centre
    // Moves the map by whole pixels, as a drag does.
    void pan_by(QPoint pixels);

    // The feature drawn at a pixel of the widget.
    MapPick pick_at(QPointF pixel) const;
    // The picture as shown, for tests and for grabbing.
    const MapPicture& picture() const { return picture_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // The pointer is over this feature; kNoMapFeature once it has left the map.
    void hovered(const quorvane::MapPick& pick);
    void clicked(const quorvane::MapPick& pick);
    void double_clicked(const quorvane::MapPick& pick);
    void view_changed();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // What a key does to the map, if anything: the zoom keys are taken from the window's
    // shortcuts while the map has the focus.
    bool handles_key(const QKeyEvent& key) const;
    void show_view(const MapView& view, bool zooming);

    std::shared_ptr<const MapData> map_;
    MapStyles styles_;
    MapDrawOptions options_;
    MapView view_;
    bool fitted_ = false;  // the view has been fitted to a real size since the map came
    MapPicture picture_;
    // Frames without smooth edges while the zoom changes; this timer smooths the last one.
    QTimer* smoothing_ = nullptr;
    bool drafting_ = false;
    // The last smooth picture drawn whole took longer than a frame allows.
    bool slow_smooth_picture_ = false;
    std::optional<QPoint> pressed_at_;
    QPoint dragged_to_;
    bool dragging_ = false;
};

}  // namespace quorvane
