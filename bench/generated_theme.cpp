// SPDX-License-Identifier: GPL-3.0-or-later
#include "generated_theme.h"

#include <QFile>
#include <cstdio>

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

namespace {

QByteArray big_theme_colour(int i) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", (i * 53 + 17) % 256, (i * 97 + 101) % 256,
                  (i * 29 + 200) % 256);
    return text;
}

void append_big_style(QByteArray& text, int made) {
    const QByteArray number = QByteArray::number(made);
    if (made % 3 == 0) {
        text += "\r\n<STYLE field = \"MAP_AREA_" + number + "_CLR\">\r\n <COLOR >\r\n";
        text += "<PRIMARY      day = \"#" + big_theme_colour(made) + "\" night=\"#" +
                big_theme_colour(made + 7) + "\"/>\r\n";
    } else {
        text += "\r\n<STYLE field = \"MAP_LINE_" + number +
                "_CLR\" scale=\"1\"  border=\".6\" >\r\n <COLOR >\r\n";
        text += "<PRIMARY      day = \"#" + big_theme_colour(made) + "\" night=\"#" +
                big_theme_colour(made + 1) + "\"/>\r\n";
        text += "<SECONDARY      day = \"#" + big_theme_colour(made + 2) + "\" night=\"#" +
                big_theme_colour(made + 3) + "\"/>\r\n";
    }
    text += " </COLOR >\r\n</STYLE>\r\n";
}

}  // namespace

QByteArray big_theme_text(int styles) {
    QByteArray text;
    text.reserve(qsizetype(styles) * 175 + 1024);
    text += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<GARMIN_MAP_THEME>\r\n";
    text +=
        "<METADATA>\r\n<TITLE>Test theme</TITLE>\r\n<DESCRIPTION>A generated theme"
        "</DESCRIPTION>\r\n<LOCALELIST>\r\n<locale>Global</locale>\r\n</LOCALELIST>\r\n"
        "<Version><Major>1</Major><Minor>20</Minor></Version>\r\n</METADATA>\r\n";
    const int per = (styles + 5) / 6;
    int made = 0;
    for (const char* name :
         {"GUIDANCE", "BROWSE", "TRAFFIC", "TURN PREVIEW", "ROUTE PREVIEW", "PEDESTRIAN"}) {
        text += QByteArray("<PRESENTATION ID=\"") + name + "\" > \r\n<STYLELIST>\r\n";
        for (int k = 0; k < per && made < styles; ++k, ++made) {
            append_big_style(text, made);
        }
        text += "</STYLELIST>\r\n</PRESENTATION>\r\n";
    }
    text += "</GARMIN_MAP_THEME>\r\n";
    return text;
}

bool write_file(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

}  // namespace quorvane
