// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/alt_letter_filter.h"

#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace quorvane {

namespace {

bool is_text_field(QObject* object) {
    return qobject_cast<QLineEdit*>(object) != nullptr ||
           qobject_cast<QPlainTextEdit*>(object) != nullptr ||
           qobject_cast<QTextEdit*>(object) != nullptr ||
           qobject_cast<QAbstractSpinBox*>(object) != nullptr;
}

}  // namespace

bool AltLetterFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
            !key->text().isEmpty() && key->text().front().isPrint() && is_text_field(watched)) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvane
