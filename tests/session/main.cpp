// SPDX-License-Identifier: GPL-3.0-or-later
// The session tests need an application for their timers and the file watcher, but no screen.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
