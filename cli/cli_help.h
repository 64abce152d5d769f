// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quorvane {

// The whole help text of quorvane-cli.
QString cli_help();

// One command's paragraph of the help; empty for an unknown command.
QString command_help(const QString& command);

}  // namespace quorvane
