// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "model/theme.h"
#include "preview/preview_layout.h"

namespace quorvane {

// The rows of one run of a presentation on the canvas, in layout twips: its name is drawn in the
// margin left of them.
struct PresentationBand {
    QString name;       // without the spaces around it
    qint64 top = 0;     // the first row's tile top
    qint64 bottom = 0;  // the last row's label bottom
    friend bool operator==(const PresentationBand&, const PresentationBand&) = default;
};

// Every run of rows that shows one presentation, top to bottom; a presentation that comes back
// after another gets a band of its own, as it gets a rule of its own.
std::vector<PresentationBand> presentation_bands(const Theme& theme, const PreviewLayout& layout);

// The margin where the names stand: from the canvas's left edge to just before the selection
// frame of the first column, in layout twips.
int name_margin_width(const TileTemplate& tiles);

// How far below the top of the shown part of the canvas a name keeps, in twips.
inline constexpr int kNameGap = 60;

// Where a name `length` twips long starts, reading downwards: at its band's top, or, once the
// band's top has scrolled out of sight, `kNameGap` below the top of what is shown
// (`shown_top`), so that it stays in view while its rows do; never so low that it runs past the
// band's bottom, and never above the band's top.
qint64 name_top(const PresentationBand& band, int length, qint64 shown_top);

}  // namespace quorvane
