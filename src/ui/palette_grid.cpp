// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette_grid.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "colour/colour_values.h"
#include "style_editor/palette_geometry.h"

namespace quorvane {

namespace {

// A cell as large as a line of text reads well; never below what a pointer can hit.
constexpr double kCellsPerLine = 0.9;
constexpr int kSmallestCell = 10;

}  // namespace

PaletteGrid::PaletteGrid(QWidget* parent) : QWidget(parent), cells_(device_palette()) {
    setObjectName(QStringLiteral("palette_grid"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

int PaletteGrid::cell_size() const {
    return palette_cell_size_for(size());
}

QPoint PaletteGrid::grid_origin() const {
    return QPoint((width() - palette_grid_size(cell_size()).width()) / 2, 0);
}

QRect PaletteGrid::cell_pixels(int index) const {
    return palette_cell_rect(index, cell_size()).translated(grid_origin());
}

int PaletteGrid::cell_at(QPoint pixel) const {
    return palette_cell_at(pixel - grid_origin(), cell_size());
}

void PaletteGrid::set_marked_cell(int index) {
    if (index != marked_) {
        marked_ = index;
        update();
    }
}

QSize PaletteGrid::sizeHint() const {
    return palette_grid_size(std::max(kSmallestCell, int(fontMetrics().height() * kCellsPerLine)));
}

QSize PaletteGrid::minimumSizeHint() const {
    return palette_grid_size(kSmallestCell);
}

bool PaletteGrid::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = cell_at(help->pos());
        if (index >= 0 && !cells_[size_t(index)].tool_tip.isEmpty()) {
            QToolTip::showText(help->globalPos(), cells_[size_t(index)].tool_tip, this,
                               cell_pixels(index));
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
        painter.fillRect(cell_pixels(index), to_qcolor(cells_[size_t(index)].colour));
    }
    if (marked_ >= 0) {
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(QRectF(cell_pixels(marked_)).adjusted(1, 1, -1, -1));
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
