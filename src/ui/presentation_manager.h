// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

#include "model/theme.h"

class QFrame;
class QListWidget;
class QPushButton;

namespace quorvane {

class Messages;

class ThemeDocument;

// What the presentation manager is opened for.
enum class PresentationManagerMode { Add, Remove };

// "Add & Remove Presentations": in add mode the user moves presentations the theme lacks to the
// adding list, and each receives a copy of every Element; in remove mode the user moves the
// theme's presentations to the removing list, to delete them with their Elements. Either move
// can be taken back. The manager only collects the choice; the caller hands it to the document
// after Apply. Enter applies, whichever button has the focus.
class PresentationManager : public QDialog {
    Q_OBJECT

  public:
    PresentationManager(const Theme& theme, Messages& messages, PresentationManagerMode mode,
                        QWidget* parent = nullptr);

    QFrame* add_frame() const { return add_frame_; }
    QFrame* remove_frame() const { return remove_frame_; }
    QListWidget* available_list() const { return available_; }
    QListWidget* project_list() const { return project_; }
    QListWidget* adding_list() const { return adding_; }
    QListWidget* kept_list() const { return kept_; }
    QListWidget* removing_list() const { return removing_list_; }
    QPushButton* add_button() const { return add_; }
    QPushButton* unadd_button() const { return unadd_; }
    QPushButton* remove_button() const { return remove_; }
    QPushButton* keep_button() const { return keep_; }
    QPushButton* apply_button() const { return apply_; }
    QPushButton* cancel_button() const { return cancel_; }
    // The presentations chosen for removal, in the order chosen.
    QStringList removing() const;
    // The presentations chosen for adding, in the order chosen.
    QStringList adding() const;

  private:
    void add_clicked();
    void unadd_clicked();
    void remove_clicked();
    void keep_clicked();
    void apply_clicked();

    Messages& messages_;
    PresentationManagerMode mode_;

    QFrame* add_frame_ = nullptr;
    QFrame* remove_frame_ = nullptr;
    QListWidget* available_ = nullptr;
    QListWidget* project_ = nullptr;
    QListWidget* adding_ = nullptr;
    QListWidget* kept_ = nullptr;
    QListWidget* removing_list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* unadd_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* keep_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// The Edit menu's "Add Presentations" and "Remove Presentations". Says "No elements" and returns
// false on a theme without Elements; otherwise shows the manager centred on the screen and, after
// Apply, hands the choice to the document.
bool run_presentation_manager(QWidget* parent, ThemeDocument& document, Messages& messages,
                              PresentationManagerMode mode);

}  // namespace quorvane
