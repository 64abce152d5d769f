// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <atomic>
#include <functional>

namespace quorvane {

// What a reader of map data tells and asks along the way: how far it is (the share of its
// input read, 0 to 1) and whether the user has cancelled.
struct MapReadControl {
    std::function<void(double done)> progress;
    const std::atomic<bool>* cancel = nullptr;

    bool cancelled() const { return cancel != nullptr && cancel->load(std::memory_order_relaxed); }
};

// Thrown by a reader for data it cannot read whole: the reason, without the file's name.
struct MapReadError {
    QString reason;
};

// Thrown by a reader that saw the cancel flag set.
struct MapReadCancelled {};

}  // namespace quorvane
