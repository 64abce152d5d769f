// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on the selected tiles: Delete, Copy Style, Paste Style, Select All, Apply Style to
// All Presentations and Edit Style, from the Edit menu, the keys and the tiles' menu.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>

#include "format/writable_values.h"
#include "model/copied_style.h"
#include "platform/messages.h"
#include "preview/tile_commands.h"
#include "ui/main_window.h"
#include "ui/preview_pane.h"

namespace quorvane {

namespace {

// The style the clipboard holds, if the text there is one this program wrote.
std::optional<CopiedStyle> style_on_clipboard() {
    return copied_style_from_text(QGuiApplication::clipboard()->text());
}

}  // namespace

const TileSelection& MainWindow::selection() const {
    return pane_->selection();
}

void MainWindow::connect_tile_commands() {
    tile_menu_ = build_tile_menu(*this, menu_);
    connect(menu_.copy_style_action, &QAction::triggered, this, &MainWindow::copy_style);
    connect(menu_.paste_style_action, &QAction::triggered, this, &MainWindow::paste_style);
    connect(menu_.delete_action, &QAction::triggered, this, &MainWindow::delete_selected_elements);
    connect(menu_.select_all_action, &QAction::triggered, pane_, &PreviewPane::select_all);
    connect(tile_menu_.edit_style_action, &QAction::triggered, this,
            [this] { open_style_editor(selection().current()); });
    connect(tile_menu_.apply_to_all_action, &QAction::triggered, this,
            &MainWindow::apply_style_to_all_presentations);

    connect(pane_, &PreviewPane::selection_changed, this, &MainWindow::refresh_tile_commands);
    connect(pane_, &PreviewPane::tile_activated, this, &MainWindow::open_style_editor);
    connect(pane_, &PreviewPane::context_menu_requested, this,
            [this](int, QPoint at) { show_tile_menu(at); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &MainWindow::clipboard_changed);
    clipboard_changed();
}

void MainWindow::clipboard_changed() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard_text_unread_ = false;
    if (clipboard->ownsClipboard()) {
        clipboard_style_ = style_on_clipboard();
    } else {
        // The list of formats is small; the text itself is only read when asked for.
        clipboard_style_.reset();
        const QMimeData* data = clipboard->mimeData();
        clipboard_text_unread_ = data != nullptr && data->hasText();
    }
    refresh_tile_commands();
}

void MainWindow::refresh_tile_commands() {
    TileCommandStates states =
        tile_command_states(document_.theme(), selection(), clipboard_style_);
    // Paste reads another program's text and says when it is no style.
    states.paste_style = states.paste_style || (clipboard_text_unread_ && !selection().empty());
    tile_menu_.edit_style_action->setEnabled(states.edit_style);
    menu_.copy_style_action->setEnabled(states.copy_style);
    menu_.paste_style_action->setEnabled(states.paste_style);
    tile_menu_.apply_to_all_action->setEnabled(states.apply_to_all);
    menu_.delete_action->setEnabled(states.delete_elements);
    menu_.select_all_action->setEnabled(states.select_all);
}

void MainWindow::show_tile_menu(QPoint global_position) {
    tile_menu_.menu->popup(global_position);
}

void MainWindow::delete_selected_elements() {
    document_.delete_elements(selection().selected());
}

void MainWindow::copy_style() {
    const int current = selection().current();
    if (current < 0 || current >= document_.theme().element_count()) {
        return;
    }
    const Element& e = document_.theme().elements[size_t(current)];
    const QString text = clipboard_text(CopiedStyle::of(e));
    QGuiApplication::clipboard()->setText(text);
    statusBar()->showMessage(tr("Copied the style of %1").arg(e.display_name.trimmed()));
    // Some clipboards tell their owner of the change later or not at all.
    clipboard_style_ = copied_style_from_text(text);
    clipboard_text_unread_ = false;
    refresh_tile_commands();
}

void MainWindow::paste_style() {
    if (selection().empty()) {
        return;
    }
    // What the clipboard holds now: another program may have changed it unnoticed. A style
    // another program made passes the style editor's checks before anything changes.
    const std::optional<CopiedStyle> copied = style_on_clipboard();
    clipboard_style_ = copied;
    clipboard_text_unread_ = false;
    refresh_tile_commands();
    if (!copied) {
        statusBar()->showMessage(tr("The clipboard holds no copied style"));
        return;
    }
    const QString problem = copied_style_problem(*copied);
    if (!problem.isEmpty()) {
        statusBar()->showMessage(tr("Style not pasted: %1").arg(problem));
        return;
    }
    const PasteCounts counts = document_.paste_style(selection().selected(), *copied);
    statusBar()->showMessage(paste_report(counts, *copied));
}

void MainWindow::apply_style_to_all_presentations() {
    services_.messages.tell_each(document_.copy_style_to_all_presentations(selection().current()));
}

}  // namespace quorvane
