// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "model/element.h"
#include "text/message_list.h"

namespace quorvane {

struct Theme;

// The four colour texts of one style, as the style editor works on them.
struct StyleColours {
    QString secondary_day;
    QString primary_day;
    QString secondary_night;
    QString primary_night;

    static StyleColours of(const Element& element);
    void write_to(Element& element) const;

    QString& primary(bool night) { return night ? primary_night : primary_day; }
    QString& secondary(bool night) { return night ? secondary_night : secondary_day; }

    friend bool operator==(const StyleColours&, const StyleColours&) = default;
};

// Everything the style editor changes in an Element: scale, border and the four colours.
struct ElementStyle {
    QString scale;
    QString border;
    StyleColours colours;

    static ElementStyle of(const Element& element);
    void write_to(Element& element) const;
    friend bool operator==(const ElementStyle&, const ElementStyle&) = default;
};

// "Reverse Colours": exchanges the primary and secondary text of the day or of the night pair.
void reverse_colours(StyleColours& colours, bool night);

// Copies the scale, border and four colours of Element `current` to every other Element with
// exactly the same field name, whatever its presentation, and reports "Applied to " n
// " additional elements" when there was at least one. Returns n.
int copy_style_to_all_presentations(Theme& theme, int current, MessageList& messages);

// Reports "Applied to " n " additional elements" when n is at least one.
void tell_applied_to_others(int others, MessageList& messages);

}  // namespace quorvane
