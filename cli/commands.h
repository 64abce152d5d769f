// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include "model/theme.h"

namespace quorvane {

// Exit codes of quorvane-cli.
enum ExitCode { kSuccess = 0, kRefused = 1, kUsageOrInput = 2 };

// Standard input or output in place of a file name.
inline const QString kStandardStream = QStringLiteral("-");

class StderrMessages;
struct Theme;

// Reads a theme as the editor's Open does, from a file or, for "-", from standard input. False,
// after saying why on stderr, when it cannot be read or does not fit in memory.
bool read_input(const QString& path, Theme& theme, StderrMessages& messages);

// Writes the theme to `path` as resave does: "-" is standard output, an existing file is replaced
// only when `messages` answers Yes. Returns the exit code.
int write_output(const Theme& theme, const QString& path, StderrMessages& messages);

// Writes bytes to standard output; false (after saying why) when they do not all get there.
bool write_standard_output(const QByteArray& bytes);

int run_dump(const QStringList& args);
int run_resave(const QStringList& args);
int run_render(const QStringList& args);
int run_check(const QStringList& args);
int run_diff(const QStringList& args);
int run_build(const QStringList& args);
int run_edit(const QStringList& args);

}  // namespace quorvane
