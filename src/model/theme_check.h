// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <utility>
#include <vector>

#include "model/theme.h"

namespace quorvane {

// How much a finding matters: an error loses or garbles something at the next save or on the
// device, a warning is kept but likely ignored by the device, a hint is a matter of taste.
enum class Severity { Error, Warning, Hint };

// Every kind of problem the checker knows.
enum class Check {
    NoTitle,
    NoStyles,
    EmptyDayColour,
    BadColour,
    NotANumber,
    UnknownFeature,
    UnknownPresentation,
    PolygonWithBorder,
    LineWithoutBorder,
    DuplicateFeature,
    ZeroBorderDropsSecondary,
    BadVersion,
    LowContrast,
    MissingFeature,
    LookAlikeLines,
};

// Every Check, in the order above.
const std::vector<Check>& all_checks();
Severity severity_of(Check check);
// The stable name of a check for scripts, such as "empty-day-colour".
QString code_of(Check check);
// "error", "warning" or "hint".
QString severity_name(Severity severity);

// The field of a style a finding is about, when it is one of these.
enum class StyleField {
    None,
    PrimaryDay,
    PrimaryNight,
    SecondaryDay,
    SecondaryNight,
    Scale,
    Border
};

// One problem of a theme. It holds what its message needs rather than the message: a large theme
// can have tens of thousands of findings, and a list shows only a screenful of them.
struct Finding {
    Check check = Check::NoTitle;
    // The Element the problem is about; -1 when it is about the theme or a whole presentation.
    int element = -1;
    // The Element whose tile (and STYLE tag) shows the problem: the Element itself, or the first
    // Element of the presentation for a presentation's problem; -1 for the metadata.
    int shown_at = -1;
    QString field_name;    // the feature concerned, when there is one
    QString presentation;  // the presentation concerned, without surrounding spaces
    // The text at fault (a colour, scale, border or version), or for an empty day colour the
    // night colour that is lost; `field` says where it stands.
    QString value;
    StyleField field = StyleField::None;
    // For low contrast: the ratios of core and border by day and by night, 0 where it is enough.
    float day_contrast = 0;
    float night_contrast = 0;
    // For lines that look alike to some colour visions: the other feature's field name is the
    // value, the field says by day or by night (PRIMARY day or night colour), one bit per
    // ColourVision that confuses them, and their colour differences as those people and as
    // everyone else sees them.
    int colour_visions = 0;
    float alike_difference = 0;
    float normal_difference = 0;

    Severity severity() const { return severity_of(check); }
    QString code() const { return code_of(check); }
    // What will happen and how to put it right, in plain words.
    QString message() const;
    friend bool operator==(const Finding&, const Finding&) = default;
};

// While one lives, Finding::message() in this thread translates each of its texts once rather than
// for every message: for wording tens of thousands of findings at once (the command-line check).
class FindingWording {
  public:
    FindingWording();
    ~FindingWording();
    FindingWording(const FindingWording&) = delete;
    FindingWording& operator=(const FindingWording&) = delete;

    struct Text;  // a message text translated, and where its placeholders stand

  private:
    std::vector<Text> texts_;
    std::vector<Text>* outer_;
};

// "2 errors, 1 warning, 0 hints".
QString findings_count_text(int errors, int warnings, int hints);

// Every problem of the theme, those of the metadata first, then in Element order. Reads the theme
// only.
std::vector<Finding> check_theme(const Theme& theme);

// Contrast of two colour numbers as the web accessibility guidelines define it, from 1 (the same
// luminance) to 21 (black on white).
double contrast_ratio(int colour_a, int colour_b);

// Below this colour difference (CIE76) two line cores are hard to tell apart on the device's
// small screen; lines whose cores differ by at least this much for most people, and by less for
// people with a dichromacy, are a hint.
inline constexpr double kLookAlikeDifference = 8.0;

}  // namespace quorvane
