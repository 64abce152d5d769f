// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString kSample = QStringLiteral(QUORVANE_TEST_DATA "/preview/two_presentations.kmtf");

int render(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(QUORVANE_CLI), QStringList{"render"} + args);
    if (!cli.waitForFinished(60000)) {
        return -1;
    }
    return cli.exitCode();
}

class RenderTest : public ::testing::Test {
  protected:
    QImage rendered(const QStringList& extra = {}) {
        const QString out = dir_.filePath("preview.png");
        EXPECT_EQ(render(QStringList{kSample, out} + extra), 0);
        return QImage(out);
    }
    QTemporaryDir dir_;
};

TEST_F(RenderTest, PaintsTilesBandsRulesAndLabelsAtFifteenTwipsPerPixel) {
    const QImage image = rendered();
    ASSERT_FALSE(image.isNull());
    // 11712 x 10236 twips: the short canvas is stretched to the viewport.
    EXPECT_EQ(image.size(), QSize(781, 682));

    EXPECT_EQ(image.pixelColor(2, 2), QColor(255, 255, 255));  // canvas
    // The polygon tile at 238, 38: its background, then its patch from 60, 60 inside it.
    EXPECT_EQ(image.pixelColor(17, 4), QColor(250, 245, 250));
    EXPECT_EQ(image.pixelColor(40, 30), QColor(0xCE, 0xCE, 0xCE));
    EXPECT_EQ(image.pixelColor(19, 30), QColor(250, 245, 250));
    EXPECT_EQ(image.pixelColor(20, 30), QColor(0xCE, 0xCE, 0xCE));

    // The line tile at 1190, 38: day border 138-174, core 174-234; night core 456-516.
    EXPECT_EQ(image.pixelColor(100, 10), QColor(0x0A, 0x0A, 0x0A));
    EXPECT_EQ(image.pixelColor(100, 13), QColor(0xCE, 0xCE, 0xCE));
    EXPECT_EQ(image.pixelColor(100, 16), QColor(0x0A, 0x0A, 0x0A));
    EXPECT_EQ(image.pixelColor(100, 31), QColor(0xAA, 0xFF, 0x00));
    EXPECT_EQ(image.pixelColor(100, 28), QColor(0xDD, 0x00, 0x11));
    EXPECT_EQ(image.pixelColor(81, 13), QColor(250, 245, 250));  // left of the sample

    // The rule 150 above the BROWSE row (1654): y 1504, across the canvas.
    EXPECT_EQ(image.pixelColor(5, 100), QColor(116, 0, 149));
    EXPECT_EQ(image.pixelColor(770, 100), QColor(116, 0, 149));
    EXPECT_EQ(image.pixelColor(5, 101), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(40, 130), QColor(0, 0, 255));

    // The label under the first tile: white, with dark text in it.
    int dark = 0;
    for (int y = 57; y < 97; ++y) {
        for (int x = 16; x < 73; ++x) {
            dark += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 10);
    EXPECT_EQ(image.pixelColor(17, 90), QColor(255, 255, 255));
}

TEST_F(RenderTest, WrapsTilesAtTheGivenCanvasWidth) {
    const QImage image = rendered({"--canvas-width", "2000"});
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 133);
    // The line tile wraps to the second row (38 + 1516, pixel 104). Bands are placed from the
    // tile's own top pixel: the day border at pixels 7 and 8 of the tile, the core from 9 to 12.
    const int tile_top = 104;
    EXPECT_EQ(image.pixelColor(40, tile_top + 6), QColor(250, 245, 250));
    EXPECT_EQ(image.pixelColor(40, tile_top + 7), QColor(0x0A, 0x0A, 0x0A));
    EXPECT_EQ(image.pixelColor(40, tile_top + 8), QColor(0x0A, 0x0A, 0x0A));
    EXPECT_EQ(image.pixelColor(40, tile_top + 9), QColor(0xCE, 0xCE, 0xCE));
    EXPECT_EQ(image.pixelColor(40, tile_top + 12), QColor(0xCE, 0xCE, 0xCE));
    EXPECT_EQ(image.pixelColor(40, tile_top + 13), QColor(0x0A, 0x0A, 0x0A));
}

// Pixels in the margin left of the first column (x 0 to 14) between two rows that are neither
// the canvas's colour nor grey: the letters of a presentation name.
int name_pixels(const QImage& image, int top, int bottom, const QColor& canvas) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < 15; ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c != canvas && c.blue() > c.green() + 40 ? 1 : 0;
        }
    }
    return count;
}

TEST_F(RenderTest, NamesEachPresentationBesideItsRows) {
    const QImage image = rendered();
    // GUIDANCE's row from pixel 3 to 97, BROWSE's from 110; nothing above the first or between
    // the rule at 100 and the row under it.
    EXPECT_GT(name_pixels(image, 3, 97, QColor(255, 255, 255)), 20);
    EXPECT_GT(name_pixels(image, 110, 204, QColor(255, 255, 255)), 20);
    EXPECT_EQ(name_pixels(image, 0, 3, QColor(255, 255, 255)), 0);
    EXPECT_EQ(name_pixels(image, 101, 110, QColor(255, 255, 255)), 0);
}

TEST_F(RenderTest, NightPaintsTheNightColoursFirstOnADarkCanvas) {
    const QImage image = rendered({"--night"});
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(781, 682));
    const QColor canvas(28, 28, 36);
    EXPECT_EQ(image.pixelColor(2, 2), canvas);
    EXPECT_EQ(image.pixelColor(17, 4), QColor(52, 50, 60));         // a tile
    EXPECT_EQ(image.pixelColor(40, 30), QColor(0xFF, 0xE0, 0xC0));  // the polygon's night fill
    EXPECT_EQ(image.pixelColor(40, 130), QColor(0x00, 0x00, 0x80));
    // The line: its night sample where the day sample was, the day one greyed below.
    EXPECT_EQ(image.pixelColor(100, 10), QColor(0xDD, 0x00, 0x11));
    EXPECT_EQ(image.pixelColor(100, 13), QColor(0xAA, 0xFF, 0x00));
    EXPECT_EQ(image.pixelColor(100, 28), QColor(43, 43, 43));     // 0a0a0a greyed
    EXPECT_EQ(image.pixelColor(100, 31), QColor(120, 120, 120));  // CECECE greyed
    EXPECT_EQ(image.pixelColor(5, 100), QColor(190, 130, 235));   // the rule
    EXPECT_GT(name_pixels(image, 3, 97, canvas), 20);
}

TEST_F(RenderTest, PaintsOnePresentationOnly) {
    const QImage whole = rendered();
    // Lower case and spaces around the name are the reader's business, not the user's.
    const QImage browse = rendered({"--presentation", " browse "});
    ASSERT_FALSE(browse.isNull());
    EXPECT_EQ(browse.size(), whole.size());
    // The BROWSE tile takes the first place, without a rule above it.
    EXPECT_EQ(browse.pixelColor(40, 30), QColor(0, 0, 255));
    EXPECT_EQ(browse.pixelColor(5, 100), QColor(255, 255, 255));
    EXPECT_EQ(render({kSample, dir_.filePath("x.png"), "--presentation", "NIGHT"}), 2);
    EXPECT_EQ(render({kSample, dir_.filePath("x.png"), "--presentation"}), 2);
}

TEST_F(RenderTest, RefusesToReplaceWhatIsNotARegularFile) {
    const QString folder = dir_.filePath("folder.png");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(render({kSample, folder}), 1);
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(RenderTest, RefusesBadArguments) {
    const QString out = dir_.filePath("x.png");
    EXPECT_EQ(render({dir_.filePath("missing.kmtf"), out}), 2);
    EXPECT_EQ(render({kSample}), 2);
    EXPECT_EQ(render({kSample, out, "--canvas-width", "wide"}), 2);
    // A picture that cannot be written is refused as resave refuses a theme.
    EXPECT_EQ(render({kSample, dir_.filePath("no/such/folder/x.png")}), 1);
}

}  // namespace
