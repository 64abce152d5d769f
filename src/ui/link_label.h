// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace quorvane {

// A label that acts as a link: in the desktop's link colour, its visited-link colour while the
// mouse is over it, and `activated` on a mouse press (or Space/Enter when it has the keyboard
// focus).
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void activated();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvane
