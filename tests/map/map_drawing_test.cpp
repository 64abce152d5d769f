// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSet>
#include <algorithm>
#include <cstdlib>

#include "map/map_data.h"
#include "map/map_drawing.h"
#include "map/map_files.h"
#include "map/map_loader.h"
#include "model/element_additions.h"
#include "model/theme.h"
#include "support/gui_application.h"

namespace quorvane {
namespace {

std::shared_ptr<const MapData> load(const QString& path) {
    QStringList errors;
    const MapFeatureTable table =
        read_map_feature_table(QStringLiteral(QUORVANE_MAP_FEATURES), &errors).value();
    return load_map({path}, table).map;
}

QImage drawn(const MapData& map, const MapStyles& styles, const MapView& view,
             const MapDrawOptions& options = {}) {
    QImage image(view.size, QImage::Format_RGB32);
    QPainter painter(&image);
    draw_map(painter, map, styles, view, options);
    return image;
}

TEST(MapDrawing, APictureDrawnInStripsIsThePictureDrawnWhole) {
    ensure_gui_application();
    const std::shared_ptr<const MapData> town =
        load(QStringLiteral(QUORVANE_EXAMPLES "/sample-town.osm"));
    Theme theme;
    theme.elements.push_back(
        new_line(QStringLiteral("ROAD_ARTERIAL"), QStringLiteral("GUIDANCE"), 0));
    const MapStyles styles = map_styles(theme, QStringLiteral("GUIDANCE"), PreviewLight::Day);
    const MapView view = MapView::fitting(town->bounds(), QSize(320, 200));
    const QImage whole = drawn(*town, styles, view);
    // As render-map draws a large picture: the view whole, one band of rows at a time.
    QImage strips(view.size, QImage::Format_RGB32);
    for (int top = 0; top < 200; top += 48) {
        QPainter painter(&strips);
        draw_map(painter, *town, styles, view, {}, QRectF(0, top, 320, std::min(48, 200 - top)));
    }
    // Thin lines cut at a strip's edge may step their antialiasing a shade differently; a
    // line missing, doubled or moved differs by far more.
    int different = 0;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 320; ++x) {
            const QRgb a = whole.pixel(x, y);
            const QRgb b = strips.pixel(x, y);
            const int most = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                       std::abs(qBlue(a) - qBlue(b))});
            different += most > 48 ? 1 : 0;
        }
    }
    EXPECT_EQ(different, 0);
}

TEST(MapDrawing, FarOutABuildingIsADotOfItsColourAndDraftsKeepThemeColours) {
    ensure_gui_application();
    const std::shared_ptr<const MapData> town =
        load(QStringLiteral(QUORVANE_TEST_DATA "/map/tiny-town.osm"));
    Theme theme;
    Element building = new_polygon(QStringLiteral("BUILDING"), QStringLiteral("GUIDANCE"), 0);
    building.primary_day = QStringLiteral("FF0000");
    theme.elements.push_back(building);
    const MapStyles styles = map_styles(theme, QStringLiteral("GUIDANCE"), PreviewLight::Day);
    const QPointF centre = mercator_from_degrees(0.0005, 0.0005);
    for (const double level : {15.0, 14.0, 13.0}) {
        // The building, 44 m across, is 5, 3 and 1.5 pixels wide: an outline, then dots.
        const MapView view = MapView::fitting(QRectF(centre, QSizeF(1, 1)), QSize(41, 41))
                                 .zoomed_to(level, QPointF(20, 20));
        const QImage image = drawn(*town, styles, view);
        EXPECT_EQ(image.pixelColor(20, 20), QColor(0xFF, 0, 0)) << "zoom " << level;
    }
    // Without smoothing every pixel is a colour of the theme or of the unstyled look.
    const MapView near = MapView::fitting(town->bounds(), QSize(120, 120));
    MapDrawOptions draft;
    draft.smooth_edges = false;
    draft.show_unstyled = false;
    const QImage image = drawn(*town, styles, near, draft);
    QSet<QRgb> colours;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 120; ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    const QSet<QRgb> expected{qRgb(0xFF, 0, 0), unstyled_background(PreviewLight::Day).rgb()};
    EXPECT_EQ(colours, expected);
}

// On a screen of two device pixels per pixel the map looks as on a plain one, only finer: thin
// lines are a pixel wide there too, not one device pixel, so the ink grows with the area.
TEST(MapDrawing, ThinLinesKeepTheirWidthOnADoubleDensityScreen) {
    ensure_gui_application();
    const std::shared_ptr<const MapData> town =
        load(QStringLiteral(QUORVANE_EXAMPLES "/sample-town.osm"));
    const MapStyles unstyled = map_styles(Theme(), QStringLiteral("GUIDANCE"), PreviewLight::Day);
    const MapView view = MapView::fitting(town->bounds(), QSize(320, 200));
    const auto inked = [&](qreal ratio) {
        QImage image(view.size * ratio, QImage::Format_RGB32);
        image.setDevicePixelRatio(ratio);
        {
            QPainter painter(&image);
            draw_map(painter, *town, unstyled, view);
        }
        const QRgb ground = unstyled_background(PreviewLight::Day).rgb();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixel(x, y) != ground ? 1 : 0;
            }
        }
        return double(count);
    };
    EXPECT_NEAR(inked(2) / inked(1), 4.0, 0.6);
}

const MapView kPixelView{QPointF(0, 0), 10, QSize(16, 16)};
const MapDrawOptions kThemeOnly{.show_unstyled = false};

TEST(MapDrawing, SmallAreasCoverThePixelsThePainterWouldFill) {
    ensure_gui_application();
    const std::vector<std::pair<const char*, std::vector<std::vector<QPointF>>>> cases = {
        {"square", {{{4.3, 4.3}, {11.2, 4.3}, {11.2, 11.2}, {4.3, 11.2}}}},
        {"triangle", {{{4.3, 4.6}, {4.3, 11.6}, {11.3, 11.6}}}},
        {"L", {{{4.3, 4.3}, {7.3, 4.3}, {7.3, 8.6}, {11.7, 8.6}, {11.7, 11.4}, {4.3, 11.4}}}},
        {"hole",
         {{{4.2, 4.2}, {11.8, 4.2}, {11.8, 11.8}, {4.2, 11.8}},
          {{5.7, 5.7}, {10.3, 5.7}, {10.3, 10.3}, {5.7, 10.3}}}},
    };
    Theme theme;
    Element park = new_polygon(QStringLiteral("PARK"), QStringLiteral("GUIDANCE"), 0);
    park.primary_day = QStringLiteral("FF0000");
    theme.elements.push_back(park);
    const MapStyles styles = map_styles(theme, QStringLiteral("GUIDANCE"), PreviewLight::Day);
    for (const auto& [name, rings] : cases) {
        MapDataBuilder builder;
        builder.begin_area(map_feature_named(u"PARK"), {});
        QPainterPath painters_own;
        for (const auto& ring : rings) {
            std::vector<QPointF> metres;
            for (const QPointF& p : ring) {
                metres.push_back(kPixelView.to_metres(p));
            }
            builder.add_ring(metres, &ring == &rings.front());
            painters_own.addPolygon(QPolygonF(QList<QPointF>(ring.begin(), ring.end())));
        }
        builder.end_area();
        const std::shared_ptr<const MapData> map = builder.finish();
        for (const qreal density : {1.0, 2.0}) {  // a plain and a double-density screen
            QImage expected(kPixelView.size * density, QImage::Format_RGB32);
            expected.setDevicePixelRatio(density);
            expected.fill(unstyled_background(PreviewLight::Day));
            QImage image = expected;
            QPainter(&expected).fillPath(painters_own, QColor(0xFF, 0, 0));
            QPainter painter(&image);
            draw_map(painter, *map, styles, kPixelView, kThemeOnly);
            painter.end();
            EXPECT_EQ(image, expected) << name << " " << density;
        }
    }
}

TEST(MapDrawing, ALineKeepsEveryBendOfMoreThanHalfAPixel) {
    ensure_gui_application();
    Theme theme;
    Element trail = new_line(QStringLiteral("ROAD_TRAIL"), QStringLiteral("GUIDANCE"), 0);
    trail.scale = QStringLiteral(".1");
    trail.border = QStringLiteral("0");
    theme.elements.push_back(trail);
    const MapStyles styles = map_styles(theme, QStringLiteral("GUIDANCE"), PreviewLight::Day);
    // A zigzag of a thin line, its bends a pixel and a half either side of its middle.
    const std::vector<QPoint> bends{{1, 6}, {4, 9}, {7, 6}, {10, 9}, {13, 6}};
    std::vector<QPointF> metres;
    for (const QPoint& bend : bends) {
        metres.push_back(kPixelView.to_metres(QPointF(bend) + QPointF(0.5, 0.5)));
    }
    MapDataBuilder builder;
    builder.add_line(map_feature_named(u"ROAD_TRAIL"), metres, {});
    const QImage image = drawn(*builder.finish(), styles, kPixelView, kThemeOnly);
    for (const QPoint& bend : bends) {
        EXPECT_NE(image.pixelColor(bend), unstyled_background(PreviewLight::Day)) << bend.x();
    }
}

}  // namespace
}  // namespace quorvane
