// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "text/message_list.h"

namespace quorvane {

// The six presentations of the theme format, by rank 0 to 5.
const QStringList& presentation_names();

// The rank of the presentation named in `presentation`, found by the words it holds (spaces and
// letter case as given); nothing when it holds none of the six presentation words.
std::optional<int> presentation_rank(const QString& presentation);

// The sort code of an Element: rank of the presentation named in `presentation` times ten, plus
// one when `border` is not empty (a line). A name that holds none of the six presentation words
// is reported in `messages` and ranks 0.
int presentation_code(const QString& presentation, const QString& border, MessageList& messages);

// The tens part of a sort code: the presentation's rank.
inline int rank_of(int sort_code) {
    return (sort_code - sort_code % 10) / 10;
}

}  // namespace quorvane
