// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "model/copied_style.h"
#include "model/theme.h"
#include "model/theme_document.h"
#include "preview/tile_selection.h"

namespace quorvane {

// Which commands on tiles can apply now, for the Edit menu and the tiles' menu.
struct TileCommandStates {
    bool edit_style = false;       // there is a current tile
    bool copy_style = false;       // there is a current tile
    bool paste_style = false;      // a copied style and a selected tile of its kind
    bool apply_to_all = false;     // the current tile's feature is in another presentation too
    bool delete_elements = false;  // a tile is selected
    bool select_all = false;       // there is a tile

    friend bool operator==(const TileCommandStates&, const TileCommandStates&) = default;
};

// `copied` is the style the clipboard holds, if it holds one.
TileCommandStates tile_command_states(const Theme& theme, const TileSelection& selection,
                                      const std::optional<CopiedStyle>& copied);

// What the status bar says after a paste: "Style pasted: 3 changed, 2 lines skipped".
QString paste_report(const PasteCounts& counts, const CopiedStyle& copied);

}  // namespace quorvane
