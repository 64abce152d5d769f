// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preview_canvas.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <optional>

#include <cmath>

#include "geometry/twips.h"
#include "preview/preview_painter.h"
#include "preview/tile_selection.h"
#include "preview/zoom.h"
#include "ui/preview_accessibility.h"

namespace quorvane {

namespace {

// The first dropped item that is a local file, or an empty text.
QString first_local_file(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls() || mime->urls().isEmpty()) {
        return QString();
    }
    return mime->urls().first().toLocalFile();
}

// The step a key takes the current tile, if it is one of the moving keys.
std::optional<TileStep> step_of_key(int key) {
    switch (key) {
        case Qt::Key_Left:
            return TileStep::Left;
        case Qt::Key_Right:
            return TileStep::Right;
        case Qt::Key_Up:
            return TileStep::Up;
        case Qt::Key_Down:
            return TileStep::Down;
        case Qt::Key_PageUp:
            return TileStep::PageUp;
        case Qt::Key_PageDown:
            return TileStep::PageDown;
        case Qt::Key_Home:
            return TileStep::First;
        case Qt::Key_End:
            return TileStep::Last;
        default:
            return std::nullopt;
    }
}

}  // namespace

PreviewCanvas::PreviewCanvas(const Theme& theme, const PreviewLayout& layout, QWidget* viewport)
    : QWidget(viewport), theme_(theme), layout_(layout) {
    setObjectName(QStringLiteral("preview_canvas"));
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Tab and a click give it the keyboard.
    setFocusPolicy(Qt::StrongFocus);
    // Before the name: naming a widget makes the accessibility layer build and keep the
    // interface it has for it then, and only the installed one shows the tiles.
    install_preview_accessibility();
    setAccessibleName(tr("Preview"));
    setAccessibleDescription(tr("The theme's styles, one tile each"));
}

void PreviewCanvas::place(QPoint origin, QSize size) {
    origin_ = origin;
    const QRect visible = QRect(origin, size).intersected(parentWidget()->rect());
    if (visible.isEmpty()) {
        hide();
        return;
    }
    setGeometry(visible);
    show();
    update();
}

void PreviewCanvas::set_selection(const TileSelection* selection) {
    selection_ = selection;
    update();
}

void PreviewCanvas::set_look(PreviewLight light, const std::vector<bool>* matching,
                             const std::vector<PresentationBand>* bands) {
    look_.light = light;
    look_.matching = matching;
    look_.bands = bands;
    update();
}

void PreviewCanvas::set_colours(const ColourOperation* proposal, const ColourView& view) {
    look_.proposal = proposal;
    look_.colours = view;
    update();
}

void PreviewCanvas::set_zoom(int percent) {
    zoom_ = percent;
    update();
}

int PreviewCanvas::tile_at(QPoint widget_point) const {
    const QPoint canvas = widget_point + scrolled();
    // The middle of the pixel, in layout twips.
    const QPointF twips = twips_of(canvas);
    const int tile =
        layout_.tile_at(QPoint(int(unzoomed(twips.x(), zoom_)), int(unzoomed(twips.y(), zoom_))));
    const int k = tile < 0 ? -1 : layout_.element_of(tile);
    return k < theme_.element_count() ? k : -1;
}

QRect PreviewCanvas::tile_rect(int k) const {
    const int tile = layout_.tile_of(k);
    if (tile < 0) {
        return QRect();
    }
    const QRect r = layout_.tile_rect(tile);
    const double z = zoom_ / 100.0;
    return to_pixels(QRectF(r.x() * z, r.y() * z, r.width() * z, r.height() * z))
        .translated(-scrolled());
}

bool PreviewCanvas::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int k = tile_at(help->pos());
        if (k < 0) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        // Moving over a tile replaces its tool tip by the Element's presentation.
        const QString text =
            hovered_.contains(k) ? theme_.elements[size_t(k)].presentation : kTileToolTip;
        QToolTip::showText(help->globalPos(), text, this, tile_rect(k));
        return true;
    }
    return QWidget::event(event);
}

void PreviewCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.translate(-scrolled());
    QRect area = event->rect().translated(scrolled());
    PreviewLook look = look_;
    look.shown_top = int(unzoomed(pixels_to_twips(scrolled().y()), zoom_));
    if (zoom_ != kActualSize) {
        // The painter draws canvas pixels at 100% enlarged or shrunk; the area is widened to
        // whole pixels of that canvas.
        const double z = zoom_ / 100.0;
        painter.scale(z, z);
        area = QRect(QPoint(int(std::floor(area.left() / z)), int(std::floor(area.top() / z))),
                     QPoint(int(std::ceil((area.right() + 1) / z)),
                            int(std::ceil((area.bottom() + 1) / z))));
    }
    const int current = selection_ != nullptr ? selection_->current() : -1;
    paint_preview(painter, theme_, layout_, area, TileMarks{selection_, hasFocus() ? current : -1},
                  look);
    if (hasFocus() && current < 0) {
        // No tile to show the focus on: the canvas itself shows it.
        painter.resetTransform();
        painter.setPen(
            QPen(look.light == PreviewLight::Night ? kNightLabelColour : QColor(Qt::black), 0,
                 Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PreviewCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit tile_pressed(tile_at(event->position().toPoint()), event->modifiers());
    }
}

void PreviewCanvas::keyPressEvent(QKeyEvent* event) {
    const int current = selection_ != nullptr ? selection_->current() : -1;
    if (const std::optional<TileStep> step = step_of_key(event->key())) {
        emit step_pressed(*step, event->modifiers());
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && current >= 0) {
        emit tile_activated(current);
    } else if (event->key() == Qt::Key_Space && event->modifiers() == Qt::ControlModifier) {
        emit toggle_pressed();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void PreviewCanvas::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PreviewCanvas::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PreviewCanvas::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        const int k = tile_at(event->pos());
        if (k >= 0) {
            emit context_menu_requested(k, event->globalPos());
        }
        return;
    }
    // The Menu key: the menu opens on the current tile.
    const int current = selection_ != nullptr ? selection_->current() : -1;
    if (current >= 0 && current < theme_.element_count()) {
        const QRect tile = tile_rect(current).intersected(rect());
        const QPoint at = tile.isEmpty() ? rect().center() : tile.center();
        emit context_menu_requested(current, mapToGlobal(at));
    }
}

void PreviewCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    const int k = tile_at(event->position().toPoint());
    if (k >= 0) {
        emit tile_double_clicked(k);
    }
}

void PreviewCanvas::mouseMoveEvent(QMouseEvent* event) {
    const int k = tile_at(event->position().toPoint());
    if (k >= 0) {
        hovered_.insert(k);
    }
}

void PreviewCanvas::wheelEvent(QWheelEvent* event) {
    emit wheel_turned(event);
}

void PreviewCanvas::dragEnterEvent(QDragEnterEvent* event) {
    if (!first_local_file(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void PreviewCanvas::dragMoveEvent(QDragMoveEvent* event) {
    if (!first_local_file(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void PreviewCanvas::dropEvent(QDropEvent* event) {
    const QString path = first_local_file(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    emit file_dropped(path);
}

}  // namespace quorvane
