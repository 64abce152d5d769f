// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/map_features.h"

#include <QStringList>

#include "model/element_catalogue.h"

namespace quorvane {

namespace {

const QStringList& all_names() {
    static const QStringList names = polygon_catalogue() + line_catalogue();
    return names;
}

std::vector<MapFeature> features_named(std::initializer_list<const char*> names) {
    std::vector<MapFeature> features;
    for (const char* name : names) {
        features.push_back(map_feature_named(QString::fromLatin1(name)));
    }
    return features;
}

}  // namespace

int map_feature_count() {
    return int(all_names().size());
}

const QString& map_feature_name(MapFeature feature) {
    return all_names()[feature];
}

bool is_area_feature(MapFeature feature) {
    return feature >= 0 && feature < polygon_catalogue().size();
}

MapFeature map_feature_named(QStringView name) {
    return MapFeature(all_names().indexOf(name));
}

const DrawnFeatures& drawn_features() {
    static const DrawnFeatures features{map_feature_named(u"LAND"),
                                        map_feature_named(u"BUILDING"),
                                        map_feature_named(u"BUILDING_SHADOW"),
                                        map_feature_named(u"GRID_LINE"),
                                        map_feature_named(u"SCALE_LINE"),
                                        map_feature_named(u"LEGEND"),
                                        map_feature_named(u"RTE_ARRW"),
                                        map_feature_named(u"RTE_ACTV_LEG")};
    return features;
}

const std::vector<MapFeature>& area_draw_order() {
    // Islands (LAND) over the water round them; the building shadow is drawn with BUILDING.
    static const std::vector<MapFeature> order =
        features_named({"URBAN_LAND", "MISC_AREA", "MISC_RESTR", "EXTRD_AREA", "PARK", "WOODS",
                        "WETLAND", "GLACIER", "BEACH", "WATER", "MISC_WATER_AREA", "LAND",
                        "MISC_OBSTR", "RWY_HSRFC", "BUILDING"});
    return order;
}

const std::vector<MapFeature>& line_draw_order() {
    static const std::vector<MapFeature> order = features_named(
        {"CNTR_MNR",       "CNTR_INT",           "CNTR_MJR",        "DPTH_CNTR_MNR",
         "DPTH_CNTR_INT",  "DPTH_CNTR_MJR",      "MISC_WATER_LINE", "MISC_LINE",
         "PLTCL_MNR",      "PLTCL_MJR",          "PLTCL_INTL",      "ROAD_DIM",
         "ROAD_TRAIL",     "ROAD_UNPAVED",       "ROAD_ALLY",       "ROAD_RESIDENTIAL",
         "ROAD_COLLECTOR", "ROAD_RAMP",          "ROAD_ARTERIAL",   "ROAD_HWY_MNR",
         "ROAD_HWY_MJR",   "ROAD_SS_INTERSTATE", "ROAD_INTERSTATE", "ROAD_RAILRD"});
    return order;
}

const std::vector<MapFeature>& overlay_draw_order() {
    static const std::vector<MapFeature> order =
        features_named({"GRID_LINE", "TRK_SAVED", "TRK", "RTE_INACTV_LEG", "RTE_GPI_EMB",
                        "RTE_ACTV_LEG", "RTE_ARRW", "SCALE_LINE", "LEGEND"});
    return order;
}

}  // namespace quorvane
