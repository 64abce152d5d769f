// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli_help.h"
#include "commands.h"
#include "model/version.h"
#include "stderr_messages.h"

namespace {

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

// Help and the version on standard output; the exit code says whether they got there.
int print_output(const QString& text) {
    return quorvane::write_standard_output(text.toLocal8Bit()) ? quorvane::kSuccess
                                                               : quorvane::kRefused;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Painting the preview or the map needs fonts, so render and render-map run a GUI
    // application without a screen.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 &&
        (std::strcmp(argv[1], "render") == 0 || std::strcmp(argv[1], "render-map") == 0)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Stderr carries the editor's messages only, not the toolkit's notes about the session.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg) {
                std::fprintf(stderr, "%s\n", text.toUtf8().constData());
            }
        });
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("quorvane-cli"));
    QCoreApplication::setApplicationVersion(quorvane::kVersionText);

    // The program's own options come before the command; the rest belongs to the command.
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help_option({QStringLiteral("h"), QStringLiteral("help")},
                                         QStringLiteral("Show this help."));
    const QCommandLineOption version_option({QStringLiteral("v"), QStringLiteral("version")},
                                            QStringLiteral("Show the version."));
    parser.addOption(help_option);
    parser.addOption(version_option);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do."));
    if (!parser.parse(QCoreApplication::arguments())) {
        quorvane::write_cli_error(parser.errorText() + QStringLiteral(" (see --help)"));
        return quorvane::kUsageOrInput;
    }
    if (parser.isSet(help_option)) {
        return print_output(quorvane::cli_help());
    }
    if (parser.isSet(version_option)) {
        return print_output(QStringLiteral("quorvane-cli ") + quorvane::kVersionText +
                            QLatin1Char('\n'));
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty()) {
        print(stderr, quorvane::cli_help());
        return quorvane::kUsageOrInput;
    }
    const QString command = args.takeFirst();
    if (command == QStringLiteral("help")) {
        if (args.isEmpty()) {
            return print_output(quorvane::cli_help());
        }
        const QString text = quorvane::command_help(args.first());
        if (text.isEmpty()) {
            quorvane::write_cli_error(QStringLiteral("unknown command ") + args.first() +
                                      QStringLiteral(" (see --help)"));
            return quorvane::kUsageOrInput;
        }
        return print_output(text);
    }
    if (command == QStringLiteral("dump")) {
        return quorvane::run_dump(args);
    }
    if (command == QStringLiteral("resave")) {
        return quorvane::run_resave(args);
    }
    if (command == QStringLiteral("render")) {
        return quorvane::run_render(args);
    }
    if (command == QStringLiteral("render-map")) {
        return quorvane::run_render_map(args);
    }
    if (command == QStringLiteral("check")) {
        return quorvane::run_check(args);
    }
    if (command == QStringLiteral("diff")) {
        return quorvane::run_diff(args);
    }
    if (command == QStringLiteral("build")) {
        return quorvane::run_build(args);
    }
    if (command == QStringLiteral("edit")) {
        return quorvane::run_edit(args);
    }
    quorvane::write_cli_error(QStringLiteral("unknown command ") + command +
                              QStringLiteral(" (see --help)"));
    return quorvane::kUsageOrInput;
}
