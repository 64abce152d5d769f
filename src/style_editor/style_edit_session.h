// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

#include "colour/shades.h"
#include "model/element.h"
#include "model/style_colours.h"
#include "style_editor/sample_layout.h"

namespace quorvane {

// Which colour of the chosen time a pick sets: a line's core (primary) or border (secondary)
// colour. A polygon has only its primary colour.
enum class ColourSlot { Secondary, Primary };

enum class SizeKind { Scale, Border };

// What the day and the night sample stand on, as colour numbers.
struct SampleGrounds {
    int day = 0;
    int night = 0;
};

// One colour as its swatch, its box and the samples show it.
struct SlotColourView {
    int colour = 0;        // what swatches and samples draw; a text that is no colour draws black
    QString text;          // what the box shows
    bool invalid = false;  // the box keeps text the user typed that is no colour
};

// One of the two samples.
struct SampleView {
    int body = 0;   // the line's core, or the polygon's fill
    int strip = 0;  // the line's border strips
    int ground = 0;
    bool chosen = false;  // picks go to this time's colours
};

struct SizeView {
    QString text;                 // the style's text, written back as it stands
    std::optional<double> value;  // the text as a number; nothing when it is none
};

// Everything the style editor's controls show.
struct StyleEditView {
    QString field_name;
    QString presentation;
    bool polygon = false;  // one colour and a fill instead of a line with strips
    bool night = false;    // the chosen time
    ColourSlot slot = ColourSlot::Primary;
    SlotColourView primary;    // of the chosen time
    SlotColourView secondary;  // of the chosen time
    SampleView day_sample;
    SampleView night_sample;
    SizeView scale;
    SizeView border;
    int brightness = 0;
    int contrast = 0;
    std::optional<ShadeCells> shades;  // nothing before the first pick that computes them
    int marked_palette_cell = -1;      // where the selection marker stands, if anywhere
    int marked_shade_cell = -1;
    std::optional<int> hover_colour;  // the spectrum's colour under the pointer
    bool reverse_enabled = false;
    bool changed = false;  // a colour was changed since the editor opened
};

// The style editor's working state and everything it does, without widgets: the dialog turns
// clicks and keys into these operations and shows view(). Colours are numbers here; a colour
// still the one read keeps its text, so that an untouched style is written back byte for byte.
class StyleEditSession {
  public:
    StyleEditSession(const Element& element, SampleGrounds grounds, bool night);

    void select_slot(ColourSlot slot);
    void select_time(bool night);
    // A click on the day or the night sample: selects that time, and the slot of the part hit.
    void click_sample(bool night, SamplePart part);

    void pick_palette_cell(int index);
    void pick_shade_cell(int k);
    // The spectrum leaves the shade cells as they are.
    void pick_spectrum(int colour);
    // A colour from the colour dialog or the theme's own swatches.
    void pick_colour(int colour);
    // Text typed into the box of `box`: a colour goes to that slot as a pick of that colour; the
    // colour the box had changes nothing; anything else marks the box and changes nothing.
    void type_colour(ColourSlot box, const QString& text);
    void hover(int colour);

    // A new scale or border, in hundredths (the scale never below one).
    void drag_size(SizeKind kind, int hundredths);

    // Brightness and contrast (each -255 to 255) of the slot's colour as it was when both were
    // last at 0; shown at once, taken into the working colours by commit_adjustment().
    void adjust(int brightness, int contrast);
    void commit_adjustment();

    // Exchanges the primary and secondary colour of the chosen time (lines only).
    void reverse();

    ElementStyle edited_style() const;
    StyleEditView view() const;

  private:
    struct WorkingColour {
        int number = 0;
        bool reads = true;  // false: the text read is no colour; it draws black, its box shows it
        std::optional<QString> read_text;  // the file's text while this is the colour read

        bool operator==(const WorkingColour&) const = default;
    };

    static size_t index_of(bool night, ColourSlot slot);
    WorkingColour& working(bool night, ColourSlot slot);
    const WorkingColour& working(bool night, ColourSlot slot) const;
    static QString shown_text(const WorkingColour& colour);
    static QString written_text(const WorkingColour& colour);
    SlotColourView slot_colour_view(bool night, ColourSlot slot) const;

    // Sets the slot's colour of the chosen time.
    void set_colour(int colour);
    // Brightness and contrast back to 0, adjusting from the colours as they are now.
    void centre_adjustment();
    void clear_marks();

    const QString field_name_;
    const QString presentation_;
    const SampleGrounds grounds_;
    std::array<WorkingColour, 4> colours_;
    QString scale_;
    QString border_;
    bool polygon_ = false;
    bool night_ = false;
    ColourSlot slot_ = ColourSlot::Primary;
    bool changed_ = false;

    int brightness_ = 0;
    int contrast_ = 0;
    std::array<int, 2> adjustment_base_{};  // by slot
    std::optional<int> adjusted_;           // the slot's adjusted colour, not yet committed

    std::optional<ShadeCells> shades_;
    int marked_palette_cell_ = -1;
    int marked_shade_cell_ = -1;
    std::optional<ColourSlot> invalid_box_;
    QString invalid_text_;
    std::optional<int> hover_colour_;
};

}  // namespace quorvane
