// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include <vector>

#include "model/element.h"
#include "model/style_colours.h"
#include "style_editor/theme_colours.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorvane {

class BusyCursor;
class ColourCell;
class ColourPicker;
class OutlineShape;
class PaletteGrid;
class SamplePicture;
class SliderTrack;
class SpectrumPicture;
enum class SamplePart;

// Which colour a pick goes to: a line's core (primary) or border (secondary) colour, or a
// polygon's one colour (its own swatch and box).
enum class ColourSlot { Secondary, Primary, Polygon };

// The style editor: edits the scale, border and day and night colours of one Element. It works
// on a copy; the caller takes edited_style() after Apply. Cancel, Escape and the close box leave
// nothing behind. A colour comes from the palette, the shade cells, the spectrum, a colour box
// (typed), the desktop's colour dialog or a swatch of the colours the theme already uses.
class StyleEditor : public QDialog {
    Q_OBJECT
  public:
    StyleEditor(const Element& element, const std::vector<ThemeColour>& theme_colours,
                BusyCursor& busy, ColourPicker& colour_picker, QWidget* parent = nullptr);
    ~StyleEditor() override;

    // The scale and border in their boxes and the working colours.
    ElementStyle edited_style() const;
    bool apply_to_all_presentations() const;
    // Whether the user changed a colour since the window opened.
    bool has_changes() const { return changed_; }

    // Editor state, for the window's own use and for tests.
    ColourSlot colour_slot() const { return colour_slot_; }  // Primary or Secondary
    bool polygon_mode() const { return polygon_mode_; }
    bool night() const;
    const StyleColours& working_colours() const { return working_; }
    int base_colour(ColourSlot slot) const { return base_of(slot); }

    // The controls, by their role (object names follow the window's control names).
    PaletteGrid* palette_grid() const { return palette_; }
    ColourCell* shade_cell(int k) const { return shades_cells_[k]; }
    OutlineShape* selection_marker() const { return selection_marker_; }
    ColourCell* hover_swatch() const { return hover_swatch_; }
    SpectrumPicture* spectrum() const { return spectrum_; }
    QFrame* line_panel() const { return line_panel_; }
    QFrame* polygon_panel() const { return polygon_panel_; }
    ColourCell* swatch(ColourSlot slot) const;
    QLineEdit* colour_box(ColourSlot slot) const;
    // Whether a colour box shows text it could not take as a colour.
    bool colour_box_invalid(ColourSlot slot) const;
    QPushButton* colour_dialog_button() const { return colour_dialog_button_; }
    // Swatch k of the theme's own colours (hidden when the theme uses fewer colours).
    ColourCell* theme_colour_cell(int k) const { return theme_colour_cells_[size_t(k)]; }
    QLineEdit* scale_box() const { return scale_box_; }
    QLineEdit* border_box() const { return border_box_; }
    SliderTrack* scale_slider() const { return scale_slider_; }
    SliderTrack* border_slider() const { return border_slider_; }
    SliderTrack* brightness_slider() const { return brightness_slider_; }
    SliderTrack* contrast_slider() const { return contrast_slider_; }
    QLineEdit* brightness_box() const { return brightness_box_; }
    QLineEdit* contrast_box() const { return contrast_box_; }
    OutlineShape* slot_outline() const { return slot_outline_; }
    SamplePicture* sample() const { return sample_; }
    QLabel* sample_marker(int i) const { return sample_markers_[i]; }
    QLabel* field_label() const { return field_label_; }
    QLabel* presentation_label() const { return presentation_label_; }
    QRadioButton* day_option() const { return day_option_; }
    QRadioButton* night_option() const { return night_option_; }
    QPushButton* reverse_button() const { return reverse_button_; }
    QCheckBox* apply_all_check() const { return apply_all_check_; }
    QPushButton* apply_button() const { return apply_button_; }
    QPushButton* cancel_button() const { return cancel_button_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void build_palette_frame();
    void build_line_panel();
    void build_polygon_panel();
    void build_sample();
    void build_adjustments();
    void build_buttons();
    void build_theme_colours(const std::vector<ThemeColour>& colours);
    // What assistive technology calls each control.
    void name_controls();
    void load();

    // Redraws the sample and the swatches from the working texts; may switch on polygon mode.
    void draw_sample();
    void place_sample_markers();
    // Knobs to the middle, adjustment boxes to "0".
    void centre_slider_knobs();
    void select_slot(ColourSlot slot);
    int base_of(ColourSlot slot) const { return base_[slot == ColourSlot::Secondary ? 0 : 1]; }

    void take_over(int colour, bool set_base);
    void pick_palette_cell(int index);
    void pick_shade_cell(int k);
    void pick_spectrum(int colour);
    // A colour typed, chosen in the colour dialog or taken from the theme's swatches: a pick
    // into the current slot, as a palette pick of that colour but without a palette cell to mark.
    void pick_colour(int colour);
    void take_typed_colour(ColourSlot slot);
    void mark_colour_box(QLineEdit* box, bool invalid);
    void open_colour_dialog();
    void show_shades(int colour);
    void show_marker_at(const QRect& cell_twips);

    void drag_size_knob(SliderTrack* knob, double pointer_x);
    void capture_base_colours();
    void drag_adjustment_knob(SliderTrack* knob, double pointer_x);
    void change_brightness(int offset, int amount);
    void change_contrast(int amount);
    void commit_adjustment();

    void reverse_colours_clicked();
    void apply_clicked();

    BusyCursor& busy_;
    ColourPicker& colour_picker_;
    const Element opened_element_;
    StyleColours working_;
    bool changed_ = false;
    ColourSlot colour_slot_ = ColourSlot::Primary;
    bool polygon_mode_ = false;
    std::array<int, 2> base_{};  // 0 secondary, 1 primary
    int brightness_ = 0;
    bool adjusting_ = false;  // re-entry guard of change_brightness

    QFrame* colour_frame_ = nullptr;
    PaletteGrid* palette_ = nullptr;
    std::array<ColourCell*, 6> shades_cells_{};
    OutlineShape* selection_marker_ = nullptr;
    ColourCell* hover_swatch_ = nullptr;
    SpectrumPicture* spectrum_ = nullptr;
    QFrame* line_panel_ = nullptr;
    QFrame* polygon_panel_ = nullptr;
    ColourCell* primary_swatch_ = nullptr;
    ColourCell* secondary_swatch_ = nullptr;
    ColourCell* polygon_swatch_ = nullptr;
    QLineEdit* primary_box_ = nullptr;
    QLineEdit* secondary_box_ = nullptr;
    QLineEdit* polygon_box_ = nullptr;
    QLineEdit* scale_box_ = nullptr;
    QLineEdit* border_box_ = nullptr;
    SliderTrack* scale_slider_ = nullptr;
    SliderTrack* border_slider_ = nullptr;
    OutlineShape* slot_outline_ = nullptr;
    SamplePicture* sample_ = nullptr;
    std::array<QLabel*, 2> sample_markers_{};
    QLabel* field_label_ = nullptr;
    QLabel* presentation_label_ = nullptr;
    QRadioButton* day_option_ = nullptr;
    QRadioButton* night_option_ = nullptr;
    SliderTrack* brightness_slider_ = nullptr;
    SliderTrack* contrast_slider_ = nullptr;
    QLineEdit* brightness_box_ = nullptr;
    QLineEdit* contrast_box_ = nullptr;
    QPushButton* reverse_button_ = nullptr;
    QCheckBox* apply_all_check_ = nullptr;
    QPushButton* apply_button_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
    QPushButton* colour_dialog_button_ = nullptr;
    std::array<ColourCell*, kThemeColourCount> theme_colour_cells_{};
};

}  // namespace quorvane
