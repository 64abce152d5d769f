#include "ui/preview_canvas.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "geometry/twips.h"
#include "preview/preview_painter.h"

namespace quorvane {

namespace {

// The first dropped item that is a local file, or an empty text.
QString first_local_file(const QMimeData* mime) {
    if (mime == nullptr || !mime->hasUrls() || mime->urls().isEmpty()) {
        return QString();
    }
    return mime->urls().first().toLocalFile();
}

}  // namespace

PreviewCanvas::PreviewCanvas(const Theme& theme, const PreviewLayout& layout, QWidget* viewport)
    : QWidget(viewport), theme_(theme), layout_(layout) {
    setObjectName(QStringLiteral("preview_canvas"));
    setMouseTracking(true);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
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

void PreviewCanvas::set_framed_tile(int k) {
    framed_tile_ = k;
    update();
}

int PreviewCanvas::tile_at(QPoint widget_point) const {
    const QPoint canvas = widget_point + scrolled();
    // The middle of the pixel, in twips.
    const int k = layout_.tile_at(QPoint(canvas.x() * kTwipsPerPixel + kTwipsPerPixel / 2,
                                         canvas.y() * kTwipsPerPixel + kTwipsPerPixel / 2));
    return k < theme_.element_count() ? k : -1;
}

QRect PreviewCanvas::tile_rect(int k) const {
    return to_pixels(layout_.tile_rect(k)).translated(-scrolled());
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
    const QRect area = event->rect().translated(scrolled());
    paint_preview(painter, theme_, layout_, area, framed_tile_);
}

void PreviewCanvas::mousePressEvent(QMouseEvent* event) {
    const int k = tile_at(event->position().toPoint());
    if (k >= 0) {
        emit tile_pressed(k);
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
