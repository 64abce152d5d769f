// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>

namespace quorvane {

// Text needs fonts, and fonts a GUI application: one for the whole test program, headless under
// the tests' platform.
inline void ensure_gui_application() {
    static int argc = 1;
    static char name[] = "quorvane_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app =
        QGuiApplication::instance() == nullptr ? new QGuiApplication(argc, argv) : nullptr;
    (void)app;
}

}  // namespace quorvane
