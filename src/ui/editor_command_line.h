// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace quorvane {

// What the editor's command line asks for: `quorvane [--help] [--version] [FILE]`.
struct EditorCommandLine {
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    // The theme to open; several words are one path that was not quoted.
    QString file;
    QString error;  // for a usage error
};

// Reads the arguments after the program's name.
EditorCommandLine read_editor_command_line(const QStringList& arguments);

// The text --help prints.
QString editor_help_text();

}  // namespace quorvane
