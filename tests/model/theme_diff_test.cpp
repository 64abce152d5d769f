// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "model/theme_diff.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Element style(const char* presentation, const char* field, const char* border = ".6",
              const char* primary_day = "CECECE") {
    Element e;
    e.presentation = QString::fromLatin1(presentation);
    e.field_name = QString::fromLatin1(field);
    e.scale = QStringLiteral("1");
    e.border = QString::fromLatin1(border);
    e.primary_day = QString::fromLatin1(primary_day);
    return e;
}

Theme theme_of(std::vector<Element> elements) {
    Theme theme;
    theme.elements = std::move(elements);
    theme.metadata.title = QStringLiteral("Alpine");
    return theme;
}

// One line per difference, for comparing whole diffs at a glance.
std::vector<std::string> lines_of(const ThemeDiff& diff) {
    std::vector<std::string> lines;
    for (const MetadataDifference& m : diff.metadata) {
        lines.push_back("metadata " + m.old_text.toStdString() + ">" + m.new_text.toStdString());
    }
    for (const PresentationDifference& p : diff.presentations) {
        lines.push_back((p.added ? "+" : "-") + p.name.toStdString() + " " +
                        std::to_string(p.styles));
    }
    for (const StyleDifference& s : diff.styles) {
        std::string line =
            "+-~"[int(s.change)] + s.presentation.toStdString() + " " + s.field_name.toStdString();
        for (const FieldDifference& f : s.fields) {
            line += " " + style_field_key(f.field).toStdString() + " " + f.old_text.toStdString() +
                    ">" + f.new_text.toStdString();
        }
        lines.push_back(line);
    }
    if (diff.reordered) {
        lines.push_back("reordered");
    }
    return lines;
}

TEST(ThemeDiff, ComparesByMeaning) {
    const Theme base =
        theme_of({style("GUIDANCE", "A"), style(" BROWSE", "A"), style(" BROWSE", "B", "")});
    const struct {
        const char* what;
        Theme changed;
        std::vector<std::string> lines;
    } cases[] = {
        {"the same", base, {}},
        {"colours and numbers as values, names without their spaces",
         theme_of({style("GUIDANCE ", "A", "0.6", "cecece"), style("BROWSE", "A"),
                   style("BROWSE", "B", "")}),
         {}},
        {"a changed field, old and new",
         theme_of({style("GUIDANCE", "A", ".8", "FF0000"), style(" BROWSE", "A"),
                   style(" BROWSE", "B", "")}),
         {"~GUIDANCE A border .6>.8 primary.day CECECE>FF0000"}},
        {"added and removed styles, by field name",
         theme_of({style("GUIDANCE", "A"), style(" BROWSE", "C"), style(" BROWSE", "A")}),
         {"-BROWSE B", "+BROWSE C"}},
        {"a whole presentation, counted not listed",
         theme_of({style("GUIDANCE", "A"), style(" BROWSE", "A"), style(" BROWSE", "B", ""),
                   style("TRAFFIC", "A"), style("TRAFFIC", "B")}),
         {"+TRAFFIC 2"}},
        {"only the order",
         theme_of({style(" BROWSE", "B", ""), style(" BROWSE", "A"), style("GUIDANCE", "A")}),
         {"reordered"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lines_of(diff_themes(base, c.changed)), c.lines) << c.what;
    }
}

TEST(ThemeDiff, AFeatureStyledTwicePairsInOrderAndMetadataIsCompared) {
    Theme old_theme = theme_of({style("GUIDANCE", "A", "1"), style("GUIDANCE", "A", "2")});
    Theme new_theme = theme_of(
        {style("GUIDANCE", "A", "1"), style("GUIDANCE", "A", "3"), style("GUIDANCE", "A", "4")});
    new_theme.metadata.title = QStringLiteral("Alpine night");
    EXPECT_EQ(lines_of(diff_themes(old_theme, new_theme)),
              (std::vector<std::string>{"metadata Alpine>Alpine night", "~GUIDANCE A border 2>3",
                                        "+GUIDANCE A"}));
    // A style put in before them leaves the pairs as they were.
    Theme inserted = old_theme;
    inserted.elements.insert(inserted.elements.begin(), style("GUIDANCE", "B"));
    EXPECT_EQ(lines_of(diff_themes(old_theme, inserted)),
              (std::vector<std::string>{"+GUIDANCE B"}));
    const ThemeDiff diff = diff_themes(new_theme, old_theme);
    ASSERT_EQ(diff.styles.size(), 2u);
    EXPECT_EQ(diff.styles[1].change, StyleChange::Removed);
    EXPECT_EQ(diff.styles[1].style.border, QStringLiteral("4"));  // what was removed
    EXPECT_FALSE(diff.same());
    // A border of 0 is left out of the file; one of 0.0 is not.
    EXPECT_FALSE(same_style_value(StyleField::Border, QStringLiteral("0"), QStringLiteral("0.0")));
    EXPECT_TRUE(same_style_value(StyleField::Scale, QStringLiteral("0"), QStringLiteral("0.0")));
}

}  // namespace
}  // namespace quorvane
