// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

namespace quorvane {

// A rectangle outline drawn over other controls; clicks go through it.
class OutlineShape : public QWidget {
    Q_OBJECT
  public:
    OutlineShape(QColor colour, int pen_width, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_;
    int pen_width_;
};

}  // namespace quorvane
