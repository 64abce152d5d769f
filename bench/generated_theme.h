// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include "model/theme.h"

namespace quorvane {

// A theme of `styles` Elements spread over the six presentations, half polygons and half lines,
// with varied names and colours, as the writer would produce it.
Theme generated_theme(int styles);

// The same theme as file text, in the writer's format.
QByteArray generated_theme_text(int styles);

}  // namespace quorvane
