#include "commands.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <cstdio>

#include "format/reader.h"
#include "format/theme_json.h"
#include "format/writer.h"
#include "platform/busy_cursor.h"
#include "stderr_messages.h"

namespace quorvane {

namespace {

void usage_error(const QString& text) {
    std::fprintf(stderr, "quorvane-cli: %s\n", text.toUtf8().constData());
}

// Reads a theme as the main window's Open does, into an empty theme. False when the file is
// missing or cannot be read.
bool read_input(const QString& path, Theme& theme, StderrMessages& messages) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        usage_error(QStringLiteral("cannot read ") + path);
        return false;
    }
    return read_theme_file(path, theme, messages);
}

}  // namespace

int run_dump(const QStringList& args) {
    if (args.size() != 1) {
        usage_error(QStringLiteral("dump takes one FILE"));
        return kUsageOrInput;
    }
    Theme theme;
    StderrMessages messages(false);
    if (!read_input(args[0], theme, messages)) {
        return kUsageOrInput;
    }
    const QByteArray json = QJsonDocument(theme_json(theme, args[0], messages.told)).toJson();
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return kSuccess;
}

int run_resave(const QStringList& args) {
    QStringList paths = args;
    const bool force = paths.removeAll(QStringLiteral("--force")) > 0;
    if (paths.size() != 2) {
        usage_error(QStringLiteral("resave takes IN OUT [--force]"));
        return kUsageOrInput;
    }
    Theme theme;
    StderrMessages messages(force);
    if (!read_input(paths[0], theme, messages)) {
        return kUsageOrInput;
    }
    // The Save command refuses an empty theme before it asks for a file name.
    if (theme.elements.empty()) {
        messages.tell(QStringLiteral("No data to save"));
        return kRefused;
    }
    NoBusyCursor busy;
    // The editor always saves to a full path; a relative OUT is taken from the working folder.
    const QString out = QFileInfo(paths[1]).absoluteFilePath();
    const SaveOutcome outcome = save_theme_file(theme, out, messages, busy);
    return outcome == SaveOutcome::Written ? kSuccess : kRefused;
}

}  // namespace quorvane
