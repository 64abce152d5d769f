// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace quorvane {

// The program's icon, a map tile with water, woods and a bordered road, painted at the given
// side in pixels. data/io.github.quorvane.Quorvane.svg draws the same picture.
QImage paint_application_icon(int side);

// The icon at the usual sizes: every window's icon and the About box's picture.
QIcon application_icon();

}  // namespace quorvane
