// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvane {

// The screen-wide hourglass cursor shown during long operations. The calls do not nest: one
// busy_off ends every earlier busy_on.
class BusyCursor {
  public:
    virtual ~BusyCursor() = default;
    virtual void busy_on() = 0;
    virtual void busy_off() = 0;
};

// For callers with nothing to show, such as the command-line tool.
class NoBusyCursor : public BusyCursor {
  public:
    void busy_on() override {}
    void busy_off() override {}
};

}  // namespace quorvane
