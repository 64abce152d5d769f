// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QSet>
#include <array>
#include <vector>

#include "model/element_additions.h"
#include "model/theme.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvane {

class Messages;
class ThemeDocument;

// "Add Elements": the user picks presentations and any number of catalogue polygons and lines,
// narrowed by a filter. A feature every chosen presentation already has is greyed out, with a
// tool tip saying so; Add hands over, for each chosen presentation, the picked features it lacks.
// Cancel hands over nothing. The picker never changes the theme.
class ElementPicker : public QDialog {
    Q_OBJECT

  public:
    ElementPicker(const Theme& theme, Messages& messages, QWidget* parent = nullptr);

    // What the last Add picked, one pick per presentation that gains something; empty after
    // Cancel or a refusal.
    const std::vector<ElementPick>& picked() const { return picked_; }

    QListWidget* presentation_list() const { return presentations_; }
    QListWidget* polygon_list() const { return polygons_; }
    QListWidget* line_list() const { return lines_; }
    QLineEdit* filter_box() const { return filter_; }
    QCheckBox* select_all_polygons() const { return select_all_polygons_; }
    QCheckBox* select_all_lines() const { return select_all_lines_; }
    QPushButton* add_button() const { return add_; }
    QPushButton* cancel_button() const { return cancel_; }
    QLabel* instructions() const { return instructions_; }

  public slots:
    void reject() override;

  private:
    void add_clicked();
    // Greys out the features every chosen presentation has, and says who has them.
    void mark_present_features();
    // Shows only the features whose name holds the filter's text.
    void filter_features(const QString& text);
    // The ranks of the chosen presentations, top to bottom.
    std::vector<int> chosen_ranks() const;

    const Theme& theme_;
    Messages& messages_;
    std::vector<ElementPick> picked_;
    // The field names each presentation (by rank) holds.
    std::array<QSet<QString>, 6> present_;

    QListWidget* presentations_ = nullptr;
    QListWidget* polygons_ = nullptr;
    QListWidget* lines_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QCheckBox* select_all_polygons_ = nullptr;
    QCheckBox* select_all_lines_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* instructions_ = nullptr;
};

// The "+" button: shows the picker centred on the screen, then hands what was picked to the
// document as one step. Returns the numbers of the Elements added.
std::vector<int> run_add_elements(QWidget* parent, ThemeDocument& document, Messages& messages);

}  // namespace quorvane
