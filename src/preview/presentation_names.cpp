// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/presentation_names.h"

#include <algorithm>

#include "text/ascii_text.h"

namespace quorvane {

std::vector<PresentationBand> presentation_bands(const Theme& theme, const PreviewLayout& layout) {
    std::vector<PresentationBand> bands;
    const int row_height = layout.tiles.tile_height + layout.tiles.label_height;
    QStringView previous;
    for (const PreviewRow& row : layout.rows) {
        const int element = layout.element_of(row.first);
        if (row.count == 0 || element >= theme.element_count()) {
            continue;
        }
        // A new presentation always starts a new row, so the row's first tile tells whose it is.
        const QStringView name = space_trimmed_view(theme.elements[size_t(element)].presentation);
        if (bands.empty() || name != previous) {
            bands.push_back(PresentationBand{name.toString(), row.top, row.top + row_height});
        }
        previous = name;
        bands.back().bottom = row.top + row_height;
    }
    return bands;
}

int name_margin_width(const TileTemplate& tiles) {
    return column_left(tiles, 0) - 20;
}

qint64 name_top(const PresentationBand& band, int length, qint64 shown_top) {
    const qint64 lowest = std::max(band.bottom - length, band.top);
    return std::clamp<qint64>(shown_top + kNameGap, band.top, lowest);
}

}  // namespace quorvane
