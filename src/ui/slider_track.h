// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "style_editor/sliders.h"

namespace quorvane {

// A slider drawn by us: a track with a knob. Only the knob takes the mouse: a left press on it
// starts a drag, every move while the left button is held reports how far the pointer is from
// where it holds the knob (in twips), and the release ends the drag. The owner decides where
// the knob goes.
class SliderTrack : public QWidget {
    Q_OBJECT
  public:
    explicit SliderTrack(QWidget* parent = nullptr);

    // The knob's left edge in twips from the track's left.
    int knob_left() const { return knob_left_; }
    void set_knob_left(int twips);
    // The knob in this widget's pixels.
    QRect knob_pixels() const;

  signals:
    void knob_pressed();
    void knob_dragged(double pointer_x);
    void knob_released();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int knob_left_ = middle_knob_left();
    bool dragging_ = false;
    double grab_offset_ = 0;  // twips from the knob's left to where the pointer holds it
};

}  // namespace quorvane
