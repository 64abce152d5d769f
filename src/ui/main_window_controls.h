#pragma once

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace quorvane {

// The controls left of the preview: the "+" button, the presentation list, the four metadata
// fields, the search box and the update notice.
struct MainWindowControls {
    QPushButton* command2 = nullptr;  // "+"
    QLabel* label1 = nullptr;         // "Add Line/Polygon"
    std::array<QLabel*, 5> label2{};  // "Presentations", "Title", "Description", ...
    QListWidget* list1 = nullptr;     // the theme's presentations
    QLineEdit* title = nullptr;
    QPlainTextEdit* text3 = nullptr;  // description
    QLineEdit* text1 = nullptr;       // locality
    QLineEdit* text2 = nullptr;       // version
    QLineEdit* text4 = nullptr;       // search text
    QPushButton* command1 = nullptr;  // "Search"
    QLabel* label3 = nullptr;         // "UPDATE AVAILABLE", hidden at start
};

// Creates the controls on the window's client area at their places, with their captions,
// colours and fonts (a font the system lacks falls back to a close sans-serif one).
MainWindowControls build_main_window_controls(QWidget& client);

}  // namespace quorvane
