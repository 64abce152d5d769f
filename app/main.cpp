// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <cstdio>

#include "model/theme_document.h"
#include "model/version.h"
#include "platform/qt/qt_busy_cursor.h"
#include "platform/qt/qt_colour_picker.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_messages.h"
#include "platform/qt/qt_url_opener.h"
#include "platform/qt/qt_web_request.h"
#include "settings/working_data.h"
#include "ui/application_icon.h"
#include "ui/editor_command_line.h"
#include "ui/main_window.h"
#include "ui/translations.h"

namespace {

void print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is read before any window system is needed: --help works anywhere.
    QStringList arguments;
    for (int k = 1; k < argc; ++k) {
        arguments.append(QString::fromLocal8Bit(argv[k]));
    }
    using Action = quorvane::EditorCommandLine::Action;
    const quorvane::EditorCommandLine command_line = quorvane::read_editor_command_line(arguments);
    switch (command_line.action) {
        case Action::Help:
            print(stdout, quorvane::editor_help_text());
            return 0;
        case Action::Version:
            print(stdout, QStringLiteral("quorvane ") + quorvane::kVersionText + QLatin1Char('\n'));
            return 0;
        case Action::UsageError:
            print(stderr, QStringLiteral("quorvane: ") + command_line.error + QStringLiteral("\n") +
                              quorvane::editor_help_text());
            return 2;
        case Action::Run:
            break;
    }

    QApplication app(argc, argv);
    quorvane::install_translations(app);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(quorvane::kVersionText);
    QApplication::setWindowIcon(quorvane::application_icon());
    // Lets the desktop match the window to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));

    quorvane::ThemeDocument document;
    quorvane::QtMessages messages;
    quorvane::QtBusyCursor busy;
    quorvane::QtFileDialogs file_dialogs;
    quorvane::QtWebRequest web;
    quorvane::QtUrlOpener urls;
    quorvane::QtColourPicker colour_picker;
    quorvane::MainWindow window(
        document,
        quorvane::MainWindowServices{messages, busy, file_dialogs, web, urls, colour_picker,
                                     quorvane::working_data_folder()},
        command_line.file);
    messages.set_parent(&window);
    file_dialogs.set_parent(&window);
    window.show();
    return app.exec();
}
