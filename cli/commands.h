#pragma once

#include <QStringList>

namespace quorvane {

// Exit codes of quorvane-cli.
enum ExitCode { kSuccess = 0, kRefused = 1, kUsageOrInput = 2 };

int run_dump(const QStringList& args);
int run_resave(const QStringList& args);
int run_render(const QStringList& args);
int run_check(const QStringList& args);

}  // namespace quorvane
