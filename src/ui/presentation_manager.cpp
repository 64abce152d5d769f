// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/presentation_manager.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedLayout>

#include "model/presentation_list.h"
#include "model/presentations.h"
#include "model/theme_document.h"
#include "platform/messages.h"
#include "text/ascii_text.h"
#include "ui/centre_on_screen.h"
#include "ui/dialog_icon.h"

namespace quorvane {

namespace {

// Each item keeps its place in the list it started in, so that a name taken back returns to it.
constexpr int kPlaceRole = Qt::UserRole;

QListWidget* presentation_list_box(QWidget* parent, const char* object_name,
                                   const QString& spoken_name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(object_name));
    list->setAccessibleName(spoken_name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Room for the six presentations without scrolling.
    list->setMinimumHeight(list->fontMetrics().lineSpacing() * 7 + 2 * list->frameWidth());
    return list;
}

// A button that moves a name between two lists. It never becomes the default button, so Enter
// applies the dialog rather than moving the next name.
QPushButton* move_button(QWidget* parent, const QString& caption, const char* object_name,
                         const QString& spoken_name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(object_name));
    b->setAccessibleName(spoken_name);
    b->setAutoDefault(false);
    return b;
}

// A list with its caption above it; the caption's mnemonic goes to the list.
QVBoxLayout* captioned(QWidget* parent, const QString& caption, QListWidget* list) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(list);
    auto* column = new QVBoxLayout;
    column->addWidget(label);
    column->addWidget(list, 1);
    return column;
}

QVBoxLayout* button_column(QPushButton* first, QPushButton* second) {
    auto* column = new QVBoxLayout;
    column->addStretch(1);
    column->addWidget(first);
    column->addWidget(second);
    column->addStretch(1);
    return column;
}

QListWidgetItem* selected_item(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QStringList texts_of(const QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) {
        texts.append(list.item(row)->text());
    }
    return texts;
}

// Where an item goes in the list `to`: back to its first place, or after the names chosen before.
enum class Order { FirstPlaces, AsChosen };

// Moves an item from one list to the other and makes it current there.
void move_item(QListWidgetItem* item, QListWidget& from, QListWidget& to, Order order) {
    from.takeItem(from.row(item));
    int row = to.count();
    if (order == Order::FirstPlaces) {
        row = 0;
        while (row < to.count() &&
               to.item(row)->data(kPlaceRole).toInt() < item->data(kPlaceRole).toInt()) {
            ++row;
        }
    }
    to.insertItem(row, item);
    from.clearSelection();
    to.setCurrentItem(item);
}

}  // namespace

PresentationManager::PresentationManager(const Theme& theme, Messages& messages,
                                         PresentationManagerMode mode, QWidget* parent)
    : QDialog(parent), messages_(messages), mode_(mode) {
    setObjectName(QStringLiteral("presentation_manager"));
    // A window title shows "&" as it is.
    setWindowTitle(tr("Add & Remove Presentations"));
    take_main_window_icon(*this, parent);

    // The theme's presentations as the main window lists them, rebuilt from the sort codes.
    QStringList in_theme;
    std::vector<bool> has_rank(size_t(presentation_names().size()), false);
    for (const QString& name : presentations_in_table(theme.elements)) {
        in_theme.append(space_trimmed(name));
        if (const std::optional<int> rank = presentation_rank(name)) {
            has_rank[size_t(*rank)] = true;
        }
    }

    add_frame_ = new QFrame(this);
    add_frame_->setObjectName(QStringLiteral("add_frame"));
    project_ = presentation_list_box(add_frame_, "project_list", tr("Your project"));
    project_->addItems(in_theme);
    // Only to look at: the names it shows cannot be added again.
    project_->setSelectionMode(QAbstractItemView::NoSelection);
    project_->setFocusPolicy(Qt::NoFocus);
    available_ = presentation_list_box(add_frame_, "available_list", tr("Available"));
    for (int rank = 0; rank < int(has_rank.size()); ++rank) {
        if (!has_rank[size_t(rank)]) {
            auto* item = new QListWidgetItem(presentation_names()[rank], available_);
            item->setData(kPlaceRole, rank);
        }
    }
    adding_ = presentation_list_box(add_frame_, "adding_list", tr("Adding"));
    add_ = move_button(add_frame_, tr("--> &ADD"), "add_button", tr("Add presentation"));
    unadd_ =
        move_button(add_frame_, tr("<-- &REMOVE"), "unadd_button", tr("Take back from adding"));
    auto* add_lists = new QHBoxLayout;
    add_lists->addLayout(captioned(add_frame_, tr("A&VAILABLE"), available_), 1);
    add_lists->addLayout(button_column(add_, unadd_));
    add_lists->addLayout(captioned(add_frame_, tr("A&DDING"), adding_), 1);
    auto* add_rows = new QVBoxLayout(add_frame_);
    add_rows->addLayout(captioned(add_frame_, tr("YOUR PROJECT"), project_));
    add_rows->addLayout(add_lists, 1);

    remove_frame_ = new QFrame(this);
    remove_frame_->setObjectName(QStringLiteral("remove_frame"));
    removing_list_ = presentation_list_box(remove_frame_, "removing_list", tr("Removing"));
    kept_ = presentation_list_box(remove_frame_, "kept_list", tr("Presentations kept"));
    for (int place = 0; place < in_theme.size(); ++place) {
        auto* item = new QListWidgetItem(in_theme[place], kept_);
        item->setData(kPlaceRole, place);
    }
    remove_ =
        move_button(remove_frame_, tr("<-- &REMOVE"), "remove_button", tr("Remove presentation"));
    keep_ = move_button(remove_frame_, tr("&KEEP -->"), "keep_button", tr("Keep presentation"));
    auto* remove_lists = new QHBoxLayout(remove_frame_);
    remove_lists->addLayout(captioned(remove_frame_, tr("REMOVIN&G"), removing_list_), 1);
    remove_lists->addLayout(button_column(remove_, keep_));
    remove_lists->addLayout(captioned(remove_frame_, tr("PRESENTA&TIONS KEPT"), kept_), 1);

    for (QFrame* frame : {add_frame_, remove_frame_}) {
        frame->setFrameShape(QFrame::StyledPanel);
    }
    // The two frames take turns in one place.
    auto* frames = new QStackedLayout;
    frames->addWidget(add_frame_);
    frames->addWidget(remove_frame_);
    frames->setCurrentWidget(mode_ == PresentationManagerMode::Add ? add_frame_ : remove_frame_);

    // Enter applies, Escape cancels.
    auto* buttons = new QDialogButtonBox(this);
    apply_ = buttons->addButton(tr("A&pply"), QDialogButtonBox::AcceptRole);
    apply_->setObjectName(QStringLiteral("apply_button"));
    apply_->setAccessibleName(tr("Apply"));
    apply_->setDefault(true);
    cancel_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel_->setObjectName(QStringLiteral("cancel_button"));
    cancel_->setAccessibleName(tr("Cancel"));

    auto* rows = new QVBoxLayout(this);
    rows->addLayout(frames, 1);
    rows->addWidget(buttons);

    connect(add_, &QPushButton::clicked, this, &PresentationManager::add_clicked);
    connect(unadd_, &QPushButton::clicked, this, &PresentationManager::unadd_clicked);
    connect(remove_, &QPushButton::clicked, this, &PresentationManager::remove_clicked);
    connect(keep_, &QPushButton::clicked, this, &PresentationManager::keep_clicked);
    connect(apply_, &QPushButton::clicked, this, &PresentationManager::apply_clicked);
    connect(cancel_, &QPushButton::clicked, this, &PresentationManager::reject);
}

QStringList PresentationManager::adding() const {
    return texts_of(*adding_);
}

QStringList PresentationManager::removing() const {
    return texts_of(*removing_list_);
}

void PresentationManager::add_clicked() {
    QListWidgetItem* chosen = selected_item(*available_);
    if (chosen == nullptr) {
        messages_.tell(tr("Please select a PRESENTATION"));
        return;
    }
    move_item(chosen, *available_, *adding_, Order::AsChosen);
}

void PresentationManager::unadd_clicked() {
    QListWidgetItem* chosen = selected_item(*adding_);
    if (chosen == nullptr) {
        messages_.tell(tr("Please select"));
        return;
    }
    move_item(chosen, *adding_, *available_, Order::FirstPlaces);
}

void PresentationManager::remove_clicked() {
    QListWidgetItem* chosen = selected_item(*kept_);
    if (chosen == nullptr) {
        messages_.tell(tr("Please select"));
        return;
    }
    // A theme always keeps at least one presentation.
    if (kept_->count() == 1) {
        messages_.tell(tr("Can not remove project.\r\n\r\nUse 'New' to start new project."));
        return;
    }
    move_item(chosen, *kept_, *removing_list_, Order::AsChosen);
}

void PresentationManager::keep_clicked() {
    QListWidgetItem* chosen = selected_item(*removing_list_);
    if (chosen == nullptr) {
        messages_.tell(tr("Please select"));
        return;
    }
    move_item(chosen, *removing_list_, *kept_, Order::FirstPlaces);
}

void PresentationManager::apply_clicked() {
    if (mode_ == PresentationManagerMode::Add && adding_->count() == 0) {
        messages_.tell(tr("Please click ADD"));
        return;
    }
    accept();
}

bool run_presentation_manager(QWidget* parent, ThemeDocument& document, Messages& messages,
                              PresentationManagerMode mode) {
    if (document.theme().elements.empty()) {
        messages.tell(PresentationManager::tr("No elements"));
        return false;
    }
    PresentationManager manager(document.theme(), messages, mode, parent);
    centre_on_screen(manager);
    if (manager.exec() == QDialog::Accepted) {
        if (mode == PresentationManagerMode::Add) {
            messages.tell_each(document.add_presentations(manager.adding()));
        } else {
            document.remove_presentations(manager.removing());
        }
    }
    return true;
}

}  // namespace quorvane
