// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quorvane {

class PreviewCanvas;

// Makes assistive technology see the preview canvas as a list with one item per tile: its name
// is the tile's label, its description the presentation and the kind of style. Installing more
// than once does nothing.
void install_preview_accessibility();

// Tells assistive technology that tile k became current, while the canvas has the focus.
void announce_current_tile(PreviewCanvas& canvas, int k);

}  // namespace quorvane
