// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's view of the theme: Day/Night, presentation names, zoom, the search box's
// filter and scrolling.
#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>
#include <memory>

#include "main_window_session.h"
#include "preview/preview_painter.h"
#include "preview/scroll_steps.h"
#include "preview/zoom.h"

using namespace quorvane;

namespace {

// `count` styles, the first half in GUIDANCE and the rest in BROWSE; every tenth a polygon.
// Field names are MAP_ROAD_<k>_CLR, or MAP_WATER_<k>_CLR for the Elements in `water`.
Theme theme_of(int count, const QList<int>& water = {}) {
    Theme theme;
    theme.metadata.title = QStringLiteral("View");
    theme.elements.reserve(size_t(count));
    for (int k = 0; k < count; ++k) {
        Element e;
        const bool polygon = k % 10 == 0;
        const QString feature =
            water.contains(k) ? QStringLiteral("WATER") : QStringLiteral("ROAD");
        e.field_name = QStringLiteral("MAP_%1_%2_CLR").arg(feature).arg(k);
        e.display_name = QStringLiteral("%1 %2").arg(feature).arg(k);
        e.presentation = k < count / 2 ? QStringLiteral("GUIDANCE") : QStringLiteral("BROWSE");
        e.sort_code = (k < count / 2 ? 0 : 10) + (polygon ? 0 : 1);
        e.scale = polygon ? QString() : QStringLiteral("1");
        e.border = polygon ? QString() : QStringLiteral(".6");
        e.primary_day = QStringLiteral("CECECE");
        e.primary_night = polygon ? QStringLiteral("102040") : QStringLiteral("aaFF00");
        e.secondary_day = polygon ? QString() : QStringLiteral("0a0a0a");
        e.secondary_night = polygon ? QString() : QStringLiteral("DD0011");
        theme.elements.push_back(e);
    }
    return theme;
}

QStringList menu_captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

void send_wheel(QWidget* widget, QPoint at, int notches, Qt::KeyboardModifiers modifiers = {}) {
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

}  // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<QTemporaryDir> dir_;

    std::unique_ptr<MainWindowSession> session(Theme theme) {
        auto s = std::make_unique<MainWindowSession>(dir_->filePath("system"));
        if (!s->show()) {
            qFatal("the window was not shown");
        }
        s->document.replace(std::move(theme), kUntitledFileName, false);
        return s;
    }

    static PreviewPane& pane(MainWindowSession& s) { return s.window->preview(); }

  private slots:
    void init() { dir_ = std::make_unique<QTemporaryDir>(); }

    void the_view_menu_and_its_buttons() {
        auto s = session(theme_of(3));
        const MainMenu& m = s->window->menu();
        QCOMPARE(menu_captions(m.view_menu),
                 (QStringList{"&Night View", "-", "Zoom &In", "Zoom &Out", "&Actual Size", "-",
                              "&Map", "&Panels", "-", "&Device Colours", "&Simulate"}));
        QCOMPARE(menu_captions(m.panels_menu),
                 (QStringList{"&Theme", "&Problems", "Theme &Colours", "&Map"}));
        const MainWindowControls& c = s->window->controls();
        QCOMPARE(c.night_button->defaultAction(), m.night_view_action);
        QCOMPARE(c.night_button->text(), QStringLiteral("Night"));
        QCOMPARE(c.zoom_caption->text(), QStringLiteral("100%"));
        QVERIFY(!m.actual_size_action->isEnabled());
        // Everything new stands in the Theme panel, clear of the preview.
        for (QWidget* w :
             std::initializer_list<QWidget*>{c.match_count, c.hide_others_check, c.night_button,
                                             c.zoom_out_button, c.zoom_caption, c.zoom_in_button}) {
            QVERIFY(w->isVisible());
            QVERIFY(s->window->theme_panel().isAncestorOf(w));
        }
    }

    void night_view_draws_the_night_colours_and_never_changes_the_theme() {
        auto s = session(theme_of(12));
        const Theme before = s->theme();
        PreviewCanvas* canvas = s->canvas();
        // Tile 0 is a polygon, tile 1 a line.
        const QPoint patch = canvas->tile_rect(0).topLeft() + QPoint(20, 20);
        const QPoint line_core = canvas->tile_rect(1).topLeft() + QPoint(40, 11);
        QCOMPARE(canvas->grab().toImage().pixelColor(patch), QColor(0xCE, 0xCE, 0xCE));
        QCOMPARE(canvas->grab().toImage().pixelColor(line_core), QColor(0xCE, 0xCE, 0xCE));

        s->window->menu().night_view_action->trigger();
        QCOMPARE(pane(*s).light(), PreviewLight::Night);
        QVERIFY(s->window->controls().night_button->isChecked());
        const QImage night = canvas->grab().toImage();
        QCOMPARE(night.pixelColor(patch), QColor(0x10, 0x20, 0x40));
        QCOMPARE(night.pixelColor(line_core), QColor(0xAA, 0xFF, 0x00));  // night sample on top
        QCOMPARE(night.pixelColor(canvas->tile_rect(1).topLeft() + QPoint(2, 2)), kNightTileColour);
        QCOMPARE(pane(*s).viewport()->palette().color(QPalette::Window), QColor(70, 70, 78));

        s->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s->window.get()));
        QTest::keyClick(s->window.get(), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pane(*s).light(), PreviewLight::Day);
        QCOMPARE(canvas->grab().toImage().pixelColor(patch), QColor(0xCE, 0xCE, 0xCE));
        QVERIFY(s->theme() == before);
        QVERIFY(!s->document.is_modified());
        QCOMPARE(s->document.history().count(), 0);
    }

    void presentation_names_stand_beside_their_rows_and_stay_in_view() {
        auto s = session(theme_of(400));
        const std::vector<PresentationBand>& bands = pane(*s).presentation_bands();
        QCOMPARE(int(bands.size()), 2);
        QCOMPARE(bands[0].name, QStringLiteral("GUIDANCE"));
        QCOMPARE(bands[1].name, QStringLiteral("BROWSE"));
        PreviewCanvas* canvas = s->canvas();
        // Name pixels: the rule's colour in the margin left of the first column.
        const auto name_pixels = [canvas](int top, int bottom) {
            const QImage image = canvas->grab().toImage();
            const int margin = canvas->tile_rect(0).left() - 1;
            int count = 0;
            for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y) {
                for (int x = 0; x < margin; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    count += c.red() < 200 && c.blue() > c.green() + 40 ? 1 : 0;
                }
            }
            return count;
        };
        const int first_top = canvas->tile_rect(0).top();
        QVERIFY(name_pixels(first_top, first_top + 100) > 20);
        QCOMPARE(name_pixels(0, first_top), 0);
        // Tiles did not move for it: the first tile is where the layout always put it.
        QCOMPARE(pane(*s).layout().tile_positions[0], QPoint(238, 38));

        // Half-way down GUIDANCE: its name keeps to the top of the view.
        QScrollBar* bar = pane(*s).scroll_bar();
        bar->setValue(zoomed(bands[0].bottom / 2, 100));
        QVERIFY(name_pixels(0, 100) > 20);
        // Past it: BROWSE's rows and name show.
        bar->setValue(bar->maximum());
        QVERIFY(name_pixels(0, 100) > 20);
    }

    void ctrl_wheel_zooms_keeping_the_tile_under_the_pointer() {
        auto s = session(theme_of(600));
        PreviewCanvas* canvas = s->canvas();
        QScrollBar* bar = pane(*s).scroll_bar();
        bar->setValue(20 * 1516);
        const int k = 260;
        QVERIFY(canvas->tile_rect(k).top() > 0);
        QVERIFY(canvas->tile_rect(k).bottom() < canvas->height());
        const QPoint pointer = canvas->tile_rect(k).center();

        // Rows wrap anew at each zoom, so the tile may move sideways; its row stays under the
        // pointer.
        for (const int notches : {1, 3, -2, -6}) {
            const QPoint at = canvas->tile_rect(k).center() + canvas->pos();
            send_wheel(canvas, at - canvas->pos(), notches, Qt::ControlModifier);
            const QRect tile = canvas->tile_rect(k).translated(canvas->pos());
            QVERIFY2(tile.top() <= at.y() && at.y() <= tile.bottom(),
                     qPrintable(QString("%1 notches: tile %2..%3, pointer %4")
                                    .arg(notches)
                                    .arg(tile.top())
                                    .arg(tile.bottom())
                                    .arg(at.y())));
        }
        // 100 -> 110 -> 175 -> 125 -> 67.
        QCOMPARE(pane(*s).zoom(), 67);
        QCOMPARE(s->window->controls().zoom_caption->text(), QStringLiteral("67%"));
        // A wheel without Ctrl scrolls.
        const int before = bar->value();
        send_wheel(canvas, pointer, -1);
        QVERIFY(bar->value() > before);
        QCOMPARE(pane(*s).zoom(), 67);
    }

    void zoom_rewraps_the_rows_and_the_keys_step_through_the_levels() {
        auto s = session(theme_of(100));
        const MainMenu& m = s->window->menu();
        // Zoom in and back to Actual Size: the first picture, to the pixel.
        const QImage first = pane(*s).viewport()->grab().toImage();
        m.zoom_in_action->trigger();
        m.actual_size_action->trigger();
        QCOMPARE(pane(*s).viewport()->grab().toImage(), first);

        const int width = pane(*s).geometry().canvas.width();
        const auto columns = [&] { return pane(*s).layout().rows[0].count; };
        const auto expected_columns = [&](int percent) {
            const int inner = round_half_even(unzoomed(width, percent));
            return (inner - 852 - 238) / 952 + 1;
        };
        QCOMPARE(columns(), expected_columns(100));
        m.zoom_in_action->trigger();
        QCOMPARE(pane(*s).zoom(), 110);
        QCOMPARE(columns(), expected_columns(110));
        for (int k = 0; k < 20; ++k) {
            m.zoom_in_action->trigger();
        }
        QCOMPARE(pane(*s).zoom(), 400);
        QCOMPARE(columns(), expected_columns(400));
        QVERIFY(!m.zoom_in_action->isEnabled());
        // The tiles are drawn four times as large.
        QCOMPARE(s->canvas()->tile_rect(0).size(), QSize(228, 218));
        QCOMPARE(pane(*s).geometry().canvas.height(), window_canvas_height(pane(*s).layout(), 400));
        m.actual_size_action->trigger();
        QCOMPARE(pane(*s).zoom(), 100);
        QCOMPARE(s->canvas()->tile_rect(0).size(), QSize(57, 54));
        for (int k = 0; k < 20; ++k) {
            m.zoom_out_action->trigger();
        }
        QCOMPARE(pane(*s).zoom(), 50);
        QVERIFY(!m.zoom_out_action->isEnabled());
        QCOMPARE(columns(), expected_columns(50));
        // The zoom caption goes back to 100%.
        QTest::mouseClick(s->window->controls().zoom_caption, Qt::LeftButton);
        QCOMPARE(pane(*s).zoom(), 100);
    }

    void keyboard_zoom_keeps_the_framed_tile_in_view() {
        auto s = session(theme_of(600));
        const int k = 450;
        s->window->controls().search_box->setText(QStringLiteral("ROAD_450_"));
        QTest::keyClick(s->window->controls().search_box, Qt::Key_Return);
        QCOMPARE(pane(*s).selection().current(), k);
        const int top = s->canvas()->tile_rect(k).top() + s->canvas()->y();
        for (QAction* zoom :
             {s->window->menu().zoom_in_action, s->window->menu().zoom_in_action,
              s->window->menu().actual_size_action, s->window->menu().zoom_out_action}) {
            zoom->trigger();
            // To the pixel, give or take the rounding of the zoom.
            QVERIFY(qAbs(s->canvas()->tile_rect(k).top() + s->canvas()->y() - top) <= 1);
        }
    }

    void the_filter_fades_or_hides_the_others_and_counts_the_matches() {
        auto s = session(theme_of(130, {3, 110}));
        QLineEdit* box = s->window->controls().search_box;
        QLabel* count = s->window->controls().match_count;
        QCOMPARE(count->text(), QString());
        box->setFocus();
        QTest::keyClicks(box, "water");
        QCOMPARE(count->text(), QStringLiteral("2 matches"));
        QCOMPARE(s->window->filter().matching(), (std::vector<int>{3, 110}));
        // Tile 3 as always, tile 4 faded towards the canvas's white.
        const QImage image = s->canvas()->grab().toImage();
        const QPoint core(40, 11);
        QCOMPARE(image.pixelColor(s->canvas()->tile_rect(3).topLeft() + core),
                 QColor(0xCE, 0xCE, 0xCE));
        const QColor faded = image.pixelColor(s->canvas()->tile_rect(4).topLeft() + core);
        QVERIFY(faded.lightness() > QColor(0xCE, 0xCE, 0xCE).lightness());
        QCOMPARE(pane(*s).layout().tile_count(), 130);

        // Enter goes from match to match as before, each shown whole.
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(pane(*s).selection().current(), 3);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(pane(*s).selection().current(), 110);
        QTest::keyClicks(box, "_1");
        QCOMPARE(count->text(), QStringLiteral("1 match"));
        QTest::keyClicks(box, "x");
        QCOMPARE(count->text(), QStringLiteral("No match"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);

        // Hidden instead of faded: only the matches are laid out.
        s->window->controls().hide_others_check->setChecked(true);
        QCOMPARE(pane(*s).layout().tile_count(), 2);
        QCOMPARE(pane(*s).layout().element_of(1), 110);
        QCOMPARE(s->canvas()->tile_at(s->canvas()->tile_rect(110).center()), 110);
        QVERIFY(s->canvas()->tile_rect(4).isEmpty());
        // The theme changes underneath: the filter follows it.
        Theme more = s->theme();
        more.elements.push_back(more.elements[3]);
        s->document.replace(std::move(more), kUntitledFileName, false);
        QCOMPARE(count->text(), QStringLiteral("3 matches"));
        QCOMPARE(pane(*s).layout().tile_count(), 3);

        // Escape clears the box, and every tile comes back.
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(box->text(), QString());
        QCOMPARE(count->text(), QString());
        QVERIFY(!s->window->filter().active());
        QCOMPARE(pane(*s).layout().tile_count(), 131);
        QVERIFY(s->window->isVisible());

        // Ctrl+F puts the focus back in the box with its text selected.
        box->setText(QStringLiteral("road"));
        pane(*s).scroll_bar()->setFocus();
        s->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s->window.get()));
        QTest::keyClick(s->window.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(box->hasFocus());
        QCOMPARE(box->selectedText(), QStringLiteral("road"));
    }

    void scroll_steps_follow_the_rows_whatever_the_themes_size() {
        for (const int count : {300, 30000}) {
            auto s = session(theme_of(count));
            QScrollBar* bar = pane(*s).scroll_bar();
            const int viewport = pane(*s).geometry().viewport.height();
            QCOMPARE(bar->singleStep(), 1516);
            QCOMPARE(bar->pageStep(), viewport);
            QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);

            // A wheel notch over the tiles: the desktop's rows (three unless set otherwise).
            send_wheel(s->canvas(), QPoint(50, 50), -1);
            QCOMPARE(bar->value(), QApplication::wheelScrollLines() * 1516);
            bar->setFocus();
            QTest::keyClick(bar, Qt::Key_Down);
            QCOMPARE(bar->value(), (QApplication::wheelScrollLines() + 1) * 1516);
            QTest::keyClick(bar, Qt::Key_Home);
            QCOMPARE(bar->value(), 0);
            QTest::keyClick(bar, Qt::Key_PageDown);
            QCOMPARE(bar->value(), viewport);
            QTest::keyClick(bar, Qt::Key_PageUp);
            QCOMPARE(bar->value(), 0);
            QTest::keyClick(bar, Qt::Key_End);
            QCOMPARE(bar->value(), bar->maximum());
            // The end shows the last row's labels and the room for its frame.
            const PreviewLayout& layout = pane(*s).layout();
            const QRect last = s->canvas()->tile_rect(count - 1).translated(s->canvas()->pos());
            QVERIFY(last.bottom() < pane(*s).viewport()->height());
            QCOMPARE(pane(*s).geometry().canvas.bottom() + 1, viewport);
            QVERIFY(layout.canvas_height < pane(*s).geometry().canvas.height());
        }
    }

    void a_search_hit_is_shown_whole_with_its_frame() {
        auto s = session(theme_of(3000, {2999, 1700, 5}));
        QLineEdit* box = s->window->controls().search_box;
        QWidget* viewport = pane(*s).viewport();
        QScrollBar* bar = pane(*s).scroll_bar();
        const auto frame_in_viewport = [&](int k) {
            const PreviewLayout& layout = pane(*s).layout();
            const QRect frame = to_pixels(layout.selection_frame(layout.tile_of(k)));
            const QRect tile = to_pixels(layout.tile_rect(layout.tile_of(k)));
            return frame.translated(s->canvas()->tile_rect(k).topLeft() - tile.topLeft() +
                                    s->canvas()->pos());
        };
        box->setText(QStringLiteral("water"));
        for (const int hit : {5, 1700, 2999, 5}) {
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(pane(*s).selection().current(), hit);
            const QRect frame = frame_in_viewport(hit);
            QVERIFY2(frame.top() >= 0 && frame.bottom() < viewport->height(),
                     qPrintable(QString("hit %1: frame %2..%3 in %4")
                                    .arg(hit)
                                    .arg(frame.top())
                                    .arg(frame.bottom())
                                    .arg(viewport->height())));
            // The frame is painted: magenta at its left edge.
            const QImage picture = viewport->grab().toImage();
            QCOMPARE(picture.pixelColor(frame.left(), frame.center().y()), kSelectionColour);
        }
        // A hit already in view does not move the view.
        const int value = bar->value();
        box->setText(QStringLiteral("ROAD_6_"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(pane(*s).selection().current(), 6);
        QCOMPARE(bar->value(), value);
    }
};

QTEST_MAIN(MainWindowViewTest)
#include "main_window_view_test.moc"
