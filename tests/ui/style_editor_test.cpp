#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <functional>
#include <memory>

#include "colour/adjustments.h"
#include "colour/colour_values.h"
#include "colour/device_palette.h"
#include "format/reader.h"
#include "model/theme_document.h"
#include "style_editor/palette_geometry.h"
#include "support/scripted_messages.h"
#include "ui/colour_cell.h"
#include "ui/edit_style.h"
#include "ui/hue_chart_picture.h"
#include "ui/outline_shape.h"
#include "ui/palette_grid.h"
#include "ui/sample_picture.h"
#include "ui/slider_track.h"
#include "ui/style_editor.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

// Elements of the test theme.
constexpr int kWaterGuidance = 0;
constexpr int kWoodsGuidance = 1;
constexpr int kRoadGuidance = 2;
constexpr int kWaterBrowse = 3;
constexpr int kRoadBrowse = 4;
constexpr int kWaterTraffic = 5;
constexpr int kWaterPedestrian = 6;

Theme test_theme() {
    Theme theme;
    ScriptedMessages messages;
    const bool read =
        read_theme_file(QStringLiteral(QUORVANE_TEST_DATA "/editor/theme.kmtf"), theme, messages);
    if (!read || theme.element_count() != 7) {
        qFatal("the editor's test theme did not read");
    }
    return theme;
}

void click(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}
void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
}

void click_palette_cell(StyleEditor& editor, int index) {
    PaletteGrid* grid = editor.palette_grid();
    click(grid, grid->cell_pixels(index).center());
}

// Holds the knob where it is grabbed and moves the pointer to `to_x`, then lets go.
void drag_knob(SliderTrack* track, int to_x) {
    const QPoint grab = track->knob_pixels().center();
    QTest::mousePress(track, Qt::LeftButton, {}, grab);
    QTest::mouseMove(track, QPoint(to_x, grab.y()));
    QTest::mouseRelease(track, Qt::LeftButton, {}, QPoint(to_x, grab.y()));
}

QColor pixel(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixelColor(at);
}

}  // namespace

class StyleEditorTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ThemeDocument> document_;
    ScriptedMessages messages_;
    CountingBusyCursor busy_;

    const Theme& theme() const { return document_->theme(); }

    // Opens the editor on Element `index` as a double-click does, lets `act` work it, and
    // returns once it closed.
    void edit(int index, std::function<void(StyleEditor&)> act) {
        const auto answer = when_modal<StyleEditor>(std::move(act));
        edit_style(nullptr, *document_, index, messages_, busy_);
    }

    std::unique_ptr<StyleEditor> open(int index) {
        auto editor = std::make_unique<StyleEditor>(theme().elements[index], busy_);
        editor->show();
        if (!QTest::qWaitForWindowExposed(editor.get())) {
            qFatal("the editor was not shown");
        }
        return editor;
    }

  private slots:
    void init() {
        document_ = std::make_unique<ThemeDocument>();
        document_->replace(test_theme(), kUntitledFileName, false);
        messages_ = ScriptedMessages();
        busy_ = CountingBusyCursor();
    }

    void window_caption_size_and_palette() {
        auto editor = open(kRoadGuidance);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Quorvane "));
        QCOMPARE(editor->size(), QSize(901, 687));
        PaletteGrid* grid = editor->palette_grid();
        QCOMPARE(grid->cell(63).tool_tip, QStringLiteral("#7B30FF"));
        // Cells are painted in their colours.
        QCOMPARE(pixel(grid, grid->cell_pixels(7).center()), QColor(0, 0, 255));
        QCOMPARE(pixel(grid, grid->cell_pixels(253).center()), QColor(0xe6, 0xe6, 0xe6));
        QCOMPARE(grid->cell_at(grid->cell_pixels(17).center()), 17);
        // Each coloured cell has its tool tip; the greys have none.
        const auto tip_at = [grid](int index) {
            const QPoint at = grid->cell_pixels(index).center();
            QHelpEvent help(QEvent::ToolTip, at, grid->mapToGlobal(at));
            QApplication::sendEvent(grid, &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tip_at(240), QString());  // before any tip is up: a hidden tip fades slowly
        QCOMPARE(tip_at(63), QStringLiteral("#7B30FF"));
        QCOMPARE(tip_at(8), QStringLiteral("#390000"));
        QCOMPARE(editor->spectrum()->toolTip(), QStringLiteral(" Click to select color "));
        QCOMPARE(editor->spectrum()->shown().size(), editor->spectrum()->size());
    }

    void opens_a_line_with_body_strips_and_the_primary_slot() {
        auto editor = open(kRoadGuidance);
        QVERIFY(!editor->polygon_mode());
        QVERIFY(editor->line_panel()->isVisible());
        QVERIFY(!editor->polygon_panel()->isVisible());
        QVERIFY(editor->reverse_button()->isEnabled());
        QCOMPARE(editor->colour_slot(), ColourSlot::Primary);
        QCOMPARE(editor->scale_box()->text(), QStringLiteral("1"));
        QCOMPARE(editor->border_box()->text(), QStringLiteral(".6"));
        // Line body 800 twips high, strips 480 + 60 and 480.
        const SampleLayout& layout = editor->sample()->sample_layout();
        QCOMPARE(layout.body.height(), 800.0);
        QCOMPARE(layout.upper_strip.height(), 540.0);
        QCOMPARE(layout.lower_strip.height(), 480.0);
        QCOMPARE(editor->sample()->body_colour(), rgb(0xFF, 0x80, 0x00));
        QCOMPARE(editor->sample()->strip_colour(), rgb(0x20, 0x20, 0x20));
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("FF8000"));
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("202020"));
        QCOMPARE(editor->swatch(ColourSlot::Primary)->colour(), rgb(0xFF, 0x80, 0x00));
        QCOMPARE(editor->swatch(ColourSlot::Secondary)->colour(), rgb(0x20, 0x20, 0x20));
        QCOMPARE(editor->base_colour(ColourSlot::Primary), rgb(0xFF, 0x80, 0x00));
        QCOMPARE(editor->base_colour(ColourSlot::Secondary), rgb(0x20, 0x20, 0x20));
        QCOMPARE(editor->sample()->toolTip(), QStringLiteral("Click Line or Border "));
        // One marker beside the body; the slot's outline around the primary swatch.
        QVERIFY(editor->sample_marker(0)->isVisible());
        QVERIFY(!editor->sample_marker(1)->isVisible());
        const QRect body = editor->sample()->body_pixels();
        QVERIFY(qAbs(editor->sample_marker(0)->geometry().center().y() - body.center().y()) <= 1);
        QVERIFY(editor->slot_outline()->isVisible());
        QVERIFY(editor->slot_outline()->geometry().contains(
            editor->swatch(ColourSlot::Primary)->geometry()));
        // The sample shows it: body colour in the middle, strip colour above.
        QCOMPARE(pixel(editor->sample(), body.center()), QColor(0xFF, 0x80, 0x00));
        QCOMPARE(pixel(editor->sample(),
                       editor->sample()->upper_strip_pixels().topLeft() + QPoint(20, 2)),
                 QColor(0x20, 0x20, 0x20));
        QCOMPARE(editor->field_label()->text(), QStringLiteral("MAP_ROAD_HWY_MJR_CLR"));
        QCOMPARE(editor->presentation_label()->text(), QStringLiteral(" GUIDANCE "));
        // Names from the file are never markup.
        QCOMPARE(editor->field_label()->textFormat(), Qt::PlainText);
        QCOMPARE(editor->presentation_label()->textFormat(), Qt::PlainText);
    }

    void opens_a_polygon_with_the_polygon_panel_only() {
        auto editor = open(kWaterGuidance);
        QVERIFY(editor->polygon_mode());
        QVERIFY(editor->polygon_panel()->isVisible());
        QVERIFY(!editor->line_panel()->isVisible());
        QCOMPARE(editor->polygon_panel()->pos(), editor->line_panel()->pos());
        QVERIFY(!editor->reverse_button()->isEnabled());
        QVERIFY(!editor->sample_marker(0)->isVisible());
        QVERIFY(!editor->sample_marker(1)->isVisible());
        QCOMPARE(editor->colour_box(ColourSlot::Polygon)->text(), QStringLiteral("99B3CC"));
        QCOMPARE(editor->swatch(ColourSlot::Polygon)->colour(), rgb(0x99, 0xB3, 0xCC));
        // The fill covers the sample but its margin.
        const QRect body = editor->sample()->body_pixels();
        QCOMPARE(pixel(editor->sample(), body.topLeft() + QPoint(1, 1)), QColor(0x99, 0xB3, 0xCC));
        QCOMPARE(pixel(editor->sample(), QPoint(3, 3)), QColor(240, 240, 240));

        // A pick changes the primary text; the polygon's swatch keeps the primary slot.
        click(editor->swatch(ColourSlot::Polygon));
        QCOMPARE(editor->colour_slot(), ColourSlot::Primary);
        click_palette_cell(*editor, 7);
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("0000FF"));
        QCOMPARE(editor->working_colours().secondary_day, QString());
        QCOMPARE(editor->colour_box(ColourSlot::Polygon)->text(), QStringLiteral("0000FF"));
        QCOMPARE(editor->swatch(ColourSlot::Polygon)->colour(), rgb(0, 0, 255));
        QVERIFY(editor->has_changes());
    }

    void palette_pick_with_the_secondary_slot_at_night_changes_only_the_secondary_night_text() {
        const Element opened = theme().elements[kRoadGuidance];
        auto editor = open(kRoadGuidance);
        // A click on the upper border strip selects the secondary slot.
        click(editor->sample(), editor->sample()->upper_strip_pixels().topLeft() + QPoint(30, 2));
        QCOMPARE(editor->colour_slot(), ColourSlot::Secondary);
        QVERIFY(editor->sample_marker(0)->isVisible());
        QVERIFY(editor->sample_marker(1)->isVisible());
        click(editor->night_option());
        QVERIFY(editor->night());
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("E0E0E0"));
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("804000"));

        click_palette_cell(*editor, 8);
        const StyleColours& working = editor->working_colours();
        QCOMPARE(working.secondary_night, QStringLiteral("390000"));
        QCOMPARE(working.primary_night, opened.primary_night);
        QCOMPARE(working.secondary_day, opened.secondary_day);
        QCOMPARE(working.primary_day, opened.primary_day);
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("390000"));
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("804000"));
        QCOMPARE(editor->sample()->strip_colour(), rgb(57, 0, 0));
        QCOMPARE(editor->base_colour(ColourSlot::Secondary), rgb(57, 0, 0));
        QVERIFY(editor->has_changes());
        // Nothing reaches the theme before Apply; Cancel puts the flag back.
        QCOMPARE(theme().elements[kRoadGuidance], opened);
        click(editor->cancel_button());
        QCOMPARE(editor->result(), int(QDialog::Rejected));
        QCOMPARE(theme().elements[kRoadGuidance], opened);
        QVERIFY(!document_->is_modified());
    }

    void shade_cells_follow_palette_and_shade_picks() {
        auto editor = open(kRoadGuidance);
        // Cell 99 is rgb(7b, 65, 6a).
        QCOMPARE(editor->palette_grid()->cell(99).colour, rgb(0x7b, 0x65, 0x6a));
        QVERIFY(editor->shade_cell(4)->toolTip().isEmpty());
        click_palette_cell(*editor, 99);
        QCOMPARE(editor->shade_cell(4)->colour(), rgb(0x7b, 0x95, 0x6a));
        QCOMPARE(editor->shade_cell(4)->toolTip(), QStringLiteral("#7B956A"));
        QCOMPARE(editor->shade_cell(3)->colour(), rgb(0x39, 0x65, 0x6a));
        QVERIFY(editor->selection_marker()->isVisible());
        QVERIFY(busy_.on_calls >= 1);
        QVERIFY(!busy_.busy);

        click(editor->shade_cell(4));
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("7B956A"));
        QCOMPARE(editor->shade_cell(5)->colour(), rgb(0x7b, 0x65, 0x6a));
        // A shade pick leaves the base colour alone.
        QCOMPARE(editor->base_colour(ColourSlot::Primary), rgb(0x7b, 0x65, 0x6a));
        QVERIFY(editor->selection_marker()->isVisible());

        // A palette grey greys the cells out and hides the marker.
        click_palette_cell(*editor, 240);
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(editor->shade_cell(k)->colour(), rgb(220, 220, 220));
            QCOMPARE(editor->shade_cell(k)->toolTip(), QStringLiteral("#DCDCDC"));
        }
        QVERIFY(!editor->selection_marker()->isVisible());
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("101010"));
    }

    void spectrum_pick_and_hover() {
        auto editor = open(kRoadGuidance);
        click_palette_cell(*editor, 99);
        SpectrumPicture* spectrum = editor->spectrum();
        const QPoint at(40, 90);
        const int colour = spectrum->colour_at(at);
        QTest::mouseMove(spectrum, at);
        QCOMPARE(editor->hover_swatch()->colour(), colour);
        const int shade_before = editor->shade_cell(4)->colour();
        click(spectrum, at);
        QCOMPARE(editor->working_colours().primary_day, colour_text(colour));
        QCOMPARE(editor->sample()->body_colour(), colour);
        QCOMPARE(editor->base_colour(ColourSlot::Primary), colour);
        QVERIFY(!editor->selection_marker()->isVisible());
        QCOMPARE(editor->shade_cell(4)->colour(), shade_before);
    }

    void reverse_twice_restores_both_colours() {
        auto editor = open(kRoadGuidance);
        click(editor->reverse_button());
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("202020"));
        QCOMPARE(editor->working_colours().secondary_day, QStringLiteral("FF8000"));
        QCOMPARE(editor->working_colours().primary_night, QStringLiteral("804000"));
        QCOMPARE(editor->swatch(ColourSlot::Primary)->colour(), rgb(0x20, 0x20, 0x20));
        QCOMPARE(editor->swatch(ColourSlot::Secondary)->colour(), rgb(0xFF, 0x80, 0x00));
        QCOMPARE(editor->sample()->body_colour(), rgb(0x20, 0x20, 0x20));
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("202020"));
        QVERIFY(editor->has_changes());
        click(editor->reverse_button());
        QCOMPARE(editor->working_colours(), StyleColours::of(theme().elements[kRoadGuidance]));
        QCOMPARE(editor->swatch(ColourSlot::Primary)->colour(), rgb(0xFF, 0x80, 0x00));
        QCOMPARE(editor->swatch(ColourSlot::Secondary)->colour(), rgb(0x20, 0x20, 0x20));
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("202020"));
    }

    void scale_and_border_knobs() {
        auto editor = open(kRoadGuidance);
        QCOMPARE(editor->scale_slider()->knob_left(), 756);
        drag_knob(editor->scale_slider(), -40);
        QCOMPARE(editor->scale_slider()->knob_left(), 0);
        QCOMPARE(editor->scale_box()->text(), QStringLiteral("0.01"));
        // Both boxes follow both knobs; the border knob is still in the middle.
        QCOMPARE(editor->border_box()->text(), QStringLiteral("1.25"));
        QCOMPARE(editor->sample()->sample_layout().body.height(), 8.0);

        drag_knob(editor->border_slider(), -40);
        QCOMPARE(editor->border_box()->text(), QStringLiteral("0"));
        QCOMPARE(editor->scale_box()->text(), QStringLiteral("0.01"));
        drag_knob(editor->border_slider(), 500);
        QCOMPARE(editor->border_slider()->knob_left(), 1512);
        QCOMPARE(editor->border_box()->text(), QStringLiteral("2.5"));
        QVERIFY(!editor->has_changes());

        // A pick puts the knobs back to the middle; the boxes keep their texts.
        click_palette_cell(*editor, 7);
        QCOMPARE(editor->border_slider()->knob_left(), 756);
        QCOMPARE(editor->border_box()->text(), QStringLiteral("2.5"));

        // Apply hands them over with the colours.
        click(editor->apply_button());
        QCOMPARE(editor->result(), int(QDialog::Accepted));
        QCOMPARE(editor->edited_style().scale, QStringLiteral("0.01"));
        QCOMPARE(editor->edited_style().border, QStringLiteral("2.5"));
    }

    void size_boxes_take_enter() {
        auto editor = open(kRoadGuidance);
        drag_knob(editor->brightness_slider(), 200);
        QVERIFY(editor->brightness_slider()->knob_left() != 756);
        editor->scale_box()->setFocus();
        editor->scale_box()->setText(QStringLiteral("2"));
        QTest::keyClick(editor->scale_box(), Qt::Key_Return);
        QVERIFY(editor->isVisible());  // Enter is not Apply
        QCOMPARE(editor->sample()->sample_layout().body.height(), 1600.0);
        QCOMPARE(editor->brightness_slider()->knob_left(), 756);
        QCOMPARE(editor->brightness_box()->text(), QStringLiteral("0"));

        // An empty scale turns the window into polygon mode for good.
        editor->scale_box()->setText(QString());
        QTest::keyClick(editor->scale_box(), Qt::Key_Return);
        QVERIFY(editor->polygon_mode());
        editor->scale_box()->setText(QStringLiteral("1"));
        QTest::keyClick(editor->scale_box(), Qt::Key_Return);
        QVERIFY(editor->polygon_mode());
        QVERIFY(!editor->sample_marker(0)->isVisible());
    }

    void colour_box_keystrokes_mark_the_theme_but_are_not_taken_over() {
        auto editor = open(kRoadGuidance);
        QLineEdit* box = editor->colour_box(ColourSlot::Primary);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("00"));
        QVERIFY(editor->has_changes());
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("FF8000"));
        drag_knob(editor->contrast_slider(), 10);
        QVERIFY(editor->contrast_slider()->knob_left() != 756);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->contrast_slider()->knob_left(), 756);
        QCOMPARE(editor->contrast_box()->text(), QStringLiteral("0"));
    }

    void brightness_and_contrast_drags_show_and_commit() {
        const Element opened = theme().elements[kRoadGuidance];
        auto editor = open(kRoadGuidance);
        SliderTrack* brightness = editor->brightness_slider();
        // Past the right end: +255 turns the body white.
        drag_knob(brightness, 400);
        QCOMPARE(brightness->knob_left(), 1512);
        QCOMPARE(editor->brightness_box()->text(), QStringLiteral("255"));
        QCOMPARE(editor->contrast_box()->text(), QStringLiteral("0"));
        QCOMPARE(editor->sample()->body_colour(), rgb(255, 255, 255));
        QCOMPARE(editor->swatch(ColourSlot::Primary)->colour(), rgb(255, 255, 255));
        // Released: the four texts are the working colours at once.
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("FFFFFF"));
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("FFFFFF"));
        QCOMPARE(editor->edited_style().colours.secondary_day, QStringLiteral("202020"));
        QVERIFY(editor->has_changes());
        QVERIFY(!busy_.busy);

        // Left of the track: -255 on the new base turns it black.
        drag_knob(brightness, -400);
        QCOMPARE(brightness->knob_left(), 0);
        QCOMPARE(editor->brightness_box()->text(), QStringLiteral("-255"));
        QCOMPARE(editor->sample()->body_colour(), rgb(0, 0, 0));

        // Contrast on the secondary slot works on the strips.
        click(editor->swatch(ColourSlot::Secondary));
        QCOMPARE(editor->colour_slot(), ColourSlot::Secondary);
        QCOMPARE(brightness->knob_left(), 756);
        drag_knob(editor->contrast_slider(), 400);
        QCOMPARE(editor->contrast_box()->text(), QStringLiteral("255"));
        const int expected = adjust_colour(rgb(0x20, 0x20, 0x20), 0, 255).adjusted;
        QCOMPARE(editor->sample()->strip_colour(), expected);
        QCOMPARE(editor->working_colours().secondary_day, colour_text(expected));

        // Cancel: nothing reached the theme.
        click(editor->cancel_button());
        QCOMPARE(theme().elements[kRoadGuidance], opened);
        QVERIFY(!document_->is_modified());
    }

    void brightness_commit_gives_a_polygon_no_secondary_colour() {
        auto editor = open(kWaterGuidance);
        drag_knob(editor->brightness_slider(), 80);
        const int offset = editor->brightness_box()->text().toInt();
        QVERIFY(offset > 0);
        const int expected = change_brightness_colour(rgb(0x99, 0xB3, 0xCC), offset);
        QCOMPARE(editor->swatch(ColourSlot::Polygon)->colour(), expected);
        QCOMPARE(editor->sample()->body_colour(), expected);
        QCOMPARE(editor->working_colours().primary_day, colour_text(expected));
        QCOMPARE(editor->working_colours().secondary_day, QString());
        QCOMPARE(editor->working_colours().secondary_night, QString());
        QCOMPARE(editor->colour_box(ColourSlot::Polygon)->text(), colour_text(expected));
    }

    void apply_writes_back_and_applies_to_all() {
        const Theme before = theme();
        edit(kWaterGuidance, [](StyleEditor& editor) {
            click_palette_cell(editor, 40);  // rgb(0, 48, 0)
            editor.apply_all_check()->setChecked(true);
            click(editor.apply_button());
        });
        QCOMPARE(messages_.told, QStringList{QStringLiteral("Applied to 3 additional elements")});
        for (int j : {kWaterGuidance, kWaterBrowse, kWaterTraffic, kWaterPedestrian}) {
            QCOMPARE(theme().elements[j].primary_day, QStringLiteral("003000"));
            QCOMPARE(theme().elements[j].primary_night, QStringLiteral("102040"));
        }
        QCOMPARE(theme().elements[kWoodsGuidance].primary_day, QStringLiteral("A0C080"));
        QCOMPARE(theme().elements[kRoadBrowse].primary_day, QStringLiteral("111111"));
        QVERIFY(document_->is_modified());
        // One step, undone as a whole.
        QCOMPARE(document_->history().count(), 1);
        QCOMPARE(document_->history().undoText(),
                 QStringLiteral("Apply to All Presentations (3 elements)"));
        document_->history().undo();
        QVERIFY(theme() == before);
        QVERIFY(!document_->is_modified());
    }

    void apply_without_apply_to_all_touches_one_element() {
        edit(kRoadGuidance, [](StyleEditor& editor) {
            click_palette_cell(editor, 7);
            click(editor.apply_button());
        });
        QVERIFY(messages_.told.isEmpty());
        QCOMPARE(theme().elements[kRoadGuidance].primary_day, QStringLiteral("0000FF"));
        QCOMPARE(theme().elements[kRoadBrowse].primary_day, QStringLiteral("111111"));
    }

    void close_box_and_escape_behave_as_cancel() {
        const Theme before = theme();
        for (const bool escape : {false, true}) {
            edit(kRoadGuidance, [escape](StyleEditor& editor) {
                drag_knob(editor.brightness_slider(), 300);
                click_palette_cell(editor, 7);
                QVERIFY(editor.has_changes());
                if (escape) {
                    QTest::keyClick(&editor, Qt::Key_Escape);
                } else {
                    QVERIFY(editor.close());
                }
                QVERIFY(!editor.isVisible());
            });
            QVERIFY(theme() == before);
            QVERIFY(!document_->is_modified());
            QCOMPARE(document_->history().count(), 0);
        }
    }

    void edit_style_shows_the_editor_modally_and_reports_apply() {
        QWidget parent;
        QPixmap icon_pixmap(16, 16);
        icon_pixmap.fill(Qt::red);
        parent.setWindowIcon(QIcon(icon_pixmap));
        bool icon_taken = false;
        bool centred = false;
        auto answer = [&](bool apply) {
            QTimer::singleShot(10, [&, apply] {
                auto* editor = qobject_cast<StyleEditor*>(QApplication::activeModalWidget());
                if (editor == nullptr) {
                    return;
                }
                icon_taken = editor->windowIcon().cacheKey() == parent.windowIcon().cacheKey();
                const QRect screen = editor->screen()->geometry();
                // Centred before it was shown, so the frame's few pixels may shift it.
                const QPoint off = editor->frameGeometry().center() - screen.center();
                centred = qAbs(off.x()) <= 4 && qAbs(off.y()) <= 4;
                click(apply ? editor->apply_button() : editor->cancel_button());
            });
        };
        answer(true);
        QVERIFY(edit_style(&parent, *document_, kRoadGuidance, messages_, busy_));
        QVERIFY(icon_taken);
        QVERIFY(centred);
        answer(false);
        QVERIFY(!edit_style(&parent, *document_, kRoadGuidance, messages_, busy_));
        QVERIFY(!edit_style(&parent, *document_, 7, messages_, busy_));
        QVERIFY(!edit_style(&parent, *document_, -1, messages_, busy_));
    }

    void screenshot() {
        const QString folder = qEnvironmentVariable("QUORVANE_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("set QUORVANE_SCREENSHOT_DIR to save pictures of the editor");
        }
        auto line = open(kRoadGuidance);
        click_palette_cell(*line, 99);
        QVERIFY(line->grab().save(folder + QStringLiteral("/style-editor-line.png")));
        auto polygon = open(kWaterGuidance);
        QVERIFY(polygon->grab().save(folder + QStringLiteral("/style-editor-polygon.png")));
    }
};

QTEST_MAIN(StyleEditorTest)
#include "style_editor_test.moc"
