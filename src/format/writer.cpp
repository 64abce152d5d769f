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
const QString kQuote = QStringLiteral("\"");

void append_style(QString& text, const Element& e) {
    text += kCrLf;
    text += QStringLiteral("<STYLE field = ") + kQuote + e.field_name + kQuote;
    if (!e.scale.isEmpty()) {
        text += QStringLiteral(" scale=") + kQuote + e.scale + kQuote + QStringLiteral(" ");
    }
    const bool has_border = !e.border.isEmpty() && e.border != QStringLiteral("0");
    if (has_border) {
        text += QStringLiteral(" border=") + kQuote + e.border + kQuote + QStringLiteral(" ");
    }
    text += QStringLiteral(">") + kCrLf;
    text += QStringLiteral(" <COLOR >") + kCrLf;
    // No colour is written without its day colour.
    auto colour_line = [&text](const QString& tag, const QString& day, const QString& night) {
        text += QStringLiteral("<") + tag + QStringLiteral("      day = ") + kQuote +
                QStringLiteral("#") + day + kQuote;
        if (!night.isEmpty()) {
            text += QStringLiteral(" night=") + kQuote + QStringLiteral("#") + night + kQuote;
        }
        text += QStringLiteral("/>") + kCrLf;
    };
    if (!e.primary_day.isEmpty()) {
        colour_line(QStringLiteral("PRIMARY"), e.primary_day, e.primary_night);
    }
    if (!e.secondary_day.isEmpty() && e.border != QStringLiteral("0")) {
        colour_line(QStringLiteral("SECONDARY"), e.secondary_day, e.secondary_night);
    }
    text += QStringLiteral(" </COLOR >") + kCrLf;
    text += QStringLiteral("</STYLE>") + kCrLf;
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
            text += QStringLiteral("<PRESENTATION ID=") + kQuote + space_trimmed(e.presentation) +
                    kQuote + QStringLiteral(" > ") + kCrLf + QStringLiteral("<STYLELIST>") + kCrLf;
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
