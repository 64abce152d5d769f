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

// The text ../shared/bench/make-big-theme.py writes for `styles` styles, byte for byte: every
// style with its own field name and varied colours, spread over the six presentations.
QByteArray big_theme_text(int styles);

// Writes `text` to a file at `path`; false when it cannot.
bool write_file(const QString& path, const QByteArray& text);

}  // namespace quorvane
