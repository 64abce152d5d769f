// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "colour/adjustments.h"
#include "colour/colour_values.h"
#include "style_editor/sample_grounds.h"
#include "style_editor/style_edit_session.h"
#include "support/printers.h"

namespace quorvane {

void PrintTo(const StyleColours& c, std::ostream* os) {
    const QStringList texts{c.secondary_day, c.primary_day, c.secondary_night, c.primary_night};
    *os << texts.join(QLatin1Char('/')).toStdString();
}

namespace {

Element style(const char* scale, const char* border, StyleColours colours) {
    Element e;
    e.field_name = QStringLiteral("MAP_ROAD_HWY_MJR_CLR");
    e.presentation = QStringLiteral(" GUIDANCE ");
    e.scale = QString::fromLatin1(scale);
    e.border = QString::fromLatin1(border);
    colours.write_to(e);
    return e;
}

// Secondary day, primary day, secondary night, primary night.
const Element kRoad = style("1", ".6", {"202020", "FF8000", "E0E0E0", "804000"});
const Element kWater = style("", "", {"", "99B3CC", "", "102040"});
const SampleGrounds kGrounds{rgb(250, 250, 240), rgb(20, 20, 30)};

using Act = std::function<void(StyleEditSession&)>;

TEST(StyleEditSession, PicksSetTheChosenSlotAndTime) {
    const struct {
        const char* name;
        const Element& element;
        bool night;
        Act act;
        StyleColours written;
        ColourSlot slot;
        int marked_palette_cell;
        int marked_shade_cell;
        bool changed = true;
    } cases[] = {
        {"palette, primary by day",
         kRoad,
         false,
         [](auto& s) { s.pick_palette_cell(7); },
         {"202020", "0000FF", "E0E0E0", "804000"},
         ColourSlot::Primary,
         7,
         -1},
        {"palette, secondary at night",
         kRoad,
         false,
         [](auto& s) {
             s.click_sample(true, SamplePart::Strip);
             s.pick_palette_cell(8);
         },
         {"202020", "FF8000", "390000", "804000"},
         ColourSlot::Secondary,
         8,
         -1},
        {"opened at night",
         kRoad,
         true,
         [](auto& s) { s.pick_palette_cell(40); },
         {"202020", "FF8000", "E0E0E0", "003000"},
         ColourSlot::Primary,
         40,
         -1},
        {"a click on the day body selects day and primary",
         kRoad,
         true,
         [](auto& s) {
             s.select_slot(ColourSlot::Secondary);
             s.click_sample(false, SamplePart::Body);
             s.pick_colour(rgb(1, 2, 3));
         },
         {"202020", "010203", "E0E0E0", "804000"},
         ColourSlot::Primary,
         -1,
         -1},
        {"shade then grey",
         kRoad,
         false,
         [](auto& s) {
             s.pick_palette_cell(99);  // 7B656A
             s.pick_shade_cell(4);     // green one level up
         },
         {"202020", "7B956A", "E0E0E0", "804000"},
         ColourSlot::Primary,
         -1,
         4},
        {"a grey hides the marker",
         kRoad,
         false,
         [](auto& s) { s.pick_palette_cell(240); },
         {"202020", "101010", "E0E0E0", "804000"},
         ColourSlot::Primary,
         -1,
         -1},
        {"spectrum",
         kRoad,
         false,
         [](auto& s) { s.pick_spectrum(rgb(9, 8, 7)); },
         {"202020", "090807", "E0E0E0", "804000"},
         ColourSlot::Primary,
         -1,
         -1},
        {"a polygon has only its primary slot",
         kWater,
         false,
         [](auto& s) {
             s.select_slot(ColourSlot::Secondary);
             s.pick_palette_cell(7);
         },
         {"", "0000FF", "", "102040"},
         ColourSlot::Primary,
         7,
         -1},
        {"reverse",
         kRoad,
         false,
         [](auto& s) { s.reverse(); },
         {"FF8000", "202020", "E0E0E0", "804000"},
         ColourSlot::Primary,
         -1,
         -1},
        {"reverse at night twice",
         kRoad,
         true,
         [](auto& s) {
             s.reverse();
             s.reverse();
         },
         {"202020", "FF8000", "E0E0E0", "804000"},
         ColourSlot::Primary,
         -1,
         -1},
        {"no reverse for a polygon",
         kWater,
         false,
         [](auto& s) { s.reverse(); },
         {"", "99B3CC", "", "102040"},
         ColourSlot::Primary,
         -1,
         -1,
         false},
    };
    for (const auto& c : cases) {
        StyleEditSession session(c.element, kGrounds, c.night);
        c.act(session);
        const StyleEditView view = session.view();
        EXPECT_EQ(session.edited_style().colours, c.written) << c.name;
        EXPECT_EQ(view.slot, c.slot) << c.name;
        EXPECT_EQ(view.marked_palette_cell, c.marked_palette_cell) << c.name;
        EXPECT_EQ(view.marked_shade_cell, c.marked_shade_cell) << c.name;
        EXPECT_EQ(view.changed, c.changed) << c.name;
    }
}

TEST(StyleEditSession, ShadeCellsFollowPalettePicksAndTypedColoursOnly) {
    StyleEditSession session(kRoad, kGrounds, false);
    EXPECT_FALSE(session.view().shades);  // the cells keep the window's colour until a pick
    session.pick_palette_cell(99);
    EXPECT_EQ(session.view().shades, shade_cells(rgb(0x7b, 0x65, 0x6a)));
    session.pick_spectrum(rgb(1, 1, 1));
    EXPECT_EQ(session.view().shades, shade_cells(rgb(0x7b, 0x65, 0x6a)));
    session.type_colour(ColourSlot::Primary, QStringLiteral("#ff0000"));
    EXPECT_EQ(session.view().shades, shade_cells(rgb(255, 0, 0)));
}

TEST(StyleEditSession, TypedColoursGoToTheirBoxsSlot) {
    const struct {
        const Element& element;
        bool night;
        ColourSlot box;
        const char* typed;
        const char* shown;  // what the box shows afterwards
        bool invalid;
        StyleColours written;
    } cases[] = {
        {kRoad,
         false,
         ColourSlot::Primary,
         "00ff80",
         "00FF80",
         false,
         {"202020", "00FF80", "E0E0E0", "804000"}},
        {kRoad,
         true,
         ColourSlot::Secondary,
         "#abcdef",
         "ABCDEF",
         false,
         {"202020", "FF8000", "ABCDEF", "804000"}},
        {kWater,
         true,
         ColourSlot::Primary,
         " c0ffee ",
         "C0FFEE",
         false,
         {"", "99B3CC", "", "C0FFEE"}},
        {kRoad,
         false,
         ColourSlot::Primary,
         "ff8000",
         "FF8000",
         false,
         {"202020", "FF8000", "E0E0E0", "804000"}},
        {kRoad,
         false,
         ColourSlot::Secondary,
         "FF00",
         "FF00",
         true,
         {"202020", "FF8000", "E0E0E0", "804000"}},
        {kRoad,
         false,
         ColourSlot::Secondary,
         "#GG0000",
         "#GG0000",
         true,
         {"202020", "FF8000", "E0E0E0", "804000"}},
        {kWater, false, ColourSlot::Primary, "red", "red", true, {"", "99B3CC", "", "102040"}},
    };
    for (const auto& c : cases) {
        StyleEditSession session(c.element, kGrounds, c.night);
        session.type_colour(c.box, QString::fromLatin1(c.typed));
        StyleEditView view = session.view();
        const ColourView& box = c.box == ColourSlot::Primary ? view.primary : view.secondary;
        EXPECT_EQ(box.text, c.shown) << c.typed;
        EXPECT_EQ(box.invalid, c.invalid) << c.typed;
        EXPECT_EQ(session.edited_style().colours, c.written) << c.typed;
        EXPECT_EQ(view.slot, c.invalid ? ColourSlot::Primary : c.box) << c.typed;
        EXPECT_EQ(view.changed, c.written != StyleColours::of(c.element)) << c.typed;
        // Any other step shows the working colour again.
        session.select_time(!c.night);
        session.select_time(c.night);
        view = session.view();
        EXPECT_FALSE(view.primary.invalid || view.secondary.invalid) << c.typed;
    }
}

TEST(StyleEditSession, AdjustmentsWorkFromTheColourBeforeThemAndCommitOnRelease) {
    StyleEditSession session(kRoad, kGrounds, false);
    session.adjust(255, 0);
    EXPECT_EQ(session.view().primary.colour, rgb(255, 255, 255));
    EXPECT_EQ(session.view().day_sample.body, rgb(255, 255, 255));
    EXPECT_EQ(session.edited_style().colours.primary_day, "FF8000");  // not yet released
    session.adjust(100, 0);  // from the colour before, not from white
    EXPECT_EQ(session.view().primary.colour, change_brightness_colour(rgb(255, 128, 0), 100));
    session.commit_adjustment();
    EXPECT_EQ(session.edited_style().colours.primary_day,
              colour_text(change_brightness_colour(rgb(255, 128, 0), 100)));
    EXPECT_TRUE(session.view().changed);
    EXPECT_EQ(session.view().brightness, 100);

    // Another slot starts again at 0; contrast works on the strips.
    session.select_slot(ColourSlot::Secondary);
    EXPECT_EQ(session.view().brightness, 0);
    session.adjust(0, 255);
    session.commit_adjustment();
    const int strips = adjust_colour(rgb(0x20, 0x20, 0x20), 0, 255).adjusted;
    EXPECT_EQ(session.view().day_sample.strip, strips);
    EXPECT_EQ(session.edited_style().colours.secondary_day, colour_text(strips));
    EXPECT_EQ(session.edited_style().colours.secondary_night, "E0E0E0");
    // A pick puts both back to 0.
    session.pick_palette_cell(7);
    EXPECT_EQ(session.view().contrast, 0);
    EXPECT_EQ(session.view().secondary.colour, rgb(0, 0, 255));

    // A polygon's adjustment gives it no secondary colour.
    StyleEditSession polygon(kWater, kGrounds, true);
    polygon.adjust(30, -20);
    polygon.commit_adjustment();
    EXPECT_EQ(polygon.edited_style().colours,
              (StyleColours{"", "99B3CC", "",
                            colour_text(adjust_colour(rgb(0x10, 0x20, 0x40), 30, -20).adjusted)}));
}

TEST(StyleEditSession, OpensOnTheStyleAsItIsAndWritesUntouchedTextsBackUnchanged) {
    Element odd = style(".6", "x", {"", "ff8000", "zz0000", "FF"});
    odd.secondary_day = QString();  // absent: no text at all
    StyleEditSession session(odd, kGrounds, false);
    StyleEditView view = session.view();
    EXPECT_FALSE(view.polygon);
    EXPECT_EQ(view.primary.text, "FF8000");
    EXPECT_EQ(view.secondary.text, "");
    EXPECT_EQ(view.day_sample.ground, kGrounds.day);
    EXPECT_EQ(view.night_sample.ground, kGrounds.night);
    EXPECT_EQ(view.night_sample.strip, 0);  // no colour: black, as the preview draws it
    EXPECT_EQ(view.night_sample.body, rgb(0, 0, 255));
    EXPECT_EQ(view.scale.value, 0.6);
    EXPECT_EQ(view.border.value, std::nullopt);
    // Looking around, leaving boxes as they are, and an adjustment back to 0 change nothing.
    session.select_time(true);
    view = session.view();
    EXPECT_EQ(view.secondary.text, "zz0000");
    EXPECT_EQ(view.primary.text, "0000FF");
    session.type_colour(ColourSlot::Secondary, QStringLiteral("zz0000"));
    session.type_colour(ColourSlot::Primary, QStringLiteral("0000FF"));
    session.adjust(80, 10);
    session.adjust(0, 0);
    session.commit_adjustment();
    session.select_slot(ColourSlot::Secondary);
    EXPECT_EQ(session.edited_style(), ElementStyle::of(odd));
    EXPECT_FALSE(session.view().changed);

    // Sizes: the scale never below a hundredth; a polygon stays one.
    session.drag_size(SizeKind::Scale, 0);
    session.drag_size(SizeKind::Border, 125);
    EXPECT_EQ(session.edited_style().scale, "0.01");
    EXPECT_EQ(session.edited_style().border, "1.25");
    StyleEditSession polygon(style("0", ".6", {}), kGrounds, false);
    polygon.drag_size(SizeKind::Scale, 100);
    EXPECT_TRUE(polygon.view().polygon);
}

TEST(SampleGrounds, TheLandOfTheSamePresentationOrTheCanvas) {
    Theme theme;
    auto element = [](const char* field, int sort_code, const char* day, const char* night) {
        Element e = style("", "", {"", day, "", night});
        e.field_name = QString::fromLatin1(field);
        e.sort_code = sort_code;
        return e;
    };
    theme.elements = {element("MAP_LAND_CLR", 10, "F0E8D0", "101418"),
                      element("MAP_LAND_CLR", 20, "", "zz"),
                      element("MAP_WATER_CLR", 30, "0000FF", "000080")};
    const SampleGrounds canvas{rgb(255, 255, 255), rgb(28, 28, 36)};
    const struct {
        int sort_code;
        SampleGrounds expected;
    } cases[] = {
        {11, {rgb(0xF0, 0xE8, 0xD0), rgb(0x10, 0x14, 0x18)}},
        {21, canvas},  // a LAND without colours that read
        {30, canvas},  // no LAND in that presentation
    };
    for (const auto& c : cases) {
        Element edited = kRoad;
        edited.sort_code = c.sort_code;
        const SampleGrounds grounds = sample_grounds(theme, edited, canvas);
        EXPECT_EQ(grounds.day, c.expected.day) << c.sort_code;
        EXPECT_EQ(grounds.night, c.expected.night) << c.sort_code;
    }
}

}  // namespace
}  // namespace quorvane
