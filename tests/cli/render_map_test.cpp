// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "map/map_view.h"

namespace quorvane {
namespace {

const QString kData = QStringLiteral(QUORVANE_TEST_DATA "/map/");
const QString kTheme = kData + QStringLiteral("tiny-town.kmtf");
const QString kTown = kData + QStringLiteral("tiny-town.osm");
// The tiny town's square of 0.002 degrees round 0, 0, filling 200 x 200 pixels.
const QStringList kWhole{QStringLiteral("--bbox=-0.001,-0.001,0.001,0.001"),
                         QStringLiteral("--size"), QStringLiteral("200x200")};

struct CliRun {
    int exit_code = -1;
    QString errors;
    QByteArray output;
};

CliRun render_map(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(QUORVANE_CLI), QStringList{QStringLiteral("render-map")} + args);
    CliRun run;
    if (cli.waitForFinished(60000)) {
        run.exit_code = cli.exitCode();
        run.errors = QString::fromUtf8(cli.readAllStandardError());
        run.output = cli.readAllStandardOutput();
    }
    return run;
}

class RenderMapTest : public ::testing::Test {
  protected:
    QImage rendered(const QStringList& args) {
        const QString out = dir_.filePath(QStringLiteral("map.png"));
        const CliRun run = render_map(QStringList{kTheme, kTown, out} + kWhole + args);
        EXPECT_EQ(run.exit_code, 0) << run.errors.toStdString();
        EXPECT_EQ(run.errors, QString());
        return QImage(out).convertToFormat(QImage::Format_RGB32);
    }

    QTemporaryDir dir_;
    const MapView view_ = MapView::fitting(
        QRectF(mercator_from_degrees(-0.001, -0.001), mercator_from_degrees(0.001, 0.001)),
        QSize(200, 200));
};

QPoint pixel_at(const MapView& view, double longitude, double latitude) {
    return view.to_pixel(mercator_from_degrees(longitude, latitude)).toPoint();
}

TEST_F(RenderMapTest, DrawsAreasAndLinesInTheirDayAndNightColours) {
    // The road's core is 3 units wide, its casing 1 unit each side of it.
    const double unit = view_.pixels_per_style_unit();
    const QPoint road = pixel_at(view_, -0.0007, -0.0005);
    const QPoint casing = road - QPoint(0, int(2 * unit));
    const QPoint beside = road - QPoint(0, int(3 * unit));
    const QPoint lake = pixel_at(view_, -0.0005, 0.0005);
    struct Case {
        QStringList args;
        QColor lake, core, casing, land;
    };
    const Case cases[] = {
        {{},
         QColor(0x30, 0x80, 0xC0),
         QColor(0xFF, 0xD0, 0x00),
         QColor(0x80, 0x40, 0x00),
         QColor(0xF0, 0xEA, 0xD6)},
        {{QStringLiteral("--night")},
         QColor(0x10, 0x20, 0x40),
         QColor(0xA0, 0x80, 0x00),
         QColor(0, 0, 0),
         QColor(0x20, 0x20, 0x20)},
        // PEDESTRIAN styles the lake alone: the road is a thin grey line on the grey of
        // unstyled land.
        {{QStringLiteral("--presentation"), QStringLiteral(" pedestrian ")},
         QColor(0, 0xFF, 0),
         QColor(),
         QColor(),
         QColor(242, 242, 242)},
    };
    for (const Case& c : cases) {
        const QImage image = rendered(c.args);
        ASSERT_EQ(image.size(), QSize(200, 200));
        const QString args = c.args.join(' ');
        EXPECT_EQ(image.pixelColor(lake), c.lake) << args.toStdString();
        EXPECT_EQ(image.pixelColor(beside), c.land) << args.toStdString();
        if (c.core.isValid()) {
            EXPECT_EQ(image.pixelColor(road), c.core) << args.toStdString();
            EXPECT_EQ(image.pixelColor(casing), c.casing) << args.toStdString();
        } else {
            const QColor grey = image.pixelColor(road);
            EXPECT_LT(grey.lightness(), c.land.lightness()) << args.toStdString();
            EXPECT_TRUE(grey.red() == grey.green() && grey.green() == grey.blue());
            EXPECT_EQ(image.pixelColor(casing), c.land) << args.toStdString();
        }
    }
}

TEST_F(RenderMapTest, HatchesUnstyledAreasUnlessTheyAreHidden) {
    // Inside the building, which the theme does not style: grey hatching over the land.
    const QPoint top_left = pixel_at(view_, 0.0004, 0.0006);
    const auto grey_pixels = [&](const QImage& image) {
        int grey = 0;
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                grey += image.pixelColor(top_left + QPoint(x, y)).lightness() < 200 ? 1 : 0;
            }
        }
        return grey;
    };
    EXPECT_GT(grey_pixels(rendered({})), 10);
    EXPECT_EQ(grey_pixels(rendered({QStringLiteral("--hide-unstyled")})), 0);
}

TEST_F(RenderMapTest, DrawsTheSampleTownWithoutMapDataAndWritesToStandardOutput) {
    const CliRun run = render_map(
        {kTheme, QStringLiteral("-"), QStringLiteral("--size"), QStringLiteral("320x200")});
    ASSERT_EQ(run.exit_code, 0) << run.errors.toStdString();
    const QImage image = QImage::fromData(run.output, "PNG");
    EXPECT_EQ(image.size(), QSize(320, 200));
    // The bay fills the bottom of the sample town in the theme's WATER colour, under its
    // (unstyled) depth contours and the border.
    int water = 0;
    for (int x = 0; x < 320; ++x) {
        water += image.pixelColor(x, 190) == QColor(0x30, 0x80, 0xC0) ? 1 : 0;
    }
    EXPECT_GT(water, 250);
}

TEST_F(RenderMapTest, CountsWhatIsIncompleteAtTheEdgesAndStillDraws) {
    const CliRun run = render_map({kTheme, kData + QStringLiteral("incomplete-edges.osm"),
                                   dir_.filePath(QStringLiteral("edges.png"))});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.errors, QStringLiteral("Incomplete at the edges of the map data: 1 way drawn "
                                         "from the nodes present, 2 areas left out\n"));
}

TEST_F(RenderMapTest, RefusesUnreadableMapDataAndBadArguments) {
    const QString out = dir_.filePath(QStringLiteral("x.png"));
    for (const char* file :
         {"broken.osm", "truncated.osm.pbf", "bad-block.osm.pbf", "looping-relation.osm",
          "out-of-range.osm", "broken.gpx", "truncated.osm.bz2", "missing.gpx"}) {
        const QString path = kData + QLatin1String(file);
        const CliRun run = render_map({kTheme, kTown, path, out});
        EXPECT_EQ(run.exit_code, 2) << file;
        EXPECT_TRUE(run.errors.startsWith(QStringLiteral("quorvane-cli: Cannot read map ") + path +
                                          QStringLiteral(": ")))
            << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << file;
    }
    const QStringList bad_arguments[] = {
        {kTheme, kTown, out, QStringLiteral("--presentation"), QStringLiteral("TRAFFIC")},
        {kTheme, kTown, out, QStringLiteral("--presentation")},
        {kTheme, kTown, out, QStringLiteral("--size"), QStringLiteral("0x10")},
        {kTheme, kTown, out, QStringLiteral("--size"), QStringLiteral("wide")},
        {kTheme, kTown, out, QStringLiteral("--bbox"), QStringLiteral("1,1,0,2")},
        {kTheme, kTown, out, QStringLiteral("--bbox"), QStringLiteral("0,0,1,91")},
        {kTheme, kTown, out, QStringLiteral("--colour")},
        {kTheme},
        {kData + QStringLiteral("missing.kmtf"), kTown, out},
    };
    for (const QStringList& args : bad_arguments) {
        const CliRun run = render_map(args);
        EXPECT_EQ(run.exit_code, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.errors.startsWith(QStringLiteral("quorvane-cli: ")))
            << run.errors.toStdString();
    }
    EXPECT_EQ(render_map({kTheme, kTown, dir_.path()}).exit_code, 1);
}

}  // namespace
}  // namespace quorvane
