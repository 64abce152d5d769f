// SPDX-License-Identifier: GPL-3.0-or-later
#include "style_editor/style_edit_session.h"

#include <algorithm>
#include <utility>

#include "colour/adjustments.h"
#include "colour/colour_values.h"
#include "colour/device_palette.h"
#include "style_editor/sliders.h"
#include "text/ascii_text.h"

namespace quorvane {

namespace {

size_t slot_index(ColourSlot slot) {
    return slot == ColourSlot::Primary ? 1 : 0;
}

SizeView size_view(const QString& text) {
    return {text, read_decimal(text)};
}

}  // namespace

StyleEditSession::StyleEditSession(const Element& element, SampleGrounds grounds, bool night)
    : field_name_(element.field_name),
      presentation_(element.presentation),
      grounds_(grounds),
      scale_(element.scale),
      border_(element.border),
      night_(night) {
    const std::pair<bool, const QString*> read[] = {
        {false, &element.secondary_day},
        {false, &element.primary_day},
        {true, &element.secondary_night},
        {true, &element.primary_night},
    };
    for (size_t k = 0; k < colours_.size(); ++k) {
        const std::optional<int> number = colour_number(*read[k].second);
        colours_[k] = WorkingColour{number.value_or(0), number.has_value(), *read[k].second};
    }
    // A scale that gives the sample no height is drawn as a polygon.
    polygon_ = sample_height(scale_) == 0;
    centre_adjustment();
}

size_t StyleEditSession::index_of(bool night, ColourSlot slot) {
    return (night ? 2 : 0) + slot_index(slot);
}

StyleEditSession::WorkingColour& StyleEditSession::working(bool night, ColourSlot slot) {
    return colours_[index_of(night, slot)];
}

const StyleEditSession::WorkingColour& StyleEditSession::working(bool night,
                                                                 ColourSlot slot) const {
    return colours_[index_of(night, slot)];
}

QString StyleEditSession::shown_text(const WorkingColour& colour) {
    // An empty text and one that is no colour are shown as they are.
    if (colour.read_text && (!colour.reads || colour.read_text->isEmpty())) {
        return *colour.read_text;
    }
    return colour_text(colour.number);
}

QString StyleEditSession::written_text(const WorkingColour& colour) {
    return colour.read_text.value_or(colour_text(colour.number));
}

SlotColourView StyleEditSession::slot_colour_view(bool night, ColourSlot slot) const {
    const WorkingColour& colour = working(night, slot);
    SlotColourView view{colour.number, shown_text(colour), false};
    if (night == night_ && slot == slot_) {
        if (adjusted_) {
            view.colour = *adjusted_;
            view.text = colour_text(*adjusted_);
        }
    }
    if (night == night_ && invalid_box_ == slot) {
        view.text = invalid_text_;
        view.invalid = true;
    }
    return view;
}

// ---- choosing what a pick sets ----------------------------------------------------------------

void StyleEditSession::select_slot(ColourSlot slot) {
    clear_marks();
    centre_adjustment();
    slot_ = polygon_ ? ColourSlot::Primary : slot;
}

void StyleEditSession::select_time(bool night) {
    clear_marks();
    commit_adjustment();
    night_ = night;
    centre_adjustment();
}

void StyleEditSession::click_sample(bool night, SamplePart part) {
    select_time(night);
    if (part != SamplePart::None) {
        select_slot(part == SamplePart::Strip ? ColourSlot::Secondary : ColourSlot::Primary);
    }
}

// ---- picking colours --------------------------------------------------------------------------

void StyleEditSession::set_colour(int colour) {
    clear_marks();
    adjusted_.reset();
    WorkingColour& target = working(night_, slot_);
    target = WorkingColour{colour, true, std::nullopt};
    changed_ = true;
    centre_adjustment();
}

void StyleEditSession::pick_palette_cell(int index) {
    if (index < 0 || index >= kPaletteCellCount) {
        return;
    }
    const int colour = device_palette()[size_t(index)].colour;
    set_colour(colour);
    shades_ = shade_cells(colour);
    marked_shade_cell_ = -1;
    marked_palette_cell_ = shades_->greyed_out ? -1 : index;
}

void StyleEditSession::pick_shade_cell(int k) {
    if (!shades_ || k < 0 || k >= kShadeCellCount) {
        return;
    }
    const int colour = shades_->colours[size_t(k)];
    set_colour(colour);
    shades_ = shade_cells(colour);
    marked_palette_cell_ = -1;
    marked_shade_cell_ = shades_->greyed_out ? -1 : k;
}

void StyleEditSession::pick_spectrum(int colour) {
    set_colour(colour);
    marked_palette_cell_ = -1;
    marked_shade_cell_ = -1;
}

void StyleEditSession::pick_colour(int colour) {
    set_colour(colour);
    shades_ = shade_cells(colour);
    marked_palette_cell_ = -1;
    marked_shade_cell_ = -1;
}

void StyleEditSession::type_colour(ColourSlot box, const QString& text) {
    if (polygon_) {
        box = ColourSlot::Primary;
    }
    const WorkingColour& current = working(night_, box);
    const std::optional<int> colour = typed_colour(text);
    // Leaving a box that shows the colour it had changes nothing, not even its text's letters.
    if (text == shown_text(current) ||
        (colour && current.reads && !written_text(current).isEmpty() &&
         *colour == current.number)) {
        if (invalid_box_ == box) {
            invalid_box_.reset();
        }
        return;
    }
    if (!colour) {
        invalid_box_ = box;
        invalid_text_ = text;
        return;
    }
    if (box != slot_) {
        select_slot(box);
    }
    pick_colour(*colour);
}

void StyleEditSession::hover(int colour) {
    hover_colour_ = colour;
}

// ---- sizes and adjustments --------------------------------------------------------------------

void StyleEditSession::drag_size(SizeKind kind, int hundredths) {
    clear_marks();
    centre_adjustment();
    if (kind == SizeKind::Scale) {
        scale_ = hundredths_text(std::max(1, hundredths));
    } else {
        border_ = hundredths_text(std::max(0, hundredths));
    }
}

void StyleEditSession::adjust(int brightness, int contrast) {
    clear_marks();
    brightness_ = std::clamp(brightness, -kAdjustmentLimit, kAdjustmentLimit);
    contrast_ = std::clamp(contrast, -kAdjustmentLimit, kAdjustmentLimit);
    adjusted_ = adjust_colour(adjustment_base_[slot_index(slot_)], brightness_, contrast_).adjusted;
}

void StyleEditSession::commit_adjustment() {
    if (!adjusted_) {
        return;
    }
    const int colour = std::exchange(adjusted_, std::nullopt).value();
    WorkingColour& target = working(night_, slot_);
    if (target.number != colour || !target.reads) {
        target = WorkingColour{colour, true, std::nullopt};
        changed_ = true;
    }
}

void StyleEditSession::centre_adjustment() {
    commit_adjustment();
    brightness_ = 0;
    contrast_ = 0;
    for (const ColourSlot slot : {ColourSlot::Secondary, ColourSlot::Primary}) {
        adjustment_base_[slot_index(slot)] = working(night_, slot).number;
    }
}

void StyleEditSession::reverse() {
    if (polygon_) {
        return;
    }
    clear_marks();
    centre_adjustment();
    std::swap(working(night_, ColourSlot::Primary), working(night_, ColourSlot::Secondary));
    centre_adjustment();
    changed_ = true;
}

void StyleEditSession::clear_marks() {
    invalid_box_.reset();
}

// ---- results ----------------------------------------------------------------------------------

ElementStyle StyleEditSession::edited_style() const {
    return ElementStyle{scale_, border_,
                        StyleColours{written_text(working(false, ColourSlot::Secondary)),
                                     written_text(working(false, ColourSlot::Primary)),
                                     written_text(working(true, ColourSlot::Secondary)),
                                     written_text(working(true, ColourSlot::Primary))}};
}

StyleEditView StyleEditSession::view() const {
    StyleEditView v;
    v.field_name = field_name_;
    v.presentation = presentation_;
    v.polygon = polygon_;
    v.night = night_;
    v.slot = slot_;
    v.primary = slot_colour_view(night_, ColourSlot::Primary);
    v.secondary = slot_colour_view(night_, ColourSlot::Secondary);
    for (const bool night : {false, true}) {
        SampleView& sample = night ? v.night_sample : v.day_sample;
        sample.body = slot_colour_view(night, ColourSlot::Primary).colour;
        sample.strip = slot_colour_view(night, ColourSlot::Secondary).colour;
        sample.ground = night ? grounds_.night : grounds_.day;
        sample.chosen = night == night_;
    }
    v.scale = size_view(scale_);
    v.border = size_view(border_);
    v.brightness = brightness_;
    v.contrast = contrast_;
    v.shades = shades_;
    v.marked_palette_cell = marked_palette_cell_;
    v.marked_shade_cell = marked_shade_cell_;
    v.hover_colour = hover_colour_;
    v.reverse_enabled = !polygon_;
    v.changed = changed_;
    return v;
}

}  // namespace quorvane
