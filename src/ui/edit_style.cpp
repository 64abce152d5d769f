// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_style.h"

#include "model/theme_document.h"
#include "platform/messages.h"
#include "style_editor/theme_colours.h"
#include "ui/centre_on_screen.h"
#include "ui/style_editor.h"

namespace quorvane {

bool edit_style(QWidget* parent, ThemeDocument& document, int index, Messages& messages,
                BusyCursor& busy, ColourPicker& colour_picker) {
    if (index < 0 || index >= document.theme().element_count()) {
        return false;
    }
    StyleEditor editor(document.theme().elements[size_t(index)], theme_colours(document.theme()),
                       busy, colour_picker, parent);
    centre_on_screen(editor);
    if (editor.exec() != QDialog::Accepted) {
        return false;
    }
    messages.tell_each(
        document.apply_style(index, editor.edited_style(), editor.apply_to_all_presentations()));
    return true;
}

}  // namespace quorvane
