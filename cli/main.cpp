#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#include "commands.h"

namespace {

const char* const kHelp =
    "quorvane-cli: the headless companion of the Quorvane theme editor.\n"
    "\n"
    "Usage:\n"
    "  quorvane-cli dump FILE\n"
    "      Reads FILE as the editor's Open does and prints the theme as one JSON object:\n"
    "      file, metadata, presentations, list, elements and messages.\n"
    "  quorvane-cli resave IN OUT [--force]\n"
    "      Reads IN, then writes it to OUT exactly as the editor's Save writes. An existing\n"
    "      OUT is replaced only with --force. An empty theme or one without a title is refused.\n"
    "  quorvane-cli render IN OUT.png [--canvas-width TWIPS]\n"
    "      Reads IN and paints its whole preview canvas to a PNG, 15 twips per pixel, as the\n"
    "      editor's window paints it. The tiles wrap at a canvas TWIPS wide (default 11712);\n"
    "      a short canvas is stretched to the viewport's height (10236 twips).\n"
    "  quorvane-cli check FILE... [--json] [--strict]\n"
    "      Checks each theme and prints one line per problem, FILE:LINE: severity: message\n"
    "      [code], then a summary; --json prints the problems as a JSON array instead. Exit\n"
    "      status 1 when a theme has errors (with --strict, warnings too).\n"
    "\n"
    "Messages the editor would show in a box go to stderr, one per line, in order.\n"
    "Exit status: 0 success, 1 refused, 2 usage error or unreadable input.\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Painting the preview needs fonts, so render runs a GUI application without a screen.
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && std::strcmp(argv[1], "render") == 0) {
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
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.contains(QStringLiteral("--help")) ||
        args.contains(QStringLiteral("-h"))) {
        std::fputs(kHelp, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? quorvane::kUsageOrInput : quorvane::kSuccess;
    }
    const QString command = args.takeFirst();
    if (command == QStringLiteral("dump")) {
        return quorvane::run_dump(args);
    }
    if (command == QStringLiteral("resave")) {
        return quorvane::run_resave(args);
    }
    if (command == QStringLiteral("render")) {
        return quorvane::run_render(args);
    }
    if (command == QStringLiteral("check")) {
        return quorvane::run_check(args);
    }
    std::fprintf(stderr, "quorvane-cli: unknown command %s (see --help)\n",
                 command.toUtf8().constData());
    return quorvane::kUsageOrInput;
}
