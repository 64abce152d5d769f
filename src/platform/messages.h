// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "text/message_list.h"

namespace quorvane {

// The answers to the question about unsaved changes.
enum class UnsavedAnswer { Save, Discard, Cancel };

// Everything the program tells or asks the user goes through this interface, so that tests can
// script the answers. The core never uses it: it hands its messages back as a MessageList.
class Messages {
  public:
    virtual ~Messages() = default;
    // A message box with an OK button.
    virtual void tell(const QString& text) = 0;
    // One box per text of what the core reported, in order.
    void tell_each(const MessageList& messages) {
        for (const QString& text : messages.texts()) {
            tell(text);
        }
    }
    // A question with Yes and No buttons; true means Yes.
    virtual bool ask(const QString& question) = 0;
    // "Save changes to ...?" with Save, Discard and Cancel; Escape is Cancel.
    virtual UnsavedAnswer ask_unsaved(const QString& question) {
        (void)question;
        return UnsavedAnswer::Cancel;
    }
    // A question with two answers named by the caller; true means the first. Escape gives the
    // second.
    virtual bool choose(const QString& question, const QString& first, const QString& second) {
        (void)question;
        (void)first;
        (void)second;
        return false;
    }
    // A question with the answers named by the caller, in order; the number of the one chosen.
    // Escape gives the last.
    virtual qsizetype choose_one_of(const QString& question, const QStringList& answers) {
        (void)question;
        return answers.size() - 1;
    }
};

}  // namespace quorvane
