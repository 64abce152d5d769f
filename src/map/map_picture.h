// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRegion>

#include "map/map_drawing.h"

namespace quorvane {

// The last picture of the map, kept so that a frame draws only what it must: moving the view by
// whole pixels shifts the picture and draws the strips that came into view (and the scale bar,
// which stays put on the screen); anything else draws the picture whole again.
class MapPicture {
  public:
    // What the picture shows is out of date (the map, its styles or how they are drawn changed):
    // the next update draws it whole.
    void invalidate() { valid_ = false; }

    // Brings the picture to `view`, drawn for a screen of `pixel_ratio` device pixels per
    // pixel. A picture drawn without smooth edges is drawn again when smooth ones are asked.
    // Returns the part drawn anew, in the view's pixels (empty when the picture was up to date).
    QRegion update(const MapData& map, const MapStyles& styles, const MapView& view,
                   const MapDrawOptions& options, qreal pixel_ratio);

    const QImage& image() const { return image_; }
    const MapView& view() const { return view_; }
    bool smooth() const { return smooth_; }

  private:
    void draw_whole(const MapData& map, const MapStyles& styles, const MapView& view,
                    const MapDrawOptions& options, qreal pixel_ratio);

    QImage image_;
    MapView view_;
    bool smooth_ = false;
    bool valid_ = false;
};

}  // namespace quorvane
