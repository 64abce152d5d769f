#include "format/writer.h"

#include <QDir>
#include <QFileInfo>

#include "format/metadata.h"
#include "format/text_file.h"
#include "format/text_ops.h"
#include "platform/busy_cursor.h"
#include "platform/messages.h"
#include "platform/once_messages.h"

namespace quorvane {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Appends piece by piece: a large theme is one text built without temporaries.
void append_colour_line(QString& text, QLatin1String tag, const QString& day, const QString& night) {
    text += QLatin1String("<");
    text += tag;
    text += QLatin1String("      day = \"#");
    text += day;
    text += QLatin1String("\"");
    if (!night.isEmpty()) {
        text += QLatin1String(" night=\"#");
        text += night;
        text += QLatin1String("\"");
    }
    text += QLatin1String("/>\r\n");
}

void append_style(QString& text, const Element& e) {
    text += QLatin1String("\r\n<STYLE field = \"");
    text += e.field_name;
    text += QLatin1String("\"");
    if (!e.scale.isEmpty()) {
        text += QLatin1String(" scale=\"");
        text += e.scale;
        text += QLatin1String("\" ");
    }
    const bool zero_border = e.border == QLatin1String("0");
    if (!e.border.isEmpty() && !zero_border) {
        text += QLatin1String(" border=\"");
        text += e.border;
        text += QLatin1String("\" ");
    }
    text += QLatin1String(">\r\n <COLOR >\r\n");
    // No colour is written without its day colour.
    if (!e.primary_day.isEmpty()) {
        append_colour_line(text, QLatin1String("PRIMARY"), e.primary_day, e.primary_night);
    }
    if (!e.secondary_day.isEmpty() && !zero_border) {
        append_colour_line(text, QLatin1String("SECONDARY"), e.secondary_day, e.secondary_night);
    }
    text += QLatin1String(" </COLOR >\r\n</STYLE>\r\n");
}

}  // namespace

QString get_head() {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + kCrLf +
           QStringLiteral("<GARMIN_MAP_THEME>") + kCrLf;
}

QString theme_text(Theme& theme, const QString& meta, Messages& messages) {
    OnceMessages once(messages);
    QString text = get_head() + meta + kCrLf;
    text.reserve(text.size() + qsizetype(theme.elements.size()) * 260);
    const QString block_end = QStringLiteral("</STYLELIST>") + kCrLf +
                              QStringLiteral("</PRESENTATION>") + kCrLf;
    const QString* current = nullptr;
    for (size_t k = 0; k < theme.elements.size(); ++k) {
        Element& e = theme.elements[k];
        // A new PRESENTATION block whenever the name differs from the previous Element's.
        if (current == nullptr || e.presentation != *current) {
            if (current != nullptr) {
                text += block_end;
            }
            current = &e.presentation;
            text += QLatin1String("<PRESENTATION ID=\"");
            text += space_trimmed(e.presentation);
            text += QLatin1String("\" > \r\n<STYLELIST>\r\n");
        }
        if (e.border.contains(QLatin1Char('\r')) || e.border.contains(QLatin1Char('\n'))) {
            e.border.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        }
        for (QChar c : e.border) {
            if (c.unicode() < 32) {
                once.tell(QStringLiteral("Error with Border Height"));
            }
        }
        append_style(text, e);
    }
    text += block_end + QStringLiteral("</GARMIN_MAP_THEME>");
    return text;
}

SaveOutcome save_code(Theme& theme, const QString& path, Messages& messages, BusyCursor& busy) {
    const QString meta = make_meta(theme.metadata, messages);
    if (meta.isEmpty()) {
        return SaveOutcome::NoTitle;
    }
    if (QFileInfo::exists(path)) {
        if (!messages.ask(QStringLiteral("Overwrite existing file?"))) {
            return SaveOutcome::Declined;
        }
    }
    // The old file stays in place until the new text is complete.
    busy.busy_on();
    const bool written = append_(path, theme_text(theme, meta, messages), messages);
    if (written) {
        theme.modified = false;
    }
    busy.busy_off();
    return written ? SaveOutcome::Written : SaveOutcome::Failed;
}

bool append_(const QString& path, const QString& text, Messages& messages) {
    QString error;
    const bool written = write_whole_file(path, (text + kCrLf).toLatin1(), &error);
    if (!written) {
        messages.tell(error + QStringLiteral(" Check access permission: RUN quorvane.exe as "
                                             "ADMINISTRATOR"));
    }
    const QFileInfo info(path);
    if (!info.isAbsolute() || !info.exists()) {
        messages.tell(QStringLiteral("Invalid file:") + QDir::toNativeSeparators(path));
    }
    return written;
}

}  // namespace quorvane
