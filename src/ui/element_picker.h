#pragma once

#include <QDialog>

#include "model/theme.h"
#include "model/element_additions.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace quorvane {

class Messages;

// "Add Elements": the user picks one presentation and any number of catalogue polygons and
// lines. Add drops the names the presentation already holds (and says so) and hands the rest
// over; Cancel hands over nothing. The picker never changes the theme.
class ElementPicker : public QDialog {
    Q_OBJECT

public:
    // The instruction text beside the lists, lines separated by CR LF.
    static const QString kInstructions;

    ElementPicker(const Theme& theme, Messages& messages, QWidget* parent = nullptr);

    // The names and target the last Add left; empty after Cancel or a refusal.
    const PickedElements& picked() const { return picked_; }

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
    // go to `duplicates`, each followed by CR LF.
    QString new_names(const QListWidget& list, int rank, QString& duplicates) const;

    const Theme& theme_;
    Messages& messages_;
    PickedElements picked_;

    QListWidget* presentations_ = nullptr;
    QListWidget* polygons_ = nullptr;
    QListWidget* lines_ = nullptr;
    QCheckBox* select_all_polygons_ = nullptr;
    QCheckBox* select_all_lines_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* instructions_ = nullptr;
};

// The "+" button: shows the picker centred on the screen, then adds what was picked and rebuilds
// the presentation list, whatever closed the picker. The caller redraws the preview afterwards.
void run_add_elements(QWidget* parent, Theme& theme, Messages& messages);

}  // namespace quorvane
