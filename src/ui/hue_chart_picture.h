// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace quorvane {

// The spectrum for free colour picking, drawn at its own size. Reports the colour at the point
// under the pointer on a left press and on every move.
class SpectrumPicture : public QWidget {
    Q_OBJECT
  public:
    explicit SpectrumPicture(QWidget* parent = nullptr);

    // The picture as shown.
    const QImage& shown() const { return shown_; }
    // The colour number at a point of this widget.
    int colour_at(QPoint pixel) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void picked(int colour);
    void hovered(int colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QImage shown_;
};

}  // namespace quorvane
