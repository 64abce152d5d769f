// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "colour/adjustments.h"
#include "colour/colour_values.h"
#include "style_editor/sample_grounds.h"
#include "style_editor/style_edit_session.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Element style(const char* scale, const char* border, StyleColours colours) {
    Element e;
    e.field_name = QStringLiteral("MAP_ROAD_HWY_MJR_CLR");
    e.scale = QString::fromLatin1(scale);
    e.border = QString::fromLatin1(border);
    colours.write_to(e);
    return e;
}

// Secondary day, primary day, secondary night, primary night.
const Element kRoad = style("1", ".6", {"202020", "FF8000", "E0E0E0", "804000"});
const Element kWater = style("", "", {"", "99B3CC", "", "102040"});
// Texts as files hold them: absent, lower case, no colour, too short.
const Element kOdd = [] {
    Element e = style(".6", "x", {"", "ff8000", "zz0000", "FF"});
    e.secondary_day = QString();
    return e;
}();
const SampleGrounds kGrounds{rgb(250, 250, 240), rgb(20, 20, 30)};

// Runs steps such as "night strip, palette 8, type secondary #abcdef" as the dialog would.
void run(StyleEditSession& s, const char* steps) {
    using Words = QStringList;
    const auto slot = [](const QString& w) {
        return w == "secondary" ? ColourSlot::Secondary : ColourSlot::Primary;
    };
    const auto part = [](const QString& w) {
        return w == "strip" ? SamplePart::Strip : w == "body" ? SamplePart::Body : SamplePart::None;
    };
    const std::map<QString, std::function<void(const Words&)>> kSteps = {
        {"palette", [&](const Words& w) { s.pick_palette_cell(w[1].toInt()); }},
        {"shade", [&](const Words& w) { s.pick_shade_cell(w[1].toInt()); }},
        {"spectrum", [&](const Words& w) { s.pick_spectrum(*typed_colour(w[1])); }},
        {"colour", [&](const Words& w) { s.pick_colour(*typed_colour(w[1])); }},
        {"type", [&](const Words& w) { s.type_colour(slot(w[1]), w.mid(2).join(' ')); }},
        {"slot", [&](const Words& w) { s.select_slot(slot(w[1])); }},
        {"day", [&](const Words& w) { s.click_sample(false, part(w.value(1))); }},
        {"night", [&](const Words& w) { s.click_sample(true, part(w.value(1))); }},
        {"reverse", [&](const Words&) { s.reverse(); }},
        {"adjust", [&](const Words& w) { s.adjust(w[1].toInt(), w[2].toInt()); }},
        {"commit", [&](const Words&) { s.commit_adjustment(); }},
        {"scale", [&](const Words& w) { s.drag_size(SizeKind::Scale, w[1].toInt()); }},
        {"border", [&](const Words& w) { s.drag_size(SizeKind::Border, w[1].toInt()); }},
    };
    for (const QString& step : QString::fromLatin1(steps).split(", ", Qt::SkipEmptyParts)) {
        const Words words = step.split(' ');
        ASSERT_TRUE(kSteps.count(words[0])) << step.toStdString();
        kSteps.at(words[0])(words);
    }
}

QString written(const StyleEditSession& s) {
    const StyleColours c = s.edited_style().colours;
    return QStringList{c.secondary_day, c.primary_day, c.secondary_night, c.primary_night}.join(
        '/');
}

TEST(StyleEditSession, StepsSetTheChosenSlotOfTheChosenTime) {
    const struct {
        const Element& element;
        bool night;  // opened from the Night view
        const char* steps;
        const char* written;  // secondary and primary by day, then by night
        ColourSlot slot;
        int marked_palette_cell;
        int marked_shade_cell;
        bool changed;
    } cases[] = {
        {kRoad, false, "palette 7", "202020/0000FF/E0E0E0/804000", ColourSlot::Primary, 7, -1, 1},
        {kRoad, false, "night strip, palette 8", "202020/FF8000/390000/804000",
         ColourSlot::Secondary, 8, -1, 1},
        {kRoad, true, "palette 40", "202020/FF8000/E0E0E0/003000", ColourSlot::Primary, 40, -1, 1},
        {kRoad, true, "slot secondary, day body, colour 010203", "202020/010203/E0E0E0/804000",
         ColourSlot::Primary, -1, -1, 1},
        {kRoad, false, "night, day, colour 010203", "202020/010203/E0E0E0/804000",
         ColourSlot::Primary, -1, -1, 1},
        // Green one level up from 7B656A; a palette grey leaves no marker.
        {kRoad, false, "palette 99, shade 4", "202020/7B956A/E0E0E0/804000", ColourSlot::Primary,
         -1, 4, 1},
        {kRoad, false, "palette 240", "202020/101010/E0E0E0/804000", ColourSlot::Primary, -1, -1,
         1},
        {kRoad, false, "palette 7, spectrum 090807", "202020/090807/E0E0E0/804000",
         ColourSlot::Primary, -1, -1, 1},
        {kWater, false, "slot secondary, palette 7", "/0000FF//102040", ColourSlot::Primary, 7, -1,
         1},
        {kRoad, false, "reverse", "FF8000/202020/E0E0E0/804000", ColourSlot::Primary, -1, -1, 1},
        {kRoad, true, "reverse, reverse", "202020/FF8000/E0E0E0/804000", ColourSlot::Primary, -1,
         -1, 1},
        {kWater, false, "reverse", "/99B3CC//102040", ColourSlot::Primary, -1, -1, 0},
        // Typed colours go to their box's slot; the colour a box has changes nothing.
        {kRoad, false, "type primary 00ff80", "202020/00FF80/E0E0E0/804000", ColourSlot::Primary,
         -1, -1, 1},
        {kRoad, true, "type secondary  #abcdef ", "202020/FF8000/ABCDEF/804000",
         ColourSlot::Secondary, -1, -1, 1},
        {kWater, true, "type secondary c0ffee", "/99B3CC//C0FFEE", ColourSlot::Primary, -1, -1, 1},
        {kRoad, false, "type primary ff8000", "202020/FF8000/E0E0E0/804000", ColourSlot::Primary,
         -1, -1, 0},
        {kRoad, false, "type secondary FF00", "202020/FF8000/E0E0E0/804000", ColourSlot::Primary,
         -1, -1, 0},
        // Brightness and contrast work from the colour as it was when both were last at 0.
        {kRoad, false, "adjust 255 0, adjust 100 0, commit", "202020/FFE464/E0E0E0/804000",
         ColourSlot::Primary, -1, -1, 1},
        {kRoad, false, "adjust 255 0", "202020/FF8000/E0E0E0/804000", ColourSlot::Primary, -1, -1,
         0},
        {kRoad, false, "slot secondary, adjust 0 255, commit, palette 7",
         "0000FF/FF8000/E0E0E0/804000", ColourSlot::Secondary, 7, -1, 1},
        {kWater, true, "adjust 30 -20, commit", "/99B3CC//3E4B64", ColourSlot::Primary, -1, -1, 1},
        // Looking around, leaving boxes as they are, and an adjustment back to 0 change nothing:
        // every text is written back as it was read.
        {kOdd, false,
         "night, type secondary zz0000, type primary 0000FF, adjust 80 10, adjust 0 0, commit, "
         "slot secondary, day",
         "/ff8000/zz0000/FF", ColourSlot::Secondary, -1, -1, 0},
    };
    for (const auto& c : cases) {
        StyleEditSession session(c.element, kGrounds, c.night);
        run(session, c.steps);
        const StyleEditView view = session.view();
        SCOPED_TRACE(c.steps);
        EXPECT_EQ(written(session), c.written);
        EXPECT_EQ(view.slot, c.slot);
        EXPECT_EQ(view.marked_palette_cell, c.marked_palette_cell);
        EXPECT_EQ(view.marked_shade_cell, c.marked_shade_cell);
        EXPECT_EQ(view.changed, c.changed);
    }
}

TEST(StyleEditSession, ViewShowsWhatEachControlShows) {
    const struct {
        const Element& element;
        const char* steps;
        const char* primary;  // the boxes' texts
        const char* secondary;
        bool invalid;  // the secondary box is marked
        int brightness;
        const char* scale;
        const char* border;
    } cases[] = {
        {kRoad, "", "FF8000", "202020", false, 0, "1", ".6"},
        {kRoad, "night", "804000", "E0E0E0", false, 0, "1", ".6"},
        {kOdd, "", "FF8000", "", false, 0, ".6", "x"},
        {kOdd, "night", "0000FF", "zz0000", false, 0, ".6", "x"},
        {kRoad, "adjust 255 0", "FFFFFF", "202020", false, 255, "1", ".6"},
        {kRoad, "adjust 255 0, slot secondary", "FFFFFF", "202020", false, 0, "1", ".6"},
        {kRoad, "type secondary #GG0000", "FF8000", "#GG0000", true, 0, "1", ".6"},
        {kRoad, "type secondary red, night, day", "FF8000", "202020", false, 0, "1", ".6"},
        // The scale never below a hundredth; a typed colour puts the adjustment back to 0.
        {kRoad, "adjust 9 0, commit, scale 0, border 125", "FF8909", "202020", false, 0, "0.01",
         "1.25"},
        {kRoad, "adjust 9 0, type primary 123456", "123456", "202020", false, 0, "1", ".6"},
    };
    for (const auto& c : cases) {
        StyleEditSession session(c.element, kGrounds, false);
        run(session, c.steps);
        const StyleEditView view = session.view();
        SCOPED_TRACE(c.steps);
        EXPECT_EQ(view.primary.text, c.primary);
        EXPECT_EQ(view.secondary.text, c.secondary);
        EXPECT_EQ(view.secondary.invalid, c.invalid);
        EXPECT_EQ(view.brightness, c.brightness);
        EXPECT_EQ(view.scale.text, c.scale);
        EXPECT_EQ(view.border.text, c.border);
        EXPECT_EQ(session.edited_style().scale, c.scale);
    }
}

TEST(StyleEditSession, SamplesShowBothTimesOnTheirGrounds) {
    StyleEditSession session(kOdd, kGrounds, false);
    run(session, "adjust 0 100");
    const StyleEditView view = session.view();
    EXPECT_EQ(view.day_sample.body, adjust_colour(rgb(255, 128, 0), 0, 100).adjusted);
    EXPECT_EQ(view.night_sample.strip, 0);  // no colour: black, as the preview draws it
    EXPECT_EQ(view.night_sample.body, rgb(0, 0, 255));
    EXPECT_EQ(view.day_sample.ground, kGrounds.day);
    EXPECT_EQ(view.night_sample.ground, kGrounds.night);
    EXPECT_TRUE(view.day_sample.chosen && !view.night_sample.chosen);
    EXPECT_FALSE(view.polygon);
    EXPECT_EQ(view.scale.value, 0.6);
    EXPECT_EQ(view.border.value, std::nullopt);
    // A polygon stays one whatever its scale becomes; shade cells wait for the first pick.
    StyleEditSession polygon(style("0", ".6", {}), kGrounds, false);
    EXPECT_FALSE(polygon.view().shades);
    run(polygon, "scale 100, palette 99");
    EXPECT_TRUE(polygon.view().polygon);
    EXPECT_EQ(polygon.view().shades, shade_cells(rgb(0x7b, 0x65, 0x6a)));
}

TEST(SampleGrounds, TheLandOfTheSamePresentationOrTheCanvas) {
    Theme theme;
    const auto land = [](int sort_code, const char* day, const char* night) {
        Element e = style("", "", {"", day, "", night});
        e.field_name = QStringLiteral("MAP_LAND_CLR");
        e.sort_code = sort_code;
        return e;
    };
    theme.elements = {land(10, "F0E8D0", "101418"), land(20, "", "zz")};
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
