// SPDX-License-Identifier: GPL-3.0-or-later
// The style editor's stories, one test each; what the editor works out is tested against its
// session (tests/style_editor).
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <functional>
#include <memory>

#include "colour/adjustments.h"
#include "colour/colour_values.h"
#include "format/reader.h"
#include "main_window_session.h"
#include "model/theme_document.h"
#include "preview/preview_painter.h"
#include "style_editor/theme_colours.h"
#include "support/scripted_colour_picker.h"
#include "support/scripted_messages.h"
#include "ui/colour_cell.h"
#include "ui/edit_style.h"
#include "ui/hue_chart_picture.h"
#include "ui/palette_grid.h"
#include "ui/sample_picture.h"
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

const SampleGrounds kCanvas{colour_number_of(kCanvasColour), colour_number_of(kNightCanvasColour)};

Theme test_theme() {
    Theme theme;
    MessageList messages;
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

QColor pixel(QWidget* widget, QPoint at) {
    return widget->grab().toImage().pixelColor(at);
}

// Types `text` over a colour box's text and takes it with Enter or by leaving the box.
void type_colour(QLineEdit* box, const QString& text, bool with_enter) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    if (with_enter) {
        QTest::keyClick(box, Qt::Key_Return);
    } else {
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &leave);
    }
}

// Holds a slider's knob from the middle of the track (where the knob of a 0 stands), moves the
// pointer to `to_x` and lets go.
void drag_from_the_middle(QSlider* slider, int to_x) {
    const QPoint grab = slider->rect().center();
    QTest::mousePress(slider, Qt::LeftButton, {}, grab);
    QTest::mouseMove(slider, QPoint(to_x, grab.y()));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(to_x, grab.y()));
}

}  // namespace

class StyleEditorTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ThemeDocument> document_;
    ScriptedMessages messages_;
    CountingBusyCursor busy_;
    ScriptedColourPicker picker_;

    const Theme& theme() const { return document_->theme(); }

    // Opens the editor on Element `index` as a double-click does, lets `act` work it, and
    // returns once it closed.
    void edit(int index, std::function<void(StyleEditor&)> act, bool night = false) {
        const auto answer = when_modal<StyleEditor>(std::move(act));
        edit_style(nullptr, *document_, index, night, messages_, busy_, picker_);
    }

    std::unique_ptr<StyleEditor> open(int index, bool night = false) {
        auto editor =
            std::make_unique<StyleEditor>(theme().elements[size_t(index)], theme_colours(theme()),
                                          kCanvas, night, busy_, picker_);
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
        picker_ = ScriptedColourPicker();
    }

    void opening_a_line_shows_it_day_and_night_side_by_side() {
        auto editor = open(kRoadGuidance);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Quorvane "));
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

        QVERIFY(editor->line_panel()->isVisible());
        QVERIFY(!editor->polygon_panel()->isVisible());
        QVERIFY(editor->reverse_button()->isEnabled());
        QVERIFY(editor->day_option()->isChecked());
        QCOMPARE(editor->scale_box()->value(), 1.0);
        QCOMPARE(editor->border_box()->value(), 0.6);
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("FF8000"));
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("202020"));
        QCOMPARE(editor->swatch(ColourSlot::Primary)->colour(), rgb(0xFF, 0x80, 0x00));
        QCOMPARE(editor->swatch(ColourSlot::Primary)->outline(), ColourCell::Outline::Chosen);
        QCOMPARE(editor->swatch(ColourSlot::Secondary)->outline(), ColourCell::Outline::None);
        // Both samples, each on the ground of its time: the canvas's where the theme has no LAND.
        const struct {
            bool night;
            QColor body, strip, ground;
        } samples[] = {
            {false, QColor(0xFF, 0x80, 0x00), QColor(0x20, 0x20, 0x20), kCanvasColour},
            {true, QColor(0x80, 0x40, 0x00), QColor(0xE0, 0xE0, 0xE0), kNightCanvasColour}};
        for (const auto& s : samples) {
            SamplePicture* sample = editor->sample(s.night);
            QCOMPARE(pixel(sample, sample->body_pixels().center()), s.body);
            QCOMPARE(pixel(sample, sample->upper_strip_pixels().topLeft() + QPoint(20, 2)),
                     s.strip);
            QCOMPARE(pixel(sample, QPoint(sample->width() / 2, 6)), s.ground);
            QCOMPARE(sample->toolTip(), QStringLiteral("Click Line or Border "));
            // One marker beside the body of the chosen (day) sample only.
            QCOMPARE(sample->marker_pixels(0).isEmpty(), s.night);
            QVERIFY(sample->marker_pixels(1).isEmpty());
        }
        const QRect marker = editor->sample(false)->marker_pixels(0);
        QVERIFY(qAbs(marker.center().y() - editor->sample(false)->body_pixels().center().y()) <= 1);
        QVERIFY(editor->sample(false)->geometry().right() <
                editor->sample(true)->geometry().left());
        QCOMPARE(editor->field_label()->text(), QStringLiteral("MAP_ROAD_HWY_MJR_CLR"));
        QCOMPARE(editor->presentation_label()->text(), QStringLiteral(" GUIDANCE "));
        // Names from the file are never markup.
        QCOMPARE(editor->field_label()->textFormat(), Qt::PlainText);
        QCOMPARE(editor->presentation_label()->textFormat(), Qt::PlainText);
    }

    void opening_a_polygon_shows_its_one_colour() {
        auto editor = open(kWaterGuidance);
        QVERIFY(editor->polygon_panel()->isVisible());
        QVERIFY(!editor->line_panel()->isVisible());
        QVERIFY(!editor->reverse_button()->isEnabled());
        QCOMPARE(editor->polygon_box()->text(), QStringLiteral("99B3CC"));
        QCOMPARE(editor->polygon_swatch()->colour(), rgb(0x99, 0xB3, 0xCC));
        SamplePicture* sample = editor->sample(false);
        QVERIFY(sample->marker_pixels(0).isEmpty());
        // The fill covers the sample but its margin, where the ground shows.
        const QRect body = sample->body_pixels();
        QCOMPARE(pixel(sample, body.topLeft() + QPoint(1, 1)), QColor(0x99, 0xB3, 0xCC));
        QCOMPARE(pixel(sample, QPoint(6, 6)), kCanvasColour);
        QCOMPARE(pixel(editor->sample(true), body.center()), QColor(0x10, 0x20, 0x40));

        // A pick changes the primary colour; the polygon's swatch keeps the primary slot.
        click(editor->polygon_swatch());
        click_palette_cell(*editor, 7);
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("0000FF"));
        QCOMPARE(editor->polygon_swatch()->colour(), rgb(0, 0, 255));
    }

    void a_click_on_a_sample_chooses_its_time_and_part_for_the_next_pick() {
        const Element opened = theme().elements[kRoadGuidance];
        auto editor = open(kRoadGuidance);
        // A click on the upper border strip of the night sample: night, secondary slot.
        SamplePicture* night = editor->sample(true);
        click(night, night->upper_strip_pixels().topLeft() + QPoint(30, 2));
        QVERIFY(editor->night_option()->isChecked());
        QCOMPARE(editor->colour_slot(), ColourSlot::Secondary);
        QVERIFY(!night->marker_pixels(0).isEmpty());
        QVERIFY(!night->marker_pixels(1).isEmpty());
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("E0E0E0"));
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("804000"));

        click_palette_cell(*editor, 8);
        QCOMPARE(editor->working_colours().secondary_night, QStringLiteral("390000"));
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("390000"));
        QCOMPARE(pixel(night, night->lower_strip_pixels().center()), QColor(0x39, 0, 0));
        // The Day option, then a click on the day sample's body.
        click(editor->day_option());
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("202020"));
        SamplePicture* day = editor->sample(false);
        click(day, day->body_pixels().center());
        QCOMPARE(editor->colour_slot(), ColourSlot::Primary);
        QVERIFY(night->marker_pixels(0).isEmpty());
        // Nothing reaches the theme before Apply.
        QCOMPARE(theme().elements[kRoadGuidance], opened);
        click(editor->cancel_button());
        QCOMPARE(editor->result(), int(QDialog::Rejected));
        QCOMPARE(theme().elements[kRoadGuidance], opened);
        QVERIFY(!document_->is_modified());
    }

    void opened_from_the_night_view_on_a_theme_with_land() {
        Theme with_land = theme();
        Element land = with_land.elements[kWoodsGuidance];
        land.field_name = QStringLiteral("MAP_LAND_CLR");
        land.primary_day = QStringLiteral("F0E8D0");
        land.primary_night = QStringLiteral("303840");
        with_land.elements.push_back(land);
        document_->replace(std::move(with_land), kUntitledFileName, false);
        edit(
            kRoadGuidance,
            [](StyleEditor& editor) {
                QVERIFY(editor.night_option()->isChecked());
                QCOMPARE(editor.colour_box(ColourSlot::Primary)->text(), QStringLiteral("804000"));
                QVERIFY(editor.sample(false)->marker_pixels(0).isEmpty());
                QVERIFY(!editor.sample(true)->marker_pixels(0).isEmpty());
                for (const bool night : {false, true}) {
                    SamplePicture* sample = editor.sample(night);
                    QCOMPARE(pixel(sample, QPoint(sample->width() / 2, 6)),
                             night ? QColor(0x30, 0x38, 0x40) : QColor(0xF0, 0xE8, 0xD0));
                }
                click_palette_cell(editor, 7);
                click(editor.apply_button());
            },
            true);
        QCOMPARE(theme().elements[kRoadGuidance].primary_night, QStringLiteral("0000FF"));
        QCOMPARE(theme().elements[kRoadGuidance].primary_day, QStringLiteral("FF8000"));
    }

    void shade_cells_and_the_spectrum_follow_picks() {
        auto editor = open(kRoadGuidance);
        QVERIFY(editor->shade_cell(4)->toolTip().isEmpty());
        click_palette_cell(*editor, 99);  // 7B656A
        QCOMPARE(editor->shade_cell(4)->colour(), rgb(0x7b, 0x95, 0x6a));
        QCOMPARE(editor->shade_cell(4)->toolTip(), QStringLiteral("#7B956A"));
        QCOMPARE(editor->shade_cell(3)->colour(), rgb(0x39, 0x65, 0x6a));
        QCOMPARE(editor->palette_grid()->marked_cell(), 99);
        QVERIFY(busy_.on_calls >= 1);
        QVERIFY(!busy_.busy);

        click(editor->shade_cell(4));
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("7B956A"));
        QCOMPARE(editor->shade_cell(5)->colour(), rgb(0x7b, 0x65, 0x6a));
        QCOMPARE(editor->shade_cell(4)->outline(), ColourCell::Outline::Marker);
        QCOMPARE(editor->palette_grid()->marked_cell(), -1);

        // The spectrum: the swatch beside the shades follows the pointer; a click picks.
        SpectrumPicture* spectrum = editor->spectrum();
        const int shade_before = editor->shade_cell(4)->colour();
        const QPoint at(40, 50);
        const int colour = spectrum->colour_at(at);
        QTest::mouseMove(spectrum, at);
        QCOMPARE(editor->hover_swatch()->colour(), colour);
        click(spectrum, at);
        QCOMPARE(editor->working_colours().primary_day, colour_text(colour));
        QCOMPARE(editor->shade_cell(4)->colour(), shade_before);
        QCOMPARE(editor->shade_cell(4)->outline(), ColourCell::Outline::None);
    }

    void reverse_twice_restores_both_colours() {
        auto editor = open(kRoadGuidance);
        click(editor->reverse_button());
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("202020"));
        QCOMPARE(editor->working_colours().secondary_day, QStringLiteral("FF8000"));
        QCOMPARE(editor->working_colours().primary_night, QStringLiteral("804000"));
        QCOMPARE(editor->swatch(ColourSlot::Primary)->colour(), rgb(0x20, 0x20, 0x20));
        QCOMPARE(editor->swatch(ColourSlot::Secondary)->colour(), rgb(0xFF, 0x80, 0x00));
        QCOMPARE(pixel(editor->sample(false), editor->sample(false)->body_pixels().center()),
                 QColor(0x20, 0x20, 0x20));
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("202020"));
        click(editor->reverse_button());
        QCOMPARE(editor->working_colours(), StyleColours::of(theme().elements[kRoadGuidance]));
        QCOMPARE(editor->swatch(ColourSlot::Primary)->colour(), rgb(0xFF, 0x80, 0x00));
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("202020"));
    }

    void sizes_by_slider_keys_and_typed_values() {
        auto editor = open(kRoadGuidance);
        QSlider* scale = editor->scale_slider();
        scale->setFocus();
        QTest::keyClick(scale, Qt::Key_Right);  // fine steps of a hundredth
        QCOMPARE(editor->scale_box()->value(), 1.01);
        QTest::keyClick(scale, Qt::Key_PageDown);
        QCOMPARE(editor->scale_box()->value(), 0.91);
        QCOMPARE(editor->sample(true)->sample_layout().body.height(), 728.0);
        QCOMPARE(QAccessible::queryAccessibleInterface(scale)->valueInterface()->currentValue(),
                 QVariant(91));

        // A typed border, with Enter: taken, and not Apply. Brightness goes back to 0.
        QTest::keyClick(editor->brightness_slider(), Qt::Key_PageUp);
        QCOMPARE(editor->brightness_box()->value(), 16);
        QDoubleSpinBox* border = editor->border_box();
        border->setFocus();
        border->selectAll();
        QTest::keyClicks(border, QStringLiteral("2.5"));
        QTest::keyClick(border, Qt::Key_Return);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->border_slider()->value(), 250);
        QCOMPARE(editor->brightness_box()->value(), 0);
        QCOMPARE(editor->brightness_slider()->value(), 0);

        // A pick leaves the sizes as they are; Apply hands them over with the colours.
        click_palette_cell(*editor, 7);
        QCOMPARE(editor->border_slider()->value(), 250);
        click(editor->apply_button());
        QCOMPARE(editor->result(), int(QDialog::Accepted));
        QCOMPARE(editor->edited_style().scale, QStringLiteral("0.91"));
        QCOMPARE(editor->edited_style().border, QStringLiteral("2.5"));
    }

    void typed_colours_are_taken_with_enter_or_on_leaving_and_anything_else_is_marked() {
        auto editor = open(kRoadGuidance, true);
        type_colour(editor->colour_box(ColourSlot::Primary), QStringLiteral("#00ff80"), false);
        QCOMPARE(editor->working_colours().primary_night, QStringLiteral("00FF80"));
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("00FF80"));
        auto polygon = open(kWaterGuidance);
        type_colour(polygon->polygon_box(), QStringLiteral("c0ffee"), true);
        QCOMPARE(polygon->working_colours().primary_day, QStringLiteral("C0FFEE"));
        QVERIFY(polygon->isVisible());  // Enter is not Apply
        // Anything else: the box keeps it, turns red and says why, until the next step.
        QLineEdit* box = editor->colour_box(ColourSlot::Secondary);
        const QColor base = box->palette().color(QPalette::Base);
        type_colour(box, QStringLiteral("#GG0000"), true);
        QCOMPARE(box->text(), QStringLiteral("#GG0000"));
        QVERIFY(box->toolTip().contains("six hexadecimal digits"));
        QVERIFY(box->palette().color(QPalette::Base) != base);
        QCOMPARE(editor->working_colours().secondary_night, QStringLiteral("E0E0E0"));
        click(editor->day_option());
        QCOMPARE(box->palette().color(QPalette::Base), base);
        QCOMPARE(box->text(), QStringLiteral("202020"));
    }

    void more_opens_the_colour_dialog_on_the_slots_colour() {
        auto editor = open(kRoadGuidance);
        QCOMPARE(editor->colour_dialog_button()->text(), QStringLiteral("&More\u2026"));
        // Cancelled: nothing changes.
        click(editor->colour_dialog_button());
        QCOMPARE(picker_.asked, QList<QColor>{QColor(0xFF, 0x80, 0x00)});
        QCOMPARE(editor->working_colours(), StyleColours::of(theme().elements[kRoadGuidance]));
        QVERIFY(!editor->has_changes());
        // OK on the secondary slot at night: a pick of the dialog's colour.
        click(editor->swatch(ColourSlot::Secondary));
        click(editor->night_option());
        picker_.answers = {QColor(0x12, 0x34, 0x56)};
        click(editor->colour_dialog_button());
        QCOMPARE(picker_.asked.last(), QColor(0xE0, 0xE0, 0xE0));
        QCOMPARE(editor->working_colours().secondary_night, QStringLiteral("123456"));
        QCOMPARE(editor->working_colours().secondary_day, QStringLiteral("202020"));
        QCOMPARE(editor->colour_box(ColourSlot::Secondary)->text(), QStringLiteral("123456"));
        QVERIFY(editor->has_changes());

        // A polygon's colour the same way.
        auto polygon = open(kWaterGuidance);
        picker_.answers = {QColor(1, 2, 3)};
        click(polygon->colour_dialog_button());
        QCOMPARE(picker_.asked.last(), QColor(0x99, 0xB3, 0xCC));
        QCOMPARE(polygon->working_colours().primary_day, QStringLiteral("010203"));
        QCOMPARE(polygon->polygon_swatch()->colour(), rgb(1, 2, 3));
    }

    void the_themes_colours_are_swatches_most_used_first() {
        auto editor = open(kRoadGuidance);
        // 102040 is every polygon's night colour; the others are used once, in order of use.
        const QStringList tips = {
            "#102040, used by 4 styles", "#99B3CC, used by 1 style", "#A0C080, used by 1 style",
            "#203010, used by 1 style",  "#FF8000, used by 1 style",
        };
        for (int k = 0; k < tips.size(); ++k) {
            QCOMPARE(editor->theme_colour_cell(k)->toolTip(), tips[k]);
            QVERIFY(editor->theme_colour_cell(k)->isVisible());
        }
        QCOMPARE(editor->theme_colour_cell(0)->colour(), rgb(0x10, 0x20, 0x40));
        QCOMPARE(pixel(editor->theme_colour_cell(0), QPoint(5, 5)), QColor(0x10, 0x20, 0x40));
        QVERIFY(editor->theme_colour_cell(14)->isVisible());  // fifteen colours in all
        QVERIFY(!editor->theme_colour_cell(15)->isVisible());
        QVERIFY(!editor->theme_colour_cell(23)->isVisible());
        // A click is a pick into the current slot.
        click(editor->swatch(ColourSlot::Secondary));
        click(editor->night_option());
        click(editor->theme_colour_cell(0));
        QCOMPARE(editor->working_colours().secondary_night, QStringLiteral("102040"));
        QCOMPARE(editor->swatch(ColourSlot::Secondary)->colour(), rgb(0x10, 0x20, 0x40));
        QVERIFY(editor->has_changes());
        // Apply hands it over like any pick.
        click(editor->apply_button());
        QCOMPARE(editor->edited_style().colours.secondary_night, QStringLiteral("102040"));
    }

    void brightness_and_contrast_by_drag_keys_and_typed_values() {
        const Element opened = theme().elements[kRoadGuidance];
        auto editor = open(kRoadGuidance);
        QSlider* brightness = editor->brightness_slider();
        // A drag past the right end: +255 turns the body white, taken when let go.
        drag_from_the_middle(brightness, brightness->width() + 40);
        QCOMPARE(brightness->value(), 255);
        QCOMPARE(editor->brightness_box()->value(), 255);
        QCOMPARE(editor->contrast_box()->value(), 0);
        QCOMPARE(editor->swatch(ColourSlot::Primary)->colour(), rgb(255, 255, 255));
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("FFFFFF"));
        QCOMPARE(editor->colour_box(ColourSlot::Primary)->text(), QStringLiteral("FFFFFF"));
        QCOMPARE(editor->working_colours().secondary_day, QStringLiteral("202020"));
        QVERIFY(!busy_.busy);
        // Keys work from the colour before the adjustment: Home is -255, black.
        brightness->setFocus();
        QTest::keyClick(brightness, Qt::Key_Home);
        QCOMPARE(editor->brightness_box()->value(), -255);
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("000000"));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(brightness)->valueInterface()->currentValue(),
            QVariant(-255));

        // Contrast typed on the secondary slot works on the strips.
        click(editor->swatch(ColourSlot::Secondary));
        QCOMPARE(brightness->value(), 0);
        QSpinBox* contrast = editor->contrast_box();
        contrast->setFocus();
        contrast->selectAll();
        QTest::keyClicks(contrast, QStringLiteral("255"));
        QTest::keyClick(contrast, Qt::Key_Return);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->contrast_slider()->value(), 255);
        const int expected = adjust_colour(rgb(0x20, 0x20, 0x20), 0, 255).adjusted;
        QCOMPARE(editor->swatch(ColourSlot::Secondary)->colour(), expected);
        QCOMPARE(editor->working_colours().secondary_day, colour_text(expected));

        // Cancel: nothing reached the theme.
        click(editor->cancel_button());
        QCOMPARE(theme().elements[kRoadGuidance], opened);
        QVERIFY(!document_->is_modified());
    }

    void apply_writes_back_to_one_or_all_presentations() {
        edit(kRoadGuidance, [](StyleEditor& editor) {
            click_palette_cell(editor, 7);
            click(editor.apply_button());
        });
        QVERIFY(messages_.told.isEmpty());
        QCOMPARE(theme().elements[kRoadGuidance].primary_day, QStringLiteral("0000FF"));
        QCOMPARE(theme().elements[kRoadBrowse].primary_day, QStringLiteral("111111"));
        document_->history().undo();

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
        QVERIFY(document_->is_modified());
        // One step, undone as a whole.
        QCOMPARE(document_->history().undoText(),
                 QStringLiteral("Apply to All Presentations (3 elements)"));
        document_->history().undo();
        QVERIFY(theme() == before);
    }

    // Enter applies the style, but not in a box: there it only takes the box's value.
    void enter_applies_except_in_a_box() {
        edit(kRoadGuidance, [](StyleEditor& editor) {
            type_colour(editor.colour_box(ColourSlot::Primary), QStringLiteral("00FF80"), true);
            QVERIFY(editor.isVisible());
            editor.day_option()->setFocus();
            QTest::keyClick(editor.day_option(), Qt::Key_Return);
            QVERIFY(!editor.isVisible());
        });
        QCOMPARE(theme().elements[kRoadGuidance].primary_day, QStringLiteral("00FF80"));
    }

    void close_box_and_escape_behave_as_cancel() {
        const Theme before = theme();
        for (const bool escape : {false, true}) {
            edit(kRoadGuidance, [escape](StyleEditor& editor) {
                QTest::keyClick(editor.brightness_slider(), Qt::Key_PageUp);
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
        bool fits = false;
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
                fits = editor->screen()->availableGeometry().contains(editor->frameGeometry());
                click(apply ? editor->apply_button() : editor->cancel_button());
            });
        };
        answer(true);
        QVERIFY(edit_style(&parent, *document_, kRoadGuidance, false, messages_, busy_, picker_));
        QVERIFY(icon_taken);
        QVERIFY(centred);
        QVERIFY(fits);
        answer(false);
        QVERIFY(!edit_style(&parent, *document_, kRoadGuidance, false, messages_, busy_, picker_));
        QVERIFY(!edit_style(&parent, *document_, 7, false, messages_, busy_, picker_));
        QVERIFY(!edit_style(&parent, *document_, -1, false, messages_, busy_, picker_));
    }

    // Destroying the editor while a box has the focus makes the box lose it: what it says then
    // must reach nothing (the sanitizer build catches a destroyed editor being used).
    void closing_with_a_colour_being_typed_leaves_nothing_behind() {
        auto editor = open(kRoadGuidance);
        QLineEdit* box = editor->colour_box(ColourSlot::Primary);
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("12"));
        QVERIFY(box->hasFocus());
        editor.reset();

        // The main window closed with the editor open: the editor goes as Cancel does.
        QTemporaryDir folder;
        MainWindowSession s(folder.path(), QStringLiteral(QUORVANE_TEST_DATA "/editor/theme.kmtf"));
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 7);
        const Element before = s.theme().elements[kRoadGuidance];
        bool editor_left_open = true;
        auto watch = when_modal<StyleEditor>([&](StyleEditor& open_editor) {
            click_palette_cell(open_editor, 7);
            open_editor.colour_box(ColourSlot::Primary)->setFocus();
            QVERIFY(s.window->close());
            editor_left_open = open_editor.isVisible();
        });
        s.window->open_style_editor(kRoadGuidance);
        QVERIFY(!editor_left_open);
        QCOMPARE(s.theme().elements[kRoadGuidance], before);
        QVERIFY(!s.document.is_modified());
    }

    void screenshot() {
        const QString folder = qEnvironmentVariable("QUORVANE_SCREENSHOT_DIR");
        if (folder.isEmpty()) {
            QSKIP("set QUORVANE_SCREENSHOT_DIR to save pictures of the editor");
        }
        auto line = open(kRoadGuidance);
        click_palette_cell(*line, 99);
        QVERIFY(line->grab().save(folder + QStringLiteral("/style-editor-line.png")));
        auto polygon = open(kWaterGuidance, true);
        QVERIFY(polygon->grab().save(folder + QStringLiteral("/style-editor-polygon.png")));
    }
};

QTEST_MAIN(StyleEditorTest)
#include "style_editor_test.moc"
