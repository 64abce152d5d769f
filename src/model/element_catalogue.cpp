// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/element_catalogue.h"

namespace quorvane {

const QStringList& polygon_catalogue() {
    static const QStringList names{
        QStringLiteral("BEACH"),
        QStringLiteral("BUILDING"),
        QStringLiteral("BUILDING_SHADOW"),
        QStringLiteral("EXTRD_AREA"),
        QStringLiteral("GLACIER"),
        QStringLiteral("LAND"),
        QStringLiteral("MISC_AREA"),
        QStringLiteral("MISC_RESTR"),
        QStringLiteral("MISC_OBSTR"),
        QStringLiteral("MISC_WATER_AREA"),
        QStringLiteral("PARK"),
        QStringLiteral("RWY_HSRFC"),
        QStringLiteral("URBAN_LAND"),
        QStringLiteral("WATER"),
        QStringLiteral("WETLAND"),
        QStringLiteral("WOODS"),
    };
    return names;
}

const QStringList& line_catalogue() {
    static const QStringList names{
        QStringLiteral("CNTR_MJR"),        QStringLiteral("CNTR_INT"),
        QStringLiteral("CNTR_MNR"),        QStringLiteral("DPTH_CNTR_MJR"),
        QStringLiteral("DPTH_CNTR_INT"),   QStringLiteral("DPTH_CNTR_MNR"),
        QStringLiteral("GRID_LINE"),       QStringLiteral("MISC_LINE"),
        QStringLiteral("MISC_WATER_LINE"), QStringLiteral("PLTCL_INTL"),
        QStringLiteral("PLTCL_MJR"),       QStringLiteral("PLTCL_MNR"),
        QStringLiteral("ROAD_ALLY"),       QStringLiteral("ROAD_ARTERIAL"),
        QStringLiteral("ROAD_COLLECTOR"),  QStringLiteral("ROAD_DIM"),
        QStringLiteral("ROAD_INTERSTATE"), QStringLiteral("ROAD_SS_INTERSTATE"),
        QStringLiteral("ROAD_HWY_MJR"),    QStringLiteral("ROAD_HWY_MNR"),
        QStringLiteral("ROAD_RAILRD"),     QStringLiteral("ROAD_RESIDENTIAL"),
        QStringLiteral("ROAD_RAMP"),       QStringLiteral("ROAD_TRAIL"),
        QStringLiteral("ROAD_UNPAVED"),    QStringLiteral("RTE_ACTV_LEG"),
        QStringLiteral("RTE_ARRW"),        QStringLiteral("RTE_GPI_EMB"),
        QStringLiteral("RTE_INACTV_LEG"),  QStringLiteral("TRK"),
        QStringLiteral("TRK_SAVED"),       QStringLiteral("LEGEND"),
        QStringLiteral("SCALE_LINE"),
    };
    return names;
}

QString catalogue_field_name(const QString& name) {
    return QStringLiteral("MAP_") + name + QStringLiteral("_CLR");
}

bool is_catalogue_polygon(const QString& name) {
    return polygon_catalogue().contains(name);
}

bool is_catalogue_line(const QString& name) {
    return line_catalogue().contains(name);
}

}  // namespace quorvane
