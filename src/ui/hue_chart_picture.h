// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace quorvane {

// The spectrum image for free colour picking, scaled to fit its box. Reports the colour of the
// pixel under the pointer, as shown, on a left press and on every move.
class SpectrumPicture : public QWidget {
    Q_OBJECT
  public:
    explicit SpectrumPicture(QWidget* parent = nullptr);

    // The picture as shown.
    const QImage& shown() const { return shown_; }
    // The colour number of the pixel shown at a point of this widget.
    int colour_at(QPoint pixel) const;

  signals:
    void picked(int colour);
    void hovered(int colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    QImage shown_;
};

}  // namespace quorvane
