#pragma once

class QWidget;

namespace quorvane {

struct Theme;
class Messages;
class BusyCursor;

// Opens the style editor on Element `edit_index` of the theme, centred on the screen, and waits
// until it closes. True when "Apply" ran: the caller then redraws the preview. An index that
// names no Element opens nothing and gives false.
bool edit_style(QWidget* parent, Theme& theme, int edit_index, Messages& messages,
                BusyCursor& busy);

}  // namespace quorvane
