// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "colour/device_palette.h"

namespace quorvane {

// The device palette as one painted grid of 254 square cells, as large as its place allows and
// centred across it, with hit-testing, a tool tip per cell and the white selection marker on one
// cell.
class PaletteGrid : public QWidget {
    Q_OBJECT
  public:
    explicit PaletteGrid(QWidget* parent = nullptr);

    const PaletteCell& cell(int index) const { return cells_[size_t(index)]; }
    // Cell `index` in this widget's pixels.
    QRect cell_pixels(int index) const;
    // The cell under a point of this widget, or -1.
    int cell_at(QPoint pixel) const;
    int marked_cell() const { return marked_; }
    void set_marked_cell(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void cell_pressed(int index);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int cell_size() const;
    // Where cell 0 stands: the grid is centred across the widget.
    QPoint grid_origin() const;

    std::vector<PaletteCell> cells_;
    int marked_ = -1;
};

}  // namespace quorvane
