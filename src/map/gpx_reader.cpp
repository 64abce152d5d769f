// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/gpx_reader.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QXmlStreamReader>
#include <vector>

#include "map/map_data.h"
#include "map/map_feature_table.h"
#include "map/map_view.h"

namespace quorvane {

namespace {

// Points between two looks at the cancel flag and the progress.
constexpr int kPointsPerReport = 16384;

QString reading_text(const char* text) {
    return QCoreApplication::translate("GpxReader", text);
}

class GpxReader {
  public:
    GpxReader(QIODevice& device, const MapFeatureTable& table, MapDataBuilder& builder,
              GpxReadState& state, const MapReadControl& control)
        : xml_(&device),
          device_(device),
          table_(table),
          builder_(builder),
          state_(state),
          control_(control) {}

    void read() {
        if (!xml_.readNextStartElement()) {
            fail_if_xml_error();
            throw MapReadError{reading_text("the file is empty")};
        }
        if (xml_.name() != QLatin1String("gpx")) {
            throw MapReadError{reading_text("this is not GPX: the document is a <%1>")
                                   .arg(xml_.name().toString())};
        }
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("rte")) {
                read_path(QLatin1String("rtept"), nullptr);
            } else if (xml_.name() == QLatin1String("trk")) {
                read_path(QLatin1String("trkpt"), "trkseg");
            } else {
                xml_.skipCurrentElement();
            }
        }
        fail_if_xml_error();
    }

  private:
    // A route (its points directly inside it) or a track (its points in segments).
    void read_path(QLatin1String point_name, const char* segment_name) {
        const bool route = segment_name == nullptr;
        QString name;
        QString type;
        std::vector<std::vector<QPointF>> lines(1);
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("name")) {
                name = xml_.readElementText(QXmlStreamReader::SkipChildElements);
            } else if (xml_.name() == QLatin1String("type")) {
                type = xml_.readElementText(QXmlStreamReader::SkipChildElements);
            } else if (xml_.name() == point_name) {
                read_point(lines.back());
            } else if (segment_name != nullptr && xml_.name() == QLatin1String(segment_name)) {
                while (xml_.readNextStartElement()) {
                    if (xml_.name() == point_name) {
                        read_point(lines.back());
                    } else {
                        xml_.skipCurrentElement();
                    }
                }
                lines.emplace_back();
            } else {
                xml_.skipCurrentElement();
            }
        }
        fail_if_xml_error();
        bool& seen = route ? state_.route_seen : state_.track_seen;
        const QByteArray type_bytes = type.trimmed().toUtf8();
        const MapTag tags[] = {
            {"gpx", route ? "route" : "track"},
            {"gpx:first", seen ? "no" : "yes"},
            {"type", std::string_view(type_bytes.data(), size_t(type_bytes.size()))}};
        seen = true;
        const MapFeature feature = table_.feature_for(tags, MapShapeKind::Line);
        if (feature == kNoMapFeature) {
            return;
        }
        for (const std::vector<QPointF>& line : lines) {
            builder_.add_line(feature, line, name.trimmed());
        }
    }

    void read_point(std::vector<QPointF>& line) {
        const QXmlStreamAttributes attributes = xml_.attributes();
        bool lat_read = false;
        bool lon_read = false;
        const double lat = attributes.value(QLatin1String("lat")).toDouble(&lat_read);
        const double lon = attributes.value(QLatin1String("lon")).toDouble(&lon_read);
        if (!lat_read || !lon_read) {
            throw MapReadError{reading_text("line %1: a point without a readable latitude and "
                                            "longitude")
                                   .arg(xml_.lineNumber())};
        }
        if (!(lat >= -90 && lat <= 90 && lon >= -180 && lon <= 180)) {
            throw MapReadError{reading_text("line %1: a point outside the world (latitude %2, "
                                            "longitude %3)")
                                   .arg(xml_.lineNumber())
                                   .arg(lat)
                                   .arg(lon)};
        }
        line.push_back(mercator_from_degrees(lon, lat));
        xml_.skipCurrentElement();
        if (++points_ % kPointsPerReport == 0) {
            if (control_.cancelled()) {
                throw MapReadCancelled{};
            }
            if (control_.progress && device_.size() > 0) {
                control_.progress(double(device_.pos()) / double(device_.size()));
            }
        }
    }

    void fail_if_xml_error() {
        if (xml_.hasError()) {
            throw MapReadError{reading_text("XML error at line %1, column %2: %3")
                                   .arg(xml_.lineNumber())
                                   .arg(xml_.columnNumber())
                                   .arg(xml_.errorString())};
        }
    }

    QXmlStreamReader xml_;
    QIODevice& device_;
    const MapFeatureTable& table_;
    MapDataBuilder& builder_;
    GpxReadState& state_;
    const MapReadControl& control_;
    qint64 points_ = 0;
};

}  // namespace

void read_gpx(QIODevice& device, const MapFeatureTable& table, MapDataBuilder& builder,
              GpxReadState& state, const MapReadControl& control) {
    GpxReader(device, table, builder, state, control).read();
}

}  // namespace quorvane
