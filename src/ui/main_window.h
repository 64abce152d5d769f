#pragma once

#include <QMainWindow>

#include "settings/recent_files.h"
#include "model/element_search.h"
#include "model/theme.h"
#include "ui/main_menu.h"
#include "ui/main_window_controls.h"

namespace quorvane {

class BusyCursor;
class FileDialogs;
class Messages;
class PreviewPane;
class UrlOpener;
class WebRequest;

// What the main window asks the user through, and where it keeps its working data.
struct MainWindowServices {
    Messages& messages;
    BusyCursor& busy;
    FileDialogs& file_dialogs;
    WebRequest& web;
    UrlOpener& urls;
    QString working_data_folder;
};

// The main window f1: the controls on the left, the preview on the right, the menu bar, and
// the document commands. It works on the one theme the application owns.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // `command_line` is the program's command line; the file it names (quotes removed) opens
    // when the window is first activated.
    MainWindow(Theme& theme, const MainWindowServices& services, const QString& command_line,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Rebuilds the preview (modes as PreviewPane::plot).
    void plot(int mode);
    // Rebuilds the presentation list from the theme's Elements.
    void relist_presentations();
    // Shows or hides the "UPDATE AVAILABLE" notice.
    void set_update_available(bool available);

    // Entry points of the features that come with their own dialogs. Each is called from its
    // control or menu item; until its dialog exists it does nothing.

    // The "+" button: centre the element picker (cent), show it modally, then add_element with
    // its hand-over texts (which ends with plot(-1)) and relist_presentations(), whatever the
    // picker's outcome.
    void add_elements();
    // Edit > "Add Presentations" (mode 0) and "Remove Presentations" (mode 1), called only when
    // the theme has Elements: centre the presentation manager, show it modally, then plot(2)
    // and relist_presentations().
    void edit_presentations(int mode);
    // A double-click on the tile of Element `index` (the edit index is already set): clear the
    // editor's applied flag, centre the style editor, show it modally, and plot(0) when it
    // applied a change.
    void open_style_editor(int index);
    // Help > "Check for Updates": the update dialog, modal.
    void check_for_updates();
    // The start-up update check; must not delay the window, and shows the notice through
    // set_update_available(true).
    void start_update_check();
    // File > "About": the About box, modal.
    void show_about();
    // Help > "Manual": the program's web page in the user's browser.
    void open_manual();

    // The window's state, for the features above and for tests.
    Theme& theme() { return theme_; }
    const MainWindowServices& services() const { return services_; }
    int edit_index() const { return edit_index_; }
    const RecentFileEntries& recent_files() const { return recent_; }
    const ElementSearch& search() const { return search_; }
    const MainMenu& menu() const { return menu_; }
    const MainWindowControls& controls() const { return controls_; }
    PreviewPane& preview() { return *pane_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connect_commands();
    void activated();

    // Document commands.
    bool new_command();
    void clear_theme();
    void open_command();
    void save_command();
    void recent_file_command(int k);
    void open_dropped_file(const QString& path);
    void search_command();
    void edit_menu_command(int mode);
    void open_command_line_file();
    // Reads a theme file as every open command does, then shows it: caption, preview, fields and
    // presentation list.
    void read_and_show(const QString& path);

    void update_caption(const QString& path);
    void remember_recent_file(const QString& path);
    void refresh_recent_menu();
    void refresh_metadata_fields();
    void refresh_presentation_list();
    void select_tile(int element);

    Theme& theme_;
    MainWindowServices services_;
    QString command_line_path_;
    RecentFileEntries recent_;
    ElementSearch search_;
    int edit_index_ = 0;
    bool shown_once_ = false;
    MainMenu menu_;
    MainWindowControls controls_;
    PreviewPane* pane_ = nullptr;
    QWidget* client_ = nullptr;
};

}  // namespace quorvane
