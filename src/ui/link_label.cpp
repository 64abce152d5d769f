// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace quorvane {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setForegroundRole(QPalette::Link);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setForegroundRole(QPalette::LinkVisited);
    update();
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setForegroundRole(QPalette::Link);
    update();
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
