// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QMainWindow>
#include <optional>

#include "model/copied_style.h"
#include "model/element_filter.h"
#include "model/element_search.h"
#include "model/theme_document.h"
#include "session/theme_files.h"
#include "settings/recent_files.h"
#include "ui/main_menu.h"
#include "ui/main_window_controls.h"
#include "ui/tile_menu.h"

class QAction;
class QDockWidget;

namespace quorvane {

enum class PresentationManagerMode;
class BusyCursor;
class ColourPicker;
class FileDialogs;
class MapDock;
class Messages;
class PreviewPane;
class ProblemsPanel;
class RecolourCommands;
class TileSelection;
class UrlOpener;
class WebRequest;

// What the main window asks the user through, and where it keeps its working data.
struct MainWindowServices {
    Messages& messages;
    BusyCursor& busy;
    FileDialogs& file_dialogs;
    WebRequest& web;
    UrlOpener& urls;
    ColourPicker& colour_picker;
    QString working_data_folder;
};

// The main window: the preview in the middle, the panels around it (the theme's controls on the
// left, its problems below), the menu bar, and the document commands. It shows the one open
// theme and changes it only through the document; its file commands are the ThemeFiles'.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // `command_line_file`, when not empty, opens when the window is first shown.
    MainWindow(ThemeDocument& document, const MainWindowServices& services,
               const QString& command_line_file, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows or hides the "UPDATE AVAILABLE" notice.
    void set_update_available(bool available);

    // The file commands, as ThemeFiles has them.
    bool open_theme(const QString& path, OpenSource source) { return files_->open(path, source); }
    bool settle_unsaved_changes() { return files_->settle_unsaved_changes(); }
    bool save() { return files_->save(); }
    bool save_as() { return files_->save_as(); }
    void offer_recovery() { files_->offer_recovery(); }

    // Entry points of the features with their own dialogs.
    void add_elements();                                    // the "+" button
    void edit_presentations(PresentationManagerMode mode);  // the Edit menu
    void open_style_editor(int index);                      // a double-click on a tile
    void check_for_updates();                               // Help > Check for Updates
    void start_update_check();                              // at start-up, in the background
    void show_about();
    void open_manual();

    // The commands on the selected tiles (Edit menu, keys and the tiles' menu); each edit is one
    // step of the history.
    void delete_selected_elements();
    void copy_style();                        // the current tile's style, to the clipboard
    void paste_style();                       // onto the selected tiles of its kind
    void apply_style_to_all_presentations();  // the current tile's, as the style editor does

    // The window's state, for the features above and for tests.
    ThemeDocument& document() { return document_; }
    const MainWindowServices& services() const { return services_; }
    const TileSelection& selection() const;
    const RecentFileEntries& recent_files() const { return recent_; }
    const ElementSearch& search() const { return search_; }
    const ElementFilter& filter() const { return filter_; }
    QAction* find_action() const { return menu_.find_action; }
    const MainMenu& menu() const { return menu_; }
    const TileMenu& tile_menu() const { return tile_menu_; }
    QAction* undo_action() const { return undo_action_; }
    QAction* redo_action() const { return redo_action_; }
    const MainWindowControls& controls() const { return controls_; }
    PreviewPane& preview() { return *pane_; }
    ThemeFiles& files() { return *files_; }
    RecoveryKeeper& recovery() { return files_->recovery(); }
    ProblemsPanel& problems() { return *problems_; }
    RecolourCommands& recolour_commands() { return *recolour_; }
    MapDock& map_dock() { return *map_; }
    QDockWidget& theme_panel() { return *theme_panel_; }
    // The View > Panels item that shows and hides a panel.
    QAction* panel_action(const QDockWidget& panel) const { return panel_actions_.value(&panel); }

    // Puts a panel on the window: docked in `area`, listed in View > Panels under `caption`, and
    // part of the arrangement the window keeps between runs (it is known there by its object
    // name, which it must have).
    void add_panel(QDockWidget* panel, Qt::DockWidgetArea area, const QString& caption);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void connect_commands();
    void connect_view_commands();
    void connect_metadata_boxes();
    void set_up_theme_panel();
    void set_up_problems_panel();
    void set_up_map_panel();
    // The first size: the preview as wide as it always was, the whole window on the screen.
    void fit_first_size();
    void restore_arrangement();
    void follow_document(DocumentChange change);
    void connect_tile_commands();
    // Enables the commands on tiles that can apply now.
    void refresh_tile_commands();
    // Follows a change of the clipboard. Another program's text is not read until Paste: it may
    // be large, and reading it would hold the window up.
    void clipboard_changed();
    void show_tile_menu(QPoint global_position);

    void recent_file_command(int k);
    void open_dropped_file(const QString& path);
    void search_command();
    // The search box's text changed: the tiles follow the filter.
    void filter_tiles();
    void show_match_count();
    void show_zoom(int percent);
    void edit_menu_command(PresentationManagerMode mode);

    void update_caption();
    // The recent files go to the working data at once, so another editor started next sees them.
    void remember_recent_file(const QString& path);
    void forget_recent_file(int k);
    void save_recent_files();
    void refresh_recent_menu();
    void refresh_metadata_boxes();
    void refresh_presentation_list();

    ThemeDocument& document_;
    MainWindowServices services_;
    QString command_line_file_;
    RecentFileEntries recent_;
    ElementSearch search_;
    ElementFilter filter_;
    bool shown_once_ = false;
    MainMenu menu_;
    QAction* undo_action_ = nullptr;
    QAction* redo_action_ = nullptr;
    TileMenu tile_menu_;
    // The style on the clipboard, kept so that moving among the tiles never asks the system.
    std::optional<CopiedStyle> clipboard_style_;
    // Another program put text on the clipboard, not read yet: it may be a style.
    bool clipboard_text_unread_ = false;
    MainWindowControls controls_;
    PreviewPane* pane_ = nullptr;
    QWidget* preview_area_ = nullptr;
    QDockWidget* theme_panel_ = nullptr;
    QHash<const QDockWidget*, QAction*> panel_actions_;
    ThemeFiles* files_ = nullptr;
    ProblemsPanel* problems_ = nullptr;
    RecolourCommands* recolour_ = nullptr;
    MapDock* map_ = nullptr;
};

}  // namespace quorvane
