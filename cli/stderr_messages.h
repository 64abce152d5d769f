// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <cstdio>

#include "text/message_list.h"

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

// What the editor would show in message boxes: each text on a line of its own, in order.
inline void write_stderr_lines(const MessageList& messages) {
    for (const QString& text : messages.texts()) {
        write_stderr_line(text);
    }
}

}  // namespace quorvane
