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

int run_dump(const QStringList& args);
int run_resave(const QStringList& args);
int run_render(const QStringList& args);
int run_render_map(const QStringList& args);
int run_check(const QStringList& args);

}  // namespace quorvane
