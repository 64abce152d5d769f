// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/busy_cursor.h"

namespace quorvane {

// The busy cursor as an application override cursor. It does not nest: one busy_off ends
// every busy_on.
class QtBusyCursor : public BusyCursor {
  public:
    void busy_on() override;
    void busy_off() override;
};

}  // namespace quorvane
