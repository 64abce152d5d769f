#include <QApplication>

#include "model/theme_document.h"
#include "platform/qt/qt_busy_cursor.h"
#include "platform/qt/qt_colour_picker.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_messages.h"
#include "platform/qt/qt_url_opener.h"
#include "platform/qt/qt_web_request.h"
#include "settings/working_data.h"
#include "ui/application_icon.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setWindowIcon(quorvane::application_icon());
    // Lets the desktop match the window to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));

    // The command line as one text: the path of a theme to open, perhaps in quotes.
    const QString command_line = QApplication::arguments().mid(1).join(QLatin1Char(' '));

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
        command_line);
    messages.set_parent(&window);
    file_dialogs.set_parent(&window);
    window.show();
    return app.exec();
}
