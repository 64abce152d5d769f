#pragma once

#include <QStringList>
#include <cstdio>

#include "platform/messages.h"

namespace quorvane {

// Messages of the command-line tool: each goes to stderr on a line of its own and is kept in
// order; questions get a fixed answer.
class StderrMessages : public Messages {
  public:
    explicit StderrMessages(bool answer) : answer_(answer) {}

    void tell(const QString& text) override {
        told.append(text);
        std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    }
    bool ask(const QString& question) override {
        std::fprintf(stderr, "%s %s\n", question.toUtf8().constData(), answer_ ? "Yes" : "No");
        return answer_;
    }

    QStringList told;

  private:
    bool answer_;
};

}  // namespace quorvane
