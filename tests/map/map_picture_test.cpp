// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "format/reader.h"
#include "map/map_drawing.h"
#include "map/map_files.h"
#include "map/map_loader.h"
#include "map/map_picture.h"
#include "support/gui_application.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

const MapData& sample_town() {
    static const std::shared_ptr<const MapData> town = [] {
        QStringList errors;
        const MapFeatureTable table =
            read_map_feature_table(QStringLiteral(QUORVANE_MAP_FEATURES), &errors).value();
        return load_map({QStringLiteral(QUORVANE_EXAMPLES "/sample-town.osm"),
                         QStringLiteral(QUORVANE_EXAMPLES "/sample-town.gpx")},
                        table)
            .map;
    }();
    return *town;
}

// Pixels that differ by more than antialiasing can: a strip drawn in the wrong place, a scale
// bar left behind, hatching out of step.
int pixels_apart(const QImage& a, const QImage& b) {
    int apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            apart += most > 48 ? 1 : 0;
        }
    }
    return apart;
}

struct MoveCase {
    const char* name;
    qreal pixel_ratio;
    std::vector<QPoint> moves;
    bool night;
};

void PrintTo(const MoveCase& c, std::ostream* out) {
    *out << c.name;
}

class MovedMapPicture : public testing::TestWithParam<MoveCase> {};

TEST_P(MovedMapPicture, IsThePictureDrawnWholeAtTheNewView) {
    ensure_gui_application();
    const MoveCase& c = GetParam();
    Theme theme;
    MessageList messages;
    read_theme_file(QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf"), theme, messages);
    const MapStyles styles = map_styles(theme, QStringLiteral("GUIDANCE"),
                                        c.night ? PreviewLight::Night : PreviewLight::Day);
    // Close in, where the demo theme's hatched (unstyled) areas and the scale bar show.
    MapView view = MapView::fitting(sample_town().bounds(), QSize(300, 200))
                       .zoomed_to(15.5, QPointF(150, 100));
    MapPicture moved;
    moved.update(sample_town(), styles, view, {}, c.pixel_ratio);
    for (const QPoint by : c.moves) {
        view = view.panned_by(by);
        const QRegion drawn = moved.update(sample_town(), styles, view, {}, c.pixel_ratio);
        // Only what came into view and the scale bar are drawn again.
        int area = 0;
        for (const QRect& r : drawn) {
            area += r.width() * r.height();
        }
        EXPECT_LT(area, 300 * 200 / 2);
    }
    MapPicture whole;
    whole.update(sample_town(), styles, view, {}, c.pixel_ratio);
    EXPECT_EQ(moved.image().size(), (QSizeF(300, 200) * c.pixel_ratio).toSize());
    EXPECT_EQ(pixels_apart(moved.image(), whole.image()), 0);
}

// A picture is drawn in bands on several threads at once (one band per core): the bands must
// join without a seam, hatching in step, at every screen density.
TEST(MapPictureInBands, IsThePictureOfOnePainter) {
    ensure_gui_application();
    Theme theme;
    MessageList messages;
    read_theme_file(QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf"), theme, messages);
    const MapStyles styles = map_styles(theme, QStringLiteral("GUIDANCE"), PreviewLight::Day);
    const MapView view = MapView::fitting(sample_town().bounds(), QSize(300, 400))
                             .zoomed_to(15.5, QPointF(150, 200));
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        MapPicture banded;
        banded.update(sample_town(), styles, view, {}, ratio);
        QImage one(banded.image().size(), QImage::Format_ARGB32_Premultiplied);
        one.setDevicePixelRatio(ratio);
        QPainter painter(&one);
        const QPointF fixed = view.to_pixel(QPointF(0, 0)) * ratio;
        painter.setBrushOrigin(std::fmod(fixed.x(), 8.0), std::fmod(fixed.y(), 8.0));
        draw_map(painter, sample_town(), styles, view);
        painter.end();
        EXPECT_EQ(pixels_apart(banded.image(), one), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MovedMapPicture,
    testing::Values(MoveCase{"Across", 1, {{37, 0}, {-90, 0}}, false},
                    MoveCase{"Diagonally", 1, {{13, -29}, {-3, 41}, {5, 5}}, false},
                    MoveCase{"AtNight", 1, {{0, -60}, {22, 7}}, true},
                    MoveCase{"OnADoubleDensityScreen", 2, {{-31, 17}, {8, -8}}, false},
                    MoveCase{"OnAOneAndAHalfScreen", 1.5, {{10, -6}, {4, 2}}, false}),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvane
