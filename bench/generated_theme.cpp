// SPDX-License-Identifier: GPL-3.0-or-later
#include "generated_theme.h"

#include "format/writer.h"
#include "model/presentations.h"
#include "text/message_list.h"

namespace quorvane {

namespace {

QString colour(int seed) {
    return QStringLiteral("%1")
        .arg((seed * 2654435761u) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
        .toUpper();
}

}  // namespace

Theme generated_theme(int styles) {
    Theme theme;
    theme.metadata.title = QStringLiteral("GENERATED");
    const int per_presentation = (styles + 5) / 6;
    for (int k = 0; k < styles; ++k) {
        const int rank = k / per_presentation;
        Element e;
        e.presentation = presentation_names()[rank];
        const bool line = (k % per_presentation) >= per_presentation / 2;
        e.field_name = QStringLiteral("MAP_FEATURE_%1_CLR").arg(k % per_presentation);
        e.display_name = QStringLiteral("FEATURE %1").arg(k % per_presentation);
        if (line) {
            e.scale = QString::number(1 + k % 3);
            e.border = QStringLiteral(".6");
            e.secondary_day = colour(k * 3 + 2);
            e.secondary_night = colour(k * 3 + 3);
        }
        e.primary_day = colour(k * 3);
        e.primary_night = colour(k * 3 + 1);
        e.sort_code = rank * 10 + (line ? 1 : 0);
        theme.elements.push_back(e);
    }
    return theme;
}

QByteArray generated_theme_text(int styles) {
    Theme theme = generated_theme(styles);
    MessageList messages;
    return theme_text(theme,
                      QStringLiteral("<METADATA>\r\n<TITLE>GENERATED</TITLE>\r\n</METADATA>"),
                      messages) +
           "\r\n";
}

}  // namespace quorvane
