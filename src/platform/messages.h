// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

// The answers to the question about unsaved changes.
enum class UnsavedAnswer { Save, Discard, Cancel };

// Everything the program tells or asks the user goes through this interface, so the core never
// shows a window itself and tests or the command-line tool can script the answers.
class Messages {
  public:
    virtual ~Messages() = default;
    // A message box with an OK button.
    virtual void tell(const QString& text) = 0;
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
};

}  // namespace quorvane
