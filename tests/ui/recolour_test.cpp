// SPDX-License-Identifier: GPL-3.0-or-later
// The recolouring story as a user lives it: three roads selected, Make Night Colours previewed on
// the tiles while the darkness moves, applied as one step, and undone.
#include <QAction>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "main_window_session.h"
#include "ui/night_colours_dialog.h"
#include "ui/recolour_commands.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

const QString kDemo = QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf");

// Element numbers in the demo theme's GUIDANCE block.
constexpr int kWater = 7;
constexpr int kRoads[] = {10, 11, 12};  // ROAD INTERSTATE, HWY MJR, HWY MNR

}  // namespace

class RecolourTest : public QObject {
    Q_OBJECT

  private slots:
    void three_roads_get_night_colours_in_one_step_that_undoes() {
        QTemporaryDir dir;
        MainWindowSession s(dir.filePath(QStringLiteral("system")), kDemo);
        QVERIFY(s.show());
        QTRY_VERIFY(s.theme().element_count() > kRoads[2]);
        const Theme before = s.theme();
        const auto tile = [&s](int k) {
            return s.canvas()->grab(s.canvas()->tile_rect(k)).toImage();
        };

        // How the tiles look in the Night view as the theme stands.
        s.window->menu().night_view_action->trigger();
        const QImage water_night = tile(kWater);
        const QImage road_night = tile(kRoads[1]);
        s.window->menu().night_view_action->trigger();

        QTest::mouseClick(s.canvas(), Qt::LeftButton, {},
                          s.canvas()->tile_rect(kRoads[0]).center());
        for (const int k : {kRoads[1], kRoads[2]}) {
            QTest::mouseClick(s.canvas(), Qt::LeftButton, Qt::ControlModifier,
                              s.canvas()->tile_rect(k).center());
        }
        QCOMPARE(s.window->selection().count(), 3);

        // A first try, cancelled: nothing stays behind, in the theme, the history or the view.
        auto cancel = when_modal<NightColoursDialog>([](NightColoursDialog& dialog) {
            dialog.darkness_slider()->setValue(10);
            dialog.reject();
        });
        s.window->recolour_commands().night_colours_action()->trigger();
        QVERIFY(s.theme() == before);
        QCOMPARE(s.document.history().count(), 0);
        QCOMPARE(s.window->preview().light(), PreviewLight::Day);
        QVERIFY(s.window->preview().proposal() == nullptr);

        bool previewed_by_night = false;
        bool roads_recoloured = false;
        bool others_kept = false;
        bool darkness_followed = false;
        bool theme_untouched = false;
        auto watch = when_modal<NightColoursDialog>([&](NightColoursDialog& dialog) {
            previewed_by_night = s.window->preview().light() == PreviewLight::Night;
            QTest::qWait(50);
            const QImage proposed = tile(kRoads[1]);
            roads_recoloured = proposed != road_night;
            others_kept = tile(kWater) == water_night;
            dialog.darkness_slider()->setValue(dialog.darkness_slider()->value() - 40);
            QTest::qWait(50);
            darkness_followed = tile(kRoads[1]) != proposed;
            theme_untouched = s.theme() == before;
            dialog.apply_button()->click();
        });
        s.window->recolour_commands().night_colours_action()->trigger();
        QVERIFY(previewed_by_night);
        QVERIFY(roads_recoloured);
        QVERIFY(others_kept);
        QVERIFY(darkness_followed);
        QVERIFY(theme_untouched);

        // One step: the roads' night colours changed, nothing else; the view is as it was.
        QCOMPARE(s.document.history().count(), 1);
        QCOMPARE(s.window->undo_action()->text(), QStringLiteral("&Undo Make Night Colours"));
        QCOMPARE(s.window->statusBar()->currentMessage(),
                 QStringLiteral("Night colours made for 3 styles"));
        QCOMPARE(s.window->preview().light(), PreviewLight::Day);
        QVERIFY(s.window->preview().proposal() == nullptr);
        for (int k = 0; k < s.theme().element_count(); ++k) {
            const Element& now = s.theme().elements[size_t(k)];
            const Element& was = before.elements[size_t(k)];
            const bool road = k == kRoads[0] || k == kRoads[1] || k == kRoads[2];
            QCOMPARE(now.primary_day, was.primary_day);
            QCOMPARE(now.secondary_day, was.secondary_day);
            QCOMPARE(now.primary_night != was.primary_night, road);
        }

        s.window->undo_action()->trigger();
        QVERIFY(s.theme() == before);
        QVERIFY(!s.document.is_modified());
    }
};

QTEST_MAIN(RecolourTest)
#include "recolour_test.moc"
