// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>

#include "format/metadata.h"
#include "format/reader.h"
#include "format/theme_json.h"
#include "format/writer.h"
#include "platform/busy_cursor.h"
#include "stderr_messages.h"

namespace quorvane {

namespace {

// Writes bytes to standard output; false (after saying why) when they do not all get there.
bool write_standard_output(QByteArrayView bytes) {
    if (std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        write_cli_error(QStringLiteral("cannot write to standard output: ") +
                        QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

bool read_named_input(const QString& path, Theme& theme, StderrMessages& messages) {
    if (path == kStandardStream) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            write_cli_error(QStringLiteral("cannot read standard input: ") + in.errorString());
            return false;
        }
        read_theme_bytes(in.readAll(), theme, messages);
        return true;
    }
    const QFileInfo info(path);
    QFile file(path);
    QString reason;
    if (!info.exists()) {
        reason = QStringLiteral("No such file or directory");
    } else if (info.isDir()) {
        reason = QStringLiteral("Is a directory");
    } else if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
    }
    if (!reason.isEmpty()) {
        write_cli_error(QStringLiteral("cannot read ") + path + QStringLiteral(": ") + reason);
        return false;
    }
    file.close();
    return read_theme_file(path, theme, messages);
}

}  // namespace

bool read_input(const QString& path, Theme& theme, StderrMessages& messages) {
    try {
        return read_named_input(path, theme, messages);
    } catch (const std::bad_alloc&) {
        write_cli_error(too_large_to_read_message(path));
        return false;
    }
}

int run_dump(const QStringList& args) {
    if (args.size() != 1 || (args[0].startsWith(QLatin1Char('-')) && args[0] != kStandardStream)) {
        write_cli_error(QStringLiteral("dump takes one FILE"));
        return kUsageOrInput;
    }
    Theme theme;
    StderrMessages messages(false);
    if (!read_input(args[0], theme, messages)) {
        return kUsageOrInput;
    }
    try {
        bool written = true;
        write_theme_json(theme, args[0], messages.told, [&written](const QByteArray& piece) {
            written = written && write_standard_output(piece);
        });
        return written ? kSuccess : kRefused;
    } catch (const std::bad_alloc&) {
        write_cli_error(too_large_to_read_message(args[0]));
        return kUsageOrInput;
    }
}

int run_resave(const QStringList& args) {
    QStringList paths = args;
    const bool force = paths.removeAll(QStringLiteral("--force")) > 0;
    const bool unknown_option = std::any_of(paths.begin(), paths.end(), [](const QString& arg) {
        return arg.startsWith(QLatin1Char('-')) && arg != kStandardStream;
    });
    if (paths.size() != 2 || unknown_option) {
        write_cli_error(QStringLiteral("resave takes IN OUT [--force]"));
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
    if (paths[1] == kStandardStream) {
        const QString meta = metadata_block(theme.metadata, messages);
        if (meta.isEmpty()) {
            return kRefused;
        }
        const bool written = write_theme_text(theme, meta, messages, [](QByteArrayView piece) {
            return write_standard_output(piece);
        });
        return written ? kSuccess : kRefused;
    }
    NoBusyCursor busy;
    // The editor always saves to a full path; a relative OUT is taken from the working folder.
    const QString out = QFileInfo(paths[1]).absoluteFilePath();
    const SaveOutcome outcome = save_theme_file(theme, out, messages, busy);
    return outcome == SaveOutcome::Written ? kSuccess : kRefused;
}

}  // namespace quorvane
