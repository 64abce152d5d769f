// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "style_editor/sample_layout.h"
#include "style_editor/style_edit_session.h"

namespace quorvane {

// One of the style editor's two samples: the line body with its two border strips and their
// outline, or the polygon's fill, on the theme's ground for its time. The chosen sample wears a
// frame, and a ">" beside each part that picks go to. A left press anywhere is reported with the
// part it hit.
class SamplePicture : public QWidget {
    Q_OBJECT
  public:
    explicit SamplePicture(QWidget* parent = nullptr);

    // What to draw: the session's view of this sample, the sizes and the slot picks go to.
    void show_sample(const SampleView& sample, const QString& scale, const QString& border,
                     bool polygon, ColourSlot slot);
    const SampleView& sample() const { return sample_; }
    // The layout at the picture's present size.
    SampleLayout sample_layout() const;

    // The body, strips and markers in this widget's pixels; a marker that is not shown is empty.
    QRect body_pixels() const;
    QRect upper_strip_pixels() const;
    QRect lower_strip_pixels() const;
    QRect marker_pixels(int k) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void part_pressed(SamplePart part);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    SampleView sample_;
    QString scale_;
    QString border_;
    bool polygon_ = false;
    ColourSlot slot_ = ColourSlot::Primary;
};

}  // namespace quorvane
