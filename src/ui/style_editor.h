// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "model/element.h"
#include "model/style_colours.h"
#include "style_editor/style_edit_session.h"
#include "style_editor/theme_colours.h"

class QCheckBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QStackedWidget;

namespace quorvane {

class BusyCursor;
class ColourCell;
class ColourPicker;
class PaletteGrid;
class SamplePicture;
class SpectrumPicture;

// The style editor: edits the scale, border and day and night colours of one Element, with the
// day and the night sample side by side. It works on a copy; the caller takes edited_style()
// after Apply. Cancel, Escape and the close box leave nothing behind. A colour comes from the
// palette, the shade cells, the spectrum, a colour box (typed), the desktop's colour dialog or a
// swatch of the colours the theme already uses. All it knows lives in a StyleEditSession: the
// controls pass on what the user does and show the session's view.
class StyleEditor : public QDialog {
    Q_OBJECT
  public:
    StyleEditor(const Element& element, const std::vector<ThemeColour>& theme_colours,
                SampleGrounds grounds, bool night, BusyCursor& busy, ColourPicker& colour_picker,
                QWidget* parent = nullptr);
    ~StyleEditor() override;

    ElementStyle edited_style() const { return session_.edited_style(); }
    bool apply_to_all_presentations() const;
    const StyleEditSession& session() const { return session_; }
    // What the session's view says, for the window's own use and for tests.
    bool polygon_mode() const { return session_.view().polygon; }
    ColourSlot colour_slot() const { return session_.view().slot; }
    StyleColours working_colours() const { return session_.edited_style().colours; }
    // Whether the user changed a colour since the window opened.
    bool has_changes() const { return session_.view().changed; }

    // The controls, by their role.
    PaletteGrid* palette_grid() const { return palette_; }
    ColourCell* shade_cell(int k) const { return shade_cells_[size_t(k)]; }
    ColourCell* hover_swatch() const { return hover_swatch_; }
    SpectrumPicture* spectrum() const { return spectrum_; }
    QWidget* line_panel() const { return line_panel_; }
    QWidget* polygon_panel() const { return polygon_panel_; }
    // A line's swatch and box of a slot; a polygon's own swatch and box.
    ColourCell* swatch(ColourSlot slot) const;
    QLineEdit* colour_box(ColourSlot slot) const;
    ColourCell* polygon_swatch() const { return polygon_swatch_; }
    QLineEdit* polygon_box() const { return polygon_box_; }
    QPushButton* colour_dialog_button() const { return colour_dialog_button_; }
    // Swatch k of the theme's own colours (hidden when the theme uses fewer colours).
    ColourCell* theme_colour_cell(int k) const { return theme_colour_cells_[size_t(k)]; }
    QDoubleSpinBox* scale_box() const { return scale_box_; }
    QDoubleSpinBox* border_box() const { return border_box_; }
    QSlider* scale_slider() const { return scale_slider_; }
    QSlider* border_slider() const { return border_slider_; }
    QSlider* brightness_slider() const { return brightness_slider_; }
    QSlider* contrast_slider() const { return contrast_slider_; }
    QSpinBox* brightness_box() const { return brightness_box_; }
    QSpinBox* contrast_box() const { return contrast_box_; }
    SamplePicture* sample(bool night) const { return samples_[night ? 1 : 0]; }
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
    QWidget* build_colour_pickers();
    QWidget* build_samples();
    QWidget* build_theme_colours(const std::vector<ThemeColour>& colours);
    QWidget* build_colour_panels();
    QWidget* build_adjustments();
    QWidget* build_buttons();
    void name_controls();
    void fit_to_screen();

    // Every control shows the session's view again.
    void show_view();
    // Runs a step of the session that may take a moment, then shows the result.
    template <typename Step>
    void run(Step step);
    void take_typed_colour(ColourSlot slot, QLineEdit* box);
    void adjustment_moved();
    void open_colour_dialog();

    BusyCursor& busy_;
    ColourPicker& colour_picker_;
    StyleEditSession session_;

    PaletteGrid* palette_ = nullptr;
    std::array<ColourCell*, 6> shade_cells_{};
    ColourCell* hover_swatch_ = nullptr;
    SpectrumPicture* spectrum_ = nullptr;
    std::array<SamplePicture*, 2> samples_{};
    QLabel* field_label_ = nullptr;
    QLabel* presentation_label_ = nullptr;
    QRadioButton* day_option_ = nullptr;
    QRadioButton* night_option_ = nullptr;
    std::array<ColourCell*, kThemeColourCount> theme_colour_cells_{};
    QStackedWidget* colour_panels_ = nullptr;
    QWidget* line_panel_ = nullptr;
    QWidget* polygon_panel_ = nullptr;
    QSlider* scale_slider_ = nullptr;
    QSlider* border_slider_ = nullptr;
    QDoubleSpinBox* scale_box_ = nullptr;
    QDoubleSpinBox* border_box_ = nullptr;
    QLabel* scale_caption_ = nullptr;
    QLabel* border_caption_ = nullptr;
    ColourCell* primary_swatch_ = nullptr;
    ColourCell* secondary_swatch_ = nullptr;
    ColourCell* polygon_swatch_ = nullptr;
    QLineEdit* primary_box_ = nullptr;
    QLineEdit* secondary_box_ = nullptr;
    QLineEdit* polygon_box_ = nullptr;
    QPushButton* colour_dialog_button_ = nullptr;
    QSlider* brightness_slider_ = nullptr;
    QSlider* contrast_slider_ = nullptr;
    QSpinBox* brightness_box_ = nullptr;
    QSpinBox* contrast_box_ = nullptr;
    QPushButton* reverse_button_ = nullptr;
    QCheckBox* apply_all_check_ = nullptr;
    QDialogButtonBox* button_box_ = nullptr;
    QPushButton* apply_button_ = nullptr;
    QPushButton* cancel_button_ = nullptr;
};

}  // namespace quorvane
