// SPDX-License-Identifier: GPL-3.0-or-later
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

template <typename W>
W* make(QWidget& client, const char* name, const QString& spoken_name = QString()) {
    auto* w = new W(&client);
    w->setObjectName(QLatin1String(name));
    if (!spoken_name.isEmpty()) {
        w->setAccessibleName(spoken_name);
    }
    return w;
}

}  // namespace

MainWindowControls build_main_window_controls(QWidget& client) {
    MainWindowControls c;

    c.add_button =
        make<QPushButton>(client, "add_button", MainWindowControls::tr("Add lines or polygons"));
    c.add_button->setText(QStringLiteral("+"));
    QFont large = c.add_button->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.5);
    c.add_button->setFont(large);
    emphasise_add_button(c);

    c.add_caption = make<QLabel>(client, "add_caption");
    c.add_caption->setText(MainWindowControls::tr("Add Line/Polygon"));

    const QString captions[5] = {
        MainWindowControls::tr("Presentations"), MainWindowControls::tr("&Title"),
        MainWindowControls::tr("&Description"), MainWindowControls::tr("&Locality"),
        MainWindowControls::tr("Ve&rsion")};
    const char* const caption_names[5] = {"presentations_caption", "title_caption",
                                          "description_caption", "locale_caption",
                                          "version_caption"};
    for (int k = 0; k < 5; ++k) {
        QLabel* label = make<QLabel>(client, caption_names[k]);
        label->setText(captions[k]);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        c.field_captions[size_t(k)] = label;
    }

    c.presentation_list =
        make<QListWidget>(client, "presentation_list", MainWindowControls::tr("Presentations"));
    // The list only informs: it reacts to no mouse action.
    c.presentation_list->setSelectionMode(QAbstractItemView::NoSelection);
    c.presentation_list->setFocusPolicy(Qt::NoFocus);

    c.title_box = make<QLineEdit>(client, "title_box", MainWindowControls::tr("Title"));
    c.description_box =
        make<QPlainTextEdit>(client, "description_box", MainWindowControls::tr("Description"));
    c.locale_box = make<QLineEdit>(client, "locale_box", MainWindowControls::tr("Locality"));
    c.version_box = make<QLineEdit>(client, "version_box", MainWindowControls::tr("Version"));
    // The captions name the boxes: a caption's mnemonic goes to its box.
    QWidget* const boxes[5] = {nullptr, c.title_box, c.description_box, c.locale_box,
                               c.version_box};
    for (int k = 1; k < 5; ++k) {
        c.field_captions[size_t(k)]->setBuddy(boxes[k]);
    }

    c.search_box =
        make<QLineEdit>(client, "search_box", MainWindowControls::tr("Search feature names"));

    c.search_button = make<QPushButton>(client, "search_button", MainWindowControls::tr("Search"));
    c.search_button->setText(MainWindowControls::tr("&Search"));

    c.update_notice = make<QLabel>(client, "update_notice");
    c.update_notice->setText(MainWindowControls::tr("UPDATE AVAILABLE"));
    QFont bold = c.update_notice->font();
    bold.setBold(true);
    c.update_notice->setFont(bold);
    c.update_notice->setAlignment(Qt::AlignCenter);
    // The selection colours of the desktop: they stand out on any background.
    c.update_notice->setBackgroundRole(QPalette::Highlight);
    c.update_notice->setForegroundRole(QPalette::HighlightedText);
    c.update_notice->setAutoFillBackground(true);
    c.update_notice->hide();

    c.match_count = make<QLabel>(client, "match_count");
    c.hide_others_check = make<QCheckBox>(client, "hide_others_check",
                                          MainWindowControls::tr("Hide tiles that do not match"));
    c.hide_others_check->setText(MainWindowControls::tr("Hide &others"));
    c.hide_others_check->setToolTip(
        MainWindowControls::tr("Hide the tiles that do not match, instead of fading them"));
    c.search_box->setToolTip(MainWindowControls::tr(
        "Type part of a name to pick out its tiles; Enter goes to the next one, "
        "Escape clears (Ctrl+F)"));
    c.night_button =
        make<QToolButton>(client, "night_button", MainWindowControls::tr("Night view"));
    c.zoom_out_button =
        make<QToolButton>(client, "zoom_out_button", MainWindowControls::tr("Zoom out"));
    c.zoom_caption =
        make<QToolButton>(client, "zoom_caption", MainWindowControls::tr("Actual size"));
    c.zoom_caption->setAutoRaise(true);
    c.zoom_caption->setToolTip(MainWindowControls::tr("Actual Size (Ctrl+0)"));
    c.zoom_in_button =
        make<QToolButton>(client, "zoom_in_button", MainWindowControls::tr("Zoom in"));
    place_main_window_controls(c, main_window_layout::kClientArea.height());
    return c;
}

void place_main_window_controls(const MainWindowControls& c, int client_height) {
    using namespace main_window_layout;
    const std::pair<QWidget*, QRect> places[] = {
        {c.add_button, kAddButton},
        {c.add_caption, kAddCaption},
        {c.presentation_list, kPresentationList},
        {c.title_box, kTitleBox},
        {c.description_box, kDescriptionBox},
        {c.locale_box, kLocaleBox},
        {c.version_box, kVersionBox},
        {c.search_box, kSearchBox},
        {c.search_button, kSearchButton},
        {c.match_count, kMatchCount},
        {c.hide_others_check, kHideOthersCheck},
        {c.update_notice, kUpdateNotice},
        {c.night_button, kNightButton},
        {c.zoom_out_button, kZoomOutButton},
        {c.zoom_caption, kZoomCaption},
        {c.zoom_in_button, kZoomInButton},
    };
    for (const auto& [control, design] : places) {
        control->setGeometry(to_pixels(column_place(design, client_height)));
    }
    for (int k = 0; k < 5; ++k) {
        const QRect design(kColumnLeft, kFieldCaptionTops[k], kColumnWidth, kFieldCaptionHeight);
        c.field_captions[size_t(k)]->setGeometry(to_pixels(column_place(design, client_height)));
    }
}

void emphasise_add_button(const MainWindowControls& c) {
    if (c.add_button == nullptr) {
        return;
    }
    QPalette colours = c.add_button->parentWidget()->palette();
    colours.setColor(QPalette::Button, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::ButtonText, colours.color(QPalette::HighlightedText));
    c.add_button->setPalette(colours);
}

}  // namespace quorvane
