// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_messages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace quorvane {

namespace {

constexpr qsizetype kLongestShownText = 2000;

// Message texts often quote a theme file, the working data or a web page: markup in them is shown
// as the characters it is made of, and a link in them is never clickable.
void show_as_plain_text(QMessageBox& box) {
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
}

// Every answer of a question has a mnemonic, whatever the desktop's own captions are.
void name_answers(QMessageBox& box, std::initializer_list<std::pair<int, const char*>> answers) {
    for (const auto& [button, caption] : answers) {
        box.button(QMessageBox::StandardButton(button))
            ->setText(QCoreApplication::translate("QtMessages", caption));
    }
}

}  // namespace

void QtMessages::tell(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                    text.left(kLongestShownText), QMessageBox::Ok, parent_);
    show_as_plain_text(box);
    if (text.size() > kLongestShownText) {
        box.setDetailedText(text);
    }
    box.exec();
}

bool QtMessages::ask(const QString& question) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), question,
                    QMessageBox::Yes | QMessageBox::No, parent_);
    show_as_plain_text(box);
    name_answers(box, {{QMessageBox::Yes, QT_TRANSLATE_NOOP("QtMessages", "&Yes")},
                       {QMessageBox::No, QT_TRANSLATE_NOOP("QtMessages", "&No")}});
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

UnsavedAnswer QtMessages::ask_unsaved(const QString& question) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    show_as_plain_text(box);
    name_answers(box, {{QMessageBox::Save, QT_TRANSLATE_NOOP("QtMessages", "&Save")},
                       {QMessageBox::Discard, QT_TRANSLATE_NOOP("QtMessages", "&Discard")},
                       {QMessageBox::Cancel, QT_TRANSLATE_NOOP("QtMessages", "&Cancel")}});
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return UnsavedAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedAnswer::Discard;
        default:
            return UnsavedAnswer::Cancel;
    }
}

bool QtMessages::choose(const QString& question, const QString& first, const QString& second) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), question,
                    QMessageBox::NoButton, parent_);
    show_as_plain_text(box);
    QPushButton* first_button = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton* second_button = box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(first_button);
    box.setEscapeButton(second_button);
    box.exec();
    return box.clickedButton() == first_button;
}

qsizetype QtMessages::choose_one_of(const QString& question, const QStringList& answers) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), question,
                    QMessageBox::NoButton, parent_);
    show_as_plain_text(box);
    QList<QPushButton*> buttons;
    for (qsizetype k = 0; k < answers.size(); ++k) {
        const bool last = k + 1 == answers.size();
        buttons.append(box.addButton(answers[k], k == 0 ? QMessageBox::AcceptRole
                                                 : last ? QMessageBox::RejectRole
                                                        : QMessageBox::ActionRole));
    }
    if (!buttons.isEmpty()) {
        box.setDefaultButton(buttons.first());
        box.setEscapeButton(buttons.last());
    }
    box.exec();
    const qsizetype chosen = buttons.indexOf(box.clickedButton());
    return chosen < 0 ? answers.size() - 1 : chosen;
}

}  // namespace quorvane
