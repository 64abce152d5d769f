// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli check: the editor's Problems panel for scripts and CI.
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "commands.h"
#include "format/reader.h"
#include "format/theme_lines.h"
#include "model/theme_check.h"
#include "platform/once_messages.h"
#include "stderr_messages.h"

namespace quorvane {

namespace {

// The whole file, or standard input for "-"; nothing when it cannot be read.
std::optional<QByteArray> read_input_bytes(const QString& path) {
    QFile file;
    if (path == kStandardStream) {
        if (!file.open(stdin, QIODevice::ReadOnly)) {
            return std::nullopt;
        }
    } else {
        file.setFileName(path);
        if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

QJsonValue text_or_null(const QString& text) {
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

}  // namespace

int run_check(const QStringList& args) {
    QStringList paths;
    bool json = false;
    bool strict = false;
    for (const QString& arg : args) {
        if (arg == QStringLiteral("--json")) {
            json = true;
        } else if (arg == QStringLiteral("--strict")) {
            strict = true;
        } else if (arg.startsWith(QStringLiteral("--"))) {
            write_cli_error(QStringLiteral("check does not know ") + arg);
            return kUsageOrInput;
        } else {
            paths.append(arg);
        }
    }
    if (paths.isEmpty()) {
        write_cli_error(QStringLiteral("check takes FILE... [--json] [--strict]"));
        return kUsageOrInput;
    }

    int counts[3] = {};
    bool unreadable = false;
    QJsonArray all;
    for (const QString& path : paths) {
        std::optional<QByteArray> bytes = read_input_bytes(path);
        if (!bytes) {
            write_cli_error(QStringLiteral("cannot read ") + path);
            unreadable = true;
            continue;
        }
        // Read as the editor's Open reads; what it would show in a box goes to stderr.
        StderrMessages messages(false);
        OnceMessages once(messages);
        Theme theme;
        ThemeLines lines;
        parse_theme_bytes(theme, std::move(*bytes), once, &lines);
        for (const Finding& f : check_theme(theme)) {
            ++counts[int(f.severity())];
            const int line = line_of(f, lines);
            if (json) {
                all.append(QJsonObject{
                    {QStringLiteral("file"), path},
                    {QStringLiteral("line"), line},
                    {QStringLiteral("severity"), severity_name(f.severity())},
                    {QStringLiteral("code"), f.code()},
                    {QStringLiteral("message"), f.message()},
                    {QStringLiteral("element"), f.element < 0 ? QJsonValue() : f.element},
                    {QStringLiteral("field_name"), text_or_null(f.field_name)},
                    {QStringLiteral("presentation"), text_or_null(f.presentation)},
                });
            } else {
                std::printf("%s:%d: %s: %s [%s]\n", path.toUtf8().constData(), line,
                            severity_name(f.severity()).toUtf8().constData(),
                            f.message().toUtf8().constData(), f.code().toUtf8().constData());
            }
        }
    }
    if (json) {
        const QByteArray text = QJsonDocument(all).toJson();
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    } else {
        const QString summary = findings_count_text(counts[0], counts[1], counts[2]) +
                                QStringLiteral(" in %1 ").arg(paths.size()) +
                                QLatin1String(paths.size() == 1 ? "file" : "files");
        std::printf("%s\n", summary.toUtf8().constData());
    }
    if (unreadable) {
        return kUsageOrInput;
    }
    const bool failed =
        counts[int(Severity::Error)] > 0 || (strict && counts[int(Severity::Warning)] > 0);
    return failed ? kRefused : kSuccess;
}

}  // namespace quorvane
