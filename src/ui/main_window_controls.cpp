#include "ui/main_window_controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "geometry/twips.h"
#include "ui/main_window_layout.h"

namespace quorvane {

namespace {

QFont font(const QString& family, double points, bool bold = false) {
    QFont f(family);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

template <typename W>
W* make(QWidget& client, const char* name, const QRect& twips, const char* spoken_name = nullptr) {
    auto* w = new W(&client);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(to_pixels(twips));
    if (spoken_name != nullptr) {
        w->setAccessibleName(QLatin1String(spoken_name));
    }
    return w;
}

void set_background(QWidget& w, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = w.palette();
    palette.setColor(role, colour);
    w.setPalette(palette);
}

}  // namespace

MainWindowControls build_main_window_controls(QWidget& client) {
    using namespace main_window_layout;
    const QFont arial12 = font(QStringLiteral("Arial"), 12);
    const QFont arial10 = font(QStringLiteral("Arial"), 10.2);
    MainWindowControls c;

    c.add_button = make<QPushButton>(client, "add_button", kAddButton, "Add lines or polygons");
    c.add_button->setText(QStringLiteral("+"));
    c.add_button->setFont(font(QStringLiteral("Arial"), 18, true));
    set_background(*c.add_button, QPalette::Button, QColor(255, 255, 192));

    c.add_caption = make<QLabel>(client, "add_caption", kAddCaption);
    c.add_caption->setText(QStringLiteral("Add Line/Polygon"));

    const char* const captions[5] = {"Presentations", "Title", "Description", "Locality",
                                     "Version"};
    const char* const caption_names[5] = {"presentations_caption", "title_caption",
                                          "description_caption", "locale_caption",
                                          "version_caption"};
    for (int k = 0; k < 5; ++k) {
        auto* label = new QLabel(QLatin1String(captions[k]), &client);
        label->setObjectName(QLatin1String(caption_names[k]));
        label->setGeometry(to_pixels(QRect(kFieldCaptionLeft, kFieldCaptionTops[k],
                                           kFieldCaptionWidth, kFieldCaptionHeight)));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(arial12);
        c.field_captions[size_t(k)] = label;
    }

    c.presentation_list =
        make<QListWidget>(client, "presentation_list", kPresentationList, "Presentations");
    // The list only informs: it reacts to no mouse action.
    c.presentation_list->setSelectionMode(QAbstractItemView::NoSelection);
    c.presentation_list->setFocusPolicy(Qt::NoFocus);

    c.title_box = make<QLineEdit>(client, "title_box", kTitleBox, "Title");
    c.title_box->setFont(arial10);
    c.description_box =
        make<QPlainTextEdit>(client, "description_box", kDescriptionBox, "Description");
    c.description_box->setFont(arial10);
    c.locale_box = make<QLineEdit>(client, "locale_box", kLocaleBox, "Locality");
    c.locale_box->setFont(arial12);
    c.version_box = make<QLineEdit>(client, "version_box", kVersionBox, "Version");
    c.version_box->setFont(arial12);

    c.search_box = make<QLineEdit>(client, "search_box", kSearchBox, "Search feature names");
    c.search_box->setFont(arial12);
    set_background(*c.search_box, QPalette::Base, QColor(234, 252, 191));

    c.search_button = make<QPushButton>(client, "search_button", kSearchButton, "Search");
    c.search_button->setText(QStringLiteral("Search"));

    c.update_notice = make<QLabel>(client, "update_notice", kUpdateNotice);
    c.update_notice->setText(QStringLiteral("UPDATE AVAILABLE"));
    c.update_notice->setFont(font(QStringLiteral("MS Sans Serif"), 7.8, true));
    c.update_notice->setAlignment(Qt::AlignCenter);
    QPalette notice = c.update_notice->palette();
    notice.setColor(QPalette::Window, QColor(255, 255, 128));
    notice.setColor(QPalette::WindowText, QColor(0, 0, 255));
    c.update_notice->setPalette(notice);
    c.update_notice->setAutoFillBackground(true);
    c.update_notice->hide();

    c.match_count = make<QLabel>(client, "match_count", kMatchCount);
    c.hide_others_check = make<QCheckBox>(client, "hide_others_check", kHideOthersCheck,
                                          "Hide tiles that do not match");
    c.hide_others_check->setText(QStringLiteral("Hide others"));
    c.hide_others_check->setToolTip(
        QStringLiteral("Hide the tiles that do not match, instead of fading them"));
    c.search_box->setToolTip(
        QStringLiteral("Type part of a name to pick out its tiles; Enter goes to the next one, "
                       "Escape clears (Ctrl+F)"));
    c.night_button = make<QToolButton>(client, "night_button", kNightButton, "Night view");
    c.zoom_out_button = make<QToolButton>(client, "zoom_out_button", kZoomOutButton, "Zoom out");
    c.zoom_caption = make<QToolButton>(client, "zoom_caption", kZoomCaption, "Actual size");
    c.zoom_caption->setAutoRaise(true);
    c.zoom_caption->setToolTip(QStringLiteral("Actual Size (Ctrl+0)"));
    c.zoom_in_button = make<QToolButton>(client, "zoom_in_button", kZoomInButton, "Zoom in");
    return c;
}

}  // namespace quorvane
