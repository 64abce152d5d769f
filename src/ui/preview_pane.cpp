// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/preview_pane.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>

#include "geometry/rounding.h"
#include "geometry/twips.h"
#include "model/element_filter.h"
#include "preview/preview_painter.h"
#include "preview/scroll_steps.h"
#include "preview/zoom.h"
#include "ui/preview_canvas.h"

namespace quorvane {

namespace {

const QColor kDayViewportColour(224, 224, 224);
const QColor kNightViewportColour(70, 70, 78);

// How far below the viewport's top a tile brought into view has its frame, in window twips.
constexpr int kShownTileMargin = 60;

// One notch of a mouse wheel.
constexpr int kWheelNotch = 120;

void set_background(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
}

}  // namespace

PreviewPane::PreviewPane(const Theme& theme, QWidget* area) : QObject(area), theme_(theme) {
    viewport_ = new QWidget(area);
    viewport_->setObjectName(QStringLiteral("preview_viewport"));
    set_background(*viewport_, kDayViewportColour);
    viewport_->setAutoFillBackground(true);

    canvas_ = new PreviewCanvas(theme_, layout_, viewport_);
    scroll_bar_ = new QScrollBar(Qt::Vertical, area);
    scroll_bar_->setObjectName(QStringLiteral("preview_scroll_bar"));
    scroll_bar_->setAccessibleName(tr("Scroll the preview"));
    scroll_bar_->setRange(0, 32767);
    // Clicked or tabbed to, the bar takes Page Up, Page Down, Home, End and the arrow keys.
    scroll_bar_->setFocusPolicy(Qt::StrongFocus);
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
    connect(canvas_, &PreviewCanvas::wheel_turned, this, &PreviewPane::wheel_turned);
    update_look();
    place_widgets();
}

bool PreviewPane::hiding_others() const {
    // A filter that has not caught up with the theme yet shows everything.
    return hide_others_ && filter_ != nullptr && filter_->active() &&
           filter_->matches().size() == size_t(theme_.element_count());
}

void PreviewPane::update_look() {
    const bool fading = filter_ != nullptr && filter_->active() && !hide_others_ &&
                        filter_->matches().size() == size_t(theme_.element_count());
    canvas_->set_look(light_, fading ? &filter_->matches() : nullptr, &bands_);
}

void PreviewPane::relayout(RelayoutReason reason) {
    if (reason != RelayoutReason::WindowResized) {
        canvas_->forget_hovering();
    }
    const PreviewFrame frame = zoomed_frame(geometry_.frame(), zoom_);
    others_hidden_ = hiding_others();
    layout_ = others_hidden_ ? lay_out_preview(theme_, frame, filter_->matching())
                             : lay_out_preview(theme_, frame);
    bands_ = quorvane::presentation_bands(theme_, layout_);
    if (reason == RelayoutReason::ThemeChanged) {
        selection_.follow(theme_.elements);
    }
    geometry_.canvas.setHeight(window_canvas_height(layout_, zoom_));
    if (layout_.scroll) {
        const int viewport_height = geometry_.viewport.height();
        ScrollBarState state = scroll_state();
        state.apply(window_scroll_settings(scroll_steps(layout_.tiles, zoom_, viewport_height),
                                           geometry_.canvas.height(), viewport_height));
        set_scroll_state(state);
    }
    update_look();
    place_widgets();
}

void PreviewPane::fit_to_area(int area_width, int area_height) {
    ScrollBarState state = scroll_state();
    quorvane::fit_to_area(geometry_, state, area_width, area_height);
    layout_.canvas_width = geometry_.canvas.width();
    set_scroll_state(state);
    relayout(RelayoutReason::WindowResized);
}

void PreviewPane::repaint_tiles() {
    canvas_->update();
}

void PreviewPane::clear() {
    layout_.tile_positions.clear();
    layout_.rows.clear();
    layout_.rules.clear();
    layout_.shown_elements.clear();
    bands_.clear();
    canvas_->forget_hovering();
    canvas_->update();
}

void PreviewPane::scroll_to_tile(int k) {
    const int tile = layout_.tile_of(k);
    if (tile < 0 || k >= theme_.element_count()) {
        return;
    }
    const QRect frame = layout_.selection_frame(tile);
    const std::optional<int> value = scroll_value_showing(
        -geometry_.canvas.top(), geometry_.viewport.height(), scroll_bar_->maximum(),
        zoomed(frame.top(), zoom_), zoomed(frame.top() + frame.height(), zoom_), kShownTileMargin);
    if (value) {
        scroll_to_value(*value);
    }
}

void PreviewPane::set_light(PreviewLight light) {
    const bool changed = light != light_;
    light_ = light;
    set_background(*viewport_,
                   light == PreviewLight::Night ? kNightViewportColour : kDayViewportColour);
    update_look();
    if (changed) {
        emit light_changed();
    }
}

void PreviewPane::show_proposal(const ColourOperation* proposal) {
    proposal_ = proposal;
    canvas_->set_colours(proposal_, colour_view_);
    emit colours_shown();
}

void PreviewPane::set_colour_view(const ColourView& view) {
    colour_view_ = view;
    canvas_->set_colours(proposal_, colour_view_);
    emit colours_shown();
}

void PreviewPane::set_zoom(int percent) {
    percent = std::clamp(percent, kZoomLevels.front(), kZoomLevels.back());
    // The current tile stays where it is when it shows; else the row at the viewport's top.
    const int current = selection_.current();
    const int framed = current >= 0 ? layout_.tile_of(current) : -1;
    if (framed >= 0) {
        const int top =
            zoomed(layout_.tile_positions[size_t(framed)].y(), zoom_) + geometry_.canvas.top();
        const int height = zoomed(layout_.tiles.tile_height, zoom_);
        if (top + height > 0 && top < geometry_.viewport.height()) {
            zoom_keeping(percent, ZoomAnchor{current, 0}, top);
            return;
        }
    }
    const QPoint shown_top(0, round_half_even(unzoomed(-geometry_.canvas.top(), zoom_)));
    zoom_keeping(percent, zoom_anchor(layout_, shown_top), 0);
}

void PreviewPane::zoom_at(int steps, QPoint viewport_point) {
    const QPointF twips = twips_of(viewport_point);
    const QPoint on_canvas(round_half_even(unzoomed(twips.x() - geometry_.canvas.left(), zoom_)),
                           round_half_even(unzoomed(twips.y() - geometry_.canvas.top(), zoom_)));
    zoom_keeping(zoom_level(zoom_, steps), zoom_anchor(layout_, on_canvas), int(twips.y()));
}

void PreviewPane::zoom_keeping(int percent, const ZoomAnchor& anchor, int viewport_y) {
    if (percent == zoom_) {
        return;
    }
    zoom_ = percent;
    canvas_->set_zoom(zoom_);
    // A canvas that was never scrolled stands a little below the viewport's top; a zoom that
    // keeps the view at the top leaves it there, so zooming back shows the first picture again.
    const bool never_scrolled = geometry_.canvas.top() > 0;
    relayout(RelayoutReason::WindowResized);
    if (const std::optional<int> value =
            scroll_value_keeping(layout_, anchor, zoom_, viewport_y, scroll_bar_->maximum())) {
        if (*value != 0 || !never_scrolled) {
            scroll_to_value(*value);
        }
    }
    emit zoom_changed(zoom_);
}

void PreviewPane::show_filter(const ElementFilter& filter, bool hide_others) {
    filter_ = &filter;
    hide_others_ = hide_others;
    if (others_hidden_ || hiding_others()) {
        relayout(RelayoutReason::WindowResized);
    } else {
        update_look();
    }
}

void PreviewPane::wheel_turned(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        // The scroll bar scrolls its own number of rows a notch.
        QApplication::sendEvent(scroll_bar_, event);
        return;
    }
    event->accept();
    wheel_zoom_delta_ += event->angleDelta().y();
    const int steps = wheel_zoom_delta_ / kWheelNotch;
    wheel_zoom_delta_ %= kWheelNotch;
    if (steps != 0) {
        zoom_at(steps, canvas_->mapTo(viewport_, event->position().toPoint()));
    }
}

void PreviewPane::scroll_to_value(int value) {
    if (scroll_bar_->value() == value) {
        // The canvas may still stand where the layout put it before the first scroll.
        follow_scroll_bar();
    } else {
        scroll_bar_->setValue(value);
    }
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
