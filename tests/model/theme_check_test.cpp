// SPDX-License-Identifier: GPL-3.0-or-later
// What the data-driven check cases cannot show: the numbers, the wording that names what was
// meant, and where each finding points.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "model/theme_check.h"
#include "support/printers.h"

namespace quorvane {
namespace {

Element polygon(const QString& presentation, const QString& feature) {
    Element e;
    e.presentation = presentation;
    e.field_name = QStringLiteral("MAP_") + feature + QStringLiteral("_CLR");
    e.display_name = feature;
    e.primary_day = QStringLiteral("9CC9F0");
    e.primary_night = QStringLiteral("1E3C5A");
    return e;
}

Element line(const QString& presentation, const QString& feature) {
    Element e = polygon(presentation, feature);
    e.scale = QStringLiteral("3");
    e.border = QStringLiteral(".6");
    e.secondary_day = QStringLiteral("303030");
    e.secondary_night = QStringLiteral("000000");
    return e;
}

Theme titled(std::vector<Element> elements) {
    Theme theme;
    theme.metadata.title = QStringLiteral("Checked");
    theme.elements = std::move(elements);
    return theme;
}

// The only finding of a theme; fails the test when there is not exactly one.
Finding only_finding(const Theme& theme) {
    const std::vector<Finding> findings = check_theme(theme);
    EXPECT_EQ(findings.size(), 1u);
    return findings.empty() ? Finding{} : findings.front();
}

TEST(ContrastRatio, FollowsTheAccessibilityFormula) {
    const int black = 0x000000;
    const int white = 0xFFFFFF;
    EXPECT_DOUBLE_EQ(contrast_ratio(black, white), 21.0);
    EXPECT_DOUBLE_EQ(contrast_ratio(white, black), 21.0);
    EXPECT_DOUBLE_EQ(contrast_ratio(0x123456, 0x123456), 1.0);
    // Grey 777777 on white is the well-known 4.48:1.
    EXPECT_NEAR(contrast_ratio(0x777777, white), 4.48, 0.01);
    // Green weighs most: pure green on black is far brighter than pure blue on black. Colour
    // numbers keep red in the lowest byte.
    EXPECT_NEAR(contrast_ratio(0x00FF00, black), 15.3, 0.1);
    EXPECT_NEAR(contrast_ratio(0xFF0000, black), 2.44, 0.01);
}

TEST(CheckTheme, MessagesSayWhatHappens) {
    struct Case {
        const char* name;
        Element element;
        Check check;
        const char* words;
    };
    Element misspelt = polygon(QStringLiteral("GUIDANCE"), QStringLiteral("WATTER"));
    Element far_off = polygon(QStringLiteral("GUIDANCE"), QStringLiteral("SEA_MONSTER"));
    Element nameless = polygon(QStringLiteral("GUIDANCE"), QStringLiteral("WATER"));
    nameless.field_name.clear();
    Element unreadable = polygon(QStringLiteral("GUIDANCE"), QStringLiteral("WATER"));
    unreadable.primary_night = QStringLiteral("FF NIG");
    Element short_colour = polygon(QStringLiteral("GUIDANCE"), QStringLiteral("WATER"));
    short_colour.primary_day = QStringLiteral("ff");
    Element lost_night = polygon(QStringLiteral("GUIDANCE"), QStringLiteral("WATER"));
    lost_night.primary_day.clear();
    Element faint = line(QStringLiteral("GUIDANCE"), QStringLiteral("ROAD_HWY_MJR"));
    faint.primary_day = QStringLiteral("303030");
    faint.primary_night = QStringLiteral("000001");
    Element wide = line(QStringLiteral("GUIDANCE"), QStringLiteral("ROAD_HWY_MJR"));
    wide.border = QStringLiteral("1,5");
    const Case cases[] = {
        {"misspelt name", misspelt, Check::UnknownFeature, "(did you mean MAP_WATER_CLR?)"},
        {"far-off name", far_off, Check::UnknownFeature,
         "MAP_SEA_MONSTER_CLR is not a feature "
         "of the catalogue, so"},
        {"no name", nameless, Check::UnknownFeature, "no feature name"},
        {"unreadable colour", unreadable, Check::BadColour,
         "PRIMARY night colour \"FF NIG\" is not six hexadecimal digits (RRGGBB), so it draws "
         "black"},
        {"short colour", short_colour, Check::BadColour, "so it is read as 0000FF"},
        {"night without day", lost_night, Check::EmptyDayColour,
         "PRIMARY night colour (1E3C5A) is not written"},
        {"faint line", faint, Check::LowContrast, "by day (1.00:1) and by night (1.00:1)"},
        {"decimal comma", wide, Check::NotANumber, "border \"1,5\" is not a number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Finding f = only_finding(titled({c.element}));
        EXPECT_EQ(f.check, c.check);
        EXPECT_TRUE(f.message().contains(QLatin1String(c.words))) << f.message().toStdString();
    }
}

TEST(CheckTheme, LookAlikeLinesNameBothFeaturesAndWhoCannotTellThemApart) {
    Element major = line(QStringLiteral("GUIDANCE"), QStringLiteral("ROAD_HWY_MJR"));
    Element minor = line(QStringLiteral("GUIDANCE"), QStringLiteral("ROAD_HWY_MNR"));
    major.primary_night = QStringLiteral("FFC8C8");
    minor.primary_night = QStringLiteral("FFD2A0");
    minor.primary_day = QStringLiteral("FFFFFF");
    const Finding f = only_finding(titled({major, minor}));
    EXPECT_EQ(f.check, Check::LookAlikeLines);
    EXPECT_EQ(f.element, 0);
    EXPECT_TRUE(f.message().startsWith(
        "MAP_ROAD_HWY_MJR_CLR and MAP_ROAD_HWY_MNR_CLR look alike by night to people with "
        "tritanopia (colour difference 3.8, 25.4 for everyone else)"))
        << f.message().toStdString();
}

TEST(CheckTheme, FindingsPointAtElementsAndPresentations) {
    Element twice = line(QStringLiteral(" BROWSE "), QStringLiteral("ROAD_HWY_MJR"));
    twice.primary_day = QStringLiteral("zz0000");
    const Theme theme = titled({
        polygon(QStringLiteral("GUIDANCE"), QStringLiteral("WATER")),
        line(QStringLiteral("GUIDANCE"), QStringLiteral("ROAD_HWY_MJR")),
        polygon(QStringLiteral(" BROWSE "), QStringLiteral("WATER")),
        line(QStringLiteral(" BROWSE "), QStringLiteral("ROAD_HWY_MJR")),
        twice,
        polygon(QStringLiteral("NIGHT"), QStringLiteral("WATER")),
    });
    const std::vector<Finding> findings = check_theme(theme);
    ASSERT_EQ(findings.size(), 4u);
    // Element 4 styles the highway a second time in BROWSE, with a colour that does not read.
    EXPECT_EQ(findings[0].check, Check::DuplicateFeature);
    EXPECT_EQ(findings[0].element, 4);
    EXPECT_EQ(findings[0].shown_at, 4);
    EXPECT_EQ(findings[0].field_name, "MAP_ROAD_HWY_MJR_CLR");
    EXPECT_EQ(findings[0].presentation, "BROWSE");
    EXPECT_EQ(findings[1].check, Check::BadColour);
    EXPECT_EQ(findings[1].element, 4);
    // A presentation's problems stand at its first Element but are about no Element.
    EXPECT_EQ(findings[2].check, Check::UnknownPresentation);
    EXPECT_EQ(findings[2].element, -1);
    EXPECT_EQ(findings[2].shown_at, 5);
    EXPECT_EQ(findings[2].presentation, "NIGHT");
    EXPECT_TRUE(findings[2].message().contains(QLatin1String("sorts it as GUIDANCE")));
    EXPECT_EQ(findings[3].check, Check::MissingFeature);
    EXPECT_EQ(findings[3].element, -1);
    EXPECT_EQ(findings[3].shown_at, 5);
    EXPECT_EQ(findings[3].field_name, "MAP_ROAD_HWY_MJR_CLR");
    EXPECT_EQ(findings[3].severity(), Severity::Hint);
}

TEST(CheckTheme, PresentationsAreKnownByTheirTrimmedNames) {
    // The same presentation in two blocks is one presentation: the second WATER is a duplicate.
    const Theme theme = titled({
        polygon(QStringLiteral("GUIDANCE "), QStringLiteral("WATER")),
        polygon(QStringLiteral("BROWSE"), QStringLiteral("WATER")),
        polygon(QStringLiteral(" GUIDANCE"), QStringLiteral("WATER")),
    });
    const Finding f = only_finding(theme);
    EXPECT_EQ(f.check, Check::DuplicateFeature);
    EXPECT_EQ(f.element, 2);
    // A name that holds a presentation word sorts by it.
    const Finding partly =
        only_finding(titled({polygon(QStringLiteral("MY BROWSE"), QStringLiteral("WATER"))}));
    EXPECT_EQ(partly.check, Check::UnknownPresentation);
    EXPECT_TRUE(partly.message().contains(QLatin1String("sorts it as BROWSE")));
}

TEST(CheckTheme, VersionsAreSplitAsSaveSplitsThem) {
    const struct {
        const char* version;
        const char* words;  // empty when the version is fine
    } cases[] = {
        {"1.00", ""},
        {"", ""},  // saved as 1.00
        {"12.345", ""},
        {"2", "major \"2\", minor \"00\""},
        {"1,5", "major \"1\", minor \"5\""},
        {"1.0.2", "major \"1\", minor \"0.2\""},
        {"V2", "major \"V2\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        Theme theme = titled({polygon(QStringLiteral("GUIDANCE"), QStringLiteral("WATER"))});
        theme.metadata.version = QLatin1String(c.version);
        const std::vector<Finding> findings = check_theme(theme);
        if (*c.words == '\0') {
            EXPECT_TRUE(findings.empty());
        } else {
            ASSERT_EQ(findings.size(), 1u);
            EXPECT_EQ(findings[0].check, Check::BadVersion);
            EXPECT_EQ(findings[0].shown_at, -1);
            EXPECT_TRUE(findings[0].message().contains(QLatin1String(c.words)))
                << findings[0].message().toStdString();
        }
    }
}

TEST(CheckTheme, MetadataFindingsComeFirst) {
    Theme theme = titled({polygon(QStringLiteral("GUIDANCE"), QStringLiteral("WATTER"))});
    theme.metadata.title.clear();
    const std::vector<Finding> findings = check_theme(theme);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].check, Check::NoTitle);
    EXPECT_EQ(findings[0].severity(), Severity::Error);
    EXPECT_EQ(findings[1].check, Check::UnknownFeature);
    EXPECT_EQ(findings[1].severity(), Severity::Warning);
}

// Missing features are found feature by feature; they still stand in tile order: WATER, first
// seen in GUIDANCE, is missing from TRAFFIC, and WOODS from GUIDANCE.
TEST(CheckTheme, MissingFeaturesStandInTileOrder) {
    const Theme theme =
        titled({polygon("GUIDANCE", "WATER"), polygon("GUIDANCE", "PARK"),
                polygon("BROWSE", "WATER"), polygon("BROWSE", "WOODS"), polygon("BROWSE", "PARK"),
                polygon("TRAFFIC", "WOODS"), polygon("TRAFFIC", "PARK")});
    const std::vector<Finding> findings = check_theme(theme);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].field_name, "MAP_WOODS_CLR");
    EXPECT_EQ(findings[0].shown_at, 0);
    EXPECT_EQ(findings[1].field_name, "MAP_WATER_CLR");
    EXPECT_EQ(findings[1].shown_at, 5);
}

TEST(CheckNames, CodesAreDistinctAndSeveritiesNamed) {
    QStringList codes;
    for (Check check : all_checks()) {
        codes.append(code_of(check));
    }
    codes.removeDuplicates();
    EXPECT_EQ(codes.size(), qsizetype(all_checks().size()));
    EXPECT_EQ(code_of(Check::EmptyDayColour), "empty-day-colour");
    EXPECT_EQ(severity_name(Severity::Warning), "warning");
    EXPECT_EQ(findings_count_text(1, 0, 2), "1 error, 0 warnings, 2 hints");
}

}  // namespace
}  // namespace quorvane

namespace quorvane {
namespace {

// Which presentations style a feature is kept in bits for the first 64 and in a list beyond:
// a missing or doubled feature is found on either side of that line.
TEST(CheckTheme, MissingAndDoubledFeaturesBeyondSixtyFourPresentations) {
    std::vector<Element> elements;
    for (int p = 0; p < 70; ++p) {
        const QString name = QStringLiteral("BROWSE %1").arg(p);
        if (p != 66) {
            elements.push_back(polygon(name, QStringLiteral("WATER")));
        }
        elements.push_back(polygon(name, QStringLiteral("PARK")));
        if (p == 3 || p == 65) {
            elements.push_back(polygon(name, QStringLiteral("PARK")));
        }
    }
    QStringList found;
    for (const Finding& f : check_theme(titled(elements))) {
        if (f.check != Check::UnknownPresentation) {
            found.append(f.code() + QLatin1Char(' ') + f.presentation);
        }
    }
    EXPECT_EQ(found, (QStringList{"duplicate-feature BROWSE 3", "duplicate-feature BROWSE 65",
                                  "missing-feature BROWSE 66"}));
}

// Worded while a FindingWording lives, every message reads as it reads alone.
TEST(CheckTheme, MessagesReadTheSameWordedTogether) {
    Element dark = line("GUIDANCE", "ROAD_DIM");
    dark.secondary_day = dark.primary_day;
    dark.secondary_night = dark.primary_night;
    Element misspelt = polygon("GUIDANCE", "WATR");
    misspelt.primary_night = QStringLiteral("12345");
    const Theme theme = titled({dark, misspelt, polygon("BROWSE", "WATER_X_Y"),
                                polygon("BROWSE", "PARK"), line("MINE", "PARK")});
    const std::vector<Finding> findings = check_theme(theme);
    ASSERT_GE(findings.size(), 6u);
    QStringList alone;
    for (const Finding& f : findings) {
        alone.append(f.message());
    }
    const FindingWording wording;
    for (size_t k = 0; k < findings.size(); ++k) {
        EXPECT_EQ(findings[k].message(), alone[qsizetype(k)]);
        EXPECT_EQ(findings[k].message(), alone[qsizetype(k)]) << "worded a second time";
    }
}

// A translation that names its placeholders more than once, as a translator may.
class RepeatingTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QByteArrayView(context) == "ThemeCheck" &&
                       QByteArrayView(source).startsWith("%1 is not a feature")
                   ? QStringLiteral("%1, %1, %1 (%2%2)")
                   : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST(CheckTheme, TranslationsMayRepeatAPlaceholder) {
    static int argc = 1;
    static char name[] = "theme_check_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() == nullptr ? new QCoreApplication(argc, argv) : nullptr;
    (void)app;
    RepeatingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const std::vector<Finding> found =
        check_theme(titled({polygon("GUIDANCE", QString(300, QLatin1Char('Q')))}));
    ASSERT_EQ(found.size(), 1u);
    const QString expected = QStringLiteral("%1, %1, %1 (%2%2)").arg(found[0].field_name, "");
    EXPECT_EQ(found[0].message(), expected);
    const FindingWording wording;
    EXPECT_EQ(found[0].message(), expected);
    QCoreApplication::removeTranslator(&translator);
}

}  // namespace
}  // namespace quorvane
