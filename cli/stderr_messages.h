// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <cstdio>

#include "platform/messages.h"

namespace quorvane {

// Writes a text and a line end to stderr, every character of it: a NUL from a theme file does
// not cut the line short.
inline void write_stderr_line(const QString& text) {
    const QByteArray line = text.toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

// A refusal of quorvane-cli itself (bad arguments, unreadable input), named as the tool's.
inline void write_cli_error(const QString& text) {
    write_stderr_line(QStringLiteral("quorvane-cli: ") + text);
}

// Messages of the command-line tool: each goes to stderr on a line of its own and is kept in
// order; questions get a fixed answer.
class StderrMessages : public Messages {
  public:
    explicit StderrMessages(bool answer) : answer_(answer) {}

    void tell(const QString& text) override {
        told.append(text);
        write_stderr_line(text);
    }
    bool ask(const QString& question) override {
        write_stderr_line(question + (answer_ ? QStringLiteral(" Yes") : QStringLiteral(" No")));
        return answer_;
    }

    QStringList told;

  private:
    bool answer_;
};

}  // namespace quorvane
