// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace quorvane {

// A plain coloured rectangle that reports a press of the left mouse button: the shade cells, the
// colour swatches and the hover swatch.
class ColourCell : public QWidget {
    Q_OBJECT
  public:
    explicit ColourCell(QWidget* parent = nullptr);

    // The colour number shown; until one is set, the system's window background.
    int colour() const { return colour_; }
    void set_colour(int colour);

  signals:
    void pressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int colour_;
};

}  // namespace quorvane
