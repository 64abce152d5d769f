// SPDX-License-Identifier: GPL-3.0-or-later
// quorvane-cli diff, build and edit: themes kept as code, compared, made and changed by scripts.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <new>
#include <optional>
#include <thread>

#include <unistd.h>

#include "commands.h"
#include "format/theme_diff_report.h"
#include "format/theme_from_json.h"
#include "format/writable_values.h"
#include "format/writer.h"
#include "model/style_query.h"
#include "model/style_setters.h"
#include "model/theme_diff.h"
#include "stderr_messages.h"

namespace quorvane {

namespace {

// The value of an option given as "--name=VALUE" or as "--name VALUE"; nothing when `args[k]`
// is not the option. Steps `k` over a separate value; sets `missing` when there is none.
std::optional<QString> option_value(const QStringList& args, qsizetype& k, const QString& name,
                                    bool& missing) {
    const QString& arg = args[k];
    if (arg.startsWith(name + QLatin1Char('='))) {
        return arg.mid(name.size() + 1);
    }
    if (arg != name) {
        return std::nullopt;
    }
    if (k + 1 >= args.size()) {
        missing = true;
        return QString();
    }
    return args[++k];
}

bool is_option(const QString& arg) {
    return arg.startsWith(QLatin1Char('-')) && arg != kStandardStream;
}

enum class ColourChoice { Auto, Always, Never };

std::optional<ColourChoice> colour_choice(const QString& text) {
    if (text == QLatin1String("auto")) {
        return ColourChoice::Auto;
    }
    if (text == QLatin1String("always")) {
        return ColourChoice::Always;
    }
    if (text == QLatin1String("never")) {
        return ColourChoice::Never;
    }
    return std::nullopt;
}

// Colour on a terminal (or in git's pager), unless NO_COLOR asks for none or the terminal cannot.
bool use_colour(ColourChoice choice) {
    if (choice != ColourChoice::Auto) {
        return choice == ColourChoice::Always;
    }
    const QByteArray term = qgetenv("TERM");
    if (qEnvironmentVariableIsSet("NO_COLOR") || term == "dumb") {
        return false;
    }
    return ::isatty(STDOUT_FILENO) != 0 || qgetenv("GIT_PAGER_IN_USE") == "true";
}

bool print(const QString& text) {
    return write_standard_output(text.toUtf8());
}

bool print_json(const QJsonValue& value) {
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    return write_standard_output(document.toJson());
}

// What git hands an external diff command: the path, then the old and the new file, each with
// its hash and mode; /dev/null for the side a file is missing from.
constexpr qsizetype kGitDiffArguments = 7;
const QString kGitMissingFile = QStringLiteral("/dev/null");

}  // namespace

int run_diff(const QStringList& args) {
    QStringList paths;
    bool json = false;
    bool git = false;
    ColourChoice colour = ColourChoice::Auto;
    for (qsizetype k = 0; k < args.size(); ++k) {
        if (args[k] == QLatin1String("--json")) {
            json = true;
        } else if (args[k] == QLatin1String("--git")) {
            git = true;
        } else if (args[k] == QLatin1String("--color")) {
            colour = ColourChoice::Always;
        } else if (args[k].startsWith(QLatin1String("--color="))) {
            const std::optional<ColourChoice> choice = colour_choice(args[k].mid(8));
            if (!choice) {
                write_cli_error(
                    QCoreApplication::translate("QuorvaneCli", "--color is auto, always or never"));
                return kUsageOrInput;
            }
            colour = *choice;
        } else if (is_option(args[k]) && !git) {
            write_cli_error(
                QCoreApplication::translate("QuorvaneCli", "diff does not know %1").arg(args[k]));
            return kUsageOrInput;
        } else {
            paths.append(args[k]);
        }
    }
    if (git) {
        if (paths.size() != kGitDiffArguments) {
            write_cli_error(QCoreApplication::translate(
                "QuorvaneCli",
                "diff --git takes the seven arguments git gives an external "
                "diff command"));
            return kUsageOrInput;
        }
        paths = QStringList{paths[0], paths[1], paths[4]};
    } else if (paths.size() != 2) {
        write_cli_error(
            QCoreApplication::translate("QuorvaneCli", "diff takes A B [--json] [--color=WHEN]"));
        return kUsageOrInput;
    }
    const QStringList files = git ? paths.mid(1) : paths;
    if (files[0] == kStandardStream && files[1] == kStandardStream) {
        write_cli_error(QCoreApplication::translate(
            "QuorvaneCli", "diff reads standard input for one of A and B, not for both"));
        return kUsageOrInput;
    }
    Theme themes[2];
    // The two themes are read at the same time; the second one's messages wait for the first's.
    // A file git adds or deletes is compared with an empty theme.
    const auto read_side = [&](int side, MessageList& said) {
        return (git && files[side] == kGitMissingFile) ||
               read_input_keeping_messages(files[side], themes[side], said);
    };
    MessageList said[2];
    bool second_read = false;
    std::thread second([&] { second_read = read_side(1, said[1]); });
    const bool first_read = read_side(0, said[0]);
    second.join();
    write_stderr_lines(said[0]);
    write_stderr_lines(said[1]);
    if (!first_read || !second_read) {
        return kUsageOrInput;
    }
    const ThemeDiff diff = diff_themes(themes[0], themes[1]);
    bool printed = true;
    if (json) {
        QJsonObject object = theme_diff_json(diff);
        object.insert(QStringLiteral("a"), files[0]);
        object.insert(QStringLiteral("b"), files[1]);
        printed = print_json(object);
    } else if (!diff.same()) {
        const bool coloured = use_colour(colour);
        QString text = theme_diff_text(diff, coloured);
        if (git) {
            const QString heading = QStringLiteral("diff ") + paths[0] + QLatin1Char('\n');
            text.prepend(coloured ? QStringLiteral("\x1b[1m") + heading.chopped(1) +
                                        QStringLiteral("\x1b[0m\n")
                                  : heading);
        }
        printed = print(text);
    }
    if (!printed) {
        return kRefused;
    }
    // Git stops at an external diff command that reports a difference as a failure.
    return diff.same() || git ? kSuccess : kRefused;
}

int run_build(const QStringList& args) {
    QStringList paths = args;
    const bool force = paths.removeAll(QStringLiteral("--force")) > 0;
    const bool unknown_option = std::any_of(paths.begin(), paths.end(), is_option);
    if (paths.size() != 2 || unknown_option) {
        write_cli_error(
            QCoreApplication::translate("QuorvaneCli", "build takes IN.json OUT.kmtf [--force]"));
        return kUsageOrInput;
    }
    const std::optional<QByteArray> json = read_input_bytes(paths[0]);
    if (!json) {
        return kUsageOrInput;
    }
    ThemeFromJson built;
    try {
        built = theme_from_json(*json);
    } catch (const std::bad_alloc&) {
        write_cli_error(
            QCoreApplication::translate("QuorvaneCli", "%1 is too large to read").arg(paths[0]));
        return kUsageOrInput;
    }
    if (!built.problems.empty()) {
        for (const JsonProblem& problem : built.problems) {
            write_stderr_line(paths[0] + QLatin1Char(':') + problem.text());
        }
        return kUsageOrInput;
    }
    return write_output(built.theme, paths[1], force);
}

namespace {

// What edit was asked to do, from its arguments.
struct EditRequest {
    QStringList themes;
    StyleQuery query;
    std::vector<StyleSetter> setters;
    QString out;
    bool in_place = false;
    bool dry_run = false;
    bool force = false;
    bool json = false;
    ColourChoice colour = ColourChoice::Auto;
};

// The request, or nothing after saying what is wrong with the arguments.
std::optional<EditRequest> edit_request(const QStringList& args) {
    EditRequest request;
    bool has_out = false;
    bool colour_given = false;
    for (qsizetype k = 0; k < args.size(); ++k) {
        const QString& arg = args[k];
        bool missing = false;
        QString error;
        if (const auto where = option_value(args, k, QStringLiteral("--where"), missing)) {
            error = missing
                        ? QCoreApplication::translate("QuorvaneCli", "--where takes a condition")
                        : request.query.add(*where);
        } else if (const auto set = option_value(args, k, QStringLiteral("--set"), missing)) {
            if (missing) {
                error = QCoreApplication::translate("QuorvaneCli", "--set takes a change");
            } else if (auto setter = parse_style_setter(*set, error)) {
                request.setters.push_back(std::move(*setter));
            }
        } else if (const auto out = option_value(args, k, QStringLiteral("-o"), missing)) {
            error = missing ? QCoreApplication::translate("QuorvaneCli", "-o takes a file name")
                            : QString();
            request.out = *out;
            has_out = true;
        } else if (arg == QLatin1String("--in-place")) {
            request.in_place = true;
        } else if (arg == QLatin1String("--dry-run")) {
            request.dry_run = true;
        } else if (arg == QLatin1String("--force")) {
            request.force = true;
        } else if (arg == QLatin1String("--json")) {
            request.json = true;
        } else if (arg.startsWith(QLatin1String("--color"))) {
            const std::optional<ColourChoice> choice =
                arg == QLatin1String("--color") ? ColourChoice::Always : colour_choice(arg.mid(8));
            error = choice ? QString()
                           : QCoreApplication::translate("QuorvaneCli",
                                                         "--color is auto, always or never");
            request.colour = choice.value_or(ColourChoice::Auto);
            colour_given = true;
        } else if (is_option(arg)) {
            error = QCoreApplication::translate("QuorvaneCli", "edit does not know %1").arg(arg);
        } else {
            request.themes.append(arg);
        }
        if (!error.isEmpty()) {
            write_cli_error(error);
            return std::nullopt;
        }
    }
    QString error;
    const int outputs = int(has_out) + int(request.in_place) + int(request.dry_run);
    if (request.themes.isEmpty() || request.setters.empty() || outputs != 1) {
        error = QCoreApplication::translate(
            "QuorvaneCli",
            "edit takes THEME... [--where CONDITION]... --set CHANGE... and one of "
            "-o OUT, --in-place or --dry-run");
    } else if (has_out && request.themes.size() > 1) {
        error = QCoreApplication::translate("QuorvaneCli",
                                            "-o takes one THEME; --in-place edits several");
    } else if (request.in_place && request.themes.contains(kStandardStream)) {
        error = QCoreApplication::translate("QuorvaneCli",
                                            "--in-place cannot write standard input back");
    } else if ((request.json || colour_given) && !request.dry_run) {
        error = QCoreApplication::translate("QuorvaneCli", "--json and --color go with --dry-run");
    }
    if (!error.isEmpty()) {
        write_cli_error(error);
        return std::nullopt;
    }
    return request;
}

// One theme of an edit: as read, changed, and what changed.
struct EditedTheme {
    QString path;
    Theme before;  // kept for --dry-run only
    Theme theme;
    StyleChanges changes;
};

}  // namespace

int run_edit(const QStringList& args) {
    std::optional<EditRequest> request = edit_request(args);
    if (!request) {
        return kUsageOrInput;
    }
    MessageList read_messages;
    // Every theme is read, changed and checked before any is written: a refusal leaves all of
    // them as they were.
    std::vector<EditedTheme> edited;
    QStringList refusals;
    for (const QString& path : request->themes) {
        EditedTheme& one = edited.emplace_back();
        one.path = path;
        if (!read_input(path, one.theme, read_messages)) {
            return kUsageOrInput;
        }
        if (request->dry_run) {
            one.before = one.theme;
        }
        one.changes =
            apply_style_setters(one.theme, request->query.matching(one.theme), request->setters);
        for (const QString& problem : unwritable_changes(one.theme, one.changes)) {
            refusals.append(path + QStringLiteral(": ") + problem);
        }
        // Save refuses a theme without a title; -o says so as resave does.
        if (request->in_place && !one.changes.changed.empty() &&
            one.theme.metadata.title.isEmpty()) {
            refusals.append(path + QStringLiteral(": ") +
                            QCoreApplication::translate("Metadata", "Needs a Title"));
        }
    }
    if (!refusals.isEmpty()) {
        for (const QString& refusal : refusals) {
            write_stderr_line(refusal);
        }
        write_stderr_line(QCoreApplication::translate("QuorvaneCli", "Nothing was written."));
        return kRefused;
    }

    if (request->dry_run) {
        const bool coloured = use_colour(request->colour);
        QJsonArray all;
        QString text;
        for (const EditedTheme& one : edited) {
            const ThemeDiff diff = diff_themes(one.before, one.theme);
            if (request->json) {
                QJsonObject object = theme_diff_json(diff);
                object.insert(QStringLiteral("file"), one.path);
                all.append(object);
            } else if (edited.size() > 1) {
                text += one.path + QStringLiteral(":\n") + theme_diff_text(diff, coloured);
            } else {
                text += theme_diff_text(diff, coloured);
            }
        }
        const bool printed = request->json ? print_json(all) : print(text);
        // What would have changed, beside the diff: areas left alone show in no diff.
        for (const EditedTheme& one : edited) {
            const QString summary = style_changes_summary(one.changes);
            write_stderr_line(edited.size() > 1 ? one.path + QStringLiteral(": ") + summary
                                                : summary);
        }
        return printed ? kSuccess : kRefused;
    }

    // The summary goes where the theme does not.
    const bool theme_on_stdout = request->out == kStandardStream;
    int outcome = kSuccess;
    for (const EditedTheme& one : edited) {
        if (request->in_place) {
            // A theme nothing changed in is left alone, its time stamp too.
            if (!one.changes.changed.empty()) {
                MessageList saved;
                const SaveOutcome written =
                    save_theme_file(one.theme, QFileInfo(one.path).absoluteFilePath(), saved,
                                    ExistingFile::Replaced);
                write_stderr_lines(saved);
                if (written != SaveOutcome::Written) {
                    outcome = kRefused;
                    continue;
                }
            }
        } else {
            outcome = write_output(one.theme, request->out, request->force);
            if (outcome != kSuccess) {
                return outcome;
            }
        }
        QString summary = style_changes_summary(one.changes);
        if (edited.size() > 1) {
            summary.prepend(one.path + QStringLiteral(": "));
        }
        if (theme_on_stdout) {
            write_stderr_line(summary);
        } else if (!print(summary + QLatin1Char('\n'))) {
            return kRefused;
        }
    }
    return outcome;
}

}  // namespace quorvane
