// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli check: the editor's Problems panel for scripts and CI.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "commands.h"
#include "format/reader.h"
#include "format/theme_lines.h"
#include "model/theme_check.h"
#include "stderr_messages.h"

namespace quorvane {

namespace {

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
        } else if (arg != kStandardStream || !paths.contains(kStandardStream)) {
            // Standard input is read once, however often "-" is given.
            paths.append(arg);
        }
    }
    if (paths.isEmpty()) {
        write_cli_error(QStringLiteral("check takes FILE... [--json] [--strict]"));
        return kUsageOrInput;
    }

    int counts[3] = {};
    int unreadable = 0;
    QJsonArray all;
    QByteArray text;
    for (const QString& path : paths) {
        const std::optional<QByteArray> bytes = read_input_bytes(path);
        if (!bytes) {
            ++unreadable;
            continue;
        }
        // Read as the editor's Open reads; what it would show in a box goes to stderr.
        MessageList messages;
        Theme theme;
        const bool theme_read = read_theme_text(*bytes, input_name(path), theme, messages);
        write_stderr_lines(messages);
        if (!theme_read) {
            ++unreadable;
            continue;
        }
        const ThemeLines lines = find_theme_lines(*bytes);
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
                text += (path + QStringLiteral(":%1: ").arg(line) + severity_name(f.severity()) +
                         QStringLiteral(": ") + f.message() + QStringLiteral(" [") + f.code() +
                         QStringLiteral("]\n"))
                            .toUtf8();
            }
        }
    }
    const qsizetype read = paths.size() - unreadable;
    if (json) {
        text = QJsonDocument(all).toJson();
    } else if (read > 0) {
        // Files that could not be read are counted apart: a summary over them would look clean.
        QString summary = findings_count_text(counts[0], counts[1], counts[2]) +
                          QStringLiteral(" in %1 ").arg(read) +
                          QLatin1String(read == 1 ? "file" : "files");
        if (unreadable > 0) {
            summary += QStringLiteral("; %1 not read").arg(unreadable);
        }
        text += summary.toUtf8() + '\n';
    }
    if (!write_standard_output(text)) {
        return kRefused;
    }
    if (unreadable > 0) {
        return kUsageOrInput;
    }
    const bool failed =
        counts[int(Severity::Error)] > 0 || (strict && counts[int(Severity::Warning)] > 0);
    return failed ? kRefused : kSuccess;
}

}  // namespace quorvane
