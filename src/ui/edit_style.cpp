// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/edit_style.h"

#include <QEvent>

#include "colour/colour_values.h"
#include "model/theme_document.h"
#include "platform/messages.h"
#include "preview/preview_painter.h"
#include "style_editor/sample_grounds.h"
#include "style_editor/theme_colours.h"
#include "ui/centre_on_screen.h"
#include "ui/style_editor.h"

namespace quorvane {

namespace {

// Closes a dialog as Cancel does when the window it belongs to is closed (hidden) while it is
// open: nothing is applied to a document whose window is gone.
class CancelWhenWindowCloses : public QObject {
  public:
    // The window keeps only a guarded pointer to its filters: this one may live on the stack.
    CancelWhenWindowCloses(QWidget* window, QDialog& dialog) : dialog_(dialog) {
        if (window != nullptr) {
            window->installEventFilter(this);
        }
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // The window system hides a window it minimises: only a hide of our own closes it.
        if (event->type() == QEvent::Hide && !event->spontaneous()) {
            dialog_.reject();
        }
        return false;
    }

  private:
    QDialog& dialog_;
};

}  // namespace

bool edit_style(QWidget* parent, ThemeDocument& document, int index, bool night, Messages& messages,
                BusyCursor& busy, ColourPicker& colour_picker) {
    if (index < 0 || index >= document.theme().element_count()) {
        return false;
    }
    const Theme& theme = document.theme();
    const Element& element = theme.elements[size_t(index)];
    const SampleGrounds canvas{colour_number_of(kCanvasColour),
                               colour_number_of(kNightCanvasColour)};
    StyleEditor editor(element, theme_colours(theme), sample_grounds(theme, element, canvas), night,
                       busy, colour_picker, parent);
    centre_on_screen(editor);
    const CancelWhenWindowCloses cancel(parent != nullptr ? parent->window() : nullptr, editor);
    if (editor.exec() != QDialog::Accepted) {
        return false;
    }
    messages.tell_each(
        document.apply_style(index, editor.edited_style(), editor.apply_to_all_presentations()));
    return true;
}

}  // namespace quorvane
