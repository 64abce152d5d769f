#include "ui/preview_pane.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include "geometry/rounding.h"
#include "geometry/twips.h"
#include "preview/preview_painter.h"
#include "ui/preview_canvas.h"

namespace quorvane {

PreviewPane::PreviewPane(const Theme& theme, QWidget* window_client)
    : QObject(window_client), theme_(theme) {
    viewport_ = new QWidget(window_client);
    viewport_->setObjectName(QStringLiteral("preview_viewport"));
    QPalette grey = viewport_->palette();
    grey.setColor(QPalette::Window, QColor(224, 224, 224));
    viewport_->setPalette(grey);
    viewport_->setAutoFillBackground(true);

    canvas_ = new PreviewCanvas(theme_, layout_, viewport_);
    scroll_bar_ = new QScrollBar(Qt::Vertical, window_client);
    scroll_bar_->setObjectName(QStringLiteral("preview_scroll_bar"));
    scroll_bar_->setAccessibleName(QStringLiteral("Scroll the preview"));
    scroll_bar_->setRange(0, 32767);
    scroll_bar_->raise();

    // The canvas has its design size until the first resize.
    layout_.canvas_width = geometry_.canvas.width();
    layout_.canvas_height = geometry_.canvas.height();

    connect(scroll_bar_, &QScrollBar::valueChanged, this, &PreviewPane::follow_scroll_bar);
    canvas_->set_selection(&selection_);
    connect(canvas_, &PreviewCanvas::tile_pressed, this, &PreviewPane::press_tile);
    connect(canvas_, &PreviewCanvas::tile_double_clicked, this, &PreviewPane::tile_double_clicked);
    connect(canvas_, &PreviewCanvas::step_pressed, this, &PreviewPane::step);
    connect(canvas_, &PreviewCanvas::toggle_pressed, this, &PreviewPane::toggle_current);
    connect(canvas_, &PreviewCanvas::tile_activated, this, &PreviewPane::tile_activated);
    connect(canvas_, &PreviewCanvas::context_menu_requested, this, &PreviewPane::ask_tile_menu);
    connect(canvas_, &PreviewCanvas::file_dropped, this, &PreviewPane::file_dropped);
    connect(canvas_, &PreviewCanvas::wheel_turned, this,
            [this](QWheelEvent* event) { QApplication::sendEvent(scroll_bar_, event); });
    place_widgets();
}

void PreviewPane::relayout(RelayoutReason reason) {
    if (reason != RelayoutReason::WindowResized) {
        canvas_->forget_hovering();
    }
    layout_ = lay_out_preview(theme_, geometry_.frame());
    if (reason == RelayoutReason::ThemeChanged) {
        selection_.follow(theme_.elements);
    }
    geometry_.canvas.setHeight(layout_.canvas_height);
    if (layout_.scroll) {
        ScrollBarState state = scroll_state();
        state.apply(*layout_.scroll);
        set_scroll_state(state);
    }
    place_widgets();
}

void PreviewPane::fit_to_window(int client_width, int client_height) {
    ScrollBarState state = scroll_state();
    quorvane::fit_to_window(geometry_, state, client_width, client_height);
    layout_.canvas_width = geometry_.canvas.width();
    set_scroll_state(state);
    relayout(RelayoutReason::WindowResized);
}

void PreviewPane::clear() {
    layout_.tile_positions.clear();
    layout_.rows.clear();
    layout_.rules.clear();
    canvas_->forget_hovering();
    canvas_->update();
}

void PreviewPane::scroll_to_tile(int k) {
    if (k < 0 || k >= layout_.tile_count() || geometry_.canvas.height() <= 0) {
        return;
    }
    const double top = layout_.tile_positions[size_t(k)].y();
    scroll_bar_->setValue(
        round_half_even(top / geometry_.canvas.height() * scroll_bar_->maximum()));
}

void PreviewPane::follow_scroll_bar() {
    geometry_.canvas.moveTop(-scroll_offset(geometry_.viewport.height(), geometry_.canvas.height(),
                                            scroll_bar_->value(), scroll_bar_->maximum()));
    place_widgets();
}

void PreviewPane::place_widgets() {
    viewport_->setGeometry(to_pixels(geometry_.viewport));
    scroll_bar_->setGeometry(to_pixels(geometry_.scroll_bar));
    const QRect canvas = to_pixels(geometry_.canvas);
    canvas_->place(canvas.topLeft(), canvas.size());
}

ScrollBarState PreviewPane::scroll_state() const {
    return ScrollBarState{scroll_bar_->maximum(), scroll_bar_->pageStep(),
                          scroll_bar_->singleStep(), scroll_bar_->value()};
}

void PreviewPane::set_scroll_state(const ScrollBarState& state) {
    scroll_bar_->setMaximum(state.maximum);
    scroll_bar_->setPageStep(state.large_change);
    scroll_bar_->setSingleStep(state.small_change);
    scroll_bar_->setValue(state.value);
}

}  // namespace quorvane
