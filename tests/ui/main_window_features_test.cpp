// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs as the main window opens them: the style editor from a tile, the element picker
// from "+", the presentation manager from the Edit menu, the update notice, About and Manual.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "colour/colour_values.h"
#include "main_window_session.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_messages.h"
#include "support/scripted_web.h"
#include "ui/about_box.h"
#include "ui/element_picker.h"
#include "ui/main_window.h"
#include "ui/palette_grid.h"
#include "ui/presentation_manager.h"
#include "ui/preview_canvas.h"
#include "ui/preview_pane.h"
#include "ui/style_editor.h"
#include "ui/update_dialog.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

const QString kDemo = QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf");

// Element numbers in the demo theme's GUIDANCE block.
constexpr int kWater = 7;
constexpr int kHighway = 11;

int count_field(const Theme& theme, const QString& field) {
    int n = 0;
    for (const Element& e : theme.elements) {
        n += e.field_name == field ? 1 : 0;
    }
    return n;
}

}  // namespace

class MainWindowFeaturesTest : public QObject {
    Q_OBJECT

    struct Session : MainWindowSession {
        explicit Session(const QString& folder, const QString& file = kDemo,
                         const QByteArray& update_page = {})
            : MainWindowSession(folder, file, update_page) {}
        // Double-clicks the tile of Element k, scrolled into view first.
        void double_click(int k) {
            window->preview().scroll_to_tile(k);
            QTest::mouseDClick(canvas(), Qt::LeftButton, Qt::NoModifier,
                               canvas()->tile_rect(k).center());
        }
        QColor tile_pixel(int k, QPoint offset) {
            window->preview().scroll_to_tile(k);
            const QImage image = canvas()->grab().toImage();
            return image.pixelColor(canvas()->tile_rect(k).topLeft() + offset);
        }
    };

    std::unique_ptr<QTemporaryDir> dir_;
    QString system_;

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        system_ = dir_->filePath(QStringLiteral("system"));
        qunsetenv("QUORVANE_UPDATE_URL");
    }

    void double_click_opens_the_editor_on_polygons_and_lines() {
        Session s(system_);
        QVERIFY(s.show());
        QTRY_VERIFY(s.theme().element_count() > kHighway);

        bool polygon = false;
        bool polygon_panel = false;
        auto watch = when_modal<StyleEditor>([&](StyleEditor& editor) {
            polygon = editor.polygon_mode();
            polygon_panel =
                editor.polygon_panel()->isVisible() && !editor.line_panel()->isVisible();
            editor.cancel_button()->click();
        });
        s.double_click(kWater);
        QVERIFY(polygon);
        QVERIFY(polygon_panel);

        bool line_panel = false;
        QString field;
        auto line_watch = when_modal<StyleEditor>([&](StyleEditor& editor) {
            line_panel = !editor.polygon_mode() && editor.line_panel()->isVisible();
            field = editor.field_label()->text();
            editor.cancel_button()->click();
        });
        s.double_click(kHighway);
        QVERIFY(line_panel);
        QCOMPARE(field, QStringLiteral("MAP_ROAD_HWY_MJR_CLR"));
        QVERIFY(!s.document.is_modified());
    }

    void apply_redraws_the_tile_and_cancel_restores() {
        Session s(system_);
        QVERIFY(s.show());
        QTRY_VERIFY(s.theme().element_count() > kWater);
        const Element before = s.theme().elements[kWater];
        const QPoint patch(20, 20);
        QCOMPARE(s.tile_pixel(kWater, patch), QColor(0x9C, 0xC9, 0xF0));

        // A palette pick, then Cancel: nothing reaches the theme.
        auto cancel = when_modal<StyleEditor>([](StyleEditor& editor) {
            PaletteGrid* grid = editor.palette_grid();
            QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cell_pixels(7).center());
            editor.cancel_button()->click();
        });
        s.double_click(kWater);
        QCOMPARE(s.theme().elements[kWater], before);
        QVERIFY(!s.document.is_modified());

        // The same pick applied: the tile is painted in pure blue.
        auto apply = when_modal<StyleEditor>([](StyleEditor& editor) {
            PaletteGrid* grid = editor.palette_grid();
            QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cell_pixels(7).center());
            editor.apply_button()->click();
        });
        s.double_click(kWater);
        QCOMPARE(s.theme().elements[kWater].primary_day, QStringLiteral("0000FF"));
        QVERIFY(s.document.is_modified());
        QCOMPARE(s.tile_pixel(kWater, patch), QColor(0, 0, 255));
        QCOMPARE(s.window->undo_action()->text(), QStringLiteral("&Undo Colour of WATER"));

        // Undo brings the old colour back into the theme and the tile.
        s.window->undo_action()->trigger();
        QCOMPARE(s.theme().elements[kWater], before);
        QVERIFY(!s.document.is_modified());
        QCOMPARE(s.tile_pixel(kWater, patch), QColor(0x9C, 0xC9, 0xF0));
    }

    void apply_to_all_presentations_reports_the_count() {
        Session s(system_);
        QVERIFY(s.show());
        QTRY_VERIFY(s.theme().element_count() > kWater);
        const QString water = QStringLiteral("MAP_WATER_CLR");
        const int others = count_field(s.theme(), water) - 1;
        QVERIFY(others > 1);

        auto apply = when_modal<StyleEditor>([](StyleEditor& editor) {
            editor.night_option()->click();
            PaletteGrid* grid = editor.palette_grid();
            QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cell_pixels(40).center());
            editor.apply_all_check()->setChecked(true);
            editor.apply_button()->click();
        });
        s.double_click(kWater);
        QCOMPARE(s.messages.told,
                 QStringList{QStringLiteral("Applied to %1 additional elements").arg(others)});
        for (const Element& e : s.theme().elements) {
            if (e.field_name == water) {
                QCOMPARE(e.primary_night, QStringLiteral("003000"));
                QCOMPARE(e.primary_day, QStringLiteral("9CC9F0"));
            }
        }
    }

    // "+" adds to two presentations at once, as one step, and the new tiles are selected and in
    // view.
    void plus_adds_picked_elements_to_the_preview_and_the_list() {
        Session s(system_);
        QVERIFY(s.show());
        QTRY_VERIFY(s.theme().element_count() > 0);
        const int before = s.theme().element_count();

        auto pick = when_modal<ElementPicker>([](ElementPicker& picker) {
            picker.presentation_list()->item(2)->setSelected(true);  // TRAFFIC
            picker.presentation_list()->item(5)->setSelected(true);  // PEDESTRIAN
            const auto beach =
                picker.polygon_list()->findItems(QStringLiteral("BEACH"), Qt::MatchExactly);
            beach.first()->setSelected(true);
            picker.add_button()->click();
        });
        QTest::mouseClick(s.window->controls().add_button, Qt::LeftButton);
        QCOMPARE(s.theme().element_count(), before + 2);
        QVERIFY(s.document.is_modified());
        QCOMPARE(s.document.history().count(), 1);
        QCOMPARE(s.window->preview().layout().tile_count(), before + 2);
        // Polygons stand before lines within each presentation, after its existing polygons.
        std::vector<int> added;
        for (int k = 0; k < s.theme().element_count(); ++k) {
            const Element& e = s.theme().elements[size_t(k)];
            if (e.field_name == QStringLiteral("MAP_BEACH_CLR") &&
                (e.sort_code == 20 || e.sort_code == 50)) {
                added.push_back(k);
                QCOMPARE(s.theme().elements[size_t(k) + 1].sort_code, e.sort_code + 1);
            }
        }
        QCOMPARE(added.size(), size_t(2));
        QCOMPARE(s.window->controls().presentation_list->count(), 6);
        // What was added is selected, the first current and in view.
        QCOMPARE(s.window->selection().selected(), added);
        QCOMPARE(s.window->selection().current(), added.front());
        const QRect tile = s.canvas()->tile_rect(added.front()).translated(s.canvas()->pos());
        QVERIFY(s.window->preview().viewport()->rect().contains(tile));
    }

    void edit_menu_removes_a_presentation() {
        Session s(system_);
        QVERIFY(s.show());
        QTRY_VERIFY(s.theme().element_count() > 0);
        const int before = s.theme().element_count();

        auto remove = when_modal<PresentationManager>([](PresentationManager& manager) {
            manager.kept_list()->setCurrentRow(manager.kept_list()->count() - 1);  // PEDESTRIAN
            manager.remove_button()->click();
            manager.apply_button()->click();
        });
        s.window->menu().remove_presentations_action->trigger();
        QVERIFY(s.theme().element_count() < before);
        QCOMPARE(s.window->controls().presentation_list->count(), 5);
        QVERIFY(s.document.is_modified());
        QCOMPARE(s.window->preview().layout().tile_count(), s.theme().element_count());
    }

    void edit_menu_on_an_empty_theme_says_no_elements() {
        Session s(system_, QString());
        QVERIFY(s.show());
        s.window->menu().add_presentations_action->trigger();
        QCOMPARE(s.messages.told, QStringList{QStringLiteral("No elements")});
    }

    void newer_version_shows_the_update_notice() {
        qputenv("QUORVANE_UPDATE_URL", "http://127.0.0.1:9/version.html");
        Session newer(system_, QString(), "<html><body> 1.21 </body></html>");
        QVERIFY(newer.show());
        QTRY_VERIFY(newer.window->controls().update_notice->isVisible());
        QCOMPARE(newer.web.requests.size(), 1);

        Session same(system_, QString(), "<html><body>1.20</body></html>");
        QVERIFY(same.show());
        QTRY_COMPARE(same.web.requests.size(), 1);
        QTest::qWait(20);
        QVERIFY(!same.window->controls().update_notice->isVisible());
        qunsetenv("QUORVANE_UPDATE_URL");
    }

    void help_and_about_open_their_windows_and_the_web_page() {
        Session s(system_, QString());
        QVERIFY(s.show());
        bool about = false;
        auto watch_about = when_modal<AboutBox>([&about](AboutBox&) { about = true; });
        s.window->menu().about_action->trigger();
        QVERIFY(about);

        bool updates = false;
        auto watch_updates =
            when_modal<UpdateDialog>([&updates](UpdateDialog&) { updates = true; });
        s.window->menu().check_updates_action->trigger();
        QVERIFY(updates);

        qputenv("QUORVANE_HOME_URL", "https://quorvane.example/manual");
        s.window->menu().manual_action->trigger();
        qunsetenv("QUORVANE_HOME_URL");
        QCOMPARE(s.urls.opened,
                 QList<QUrl>{QUrl(QStringLiteral("https://quorvane.example/manual"))});
        // Built without a manual's address: F1 says where the README is.
        qputenv("QUORVANE_HOME_URL", "");
        s.window->menu().manual_action->trigger();
        QCOMPARE(s.urls.opened.size(), 1);
        QCOMPARE(s.messages.told.size(), 1);
        QVERIFY(s.messages.told[0].contains(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                            "/../share/doc/quorvane/README.md")));
        QVERIFY(!s.document.is_modified());
    }
};

QTEST_MAIN(MainWindowFeaturesTest)
#include "main_window_features_test.moc"
