// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "model/theme.h"

namespace quorvane {

// Which styles a batch edit works on: those that meet every condition given (all of them when
// none is).
class StyleQuery {
  public:
    // Adds one condition:
    //   feature=GLOB       the field name or the catalogue name (MAP_ and _CLR left off) matches
    //   presentation=GLOB  the presentation's name matches
    //   kind=line|polygon
    //   colour=#RRGGBB     one of the four colours has this value
    // Globs take * ? and [...], letters in either case. Returns why a condition cannot be
    // understood, or an empty text.
    QString add(const QString& condition);

    bool matches(const Element& e) const;
    // The numbers of the matching Elements, in theme order.
    std::vector<int> matching(const Theme& theme) const;

  private:
    std::vector<std::function<bool(const Element&)>> conditions_;
};

}  // namespace quorvane
