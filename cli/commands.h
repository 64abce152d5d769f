// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QStringList>
#include <optional>

#include "model/theme.h"

namespace quorvane {

// Exit codes of quorvane-cli.
enum ExitCode { kSuccess = 0, kRefused = 1, kUsageOrInput = 2 };

// Standard input or output in place of a file name.
inline const QString kStandardStream = QStringLiteral("-");

// How messages name an input: its path, or "standard input".
QString input_name(const QString& path);

class MessageList;
struct Theme;

// Reads a theme as the editor's Open does, from a file or, for "-", from standard input. What the
// read says goes to stderr and into `messages`. False, after saying why on stderr, when it cannot
// be read, is not a theme or does not fit in memory.
bool read_input(const QString& path, Theme& theme, MessageList& messages);
// The same, but what the read says is left in `said` for the caller to write, as when two themes
// are read at once.
bool read_input_keeping_messages(const QString& path, Theme& theme, MessageList& said);

// Writes the theme to `path` as resave does: "-" is standard output, and an existing file is
// replaced only when `replace_existing`. What the save says goes to stderr. Returns the exit code.
int write_output(const Theme& theme, const QString& path, bool replace_existing);

// Writes bytes to standard output; false (after saying why) when they do not all get there.
bool write_standard_output(QByteArrayView bytes);

// The whole input, from a regular file or, for "-", from standard input; nothing, after saying
// why, when it cannot be read. A pipe or device named as a file is refused without waiting on
// it: "<path> is not a regular file".
std::optional<QByteArray> read_input_bytes(const QString& path);

int run_dump(const QStringList& args);
int run_resave(const QStringList& args);
int run_render(const QStringList& args);
int run_render_map(const QStringList& args);
int run_check(const QStringList& args);
int run_diff(const QStringList& args);
int run_build(const QStringList& args);
int run_edit(const QStringList& args);

}  // namespace quorvane
