#include "ui/edit_style.h"

#include "model/theme.h"
#include "ui/centre_on_screen.h"
#include "ui/style_editor.h"

namespace quorvane {

bool edit_style(QWidget* parent, Theme& theme, int edit_index, Messages& messages,
                BusyCursor& busy) {
    if (edit_index < 0 || edit_index >= theme.element_count()) {
        return false;
    }
    StyleEditor editor(theme, edit_index, messages, busy, parent);
    centre_on_screen(editor);
    editor.exec();
    return editor.applied();
}

}  // namespace quorvane
