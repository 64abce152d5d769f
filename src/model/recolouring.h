// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "colour/colour_adjustment.h"
#include "colour/night_colours.h"
#include "model/style_colours.h"
#include "model/theme.h"

namespace quorvane {

// Which of a style's four colours an operation touches.
struct ColourSlots {
    bool day = true;
    bool night = true;
    bool primary = true;
    bool secondary = true;

    friend bool operator==(const ColourSlots&, const ColourSlots&) = default;
};

// The operations that recolour many styles at once.
enum class RecolourKind { ReplaceColour, AdjustColours, MakeNightColours, SnapToPalette };

// One style's four colours after an operation.
struct RecolouredStyle {
    int element = 0;
    StyleColours colours;

    friend bool operator==(const RecolouredStyle&, const RecolouredStyle&) = default;
};

// What an operation does to a theme: the styles whose colours change, in Element order, each
// once. Only colour texts of six hexadecimal digits are read and changed; a new colour is written
// as six upper-case digits, and a colour that stays keeps its text as it was.
struct Recolouring {
    RecolourKind kind = RecolourKind::ReplaceColour;
    std::vector<RecolouredStyle> styles;

    int count() const { return int(styles.size()); }
};

// Every Element of the theme, by number: the scope "all styles".
std::vector<int> all_elements(const Theme& theme);
// The Elements of one presentation (its name compared without surrounding spaces).
std::vector<int> presentation_elements(const Theme& theme, const QString& presentation);

// An operation on the styles of some Elements, asked one Element at a time, so that a preview
// works out only the tiles it shows. It reads the theme it was made for, which must outlive it
// and stay as it was.
class ColourOperation {
  public:
    // `elements` in any order; repeats count once, numbers out of range not at all.
    ColourOperation(const Theme& theme, const std::vector<int>& elements, RecolourKind kind);
    virtual ~ColourOperation() = default;

    RecolourKind kind() const { return kind_; }
    const Theme& theme() const { return theme_; }
    // The Elements it works on, ascending.
    const std::vector<int>& elements() const { return elements_; }
    bool in_scope(int element) const {
        return element >= 0 && size_t(element) < in_scope_.size() && in_scope_[size_t(element)];
    }

    // Element `element`'s colours after the operation; nothing when they stay as they are.
    std::optional<StyleColours> recoloured(int element) const;
    // Every change at once.
    Recolouring recolouring() const;

  protected:
    // The four colours of `e` after the operation (the same when it changes nothing).
    virtual StyleColours recolour(const Element& e, int element) const = 0;

  private:
    const Theme& theme_;
    RecolourKind kind_;
    std::vector<int> elements_;
    std::vector<char> in_scope_;
};

// Replace Colour: one colour becomes another wherever the slots hold it.
struct ColourReplacement {
    int from = 0;  // colour numbers
    int to = 0;
    ColourSlots colour_slots;
};

class ReplaceColourOperation : public ColourOperation {
  public:
    ReplaceColourOperation(const Theme& theme, const std::vector<int>& elements,
                           const ColourReplacement& replacement);
    void set_replacement(const ColourReplacement& replacement) { replacement_ = replacement; }
    const ColourReplacement& replacement() const { return replacement_; }
    // How many of the operation's styles hold the colour being replaced in the slots.
    int styles_using() const;

  protected:
    StyleColours recolour(const Element& e, int element) const override;

  private:
    ColourReplacement replacement_;
};

// Adjust Colours: hue, saturation, lightness and contrast of every colour in the slots.
class AdjustColoursOperation : public ColourOperation {
  public:
    AdjustColoursOperation(const Theme& theme, const std::vector<int>& elements,
                           const ColourAdjustment& adjustment, const ColourSlots& colour_slots);
    void set_adjustment(const ColourAdjustment& adjustment) { adjustment_ = adjustment; }
    void set_slots(const ColourSlots& colour_slots) { slots_ = colour_slots; }

  protected:
    StyleColours recolour(const Element& e, int element) const override;

  private:
    ColourAdjustment adjustment_;
    ColourSlots slots_;
};

// Make Night Colours: every night colour derived from its day colour by the night rule, on the
// ground of the Element's presentation: the day colour of its LAND style (white without one), and
// by night LAND's derived night colour when LAND is among the Elements, else its night colour as
// it stands.
class NightColoursOperation : public ColourOperation {
  public:
    NightColoursOperation(const Theme& theme, const std::vector<int>& elements, int darkness);
    void set_darkness(int darkness);
    int darkness() const { return darkness_; }

  protected:
    StyleColours recolour(const Element& e, int element) const override;

  private:
    int darkness_ = kDefaultDarkness;
    // Per Element, its presentation's number; per presentation, its LAND Element or -1, and
    // its ground at the darkness.
    std::vector<int> presentation_of_;
    std::vector<int> land_of_;
    std::vector<MapGround> grounds_;
};

// Snap to Device Palette: every colour in the slots becomes its nearest device colour.
class SnapToPaletteOperation : public ColourOperation {
  public:
    SnapToPaletteOperation(const Theme& theme, const std::vector<int>& elements,
                           const ColourSlots& colour_slots);

  protected:
    StyleColours recolour(const Element& e, int element) const override;

  private:
    ColourSlots slots_;
};

// The operations as plain functions of a theme, a set of Elements and the options, for scripts.
Recolouring replace_colour(const Theme& theme, const std::vector<int>& elements,
                           const ColourReplacement& replacement);
Recolouring adjust_colours(const Theme& theme, const std::vector<int>& elements,
                           const ColourAdjustment& adjustment, const ColourSlots& colour_slots);
Recolouring make_night_colours(const Theme& theme, const std::vector<int>& elements,
                               int darkness = kDefaultDarkness);
Recolouring snap_to_device_palette(const Theme& theme, const std::vector<int>& elements,
                                   const ColourSlots& colour_slots = {});

// Writes the recoloured styles into the theme; returns how many there were.
int apply_recolouring(Theme& theme, const Recolouring& recolouring);

}  // namespace quorvane
