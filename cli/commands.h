#pragma once

#include <QStringList>

#include "model/theme.h"

namespace quorvane {

// Exit codes of quorvane-cli.
enum ExitCode { kSuccess = 0, kRefused = 1, kUsageOrInput = 2 };

class StderrMessages;

// Reads a theme as the main window's Open does, into an empty theme. False, after telling why on
// stderr, when the file is missing, cannot be read or does not fit in memory.
bool read_input(const QString& path, Theme& theme, StderrMessages& messages);

int run_dump(const QStringList& args);
int run_resave(const QStringList& args);
int run_render(const QStringList& args);

}  // namespace quorvane
