// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace quorvane {

// The controls of the "Theme" panel: the "+" button, the presentation list, the four metadata
// boxes, the search box with its match count, the update notice, and the view's Day/Night and
// zoom buttons.
struct MainWindowControls {
    Q_DECLARE_TR_FUNCTIONS(MainWindowControls)

  public:
    QPushButton* add_button = nullptr;  // "+": opens the element picker
    QLabel* add_caption = nullptr;      // "Add Line/Polygon"
    // "Presentations", "Title", "Description", "Locality", "Version"
    std::array<QLabel*, 5> field_captions{};
    QListWidget* presentation_list = nullptr;
    QLineEdit* title_box = nullptr;
    QPlainTextEdit* description_box = nullptr;
    QLineEdit* locale_box = nullptr;
    QLineEdit* version_box = nullptr;
    QLineEdit* search_box = nullptr;
    QPushButton* search_button = nullptr;
    QLabel* update_notice = nullptr;  // "UPDATE AVAILABLE", hidden at start
    QLabel* match_count = nullptr;    // "12 matches", empty while the search box is
    QCheckBox* hide_others_check = nullptr;
    // These show the View menu's actions; the window gives them those.
    QToolButton* night_button = nullptr;
    QToolButton* zoom_out_button = nullptr;
    QToolButton* zoom_caption = nullptr;  // "100%"; a click goes back to 100%
    QToolButton* zoom_in_button = nullptr;
};

// Creates the controls on `column` with their captions, in the desktop's fonts and colours, and
// lays them out top to bottom. The presentation list and the description box take what height
// the column has to spare.
MainWindowControls build_main_window_controls(QWidget& column);

// Gives the "+" button the desktop's selection colours; again whenever the palette changes.
void emphasise_add_button(const MainWindowControls& controls);

}  // namespace quorvane
