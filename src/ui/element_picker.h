// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "model/element_additions.h"
#include "model/theme.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quorvane {

class Messages;
class ThemeDocument;

// "Add Elements": the user picks one presentation and any number of catalogue polygons and
// lines. Add drops the names the presentation already holds (and says so) and hands the rest
// over; Cancel hands over nothing. The picker never changes the theme.
class ElementPicker : public QDialog {
    Q_OBJECT

  public:
    ElementPicker(const Theme& theme, Messages& messages, QWidget* parent = nullptr);

    // What the last Add picked; empty after Cancel or a refusal.
    const ElementPick& picked() const { return picked_; }

    QListWidget* presentation_list() const { return presentations_; }
    QListWidget* polygon_list() const { return polygons_; }
    QListWidget* line_list() const { return lines_; }
    QCheckBox* select_all_polygons() const { return select_all_polygons_; }
    QCheckBox* select_all_lines() const { return select_all_lines_; }
    QPushButton* add_button() const { return add_; }
    QPushButton* cancel_button() const { return cancel_; }
    QLabel* instructions() const { return instructions_; }

  public slots:
    void reject() override;

  private:
    void add_clicked();
    // The selected names of a list, top to bottom; those the target presentation already has
    // go to `duplicates`.
    QStringList new_names(const QListWidget& list, int rank, QStringList& duplicates) const;

    const Theme& theme_;
    Messages& messages_;
    ElementPick picked_;

    QListWidget* presentations_ = nullptr;
    QListWidget* polygons_ = nullptr;
    QListWidget* lines_ = nullptr;
    QCheckBox* select_all_polygons_ = nullptr;
    QCheckBox* select_all_lines_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* instructions_ = nullptr;
};

// The "+" button: shows the picker centred on the screen, then hands what was picked to the
// document.
void run_add_elements(QWidget* parent, ThemeDocument& document, Messages& messages);

}  // namespace quorvane
