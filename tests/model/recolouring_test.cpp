// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QUndoStack>
#include <functional>

#include "colour/colour_values.h"
#include "colour/nearest_device_colour.h"
#include "model/recolouring.h"
#include "model/theme_document.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Element style(const char* presentation, const char* feature, const char* day, const char* night,
              const char* casing_day = nullptr, const char* casing_night = nullptr) {
    Element e;
    e.presentation = QString::fromLatin1(presentation);
    e.field_name = QStringLiteral("MAP_%1_CLR").arg(QLatin1String(feature));
    e.display_name = QString::fromLatin1(feature);
    e.primary_day = QString::fromLatin1(day);
    e.primary_night = QString::fromLatin1(night);
    if (casing_day != nullptr) {
        e.scale = QStringLiteral("1");
        e.border = QStringLiteral(".6");
        e.secondary_day = QString::fromLatin1(casing_day);
        e.secondary_night = QString::fromLatin1(casing_night);
    }
    return e;
}

// Elements 0-4 in GUIDANCE, 5-6 in BROWSE. Element 4's day colour does not read as a colour.
Theme sample_theme() {
    Theme theme;
    theme.metadata.title = QStringLiteral("Sample");
    theme.elements = {
        style("GUIDANCE", "LAND", "F6F3EC", "1A1C22"),
        style("GUIDANCE", "WATER", "9CC9F0", "9CC9F0"),
        style("GUIDANCE", "ROAD_HWY_MJR", "FFD54F", "FFD54F", "C87A00", "C87A00"),
        style("GUIDANCE", "ROAD_RESIDENTIAL", "ffffff", "FFFFFF", "8A8A8A", "8A8A8A"),
        style("GUIDANCE", "ROAD_TRAIL", "F0F0G0", "F0F0F0", "FFFFFF", "FFFFFF"),
        style(" BROWSE ", "LAND", "FFFFFF", "FFFFFF"),
        style(" BROWSE ", "ROAD_RESIDENTIAL", "FFFFFF", "000000", "7B7B7B", "000000"),
    };
    return theme;
}

struct OperationCase {
    const char* name;
    std::function<Recolouring(const Theme&)> operation;
    int changed;
    // What the changed theme must show.
    std::function<void(const Theme&)> check;
};

TEST(Recolouring, EveryOperationIsOneNamedStepThatCountsAndUndoesExactly) {
    const OperationCase cases[] = {
        {"Replace Colour",
         [](const Theme& t) {
             return replace_colour(t, all_elements(t),
                                   {rgb(255, 255, 255), rgb(255, 0, 0), {true, false, true, true}});
         },
         4,
         [](const Theme& t) {
             EXPECT_EQ(t.elements[3].primary_day, "FF0000");
             EXPECT_EQ(t.elements[3].primary_night, "FFFFFF");  // night not asked for
             EXPECT_EQ(t.elements[4].secondary_day, "FF0000");
             EXPECT_EQ(t.elements[4].primary_day, "F0F0G0");  // unreadable: left alone
             EXPECT_EQ(t.elements[6].primary_day, "FF0000");
         }},
        {"Replace Colour",
         [](const Theme& t) {
             return replace_colour(t, presentation_elements(t, "BROWSE"),
                                   {rgb(255, 255, 255), rgb(1, 2, 3), {false, true, true, false}});
         },
         1,
         [](const Theme& t) {
             EXPECT_EQ(t.elements[5].primary_night, "010203");
             EXPECT_EQ(t.elements[5].primary_day, "FFFFFF");
             EXPECT_EQ(t.elements[3].primary_night, "FFFFFF");  // another presentation
         }},
        {"Adjust Colours",
         [](const Theme& t) {
             return adjust_colours(t, {1, 2}, {0, 0, -50, 0}, {true, false, true, true});
         },
         2,
         [](const Theme& t) {
             EXPECT_LT(colour_number(t.elements[1].primary_day).value() & 0xFF, 0x9C);
             EXPECT_EQ(t.elements[1].primary_night, "9CC9F0");
             EXPECT_EQ(t.elements[3].primary_day, "ffffff");
         }},
        {"Make Night Colours",
         [](const Theme& t) {
             return make_night_colours(t, {2, 3, 6});
         },
         3,
         [](const Theme& t) {
             // The roads of GUIDANCE stand on LAND's night colour as it stands.
             EXPECT_NE(t.elements[2].primary_night, "FFD54F");
             EXPECT_EQ(t.elements[2].primary_day, "FFD54F");
             EXPECT_EQ(t.elements[0].primary_night, "1A1C22");
             EXPECT_EQ(t.elements[1].primary_night, "9CC9F0");
         }},
        {"Make Night Colours",
         [](const Theme& t) { return make_night_colours(t, all_elements(t)); }, 6,
         [](const Theme& t) {
             EXPECT_EQ(t.elements[4].primary_night, "F0F0F0");  // no day colour to go by
             EXPECT_NE(t.elements[5].primary_night, "FFFFFF");
         }},
        {"Snap to Device Palette",
         [](const Theme& t) { return snap_to_device_palette(t, all_elements(t)); }, 6,
         [](const Theme& t) {
             for (const Element& e : t.elements) {
                 for (const QString* text :
                      {&e.primary_day, &e.primary_night, &e.secondary_day, &e.secondary_night}) {
                     if (const auto colour = colour_number(*text);
                         colour && text->size() == 6 && *text != "F0F0G0") {
                         EXPECT_EQ(nearest_device_colour(*colour), *colour) << text->toStdString();
                     }
                 }
             }
         }},
    };
    for (const OperationCase& c : cases) {
        SCOPED_TRACE(c.name);
        ThemeDocument document;
        document.replace(sample_theme(), kUntitledFileName, false);
        const Theme before = document.theme();
        Recolouring recolouring = c.operation(document.theme());
        EXPECT_EQ(document.recolour(std::move(recolouring)), c.changed);
        ASSERT_EQ(document.history().count(), 1);
        EXPECT_EQ(document.history().undoText(), c.name);
        c.check(document.theme());
        const Theme after = document.theme();
        document.history().undo();
        EXPECT_EQ(document.theme(), before);
        document.history().redo();
        EXPECT_EQ(document.theme(), after);
        // Done again on the result, nothing changes and no step is made.
        EXPECT_EQ(document.recolour(c.operation(document.theme())),
                  c.name == std::string("Adjust Colours") ? 2 : 0);
    }
}

// The preview asks one Element at a time; the step holds exactly what it showed.
TEST(Recolouring, PreviewOfEachElementIsWhatTheStepApplies) {
    const Theme theme = sample_theme();
    NightColoursOperation night(theme, all_elements(theme), 20);
    night.set_darkness(90);
    ReplaceColourOperation replace(theme, {3, 5, 6}, {rgb(255, 255, 255), rgb(0, 0, 255), {}});
    EXPECT_EQ(replace.styles_using(), 3);
    for (const ColourOperation* operation :
         std::initializer_list<const ColourOperation*>{&night, &replace}) {
        const Recolouring all = operation->recolouring();
        size_t next = 0;
        for (int k = 0; k < theme.element_count(); ++k) {
            const std::optional<StyleColours> shown = operation->recoloured(k);
            if (next < all.styles.size() && all.styles[next].element == k) {
                ASSERT_TRUE(shown);
                EXPECT_EQ(*shown, all.styles[next++].colours);
            } else {
                EXPECT_FALSE(shown) << k;
            }
        }
        EXPECT_EQ(next, all.styles.size());
    }
    EXPECT_EQ(make_night_colours(theme, all_elements(theme), 90).styles.size(),
              night.recolouring().styles.size());
}

}  // namespace
}  // namespace quorvane
