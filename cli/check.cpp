// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli check: the editor's Problems panel for scripts and CI.
#include <QFile>
#include <QFileInfo>
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
#include "text/large_buffers.h"

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
    QByteArray bytes = read_remaining_bytes(file);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes;
}

// The findings as "file:line: severity: message [code]" lines, gathered and written to standard
// output in large pieces: a large theme has tens of thousands of them. The texts are encoded
// straight into the gathered bytes, and each check's severity and code only once.
class FindingLines {
  public:
    FindingLines() : bytes_(size_t(kPiece)) {}
    ~FindingLines() { flush(); }

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
    void flush() {
        std::fwrite(bytes_.data(), 1, used_, stdout);
        used_ = 0;
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
            flush();
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
    FindingLines output;
    const FindingWording wording;
    QJsonArray all;
    for (const QString& path : paths) {
        std::optional<QByteArray> bytes = read_input_bytes(path);
        if (!bytes) {
            write_cli_error(QStringLiteral("cannot read ") + path);
            unreadable = true;
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
            unreadable = true;
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
    output.flush();
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
