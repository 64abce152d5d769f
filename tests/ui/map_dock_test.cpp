// SPDX-License-Identifier: GPL-3.0-or-later
// The Map panel as a user works with it: from a feature on the map to its style and back, map
// data opened, refused and remembered, and the map following the window's views.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>
#include <memory>

#include "main_window_session.h"
#include "map/map_data.h"
#include "map/shown_map_styles.h"
#include "ui/map_canvas.h"
#include "ui/map_dock.h"
#include "ui/night_colours_dialog.h"
#include "ui/recolour_commands.h"
#include "ui/style_editor.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

const QString kDemo = QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf");
const QString kTinyTown = QStringLiteral(QUORVANE_TEST_DATA "/map/tiny-town.osm");
const QString kBroken = QStringLiteral(QUORVANE_TEST_DATA "/map/broken.osm");

// A pixel of the canvas where the feature picked is `feature` (styled or not, as asked), found
// on a grid; (-1, -1) when none is.
QPoint pixel_of(const MapCanvas& canvas, MapFeature feature, bool styled = true) {
    for (int y = 4; y < canvas.height() - 4; y += 3) {
        for (int x = 4; x < canvas.width() - 4; x += 3) {
            const MapPick pick = canvas.pick_at(QPointF(x, y));
            if (pick.feature == feature && pick.styled() == styled) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

// How many pixels of the canvas as shown have this colour.
int pixels_coloured(MapCanvas& canvas, QColor colour) {
    const QImage shown = canvas.grab().toImage();
    int count = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            count += shown.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

class MapDockTest : public QObject {
    Q_OBJECT

    // The editor on the demo theme with the Map panel shown and its first map read.
    std::unique_ptr<MainWindowSession> session() {
        auto s = std::make_unique<MainWindowSession>(dir_->path(), kDemo);
        if (!s->show()) {
            return nullptr;
        }
        QSignalSpy shown(&s->window->map_dock(), &MapDock::map_shown);
        s->window->panel_action(s->window->map_dock())->trigger();
        if (!QTest::qWaitFor([&] { return s->theme().element_count() > 0; }) ||
            (shown.isEmpty() && !shown.wait(10000))) {
            return nullptr;
        }
        return s;
    }

    std::unique_ptr<QTemporaryDir> dir_;

  private slots:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    // Click a road on the map: its tile is selected; double-click it: the style editor opens on
    // it; Apply: the map shows the new colour.
    void a_road_on_the_map_leads_to_its_style() {
        auto s = session();
        QVERIFY(s);
        MapDock& dock = s->window->map_dock();
        MapCanvas& canvas = dock.canvas();
        const MapFeature road = map_feature_named(u"ROAD_HWY_MJR");
        // Close enough in for the road's core to show in its own colour.
        const QPoint far = pixel_of(canvas, road);
        QVERIFY(far.x() >= 0);
        canvas.set_view(canvas.view().zoomed_to(16.5, far));
        const QPoint at = pixel_of(canvas, road);
        QVERIFY(at.x() >= 0);
        const int element = canvas.pick_at(at).element;
        QCOMPARE(s->theme().elements[size_t(element)].field_name,
                 QStringLiteral("MAP_ROAD_HWY_MJR_CLR"));

        QMouseEvent move(QEvent::MouseMove, at, canvas.mapToGlobal(at), Qt::NoButton, {}, {});
        QApplication::sendEvent(&canvas, &move);
        QTRY_VERIFY(
            dock.pointer_line().toolTip().startsWith("ROAD HWY MJR \u00b7 GUIDANCE \u00b7 scale"));
        QTest::mouseClick(&canvas, Qt::LeftButton, {}, at);
        QCOMPARE(s->window->selection().selected(), std::vector<int>{element});

        const QColor fresh(0x00, 0xFF, 0x80);
        QCOMPARE(pixels_coloured(canvas, fresh), 0);
        bool edited = false;
        {
            auto apply = when_modal<StyleEditor>([&](StyleEditor& editor) {
                edited = true;
                QLineEdit* box = editor.colour_box(ColourSlot::Primary);
                box->selectAll();
                QTest::keyClicks(box, QStringLiteral("00FF80"));
                QTest::keyClick(box, Qt::Key_Return);
                QTest::mouseClick(editor.apply_button(), Qt::LeftButton);
            });
            QTest::mouseDClick(&canvas, Qt::LeftButton, {}, at);
        }
        QVERIFY(edited);
        QCOMPARE(s->theme().elements[size_t(element)].primary_day, QStringLiteral("00FF80"));
        QTRY_VERIFY(pixels_coloured(canvas, fresh) > 20);
    }

    // Double-click a feature the presentation does not style: the editor offers to add it, in
    // one step that Undo takes back.
    void an_unstyled_feature_is_added_from_the_map() {
        auto s = session();
        QVERIFY(s);
        MapCanvas& canvas = s->window->map_dock().canvas();
        const MapFeature airfield = map_feature_named(u"MISC_AREA");
        const QPoint at = pixel_of(canvas, airfield, false);
        QVERIFY(at.x() >= 0);
        const int steps = s->document.history().count();
        s->messages.answers << true;
        {
            auto cancel = when_modal<StyleEditor>([](StyleEditor& editor) { editor.reject(); });
            QTest::mouseDClick(&canvas, Qt::LeftButton, {}, at);
        }
        QCOMPARE(s->messages.asked,
                 QStringList{"MISC AREA is not styled in GUIDANCE. Add it to GUIDANCE?"});
        QCOMPARE(s->document.history().count(), steps + 1);
        QVERIFY(canvas.styles().of(airfield).styled());
        QCOMPARE(s->window->selection().selected(),
                 std::vector<int>{canvas.styles().of(airfield).element});
        s->document.history().undo();
        QVERIFY(!canvas.styles().of(airfield).styled());
    }

    // Open Map Data shows the files chosen; a file that cannot be read is reported and changes
    // nothing; the next run shows the same map; Sample Town goes back.
    void map_data_is_opened_refused_and_remembered() {
        {
            auto s = session();
            QVERIFY(s);
            MapDock& dock = s->window->map_dock();
            QVERIFY(dock.files().isEmpty());
            QSignalSpy shown(&dock, &MapDock::map_shown);
            s->dialogs.answers << kTinyTown;
            s->window->menu().open_map_data_action->trigger();
            QVERIFY(shown.wait(10000));
            QCOMPARE(dock.files(), QStringList{kTinyTown});
            const MapData* tiny = dock.map();

            const Theme theme = s->theme();
            const int steps = s->document.history().count();
            s->messages.answers << false;  // not the other file alone
            dock.open_map_files({kBroken, kTinyTown});
            QTRY_VERIFY(!dock.loader().loading());
            QCOMPARE(s->messages.asked.size(), 1);
            QVERIFY(s->messages.asked[0].startsWith("Cannot read map " + kBroken + ": "));
            QVERIFY(
                s->messages.asked[0].endsWith("Show the 1 other file(s), which were read whole?") ||
                s->messages.asked[0].endsWith("Show the other file, which was read whole?"));
            dock.open_map_files({kBroken});
            QTRY_VERIFY(!dock.loader().loading());
            QCOMPARE(s->messages.told.size(), 1);
            QCOMPARE(dock.map(), tiny);
            QCOMPARE(dock.files(), QStringList{kTinyTown});
            QVERIFY(s->theme() == theme);
            QCOMPARE(s->document.history().count(), steps);
            QVERIFY(s->window->close());
        }
        auto s = session();
        QVERIFY(s);
        MapDock& dock = s->window->map_dock();
        QCOMPARE(dock.files(), QStringList{kTinyTown});
        QSignalSpy shown(&dock, &MapDock::map_shown);
        s->window->findChild<QAction*>("map_sample_town_action")->trigger();
        QVERIFY(shown.wait(10000));
        QVERIFY(dock.files().isEmpty());
    }

    // The map follows Night View, Simulate and the night colours being made; with the focus on
    // the map, the zoom keys zoom the map and leave the preview's zoom alone.
    void the_map_follows_the_views_and_takes_its_keys() {
        auto s = session();
        QVERIFY(s);
        MapCanvas& canvas = s->window->map_dock().canvas();
        const QPoint corner(2, 2);
        const QColor day = canvas.grab().toImage().pixelColor(corner);
        s->window->menu().night_view_action->trigger();
        QTRY_VERIFY(canvas.grab().toImage().pixelColor(corner) != day);
        QCOMPARE(canvas.grab().toImage().pixelColor(corner).lightness() < day.lightness(), true);

        // The greys of unstyled features are the editor's, not the theme's: out of the way.
        s->window->map_dock().hide_unstyled_action()->trigger();
        s->window->recolour_commands().simulate_action(ColourVision::Greyscale)->trigger();
        const QImage grey = canvas.grab().toImage();
        for (int y = 0; y < grey.height(); y += 7) {
            for (int x = 0; x < grey.width(); x += 7) {
                const QColor c = grey.pixelColor(x, y);
                QVERIFY2(std::abs(c.red() - c.green()) <= 2 && std::abs(c.green() - c.blue()) <= 2,
                         qPrintable(c.name()));
            }
        }

        canvas.setFocus();
        QTRY_VERIFY(canvas.hasFocus());
        const double level = canvas.view().zoom_level();
        const int preview_zoom = s->window->preview().zoom();
        QTest::keyClick(&canvas, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(canvas.view().zoom_level(), level + 1);
        QCOMPARE(s->window->preview().zoom(), preview_zoom);
        const QPointF centre = canvas.view().centre;
        QTest::keyClick(&canvas, Qt::Key_Left);
        QVERIFY(canvas.view().centre.x() < centre.x());

        // Night colours being made are tried out by night on the map too, not only on the tiles.
        s->window->recolour_commands().simulate_action(ColourVision::Normal)->trigger();
        QTest::qWait(50);
        const QColor by_night = canvas.grab().toImage().pixelColor(corner);
        s->window->menu().night_view_action->trigger();
        QTRY_VERIFY(canvas.grab().toImage().pixelColor(corner) != by_night);
        const QColor by_day = canvas.grab().toImage().pixelColor(corner);
        QColor while_making_night;
        auto look = when_modal<NightColoursDialog>([&](NightColoursDialog& dialog) {
            QTest::qWait(50);
            while_making_night = canvas.grab().toImage().pixelColor(corner);
            dialog.reject();
        });
        s->window->recolour_commands().night_colours_action()->trigger();
        QVERIFY(while_making_night.lightness() < by_day.lightness());
        QTRY_COMPARE(canvas.grab().toImage().pixelColor(corner), by_day);
    }
};

QTEST_MAIN(MapDockTest)
#include "map_dock_test.moc"
