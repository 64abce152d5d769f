#include "commands.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <cstdio>
#include <new>

#include "format/reader.h"
#include "format/theme_json.h"
#include "format/writer.h"
#include "platform/busy_cursor.h"
#include "stderr_messages.h"

namespace quorvane {

namespace {

void usage_error(const QString& text) {
    write_stderr_line(QStringLiteral("quorvane-cli: ") + text);
}

}  // namespace

bool read_input(const QString& path, Theme& theme, StderrMessages& messages) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        usage_error(QStringLiteral("cannot read ") + path);
        return false;
    }
    try {
        return read_theme_file(path, theme, messages);
    } catch (const std::bad_alloc&) {
        usage_error(too_large_to_read_message(path));
        return false;
    }
}

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
    try {
        const QByteArray json = QJsonDocument(theme_json(theme, args[0], messages.told)).toJson();
        std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    } catch (const std::bad_alloc&) {
        usage_error(too_large_to_read_message(args[0]));
        return kUsageOrInput;
    }
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
