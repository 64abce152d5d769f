// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/element_picker.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "model/element_catalogue.h"
#include "model/presentations.h"
#include "model/theme_document.h"
#include "platform/messages.h"
#include "ui/centre_on_screen.h"
#include "ui/dialog_icon.h"

namespace quorvane {

namespace {

// Each item shows a feature as people spell it ("MISC WATER AREA") and keeps its catalogue name.
constexpr int kCatalogueNameRole = Qt::UserRole;

QLabel* caption(QWidget* parent, const QString& text, const char* object_name, QWidget* names) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(object_name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setBuddy(names);
    return label;
}

QListWidget* catalogue_list(QWidget* parent, const QStringList& names, const char* object_name,
                            const QString& spoken_name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(object_name));
    list->setAccessibleName(spoken_name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // In the order of the names shown, fixed once: the items change their looks later.
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return element_display_name(a) < element_display_name(b);
    });
    for (const QString& name : sorted) {
        auto* item = new QListWidgetItem(element_display_name(name), list);
        item->setData(kCatalogueNameRole, name);
    }
    // Never so narrow that a name is cut.
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->verticalScrollBar()->sizeHint().width() + 4);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return list;
}

QCheckBox* select_all_box(QWidget* parent, const char* object_name, const QString& spoken_name) {
    auto* box = new QCheckBox(ElementPicker::tr("Select All"), parent);
    box->setObjectName(QLatin1String(object_name));
    box->setAccessibleName(spoken_name);
    return box;
}

// The selected catalogue names of a list, top to bottom, leaving out those `present` holds.
QStringList picked_names(const QListWidget& list, const QSet<QString>& present) {
    QStringList names;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* item = list.item(row);
        const QString name = item->data(kCatalogueNameRole).toString();
        if (item->isSelected() && !present.contains(catalogue_field_name(name))) {
            names.append(name);
        }
    }
    return names;
}

}  // namespace

ElementPicker::ElementPicker(const Theme& theme, Messages& messages, QWidget* parent)
    : QDialog(parent), theme_(theme), messages_(messages) {
    setObjectName(QStringLiteral("element_picker"));
    setWindowTitle(tr("Add Elements"));
    take_main_window_icon(*this, parent);
    for (const Element& e : theme_.elements) {
        const int rank = rank_of(e.sort_code);
        if (rank >= 0 && rank < int(present_.size())) {
            present_[size_t(rank)].insert(e.field_name);
        }
    }

    presentations_ = new QListWidget(this);
    presentations_->setObjectName(QStringLiteral("presentation_list"));
    presentations_->setAccessibleName(tr("Presentations"));
    presentations_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    presentations_->addItems(presentation_names());
    // Just large enough for its six names.
    presentations_->setFixedSize(
        presentations_->sizeHintForColumn(0) + 2 * presentations_->frameWidth() + 8,
        presentations_->sizeHintForRow(0) * presentations_->count() +
            2 * presentations_->frameWidth());

    instructions_ =
        new QLabel(tr(" 1) Click on a Presentation\n\n2) Select polygon(s) or line(s)\n\n"
                      "3) (Shift/CTRL)click to select more than one."),
                   this);
    instructions_->setObjectName(QStringLiteral("instructions"));
    instructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = instructions_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    instructions_->setFont(small);
    instructions_->setWordWrap(true);

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("filter_box"));
    filter_->setAccessibleName(tr("Filter the features"));
    filter_->setPlaceholderText(tr("Part of a name"));
    filter_->setClearButtonEnabled(true);

    polygons_ = catalogue_list(this, polygon_catalogue(), "polygon_list", tr("Polygons"));
    lines_ = catalogue_list(this, line_catalogue(), "line_list", tr("Lines"));
    select_all_polygons_ = select_all_box(this, "select_all_polygons", tr("Select all polygons"));
    select_all_lines_ = select_all_box(this, "select_all_lines", tr("Select all lines"));

    // Enter adds (on the focused Cancel button it cancels); Escape cancels.
    auto* buttons = new QDialogButtonBox(this);
    add_ = buttons->addButton(tr("&Add"), QDialogButtonBox::AcceptRole);
    add_->setObjectName(QStringLiteral("add_button"));
    add_->setAccessibleName(tr("Add"));
    add_->setDefault(true);
    cancel_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("cancel_button"));
    cancel_->setAccessibleName(tr("Cancel"));

    auto* left = new QVBoxLayout;
    left->addWidget(caption(this, tr("&PRESENTATIONS"), "presentations_caption", presentations_));
    left->addWidget(presentations_);
    left->addSpacing(12);
    left->addWidget(instructions_);
    left->addStretch(1);
    auto* filter_row = new QHBoxLayout;
    auto* filter_caption = new QLabel(tr("&Filter:"), this);
    filter_caption->setBuddy(filter_);
    filter_row->addWidget(filter_caption);
    filter_row->addWidget(filter_);
    auto* lists = new QGridLayout;
    lists->addWidget(caption(this, tr("P&OLYGONS"), "polygons_caption", polygons_), 0, 0);
    lists->addWidget(caption(this, tr("&LINES"), "lines_caption", lines_), 0, 1);
    lists->addWidget(polygons_, 1, 0);
    lists->addWidget(lines_, 1, 1);
    lists->addWidget(select_all_polygons_, 2, 0, Qt::AlignHCenter);
    lists->addWidget(select_all_lines_, 2, 1, Qt::AlignHCenter);
    lists->setRowStretch(1, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(filter_row);
    right->addLayout(lists, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(12);
    columns->addLayout(right, 1);
    auto* rows = new QVBoxLayout(this);
    rows->addLayout(columns, 1);
    rows->addWidget(buttons);
    // About as tall as it always was: a long list of lines.
    resize(minimumSizeHint().expandedTo(QSize(0, fontMetrics().lineSpacing() * 36)));

    // A box acts on its list only when the user clicks it: ticked selects every item shown that
    // can be picked, cleared unselects them all.
    for (auto [box, list] :
         {std::pair{select_all_polygons_, polygons_}, std::pair{select_all_lines_, lines_}}) {
        connect(box, &QCheckBox::clicked, this, [list](bool ticked) {
            for (int row = 0; row < list->count(); ++row) {
                QListWidgetItem* item = list->item(row);
                const bool pickable = !item->isHidden() && item->flags() & Qt::ItemIsEnabled;
                item->setSelected(ticked && pickable);
            }
        });
    }
    connect(presentations_, &QListWidget::itemSelectionChanged, this,
            &ElementPicker::mark_present_features);
    connect(filter_, &QLineEdit::textChanged, this, &ElementPicker::filter_features);
    connect(add_, &QPushButton::clicked, this, &ElementPicker::add_clicked);
    connect(cancel_, &QPushButton::clicked, this, &ElementPicker::reject);
    mark_present_features();
}

void ElementPicker::reject() {
    picked_.clear();
    QDialog::reject();
}

std::vector<int> ElementPicker::chosen_ranks() const {
    std::vector<int> ranks;
    for (int row = 0; row < presentations_->count(); ++row) {
        if (presentations_->item(row)->isSelected()) {
            ranks.push_back(row);
        }
    }
    return ranks;
}

void ElementPicker::mark_present_features() {
    const std::vector<int> ranks = chosen_ranks();
    for (QListWidget* list : {polygons_, lines_}) {
        for (int row = 0; row < list->count(); ++row) {
            QListWidgetItem* item = list->item(row);
            const QString field = catalogue_field_name(item->data(kCatalogueNameRole).toString());
            QStringList holders;
            for (int rank : ranks) {
                if (present_[size_t(rank)].contains(field)) {
                    holders.append(presentation_names()[rank]);
                }
            }
            const bool everywhere = !ranks.empty() && holders.size() == qsizetype(ranks.size());
            if (everywhere) {
                item->setSelected(false);
            }
            item->setFlags(everywhere ? item->flags() & ~Qt::ItemIsEnabled
                                      : item->flags() | Qt::ItemIsEnabled);
            item->setToolTip(
                holders.isEmpty() ? field : tr("%1\nAlready in %2").arg(field, holders.join(", ")));
        }
    }
}

void ElementPicker::filter_features(const QString& text) {
    const QString wanted = text.trimmed();
    for (QListWidget* list : {polygons_, lines_}) {
        for (int row = 0; row < list->count(); ++row) {
            QListWidgetItem* item = list->item(row);
            const QString name = item->data(kCatalogueNameRole).toString();
            item->setHidden(!item->text().contains(wanted, Qt::CaseInsensitive) &&
                            !name.contains(wanted, Qt::CaseInsensitive));
        }
    }
}

void ElementPicker::add_clicked() {
    picked_.clear();
    const std::vector<int> ranks = chosen_ranks();
    if (ranks.empty()) {
        messages_.tell(tr("Please select a Presentation"));
        return;
    }
    std::vector<ElementPick> picks;
    for (int rank : ranks) {
        ElementPick pick{rank, presentation_names()[rank], picked_names(*polygons_, present_[rank]),
                         picked_names(*lines_, present_[rank])};
        if (!pick.empty()) {
            picks.push_back(std::move(pick));
        }
    }
    if (picks.empty()) {
        messages_.tell(tr("Please select a line or polygon."));
        return;
    }
    picked_ = std::move(picks);
    accept();
}

std::vector<int> run_add_elements(QWidget* parent, ThemeDocument& document, Messages& messages) {
    ElementPicker picker(document.theme(), messages, parent);
    centre_on_screen(picker);
    if (picker.exec() != QDialog::Accepted) {
        return {};
    }
    return document.add_elements(picker.picked());
}

}  // namespace quorvane
