#pragma once

#include <QString>

namespace quorvane {

// Everything the program tells or asks the user goes through this interface, so the core never
// shows a window itself and tests or the command-line tool can script the answers.
class Messages {
public:
    virtual ~Messages() = default;
    // A message box with an OK button.
    virtual void tell(const QString& text) = 0;
    // A question with Yes and No buttons; true means Yes.
    virtual bool ask(const QString& question) = 0;
};

}  // namespace quorvane
