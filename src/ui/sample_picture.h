// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "style_editor/sample_layout.h"

namespace quorvane {

// The style editor's sample: the line body with its two border strips and their outline, or the
// polygon's fill, on a light grey ground. A left press on the body or a strip is reported.
class SamplePicture : public QWidget {
    Q_OBJECT
  public:
    explicit SamplePicture(QWidget* parent = nullptr);

    const SampleLayout& sample_layout() const { return layout_; }
    void set_sample_layout(const SampleLayout& layout);

    int body_colour() const { return body_colour_; }
    void set_body_colour(int colour);
    // Both strips always show the same colour.
    int strip_colour() const { return strip_colour_; }
    void set_strip_colour(int colour);

    // The body, strips and outline in this widget's pixels.
    QRect body_pixels() const;
    QRect upper_strip_pixels() const;
    QRect lower_strip_pixels() const;

  signals:
    void part_pressed(SamplePart part);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    SampleLayout layout_;
    int body_colour_ = 0;
    int strip_colour_ = 0;
};

}  // namespace quorvane
