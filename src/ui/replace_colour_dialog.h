// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "ui/recolour_dialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QToolButton;

namespace quorvane {

class ColourPicker;

// Replace Colour: a colour the theme uses (picked from its swatches or typed) becomes a new one
// (typed, from the device palette or from the desktop's colour dialog) in the chosen slots and
// styles; the dialog says how many styles use the colour before anything is applied.
class ReplaceColourDialog : public RecolourDialog {
    Q_OBJECT

  public:
    // `selected` are the selected Elements (may be empty); `from` preselects a colour.
    ReplaceColourDialog(const Theme& theme, const std::vector<int>& selected,
                        std::optional<int> from, ColourPicker& picker, PreviewPane& preview,
                        QWidget* parent);

    QListWidget* used_colours() const { return used_; }
    QLineEdit* from_box() const { return from_box_; }
    QLineEdit* to_box() const { return to_box_; }
    QComboBox* times_box() const { return times_; }
    QComboBox* parts_box() const { return parts_; }
    QRadioButton* all_option() const { return all_; }
    QRadioButton* selection_option() const { return selection_; }
    QRadioButton* presentation_option() const { return presentation_; }
    QComboBox* presentation_box() const { return presentations_; }
    QLabel* count_label() const { return count_; }

  private:
    void set_to_colour(int colour);
    // The scope changed: a new operation over its Elements.
    void follow_scope();
    // The colours or slots changed.
    void follow_choices();
    std::vector<int> scope_elements() const;

    const Theme& theme_;
    std::vector<int> selected_;
    ColourPicker& picker_;
    QListWidget* used_ = nullptr;
    QLineEdit* from_box_ = nullptr;
    QLineEdit* to_box_ = nullptr;
    QLabel* to_swatch_ = nullptr;
    QToolButton* palette_button_ = nullptr;
    QComboBox* times_ = nullptr;
    QComboBox* parts_ = nullptr;
    QRadioButton* all_ = nullptr;
    QRadioButton* selection_ = nullptr;
    QRadioButton* presentation_ = nullptr;
    QComboBox* presentations_ = nullptr;
    QLabel* count_ = nullptr;
};

}  // namespace quorvane
