// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette_grid.h"
#include "colour/colour_values.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "ui/widget_placement.h"

namespace quorvane {

PaletteGrid::PaletteGrid(QWidget* parent) : QWidget(parent), cells_(device_palette()) {
    setObjectName(QStringLiteral("palette_grid"));
}

QRect PaletteGrid::cell_pixels(int index) const {
    // Cell places are in twips inside the frame; the grid itself stands at the frame's pixels.
    const QPoint origin = to_pixels(palette_grid_rect()).topLeft();
    return to_pixels(palette_cell_rect(index)).translated(-origin);
}

int PaletteGrid::cell_at(QPoint pixel) const {
    // Hit-test against the painted rectangles, so a click always takes the colour it is on.
    for (int index = 0; index < kPaletteCellCount; ++index) {
        if (cell_pixels(index).contains(pixel)) {
            return index;
        }
    }
    return -1;
}

bool PaletteGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = cell_at(help->pos());
        if (index >= 0 && !cells_[index].tool_tip.isEmpty()) {
            QToolTip::showText(help->globalPos(), cells_[index].tool_tip, this, cell_pixels(index));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void PaletteGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int index = 0; index < kPaletteCellCount; ++index) {
        painter.fillRect(cell_pixels(index), to_qcolor(cells_[index].colour));
    }
}

void PaletteGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const int index = cell_at(event->position().toPoint());
    if (index >= 0) {
        emit cell_pressed(index);
    }
}

}  // namespace quorvane
