// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace quorvane {

class ThemeDocument;
class Messages;
class BusyCursor;
class ColourPicker;

// Opens the style editor on Element `index`, with the colours the theme uses as swatches and its
// samples on the theme's own ground, starting on the night colours when `night` (the view it was
// opened from), and waits until it closes; Apply hands the edited style to the document. An
// index that names no Element opens nothing. Returns whether Apply ran.
bool edit_style(QWidget* parent, ThemeDocument& document, int index, bool night, Messages& messages,
                BusyCursor& busy, ColourPicker& colour_picker);

}  // namespace quorvane
