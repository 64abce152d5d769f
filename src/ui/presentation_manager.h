#pragma once

#include <QDialog>
#include <QStringList>

#include "model/theme.h"

class QFrame;
class QListWidget;
class QPushButton;

namespace quorvane {

class Messages;

// What the presentation manager is opened for: the Edit menu's item index.
enum PresentationMode : int { kAddPresentations = 0, kRemovePresentations = 1 };

// "Add & bRemove Presentations": in add mode the user chooses presentations that each receive a
// copy of every Element; in remove mode presentations to delete with their Elements. Only Apply
// changes the theme.
class PresentationManager : public QDialog {
    Q_OBJECT

public:
    PresentationManager(Theme& theme, Messages& messages, int mode, QWidget* parent = nullptr);

    QFrame* add_frame() const { return add_frame_; }
    QFrame* remove_frame() const { return remove_frame_; }
    QListWidget* available_list() const { return available_; }
    QListWidget* project_list() const { return project_; }
    QListWidget* adding_list() const { return adding_; }
    QListWidget* kept_list() const { return kept_; }
    QPushButton* add_button() const { return add_; }
    QPushButton* unadd_button() const { return unadd_; }
    QPushButton* remove_button() const { return remove_; }
    QPushButton* apply_button() const { return apply_; }
    QPushButton* cancel_button() const { return cancel_; }
    // The presentations chosen for removal, in the order chosen.
    const QStringList& removing() const { return removing_; }

private:
    void add_clicked();
    void unadd_clicked();
    void remove_clicked();
    void apply_clicked();

    Theme& theme_;
    Messages& messages_;
    int mode_;
    QStringList removing_;

    QFrame* add_frame_ = nullptr;
    QFrame* remove_frame_ = nullptr;
    QListWidget* available_ = nullptr;
    QListWidget* project_ = nullptr;
    QListWidget* adding_ = nullptr;
    QListWidget* kept_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* unadd_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The Edit menu's "Add Presentations" (mode 0) and "Remove Presentations" (mode 1). Says
// "No elements" and returns false on a theme without Elements; otherwise shows the manager
// centred on the screen, rebuilds the presentation list however it closed, and returns true:
// the caller then redraws the preview.
bool run_presentation_manager(QWidget* parent, Theme& theme, Messages& messages, int mode);

}  // namespace quorvane
