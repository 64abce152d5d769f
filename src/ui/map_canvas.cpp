// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/map_canvas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include "map/map_data.h"

namespace quorvane {

namespace {

// How long after the last zoom step the picture gets its smooth edges back.
constexpr int kSmoothingDelayMs = 150;
// A smooth picture that took longer than this to draw is drawn first without smooth edges
// when the styles change, so that an edit shows within a frame on large map data.
constexpr qint64 kSmoothFrameBudgetMs = 12;
// Zoom levels (each doubles the scale) per notch of the wheel, and per key press.
constexpr double kLevelsPerNotch = 0.5;
constexpr double kLevelsPerKey = 1;
constexpr double kWheelNotch = 120;
// An arrow key moves the map by this share of the view.
constexpr int kArrowStepShare = 8;
// The share of the view kept free round the map when it is shown whole.
constexpr double kFitMargin = 0.03;

}  // namespace

MapCanvas::MapCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("map_canvas"));
    setAccessibleName(tr("Map"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::OpenHandCursor);
    view_.size = size();
    smoothing_ = new QTimer(this);
    smoothing_->setSingleShot(true);
    smoothing_->setInterval(kSmoothingDelayMs);
    connect(smoothing_, &QTimer::timeout, this, [this] {
        drafting_ = false;
        update();
    });
}

QSize MapCanvas::sizeHint() const {
    return {480, 360};
}

QSize MapCanvas::minimumSizeHint() const {
    return {160, 120};
}

void MapCanvas::set_map(std::shared_ptr<const MapData> map, std::optional<MapView> view) {
    map_ = std::move(map);
    picture_.invalidate();
    if (view.has_value()) {
        view_ = *view;
        view_.size = size();
        fitted_ = true;
        update();
        emit view_changed();
    } else {
        fit();
    }
}

void MapCanvas::set_styles(const MapStyles& styles) {
    styles_ = styles;
    picture_.invalidate();
    if (slow_smooth_picture_) {
        drafting_ = true;
        smoothing_->start();
    }
    update();
}

void MapCanvas::set_show_unstyled(bool show) {
    if (options_.show_unstyled != show) {
        options_.show_unstyled = show;
        picture_.invalidate();
        update();
    }
}

void MapCanvas::set_view(const MapView& view) {
    MapView sized = view;
    sized.size = size();
    fitted_ = true;
    show_view(sized, false);
}

void MapCanvas::fit() {
    if (map_ == nullptr) {
        return;
    }
    // A canvas not shown yet has no real size: it fits again once it has one.
    fitted_ = isVisible();
    show_view(MapView::fitting(map_->bounds(), size(), kFitMargin), false);
}

void MapCanvas::zoom_by(double levels, QPointF anchor) {
    show_view(view_.zoomed_to(view_.zoom_level() + levels, anchor), true);
}

void MapCanvas::zoom_by(double levels) {
    zoom_by(levels, QPointF(width() / 2.0, height() / 2.0));
}

void MapCanvas::pan_by(QPoint pixels) {
    show_view(view_.panned_by(pixels), false);
}

void MapCanvas::show_view(const MapView& view, bool zooming) {
    if (view == view_) {
        return;
    }
    view_ = view;
    if (zooming) {
        drafting_ = true;
        smoothing_->start();
    }
    update();
    emit view_changed();
}

MapPick MapCanvas::pick_at(QPointF pixel) const {
    if (map_ == nullptr || styles_.features.empty()) {
        return {};
    }
    return pick_map_feature(*map_, styles_, view_, pixel, options_);
}

bool MapCanvas::handles_key(const QKeyEvent& key) const {
    switch (key.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_Plus:
        case Qt::Key_Minus:
        case Qt::Key_Equal:
            return (key.modifiers() &
                    ~(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
        default:
            return key.matches(QKeySequence::ZoomIn) || key.matches(QKeySequence::ZoomOut);
    }
}

bool MapCanvas::event(QEvent* event) {
    // The window's Zoom In and Zoom Out keys are the preview's; while the map has the focus,
    // they zoom the map.
    if (event->type() == QEvent::ShortcutOverride && handles_key(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void MapCanvas::keyPressEvent(QKeyEvent* event) {
    if (!handles_key(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int across = std::max(1, width() / kArrowStepShare);
    const int down = std::max(1, height() / kArrowStepShare);
    if (event->matches(QKeySequence::ZoomIn)) {
        zoom_by(kLevelsPerKey);
        return;
    }
    if (event->matches(QKeySequence::ZoomOut)) {
        zoom_by(-kLevelsPerKey);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            pan_by(QPoint(across, 0));
            break;
        case Qt::Key_Right:
            pan_by(QPoint(-across, 0));
            break;
        case Qt::Key_Up:
            pan_by(QPoint(0, down));
            break;
        case Qt::Key_Down:
            pan_by(QPoint(0, -down));
            break;
        case Qt::Key_Home:
            fit();
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            zoom_by(kLevelsPerKey);
            break;
        default:
            zoom_by(-kLevelsPerKey);
            break;
    }
}

void MapCanvas::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (map_ == nullptr || styles_.features.empty()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    MapDrawOptions options = options_;
    options.smooth_edges = !drafting_;
    QElapsedTimer drawing;
    drawing.start();
    const QRegion drawn = picture_.update(*map_, styles_, view_, options, devicePixelRatioF());
    if (options.smooth_edges && drawn == QRegion(rect())) {
        slow_smooth_picture_ = drawing.elapsed() > kSmoothFrameBudgetMs;
    }
    painter.drawImage(QPoint(0, 0), picture_.image());
}

void MapCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!fitted_ && isVisible() && map_ != nullptr) {
        fit();
        return;
    }
    MapView resized = view_;
    resized.size = size();
    show_view(resized, false);
}

void MapCanvas::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!fitted_ && map_ != nullptr) {
        fit();
    }
}

void MapCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressed_at_ = event->position().toPoint();
    dragged_to_ = *pressed_at_;
    dragging_ = false;
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (!pressed_at_.has_value() || !(event->buttons() & Qt::LeftButton)) {
        emit hovered(pick_at(at));
        return;
    }
    if (!dragging_ && (at - *pressed_at_).manhattanLength() >= QApplication::startDragDistance()) {
        dragging_ = true;
        setCursor(Qt::ClosedHandCursor);
    }
    if (dragging_) {
        pan_by(at - dragged_to_);
        dragged_to_ = at;
    }
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_at_.has_value()) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool clicked_here = !dragging_;
    pressed_at_.reset();
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
    if (clicked_here) {
        emit clicked(pick_at(event->position()));
    }
}

void MapCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit double_clicked(pick_at(event->position()));
    }
}

void MapCanvas::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    zoom_by(delta / kWheelNotch * kLevelsPerNotch, event->position());
    emit hovered(pick_at(event->position()));
}

void MapCanvas::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit hovered(MapPick{});
}

}  // namespace quorvane
