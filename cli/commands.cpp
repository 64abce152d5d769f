// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include "format/file_identity.h"
#include "format/metadata.h"
#include "format/reader.h"
#include "format/theme_json.h"
#include "format/writer.h"
#include "stderr_messages.h"

namespace quorvane {

namespace {

bool output_failed = false;

}  // namespace

bool write_standard_output(QByteArrayView bytes) {
    if (output_failed) {
        return false;
    }
    // An empty view may have no data at all, which fwrite must not be given.
    if ((!bytes.isEmpty() &&
         std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size())) ||
        std::fflush(stdout) != 0) {
        output_failed = true;
        write_cli_error(QStringLiteral("cannot write to standard output: ") +
                        QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

std::optional<QByteArray> read_input_bytes(const QString& path) {
    QString reason;
    if (path == kStandardStream) {
        QFile in;
        QByteArray bytes;
        if (in.open(stdin, QIODevice::ReadOnly)) {
            bytes = in.readAll();
        }
        if (!in.isOpen() || in.error() != QFileDevice::NoError) {
            write_cli_error(QStringLiteral("cannot read standard input: ") + in.errorString());
            return std::nullopt;
        }
        return bytes;
    }
    RegularFileRead read = read_regular_file(path, IdentityHash::Skipped);
    switch (read.failure) {
        case ReadFailure::None:
            return std::move(read.bytes);
        case ReadFailure::NotRegular:
            if (!QFileInfo(path).isDir()) {
                write_cli_error(not_regular_file_message(path));
                return std::nullopt;
            }
            reason = QString::fromLocal8Bit(std::strerror(EISDIR));
            break;
        case ReadFailure::Missing:
        case ReadFailure::Error:
            reason = read.error;
            break;
    }
    write_cli_error(QStringLiteral("cannot read ") + path + QStringLiteral(": ") + reason);
    return std::nullopt;
}

namespace {

bool read_named_input(const QString& path, Theme& theme, MessageList& messages) {
    std::optional<QByteArray> bytes = read_input_bytes(path);
    return bytes && read_theme_bytes(std::move(*bytes), input_name(path), theme, messages);
}

}  // namespace

QString input_name(const QString& path) {
    return path == kStandardStream ? QStringLiteral("standard input") : path;
}

bool read_input_keeping_messages(const QString& path, Theme& theme, MessageList& said) {
    try {
        return read_named_input(path, theme, said);
    } catch (const std::bad_alloc&) {
        write_cli_error(too_large_to_read_message(path));
        return false;
    }
}

bool read_input(const QString& path, Theme& theme, MessageList& messages) {
    MessageList said;
    const bool read = read_input_keeping_messages(path, theme, said);
    write_stderr_lines(said);
    messages.add(said);
    return read;
}

int run_dump(const QStringList& args) {
    if (args.size() != 1 || (args[0].startsWith(QLatin1Char('-')) && args[0] != kStandardStream)) {
        write_cli_error(QStringLiteral("dump takes one FILE"));
        return kUsageOrInput;
    }
    Theme theme;
    MessageList messages;
    if (!read_input(args[0], theme, messages)) {
        return kUsageOrInput;
    }
    try {
        bool written = true;
        write_theme_json(theme, args[0], messages.texts(), [&written](const QByteArray& piece) {
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
    MessageList read_messages;
    if (!read_input(paths[0], theme, read_messages)) {
        return kUsageOrInput;
    }
    return write_output(theme, paths[1], force);
}

int write_output(const Theme& theme, const QString& path, bool replace_existing) {
    // The Save command refuses an empty theme before it asks for a file name.
    if (theme.elements.empty()) {
        write_stderr_line(QStringLiteral("No data to save"));
        return kRefused;
    }
    MessageList messages;
    if (path == kStandardStream) {
        const QString meta = metadata_block(theme.metadata, messages);
        if (meta.isEmpty()) {
            write_stderr_lines(messages);
            return kRefused;
        }
        const QString unwritable = unwritable_values_message(theme);
        if (!unwritable.isEmpty()) {
            write_stderr_line(unwritable);
            return kRefused;
        }
        // The text goes out in pieces as it is made; what the editor would say about it, first.
        bool said = false;
        const bool written = write_theme_text(theme, meta, messages, [&](QByteArrayView piece) {
            if (!std::exchange(said, true)) {
                write_stderr_lines(messages);
            }
            return write_standard_output(piece);
        });
        return written ? kSuccess : kRefused;
    }
    // The editor always saves to a full path; a relative OUT is taken from the working folder.
    const QString out = QFileInfo(path).absoluteFilePath();
    SaveOutcome outcome = save_theme_file(theme, out, messages, ExistingFile::Kept);
    if (outcome == SaveOutcome::FileExists) {
        // The editor would ask; --force is the answer.
        write_stderr_line(overwrite_question() +
                          (replace_existing ? QStringLiteral(" Yes") : QStringLiteral(" No")));
        if (replace_existing) {
            outcome = save_theme_file(theme, out, messages, ExistingFile::Replaced);
        }
    }
    write_stderr_lines(messages);
    return outcome == SaveOutcome::Written ? kSuccess : kRefused;
}

}  // namespace quorvane
