// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace quorvane {

// A plain coloured rectangle that reports a press of the left mouse button: the shade cells, the
// colour swatches, the theme's colours and the hover swatch. It can wear the palette's white
// selection marker, or the outline of the slot that picks go to.
class ColourCell : public QWidget {
    Q_OBJECT
  public:
    enum class Outline { None, Marker, Chosen };

    // `size` in multiples of the font's height: what the layout gives it at least.
    explicit ColourCell(QWidget* parent = nullptr, QSizeF size = QSizeF(1.2, 1.2));

    // The colour number shown; until one is set, the system's window background.
    int colour() const { return colour_; }
    void set_colour(int colour);
    Outline outline() const { return outline_; }
    void set_outline(Outline outline);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void pressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int colour_;
    Outline outline_ = Outline::None;
    QSizeF size_;
};

}  // namespace quorvane
