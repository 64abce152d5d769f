// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "model/element.h"
#include "model/style_colours.h"

namespace quorvane {

// The style Copy Style takes from one Element, to paste onto Elements of the same kind: a line
// gives its scale, border and four colours, a polygon only its four colours.
struct CopiedStyle {
    bool polygon = false;
    ElementStyle style;  // a polygon's scale and border stay empty

    static CopiedStyle of(const Element& element);
    // Lines go onto lines and polygons onto polygons.
    bool fits(const Element& target) const { return target.is_polygon() == polygon; }
    // The target's style once the copy is pasted onto it; a polygon keeps its scale and border.
    ElementStyle pasted_onto(const Element& target) const;

    friend bool operator==(const CopiedStyle&, const CopiedStyle&) = default;
};

// The copy as text for the system clipboard, one named value a line, colours as #RRGGBB:
//   Quorvane style: line
//   Scale: 1
//   Border: .6
//   Primary day: #CECECE
//   ...
// An absent colour reads "none". A polygon has no scale or border line.
QString clipboard_text(const CopiedStyle& copied);

// The copy a clipboard text holds; nothing for any text that clipboard_text did not make (an
// unknown or missing line, a colour that is not #RRGGBB, a line without a border, a text far
// longer than any style's).
std::optional<CopiedStyle> copied_style_from_text(const QString& text);

}  // namespace quorvane
