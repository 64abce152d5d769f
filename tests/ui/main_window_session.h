// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtTest>
#include <memory>

#include "model/theme_document.h"
#include "support/scripted_colour_picker.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_messages.h"
#include "support/scripted_web.h"
#include "ui/main_window.h"
#include "ui/preview_canvas.h"
#include "ui/preview_pane.h"

namespace quorvane {

// One main window over a fresh theme, with every question, dialog and web answer scripted.
struct MainWindowSession {
    ThemeDocument document;
    ScriptedMessages messages;
    CountingBusyCursor busy;
    ScriptedFileDialogs dialogs;
    ScriptedWebRequest web;
    RecordingUrlOpener urls;
    ScriptedColourPicker colour_picker;
    std::unique_ptr<MainWindow> window;

    explicit MainWindowSession(const QString& folder, const QString& command_line = QString(),
                               const QByteArray& update_page = {})
        : web(update_page) {
        window = std::make_unique<MainWindow>(
            document, MainWindowServices{messages, busy, dialogs, web, urls, colour_picker, folder},
            command_line);
    }
    bool show() {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    PreviewCanvas* canvas() const { return window->preview().canvas(); }
    const Theme& theme() const { return document.theme(); }
};

}  // namespace quorvane
