// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "colour/shades.h"
#include "format/reader.h"
#include "model/theme_document.h"
#include "style_editor/palette_geometry.h"
#include "style_editor/theme_colours.h"
#include "support/scripted_colour_picker.h"
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

// Everything a pick shows, to compare two ways of picking.
struct PickedState {
    StyleColours working;
    int body = 0;
    int strip = 0;
    int base_primary = 0;
    int base_secondary = 0;
    std::array<int, 6> shades{};
    QStringList shade_tips;
    bool changed = false;

    explicit PickedState(const StyleEditor& editor)
        : working(editor.working_colours()),
          body(editor.sample()->body_colour()),
          strip(editor.sample()->strip_colour()),
          base_primary(editor.base_colour(ColourSlot::Primary)),
          base_secondary(editor.base_colour(ColourSlot::Secondary)),
          changed(editor.has_changes()) {
        for (int k = 0; k < 6; ++k) {
            shades[size_t(k)] = editor.shade_cell(k)->colour();
            shade_tips << editor.shade_cell(k)->toolTip();
        }
    }
    bool operator==(const PickedState&) const = default;
};

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
    void edit(int index, std::function<void(StyleEditor&)> act) {
        const auto answer = when_modal<StyleEditor>(std::move(act));
        edit_style(nullptr, *document_, index, messages_, busy_, picker_);
    }

    std::unique_ptr<StyleEditor> open(int index) {
        auto editor = std::make_unique<StyleEditor>(theme().elements[index], theme_colours(theme()),
                                                    busy_, picker_);
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

    void typed_colours_go_to_the_boxs_slot_by_day_and_night() {
        const struct {
            int element;
            ColourSlot slot;
            bool night;
            const char* typed;
            bool with_enter;
            QString StyleColours::*changed;
            const char* expected;
        } cases[] = {
            {kRoadGuidance, ColourSlot::Primary, false, "00ff80", true, &StyleColours::primary_day,
             "00FF80"},
            {kRoadGuidance, ColourSlot::Primary, true, "#00FF80", false,
             &StyleColours::primary_night, "00FF80"},
            {kRoadGuidance, ColourSlot::Secondary, false, "#abcdef", false,
             &StyleColours::secondary_day, "ABCDEF"},
            {kRoadGuidance, ColourSlot::Secondary, true, "123456", true,
             &StyleColours::secondary_night, "123456"},
            {kWaterGuidance, ColourSlot::Polygon, false, "#C0FFEE", true,
             &StyleColours::primary_day, "C0FFEE"},
            {kWaterGuidance, ColourSlot::Polygon, true, " c0ffee ", false,
             &StyleColours::primary_night, "C0FFEE"},
        };
        for (const auto& c : cases) {
            const QString name = QStringLiteral("%1 %2").arg(c.typed).arg(c.night);
            auto editor = open(c.element);
            if (c.night) {
                click(editor->night_option());
            }
            StyleColours expected = editor->working_colours();
            expected.*c.changed = QString::fromLatin1(c.expected);
            type_colour(editor->colour_box(c.slot), QString::fromLatin1(c.typed), c.with_enter);
            QVERIFY2(editor->working_colours() == expected, qPrintable(name));
            QCOMPARE(editor->colour_box(c.slot)->text(), QString::fromLatin1(c.expected));
            QVERIFY(!editor->colour_box_invalid(c.slot));
            const int colour = *colour_number(QString::fromLatin1(c.expected));
            QCOMPARE(editor->swatch(c.slot)->colour(), colour);
            QCOMPARE(c.slot == ColourSlot::Secondary ? editor->sample()->strip_colour()
                                                     : editor->sample()->body_colour(),
                     colour);
            QCOMPARE(editor->colour_slot(),
                     c.slot == ColourSlot::Secondary ? ColourSlot::Secondary : ColourSlot::Primary);
            QVERIFY(editor->has_changes());
            QVERIFY(editor->isVisible());  // Enter is not Apply
        }
    }

    void a_typed_colour_is_taken_as_a_palette_pick_of_that_colour() {
        auto picked = open(kRoadGuidance);
        drag_knob(picked->contrast_slider(), 10);
        click_palette_cell(*picked, 99);  // 7B656A
        auto typed = open(kRoadGuidance);
        drag_knob(typed->contrast_slider(), 10);
        type_colour(typed->colour_box(ColourSlot::Primary), QStringLiteral("#7b656a"), true);
        QVERIFY(PickedState(*typed) == PickedState(*picked));
        QCOMPARE(typed->colour_box(ColourSlot::Primary)->text(), QStringLiteral("7B656A"));
        QCOMPARE(typed->contrast_slider()->knob_left(), 756);
        QCOMPARE(typed->contrast_box()->text(), QStringLiteral("0"));
        QCOMPARE(pixel(typed->sample(), typed->sample()->body_pixels().center()),
                 QColor(0x7B, 0x65, 0x6A));
    }

    void anything_else_typed_is_marked_and_changes_nothing() {
        const char* const typed[] = {"FF00", "#GG0000", "red", "FF0000FF", "#"};
        for (const ColourSlot slot :
             {ColourSlot::Primary, ColourSlot::Secondary, ColourSlot::Polygon}) {
            for (const char* text : typed) {
                auto editor = open(slot == ColourSlot::Polygon ? kWaterGuidance : kRoadGuidance);
                const PickedState before(*editor);
                const QColor base = editor->colour_box(slot)->palette().color(QPalette::Base);
                type_colour(editor->colour_box(slot), QString::fromLatin1(text), true);
                QVERIFY2(PickedState(*editor) == before, text);
                QVERIFY(editor->colour_box_invalid(slot));
                QCOMPARE(editor->colour_box(slot)->text(), QString::fromLatin1(text));
                QVERIFY(editor->colour_box(slot)->toolTip().contains("six hexadecimal digits"));
                QVERIFY(editor->colour_box(slot)->palette().color(QPalette::Base) != base);
                QCOMPARE(editor->colour_slot(), ColourSlot::Primary);
                // Redrawing the sample (here: Night) shows the working text again, unmarked.
                click(editor->night_option());
                QVERIFY(!editor->colour_box_invalid(slot));
                QCOMPARE(editor->colour_box(slot)->palette().color(QPalette::Base), base);
                QCOMPARE(editor->colour_box(slot)->text(),
                         slot == ColourSlot::Secondary ? editor->working_colours().secondary_night
                                                       : editor->working_colours().primary_night);
            }
        }
    }

    void leaving_a_box_unchanged_keeps_its_text_as_it_was() {
        Theme lower_case = theme();
        lower_case.elements[kRoadGuidance].primary_day = QStringLiteral("ff8000");
        document_->replace(std::move(lower_case), kUntitledFileName, false);
        auto editor = open(kRoadGuidance);
        QLineEdit* box = editor->colour_box(ColourSlot::Primary);
        // The box shows the colour in capitals, the working text keeps its letters.
        QCOMPARE(box->text(), QStringLiteral("FF8000"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &leave);
        QCOMPARE(editor->working_colours().primary_day, QStringLiteral("ff8000"));
        QVERIFY(!editor->has_changes());
        QVERIFY(!editor->colour_box_invalid(ColourSlot::Primary));
    }

    void more_opens_the_colour_dialog_on_the_slots_colour() {
        auto editor = open(kRoadGuidance);
        QVERIFY(editor->colour_dialog_button()->isVisible());
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
        QCOMPARE(editor->sample()->strip_colour(), rgb(0x12, 0x34, 0x56));
        QCOMPARE(editor->base_colour(ColourSlot::Secondary), rgb(0x12, 0x34, 0x56));
        QVERIFY(editor->has_changes());

        // A polygon's button stands on its own panel.
        auto polygon = open(kWaterGuidance);
        QVERIFY(polygon->colour_dialog_button()->isVisible());
        QCOMPARE(polygon->colour_dialog_button()->parentWidget(), polygon->polygon_panel());
        picker_.answers = {QColor(1, 2, 3)};
        click(polygon->colour_dialog_button());
        QCOMPARE(picker_.asked.last(), QColor(0x99, 0xB3, 0xCC));
        QCOMPARE(polygon->working_colours().primary_day, QStringLiteral("010203"));
        QCOMPARE(polygon->swatch(ColourSlot::Polygon)->colour(), rgb(1, 2, 3));
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
        QCOMPARE(editor->sample()->strip_colour(), rgb(0x10, 0x20, 0x40));
        QVERIFY(editor->has_changes());
        // Apply hands it over like any pick.
        click(editor->apply_button());
        QCOMPARE(editor->edited_style().colours.secondary_night, QStringLiteral("102040"));
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

    // Enter applies the style, but not in a box: there it only takes the box's value.
    void enter_applies_except_in_a_box() {
        edit(kRoadGuidance, [](StyleEditor& editor) {
            type_colour(editor.colour_box(ColourSlot::Primary), QStringLiteral("FF8000"), true);
            QVERIFY(editor.isVisible());
            editor.day_option()->setFocus();
            QTest::keyClick(editor.day_option(), Qt::Key_Return);
            QVERIFY(!editor.isVisible());
        });
        QCOMPARE(theme().elements[kRoadGuidance].primary_day, QStringLiteral("FF8000"));
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
        QVERIFY(edit_style(&parent, *document_, kRoadGuidance, messages_, busy_, picker_));
        QVERIFY(icon_taken);
        QVERIFY(centred);
        answer(false);
        QVERIFY(!edit_style(&parent, *document_, kRoadGuidance, messages_, busy_, picker_));
        QVERIFY(!edit_style(&parent, *document_, 7, messages_, busy_, picker_));
        QVERIFY(!edit_style(&parent, *document_, -1, messages_, busy_, picker_));
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
