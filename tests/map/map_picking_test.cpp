// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "format/reader.h"
#include "map/map_files.h"
#include "map/map_loader.h"
#include "map/map_picking.h"
#include "model/element_catalogue.h"
#include "support/printers.h"
#include "text/message_list.h"

namespace quorvane {
namespace {

const MapFeatureTable& table() {
    static const MapFeatureTable read = [] {
        QStringList errors;
        return read_map_feature_table(QStringLiteral(QUORVANE_MAP_FEATURES), &errors).value();
    }();
    return read;
}

QStringList sample_town_files() {
    return {QStringLiteral(QUORVANE_EXAMPLES "/sample-town.osm"),
            QStringLiteral(QUORVANE_EXAMPLES "/sample-town.gpx")};
}

std::shared_ptr<const MapData> load(const QStringList& paths) {
    const MapLoadResult result = load_map(paths, table());
    EXPECT_TRUE(result.complete()) << result.errors.join(' ').toStdString();
    return result.map;
}

// The tiny town (a lake, a building the theme does not style, a main road) at 200 x 200
// pixels, the square of 0.002 degrees round 0, 0 filling the picture.
class TinyTownPicking : public ::testing::Test {
  protected:
    TinyTownPicking()
        : map_(load({QStringLiteral(QUORVANE_TEST_DATA "/map/tiny-town.osm")})),
          view_(MapView::fitting(
              QRectF(mercator_from_degrees(-0.001, -0.001), mercator_from_degrees(0.001, 0.001)),
              QSize(200, 200))) {
        MessageList messages;
        read_theme_file(QStringLiteral(QUORVANE_TEST_DATA "/map/tiny-town.kmtf"), theme_, messages);
    }

    QPointF at(double longitude, double latitude) const {
        return view_.to_pixel(mercator_from_degrees(longitude, latitude));
    }
    MapPick pick(QPointF pixel, const QString& presentation = QStringLiteral("GUIDANCE"),
                 bool show_unstyled = true) const {
        MapDrawOptions options;
        options.show_unstyled = show_unstyled;
        return pick_map_feature(*map_, map_styles(theme_, presentation, PreviewLight::Day), view_,
                                pixel, options);
    }
    QString text(const MapPick& found, const QString& presentation = QStringLiteral("GUIDANCE")) {
        return map_pick_text(theme_, map_styles(theme_, presentation, PreviewLight::Day), found);
    }

    std::shared_ptr<const MapData> map_;
    MapView view_;
    Theme theme_;
};

TEST_F(TinyTownPicking, FindsTheFeatureUnderThePixelWithItsElement) {
    struct Case {
        QPointF pixel;
        const char* feature;
        int element;
        const char* name;
    };
    // The road is 3 units wide with a casing of 1 each side: 2.5 units reach from its centre.
    const double road_reach = 2.5 * view_.pixels_per_style_unit();
    const QPointF road = at(-0.0007, -0.0005);
    const double building_right = at(0.0007, 0).x();
    const Case cases[] = {
        {at(-0.0005, 0.0005), "WATER", 1, "Round Pond"},
        {road, "ROAD_ARTERIAL", 2, "High Street"},
        {road - QPointF(0, road_reach - 1), "ROAD_ARTERIAL", 2, "High Street"},
        {road - QPointF(0, road_reach + 2), "LAND", 0, ""},
        {at(0.0005, 0.0005), "BUILDING", -1, ""},
        // The shadow shows down and to the right of the building.
        {QPointF(building_right + 1, at(0, 0.0005).y()), "BUILDING_SHADOW", -1, ""},
        {at(-0.0005, -0.0001), "LAND", 0, ""},
    };
    for (const Case& c : cases) {
        const MapPick found = pick(c.pixel);
        ASSERT_NE(found.feature, kNoMapFeature);
        EXPECT_EQ(map_feature_name(found.feature), QLatin1String(c.feature))
            << c.pixel.x() << "," << c.pixel.y();
        EXPECT_EQ(found.element, c.element) << c.feature;
        EXPECT_EQ(found.name, QLatin1String(c.name)) << c.feature;
    }
}

TEST_F(TinyTownPicking, SaysHowTheFeatureIsStyledInThePresentation) {
    const MapPick road = pick(at(-0.0007, -0.0005));
    EXPECT_EQ(text(road), QStringLiteral("ROAD ARTERIAL · GUIDANCE · scale 3, border 1"));
    EXPECT_EQ(text(pick(at(-0.0005, 0.0005))), QStringLiteral("WATER · GUIDANCE"));
    EXPECT_EQ(text(pick(at(0.0005, 0.0005))), QStringLiteral("BUILDING · not styled in GUIDANCE"));
    // Another presentation styles the lake and not the road.
    const QString pedestrian = QStringLiteral("PEDESTRIAN");
    const MapPick lake = pick(at(-0.0005, 0.0005), pedestrian);
    EXPECT_EQ(lake.element, 3);
    EXPECT_EQ(text(pick(at(-0.0007, -0.0005), pedestrian), pedestrian),
              QStringLiteral("ROAD ARTERIAL · not styled in PEDESTRIAN"));
}

TEST_F(TinyTownPicking, HiddenUnstyledFeaturesAreNotFound) {
    const MapPick found = pick(at(0.0005, 0.0005), QStringLiteral("GUIDANCE"), false);
    EXPECT_EQ(map_feature_name(found.feature), QStringLiteral("LAND"));
}

TEST_F(TinyTownPicking, TheLegendSaysWhatOccursWhereAndWhetherItIsStyled) {
    const MapStyles styles = map_styles(theme_, QStringLiteral("GUIDANCE"), PreviewLight::Day);
    const std::vector<MapLegendEntry> legend = map_legend(*map_, styles, view_);
    ASSERT_EQ(int(legend.size()), map_feature_count());
    const auto entry = [&](const char* name) {
        return legend[size_t(map_feature_named(QString::fromLatin1(name)))];
    };
    EXPECT_TRUE(entry("WATER").in_view);
    EXPECT_EQ(entry("WATER").element, 1);
    EXPECT_TRUE(entry("BUILDING").in_data);
    EXPECT_FALSE(entry("BUILDING").styled());
    EXPECT_TRUE(entry("BUILDING_SHADOW").in_data);
    EXPECT_FALSE(entry("GLACIER").in_data);
    EXPECT_TRUE(entry("SCALE_LINE").in_view);
    EXPECT_FALSE(entry("RTE_ARRW").in_data);
    // Far from the town nothing of the data is in view.
    const MapView away = view_.panned_by(QPointF(5000, 0));
    EXPECT_FALSE(map_legend(*map_, styles, away)[size_t(map_feature_named(u"WATER"))].in_view);
}

TEST(SampleTown, HoldsEveryFeatureOfTheCatalogue) {
    const std::shared_ptr<const MapData> town = load(sample_town_files());
    const MapStyles unstyled = map_styles(Theme(), QStringLiteral("GUIDANCE"), PreviewLight::Day);
    const MapView whole = MapView::fitting(town->bounds(), QSize(1600, 1000));
    QStringList missing;
    for (const MapLegendEntry& entry : map_legend(*town, unstyled, whole)) {
        if (!entry.in_data || !entry.in_view) {
            missing.append(map_feature_name(entry.feature));
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(' ').toStdString();
    EXPECT_EQ(town->edge_counts(), MapEdgeCounts());
    EXPECT_EQ(map_feature_count(), polygon_catalogue().size() + line_catalogue().size());
}

TEST(MapView, ProjectsFitsZoomsAndPans) {
    const QPointF london = mercator_from_degrees(-0.1278, 51.5074);
    const QPointF back = degrees_from_mercator(london);
    EXPECT_NEAR(back.x(), -0.1278, 1e-9);
    EXPECT_NEAR(back.y(), 51.5074, 1e-9);
    EXPECT_NEAR(ground_metres_per_mercator_metre(mercator_from_degrees(0, 60).y()), 0.5, 1e-9);
    // The poles are held at the edge of the square world.
    EXPECT_EQ(mercator_from_degrees(0, 90), mercator_from_degrees(0, 85.0511287798066));

    const QRectF area(QPointF(0, 0), QSizeF(2000, 1000));
    const MapView fit = MapView::fitting(area, QSize(400, 400));
    EXPECT_DOUBLE_EQ(fit.metres_per_pixel, 5);
    EXPECT_EQ(fit.to_pixel(area.center()), QPointF(200, 200));
    const MapView level16 = fit.zoomed_to(16, QPointF(100, 50));
    EXPECT_NEAR(level16.zoom_level(), 16, 1e-9);
    EXPECT_NEAR(level16.pixels_per_style_unit(), 4, 1e-9);
    EXPECT_NEAR(level16.zoomed_to(18, {}).pixels_per_style_unit(), 8, 1e-9);
    const QPointF held = fit.to_metres(QPointF(100, 50));
    EXPECT_NEAR(level16.to_pixel(held).x(), 100, 1e-6);
    EXPECT_NEAR(level16.to_pixel(held).y(), 50, 1e-6);
    EXPECT_NEAR(fit.zoomed_to(99, {}).zoom_level(), kMaxZoom, 1e-9);
    const MapView moved = fit.panned_by(QPointF(10, -20));
    EXPECT_NEAR(moved.to_pixel(area.center()).x(), 210, 1e-9);
    EXPECT_NEAR(moved.to_pixel(area.center()).y(), 180, 1e-9);
}

}  // namespace
}  // namespace quorvane
