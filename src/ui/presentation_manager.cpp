// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/presentation_manager.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "model/presentation_list.h"
#include "model/presentations.h"
#include "model/theme_document.h"
#include "platform/messages.h"
#include "text/ascii_text.h"
#include "ui/centre_on_screen.h"
#include "ui/dialog_icon.h"
#include "ui/widget_placement.h"

namespace quorvane {

namespace {

QListWidget* presentation_list_box(QWidget* parent, const char* object_name,
                                   const QString& spoken_name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(object_name));
    list->setAccessibleName(spoken_name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QPushButton* button(QWidget* parent, const QString& caption, const char* object_name,
                    const QString& spoken_name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(object_name));
    b->setAccessibleName(spoken_name);
    return b;
}

QLabel* label(QWidget* parent, const QString& caption, Qt::Alignment alignment) {
    auto* l = new QLabel(caption, parent);
    l->setAlignment(alignment | Qt::AlignTop);
    return l;
}

QFrame* frame(QWidget* parent, const char* object_name) {
    auto* f = new QFrame(parent);
    f->setObjectName(QLatin1String(object_name));
    f->setFrameShape(QFrame::StyledPanel);
    place_twips(*f, 108, 84, 9576, 6636);
    return f;
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

}  // namespace

PresentationManager::PresentationManager(const Theme& theme, Messages& messages,
                                         PresentationManagerMode mode, QWidget* parent)
    : QDialog(parent), theme_(theme), messages_(messages), mode_(mode) {
    setObjectName(QStringLiteral("presentation_manager"));
    // A window title shows "&" as it is.
    setWindowTitle(tr("Add & Remove Presentations"));
    fix_client_area_twips(*this, 9792, 7548);
    take_main_window_icon(*this, parent);

    add_frame_ = frame(this, "add_frame");
    // Captions tall enough for accented capitals.
    place_twips(*label(add_frame_, tr("YOUR PROJECT"), Qt::AlignLeft), 4044, 168, 1344, 300);
    project_ = presentation_list_box(add_frame_, "project_list", tr("Your project"));
    place_twips(*project_, 3324, 468, 2784, 2808);
    place_twips(*label(add_frame_, tr("AVAILABLE"), Qt::AlignHCenter), 960, 3132, 1344, 300);
    available_ = presentation_list_box(add_frame_, "available_list", tr("Available"));
    available_->addItems(presentation_names());
    place_twips(*available_, 336, 3492, 2784, 2808);
    add_ = button(add_frame_, tr("--> &ADD"), "add_button", tr("Add presentation"));
    place_twips(*add_, 3360, 4656, 1236, 300);
    unadd_ = button(add_frame_, tr("<-- &REMOVE"), "unadd_button", tr("Take back from adding"));
    place_twips(*unadd_, 4812, 4656, 1380, 300);
    place_twips(*label(add_frame_, tr("ADDING"), Qt::AlignHCenter), 7044, 3132, 1344, 300);
    adding_ = presentation_list_box(add_frame_, "adding_list", tr("Adding"));
    place_twips(*adding_, 6360, 3492, 2784, 2808);

    remove_frame_ = frame(this, "remove_frame");
    remove_ = button(remove_frame_, tr("<-- &REMOVE"), "remove_button", tr("Remove presentation"));
    place_twips(*remove_, 3108, 3792, 1440, 408);
    kept_ = presentation_list_box(remove_frame_, "kept_list", tr("Presentations kept"));
    place_twips(*kept_, 5292, 2772, 2784, 2808);

    // Enter applies, Escape cancels.
    apply_ = button(this, tr("A&pply"), "apply_button", tr("Apply"));
    apply_->setDefault(true);
    place_twips(*apply_, 6552, 6960, 1392, 468);
    cancel_ = button(this, tr("Cancel"), "cancel_button", tr("Cancel"));
    place_twips(*cancel_, 8100, 6960, 1392, 468);

    // The theme's presentations as the main window lists them, rebuilt from the sort codes.
    QListWidget* theme_list = mode_ == PresentationManagerMode::Add ? project_ : kept_;
    for (const QString& name : presentations_in_table(theme_.elements)) {
        theme_list->addItem(space_trimmed(name));
    }
    add_frame_->setVisible(mode_ == PresentationManagerMode::Add);
    remove_frame_->setVisible(mode_ != PresentationManagerMode::Add);

    connect(add_, &QPushButton::clicked, this, &PresentationManager::add_clicked);
    connect(unadd_, &QPushButton::clicked, this, &PresentationManager::unadd_clicked);
    connect(remove_, &QPushButton::clicked, this, &PresentationManager::remove_clicked);
    connect(apply_, &QPushButton::clicked, this, &PresentationManager::apply_clicked);
    connect(cancel_, &QPushButton::clicked, this, &PresentationManager::reject);
}

QStringList PresentationManager::adding() const {
    return texts_of(*adding_);
}

void PresentationManager::add_clicked() {
    const QListWidgetItem* chosen = selected_item(*available_);
    if (chosen == nullptr) {
        messages_.tell(tr("Please select a PRESENTATION"));
        return;
    }
    const QString name = chosen->text();
    for (const QString& existing : texts_of(*project_)) {
        if (existing.contains(name)) {
            messages_.tell(tr("Already exists"));
            return;
        }
    }
    for (const QString& added : texts_of(*adding_)) {
        if (space_trimmed(added) == name) {
            messages_.tell(tr("Already added"));
            return;
        }
    }
    available_->clearSelection();
    adding_->addItem(name);
    adding_->setCurrentRow(adding_->count() - 1);
}

void PresentationManager::unadd_clicked() {
    QListWidgetItem* chosen = selected_item(*adding_);
    if (chosen == nullptr) {
        messages_.tell(tr("Please select"));
        return;
    }
    delete chosen;
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
    removing_.append(chosen->text());
    delete chosen;
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
