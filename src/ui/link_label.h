#pragma once

#include <QLabel>

namespace quorvane {

// A label that acts as a link: blue, magenta while the mouse is over it, and `activated` on a
// mouse press (or Space/Enter when it has the keyboard focus).
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    static QColor normal_colour() { return QColor(0, 0, 255); }
    static QColor hover_colour() { return QColor(255, 0, 255); }

  signals:
    void activated();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void set_colour(const QColor& colour);
};

}  // namespace quorvane
