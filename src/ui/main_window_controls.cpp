// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window_controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace quorvane {

namespace {

template <typename W>
W* make(QWidget& column, const char* name, const QString& spoken_name = QString()) {
    auto* w = new W(&column);
    w->setObjectName(QLatin1String(name));
    if (!spoken_name.isEmpty()) {
        w->setAccessibleName(spoken_name);
    }
    return w;
}

// A box that may shrink to about `lines` lines of text when the column is short.
void let_shrink_to_lines(QAbstractScrollArea& box, int lines) {
    const int line = box.fontMetrics().lineSpacing();
    box.setMinimumHeight(lines * line + 2 * box.frameWidth() + line / 2);
    box.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
}

}  // namespace

MainWindowControls build_main_window_controls(QWidget& column) {
    MainWindowControls c;

    c.add_button =
        make<QPushButton>(column, "add_button", MainWindowControls::tr("Add lines or polygons"));
    c.add_button->setText(QStringLiteral("+"));
    QFont large = c.add_button->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.5);
    c.add_button->setFont(large);
    // A square as tall as the caption beside it, whatever the font.
    const int side = c.add_button->fontMetrics().height() + 4;
    c.add_button->setFixedSize(side, side);
    emphasise_add_button(c);

    c.add_caption = make<QLabel>(column, "add_caption");
    c.add_caption->setText(MainWindowControls::tr("Add Line/Polygon"));

    const QString captions[5] = {
        MainWindowControls::tr("Presentations"), MainWindowControls::tr("&Title"),
        MainWindowControls::tr("&Description"), MainWindowControls::tr("&Locality"),
        MainWindowControls::tr("Ve&rsion")};
    const char* const caption_names[5] = {"presentations_caption", "title_caption",
                                          "description_caption", "locale_caption",
                                          "version_caption"};
    for (int k = 0; k < 5; ++k) {
        QLabel* label = make<QLabel>(column, caption_names[k]);
        label->setText(captions[k]);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        c.field_captions[size_t(k)] = label;
    }

    c.presentation_list =
        make<QListWidget>(column, "presentation_list", MainWindowControls::tr("Presentations"));
    // The list only informs: it reacts to no mouse action.
    c.presentation_list->setSelectionMode(QAbstractItemView::NoSelection);
    c.presentation_list->setFocusPolicy(Qt::NoFocus);
    let_shrink_to_lines(*c.presentation_list, 2);

    c.title_box = make<QLineEdit>(column, "title_box", MainWindowControls::tr("Title"));
    c.description_box =
        make<QPlainTextEdit>(column, "description_box", MainWindowControls::tr("Description"));
    // Tab goes on to the next box, as in every other box of the column; Ctrl+Tab types a tab.
    c.description_box->setTabChangesFocus(true);
    let_shrink_to_lines(*c.description_box, 2);
    c.locale_box = make<QLineEdit>(column, "locale_box", MainWindowControls::tr("Locality"));
    c.version_box = make<QLineEdit>(column, "version_box", MainWindowControls::tr("Version"));
    // The captions name the boxes: a caption's mnemonic goes to its box.
    QWidget* const boxes[5] = {nullptr, c.title_box, c.description_box, c.locale_box,
                               c.version_box};
    for (int k = 1; k < 5; ++k) {
        c.field_captions[size_t(k)]->setBuddy(boxes[k]);
    }

    c.search_box =
        make<QLineEdit>(column, "search_box", MainWindowControls::tr("Search feature names"));
    c.search_box->setToolTip(MainWindowControls::tr(
        "Type part of a name to pick out its tiles; Enter goes to the next one, "
        "Escape clears (Ctrl+F)"));
    c.search_button = make<QPushButton>(column, "search_button", MainWindowControls::tr("Search"));
    c.search_button->setText(MainWindowControls::tr("&Search"));
    c.match_count = make<QLabel>(column, "match_count");
    c.hide_others_check = make<QCheckBox>(column, "hide_others_check",
                                          MainWindowControls::tr("Hide tiles that do not match"));
    c.hide_others_check->setText(MainWindowControls::tr("Hide &others"));
    c.hide_others_check->setToolTip(
        MainWindowControls::tr("Hide the tiles that do not match, instead of fading them"));

    c.update_notice = make<QLabel>(column, "update_notice");
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

    c.night_button =
        make<QToolButton>(column, "night_button", MainWindowControls::tr("Night view"));
    c.zoom_out_button =
        make<QToolButton>(column, "zoom_out_button", MainWindowControls::tr("Zoom out"));
    c.zoom_caption =
        make<QToolButton>(column, "zoom_caption", MainWindowControls::tr("Actual size"));
    c.zoom_caption->setAutoRaise(true);
    c.zoom_caption->setToolTip(MainWindowControls::tr("Actual Size (Ctrl+0)"));
    c.zoom_in_button =
        make<QToolButton>(column, "zoom_in_button", MainWindowControls::tr("Zoom in"));

    auto* rows = new QVBoxLayout(&column);
    rows->setSpacing(2);
    auto* add_row = new QHBoxLayout;
    add_row->addWidget(c.add_button);
    add_row->addWidget(c.add_caption, 1);
    rows->addLayout(add_row);
    rows->addSpacing(4);
    // Each caption stands just above its box; the boxes keep apart.
    QWidget* const fields[5] = {c.presentation_list, c.title_box, c.description_box, c.locale_box,
                                c.version_box};
    for (int k = 0; k < 5; ++k) {
        if (k > 0) {
            rows->addSpacing(6);
        }
        rows->addWidget(c.field_captions[size_t(k)]);
        rows->addWidget(fields[k], k == 0 ? 2 : k == 2 ? 3 : 0);
    }
    rows->addSpacing(10);
    rows->addWidget(c.search_box);
    auto* search_row = new QHBoxLayout;
    search_row->addWidget(c.search_button);
    search_row->addWidget(c.match_count, 1);
    rows->addLayout(search_row);
    rows->addWidget(c.hide_others_check);
    rows->addWidget(c.update_notice);
    rows->addSpacing(6);
    auto* view_row = new QHBoxLayout;
    view_row->setSpacing(0);
    view_row->addWidget(c.night_button);
    view_row->addStretch(1);
    view_row->addWidget(c.zoom_out_button);
    view_row->addWidget(c.zoom_caption);
    view_row->addWidget(c.zoom_in_button);
    rows->addLayout(view_row);
    return c;
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
