// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace quorvane {

// Acts on the next modal dialog of type Dialog once exec() shows it, then closes it if the action
// left it open, so a test never hangs on it. The watch ends when the returned timer is dropped:
// keep it for as long as the test runs, so it never outlives what the action refers to.
template <typename Dialog>
[[nodiscard]] std::unique_ptr<QTimer> when_modal(std::function<void(Dialog&)> act) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(10);
    QTimer* watch = timer.get();
    QObject::connect(watch, &QTimer::timeout, [watch, act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        watch->stop();
        act(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    timer->start();
    return timer;
}

}  // namespace quorvane
