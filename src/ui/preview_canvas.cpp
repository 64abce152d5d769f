#include "ui/preview_canvas.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <cmath>

#include "geometry/twips.h"
#include "preview/preview_painter.h"
#include "preview/zoom.h"

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

void PreviewCanvas::set_look(PreviewLight light, const std::vector<bool>* matching,
                             const std::vector<PresentationBand>* bands) {
    look_.light = light;
    look_.matching = matching;
    look_.bands = bands;
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
    paint_preview(painter, theme_, layout_, area, framed_tile_, look);
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
