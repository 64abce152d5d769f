#include "platform/qt/qt_messages.h"

#include <QApplication>
#include <QMessageBox>

namespace quorvane {

namespace {
constexpr qsizetype kLongestShownText = 2000;
}

void QtMessages::tell(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                    text.left(kLongestShownText), QMessageBox::Ok, parent_);
    if (text.size() > kLongestShownText) {
        box.setDetailedText(text);
    }
    box.exec();
}

bool QtMessages::ask(const QString& question) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace quorvane
