// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_colour_picker.h"

#include <QApplication>
#include <QColorDialog>

namespace quorvane {

std::optional<QColor> QtColourPicker::pick_colour(const QColor& initial) {
    // Over the modal window that asked, so it neither hides behind it nor lets it be used.
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) {
        parent = QApplication::activeWindow();
    }
    const QColor chosen = QColorDialog::getColor(
        initial, parent, QCoreApplication::translate("QtColourPicker", "Colour"),
        QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

}  // namespace quorvane
