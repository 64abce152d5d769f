// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace quorvane {

class ThemeDocument;
class Messages;
class BusyCursor;
class ColourPicker;

// Opens the style editor on Element `index`, with the colours the theme uses as swatches,
// centred on the screen, and waits until it closes; Apply hands the edited style to the document.
// An index that names no Element opens nothing. Returns whether Apply ran.
bool edit_style(QWidget* parent, ThemeDocument& document, int index, Messages& messages,
                BusyCursor& busy, ColourPicker& colour_picker);

}  // namespace quorvane
