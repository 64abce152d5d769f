// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/element_picker.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "model/element_catalogue.h"
#include "model/presentations.h"
#include "model/theme_document.h"
#include "platform/messages.h"
#include "text/ascii_text.h"
#include "ui/centre_on_screen.h"
#include "ui/dialog_icon.h"
#include "ui/widget_placement.h"

namespace quorvane {

namespace {

QLabel* centred_label(QWidget* parent, const QString& text, const char* object_name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(object_name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QListWidget* catalogue_list(QWidget* parent, const QStringList& names, const char* object_name,
                            const QString& spoken_name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(object_name));
    list->setAccessibleName(spoken_name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSortingEnabled(true);
    list->addItems(names);
    return list;
}

}  // namespace

ElementPicker::ElementPicker(const Theme& theme, Messages& messages, QWidget* parent)
    : QDialog(parent), theme_(theme), messages_(messages) {
    setObjectName(QStringLiteral("element_picker"));
    setWindowTitle(tr("Add Elements"));
    fix_client_area_twips(*this, 8328, 8688);
    take_main_window_icon(*this, parent);

    place_twips(*centred_label(this, tr("PRESENTATIONS"), "presentations_caption"), 1140, 204, 2268,
                216);
    presentations_ = new QListWidget(this);
    presentations_->setObjectName(QStringLiteral("presentation_list"));
    presentations_->setAccessibleName(tr("Presentations"));
    presentations_->setSelectionMode(QAbstractItemView::SingleSelection);
    presentations_->addItems(presentation_names());
    place_twips(*presentations_, 252, 480, 3948, 1584);

    instructions_ =
        new QLabel(tr(" 1) Click on a Presentation\n\n2) Select polygon(s) or line(s)\n\n"
                      "3) (Shift/CTRL)click to select more than one."),
                   this);
    instructions_->setObjectName(QStringLiteral("instructions"));
    instructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Small print, as the instructions always were; a line too long for the width wraps, and the
    // label reaches down to the POLYGONS caption so that no line is cut off.
    QFont small = instructions_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    instructions_->setFont(small);
    instructions_->setWordWrap(true);
    place_twips(*instructions_, 480, 2400, 3456, 1236);

    place_twips(*centred_label(this, tr("POLYGONS"), "polygons_caption"), 1128, 3660, 2268, 216);
    polygons_ = catalogue_list(this, polygon_catalogue(), "polygon_list", tr("Polygons"));
    place_twips(*polygons_, 420, 3936, 3612, 3312);

    place_twips(*centred_label(this, tr("LINES"), "lines_caption"), 5148, 204, 2268, 216);
    lines_ = catalogue_list(this, line_catalogue(), "line_list", tr("Lines"));
    place_twips(*lines_, 4452, 480, 3612, 6768);

    select_all_polygons_ = new QCheckBox(tr("Select All"), this);
    select_all_polygons_->setObjectName(QStringLiteral("select_all_polygons"));
    select_all_polygons_->setAccessibleName(tr("Select all polygons"));
    place_twips(*select_all_polygons_, 1308, 7380, 1836, 240);
    select_all_lines_ = new QCheckBox(tr("Select All"), this);
    select_all_lines_->setObjectName(QStringLiteral("select_all_lines"));
    select_all_lines_->setAccessibleName(tr("Select all lines"));
    place_twips(*select_all_lines_, 5568, 7380, 1836, 240);

    // Enter adds (on the focused Cancel button it cancels); Escape cancels.
    add_ = new QPushButton(tr("&Add"), this);
    add_->setObjectName(QStringLiteral("add_button"));
    add_->setAccessibleName(tr("Add"));
    add_->setDefault(true);
    place_twips(*add_, 5292, 7944, 1320, 540);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel_button"));
    cancel_->setAccessibleName(tr("Cancel"));
    place_twips(*cancel_, 6792, 7932, 1320, 540);

    // A box acts on its list only when the user clicks it: ticked selects every item,
    // cleared unselects them all.
    connect(select_all_polygons_, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked) {
            polygons_->selectAll();
        } else {
            polygons_->clearSelection();
        }
    });
    connect(select_all_lines_, &QCheckBox::clicked, this, [this](bool ticked) {
        if (ticked) {
            lines_->selectAll();
        } else {
            lines_->clearSelection();
        }
    });
    connect(add_, &QPushButton::clicked, this, &ElementPicker::add_clicked);
    connect(cancel_, &QPushButton::clicked, this, &ElementPicker::reject);
}

void ElementPicker::reject() {
    picked_ = ElementPick();
    QDialog::reject();
}

QStringList ElementPicker::new_names(const QListWidget& list, int rank,
                                     QStringList& duplicates) const {
    QStringList fresh;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* item = list.item(row);
        if (!item->isSelected()) {
            continue;
        }
        (has_element(theme_, item->text(), rank) ? duplicates : fresh).append(item->text());
    }
    return fresh;
}

void ElementPicker::add_clicked() {
    picked_ = ElementPick();
    const QList<QListWidgetItem*> chosen = presentations_->selectedItems();
    if (chosen.isEmpty()) {
        messages_.tell(tr("Please select a Presentation"));
        return;
    }
    const int rank = presentations_->row(chosen.first());
    const QString presentation = chosen.first()->text();

    QStringList duplicates;
    ElementPick pick;
    pick.rank = rank;
    pick.presentation = presentation;
    pick.polygons = new_names(*polygons_, rank, duplicates);
    pick.lines = new_names(*lines_, rank, duplicates);
    const bool nothing_new = pick.polygons.isEmpty() && pick.lines.isEmpty();

    if (!duplicates.isEmpty()) {
        // The names one per line, each ended by a line break.
        messages_.tell(tr("%1 already has ").arg(presentation) + kCrLf + kCrLf +
                       duplicates.join(kCrLf) + kCrLf);
        if (nothing_new) {
            return;
        }
    } else if (nothing_new) {
        messages_.tell(tr("Please select a line or polygon."));
        return;
    }
    picked_ = pick;
    accept();
}

void run_add_elements(QWidget* parent, ThemeDocument& document, Messages& messages) {
    ElementPicker picker(document.theme(), messages, parent);
    centre_on_screen(picker);
    if (picker.exec() == QDialog::Accepted) {
        document.add_elements(picker.picked());
    }
}

}  // namespace quorvane
