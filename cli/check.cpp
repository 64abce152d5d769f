// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli check: the editor's Problems panel for scripts and CI.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringEncoder>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <deque>
#include <vector>

#include "commands.h"
#include "format/reader.h"
#include "format/theme_lines.h"
#include "model/theme_check.h"
#include "stderr_messages.h"

namespace quorvane {

namespace {

// The findings as "file:line: severity: message [code]" lines, gathered and written to standard
// output in large pieces: a large theme has tens of thousands of them. The texts are encoded
// straight into the gathered bytes, and each check's severity and code only once.
class FindingLines {
  public:
    FindingLines() : bytes_(size_t(kPiece)) {}
    ~FindingLines() { (void)flush(); }

    void add(const QByteArray& file_name, int line, const Finding& f) {
        char number[16];
        append(file_name);
        append(":");
        append(QByteArrayView(number, std::to_chars(number, number + sizeof number, line).ptr));
        append(": ");
        append(tail_of(f.check).severity);
        append(": ");
        append_utf8(f.message());
        append(tail_of(f.check).code);
    }
    // Whether everything gathered so far got to standard output (a failure is said once).
    bool flush() {
        const bool written =
            used_ == 0 || write_standard_output(QByteArrayView(bytes_.data(), qsizetype(used_)));
        used_ = 0;
        return written;
    }

  private:
    static constexpr qsizetype kPiece = qsizetype(1) << 16;

    struct CheckWords {
        QByteArray severity;  // "warning"
        QByteArray code;      // " [unknown-feature]\n"
    };

    const CheckWords& tail_of(Check check) {
        const auto known = std::find_if(tails_.begin(), tails_.end(),
                                        [check](const auto& tail) { return tail.first == check; });
        if (known != tails_.end()) {
            return known->second;
        }
        tails_.emplace_back(check, CheckWords{severity_name(severity_of(check)).toUtf8(),
                                              " [" + code_of(check).toUtf8() + "]\n"});
        return tails_.back().second;
    }
    // Room for `n` more bytes, written out first when the gathered bytes leave too little.
    char* room_for(qsizetype n) {
        if (used_ + size_t(n) > bytes_.size()) {
            (void)flush();
            if (size_t(n) > bytes_.size()) {
                bytes_.resize(size_t(n));
            }
        }
        return bytes_.data() + used_;
    }
    void append(QByteArrayView bytes) {
        std::copy(bytes.begin(), bytes.end(), room_for(bytes.size()));
        used_ += size_t(bytes.size());
    }
    void append_utf8(QStringView text) {
        char* const at = room_for(encoder_.requiredSpace(text.size()));
        used_ += size_t(encoder_.appendToBuffer(at, text) - at);
    }

    std::vector<char> bytes_;
    size_t used_ = 0;
    QStringEncoder encoder_{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};  // as toUtf8()
    std::deque<std::pair<Check, CheckWords>> tails_;  // a deque keeps references to them valid
};

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
    FindingLines output;
    const FindingWording wording;
    QJsonArray all;
    for (const QString& path : paths) {
        std::optional<QByteArray> bytes = read_input_bytes(path);
        if (!bytes) {
            ++unreadable;
            continue;
        }
        const QByteArray file_name = path.toUtf8();
        // Read as the editor's Open reads; what it would show in a box goes to stderr.
        MessageList messages;
        Theme theme;
        ThemeLines lines;
        const bool theme_read =
            read_theme_bytes(std::move(*bytes), input_name(path), theme, messages, &lines);
        // What was found in the files before stands before this file's messages.
        output.flush();
        write_stderr_lines(messages);
        if (!theme_read) {
            ++unreadable;
            continue;
        }
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
                output.add(file_name, line, f);
            }
        }
    }
    const qsizetype read = paths.size() - unreadable;
    QByteArray text;
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
    if (!output.flush() || !write_standard_output(text)) {
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
