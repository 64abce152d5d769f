// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

#include "model/recolouring.h"
#include "preview/tile_drawing.h"

class QBoxLayout;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

namespace quorvane {

class PreviewPane;

// What a recolouring dialog works on: Elements by number, and how to say so.
struct RecolourScope {
    std::vector<int> elements;
    bool selection = false;  // the selected styles, else every style
};

// A dialog that gathers the choices of one recolouring and shows its result on the tiles while
// it is open. It never changes the theme: after Apply the caller hands `operation()` to the
// document; Cancel, Escape and the close box leave everything as it was.
class RecolourDialog : public QDialog {
    Q_OBJECT

  public:
    RecolourDialog(PreviewPane& preview, QWidget* parent);
    ~RecolourDialog() override;

    // The operation as the choices stand.
    const ColourOperation& operation() const { return *operation_; }
    QPushButton* apply_button() const;

    void done(int result) override;

  protected:
    // Lays the dialog out: the choices, then `note` (when not empty), then the buttons.
    void lay_out(QLayout* choices, const QString& note);
    void set_operation(std::unique_ptr<ColourOperation> operation);
    ColourOperation& editable_operation() { return *operation_; }
    // The choices changed: the tiles show the new result.
    void refresh_preview();
    // Shows the tiles by night while the dialog is open.
    void preview_by_night();

    // A slider with a spin box beside it, both on `value` and kept in step; `changed` runs on
    // every step of either.
    struct SliderRow {
        QSlider* slider;
        QSpinBox* spin_box;
        QBoxLayout* layout;
    };
    SliderRow slider_row(const char* name, const QString& spoken_name, int least, int most,
                         int value, const QString& suffix = QString());

    // "the 3 selected styles", "all 198 styles".
    static QString scope_words(const RecolourScope& scope);

    PreviewPane& preview_;

  private:
    std::unique_ptr<ColourOperation> operation_;
    QDialogButtonBox* buttons_ = nullptr;
    PreviewLight light_before_ = PreviewLight::Day;
    bool night_preview_ = false;
};

}  // namespace quorvane
