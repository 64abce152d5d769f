#include "ui/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quorvane {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    set_colour(normal_colour());
}

void LinkLabel::set_colour(const QColor& colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    set_colour(hover_colour());
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    set_colour(normal_colour());
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit activated();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        event->accept();
        emit activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace quorvane
