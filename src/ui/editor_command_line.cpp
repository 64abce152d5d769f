// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/editor_command_line.h"

#include <QCommandLineParser>

namespace quorvane {

EditorCommandLine read_editor_command_line(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOption(help);
    parser.addOption(version);
    EditorCommandLine result;
    if (!parser.parse(QStringList{QStringLiteral("quorvane")} + arguments)) {
        result.action = EditorCommandLine::Action::UsageError;
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.action = EditorCommandLine::Action::Help;
    } else if (parser.isSet(version)) {
        result.action = EditorCommandLine::Action::Version;
    }
    result.file = parser.positionalArguments().join(QLatin1Char(' '));
    return result;
}

QString editor_help_text() {
    return QStringLiteral(
        "Usage: quorvane [--help] [--version] [FILE]\n"
        "\n"
        "Quorvane edits Garmin map themes (.kmtf files). FILE, when given, opens at start.\n"
        "\n"
        "Options:\n"
        "  -h, --help     Show this help and exit.\n"
        "  -v, --version  Show the version and exit.\n"
        "\n"
        "The working data (recent files, recovery copies) lives in the platform's application\n"
        "data folder; QUORVANE_SYSTEM_DIR names another folder.\n");
}

}  // namespace quorvane
