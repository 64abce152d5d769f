// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

#include "colour/device_palette.h"
#include "style_editor/palette_geometry.h"

namespace quorvane {

// The device palette as one painted grid of 254 cells with hit-testing and a tool tip per cell.
// Placed over the grid's rectangle inside the palette frame; cell places follow the frame's
// twips so that they match the layout exactly.
class PaletteGrid : public QWidget {
    Q_OBJECT
  public:
    explicit PaletteGrid(QWidget* parent = nullptr);

    const PaletteCell& cell(int index) const { return cells_[index]; }
    // Cell `index` in this widget's pixels.
    QRect cell_pixels(int index) const;
    // The cell under a point of this widget, or -1.
    int cell_at(QPoint pixel) const;

  signals:
    void cell_pressed(int index);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::vector<PaletteCell> cells_;
};

}  // namespace quorvane
