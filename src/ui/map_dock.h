// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDockWidget>
#include <memory>

#include "map/background_map_load.h"
#include "map/map_picking.h"
#include "map/map_styles.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTimer;

namespace quorvane {

class MainWindow;
class MapCanvas;
class MapData;
class MapFeatureTable;
enum class DocumentChange;

// The Map panel: the open theme drawn as a map of the sample town or of map data the user
// opens, for one presentation, by day or by night as the window's view, and live: every change
// of the theme, of the colour view and every recolouring tried out in a dialog shows at once.
// A click on a feature selects its tiles, a double-click edits its style (or offers to add a
// feature the presentation lacks). Map data is read in a worker thread; a file that cannot be
// read leaves the map shown and the theme as they were.
class MapDock : public QDockWidget {
    Q_OBJECT

  public:
    explicit MapDock(MainWindow& window);
    ~MapDock() override;

    // File > Open Map Data…: asks for files, then shows them together.
    void open_map_data();
    // Reads these files in the background and shows them together once all are read whole.
    void open_map_files(const QStringList& paths);
    void show_sample_town();
    void cancel_loading();

    // The presentation shown (upper case, as the map compares names).
    QString presentation() const;
    void set_presentation(const QString& presentation);

    // What a click and a double-click on the map do with the feature they hit.
    void select_tiles_of(const MapPick& pick);
    void edit_style_of(const MapPick& pick);

    // Keeps what the panel shows for the next run.
    void remember_choice() const;

    MapCanvas& canvas() const { return *canvas_; }
    // The map shown; null until the first one is read.
    const MapData* map() const;
    // The files shown; empty for the sample town.
    const QStringList& files() const { return files_; }
    const BackgroundMapLoad& loader() const { return loader_; }
    QLabel& pointer_line() const { return *pointer_line_; }
    QListWidget& legend() const { return *legend_; }
    QAction* hide_unstyled_action() const { return hide_unstyled_; }
    QAction* legend_action() const { return show_legend_; }

  signals:
    // A map was read and is shown now.
    void map_shown();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void build_toolbar();
    // The first showing: the map of the last run, else the sample town.
    void show_first_map();
    void start_loading(const QStringList& paths, bool quietly);
    void finish_loading(const MapLoadResult& result);
    const MapFeatureTable* feature_table();
    void follow_document(DocumentChange change);
    void refresh_presentations();
    // The theme's styles for the presentation and light, then the styles as shown.
    void refresh_styles();
    void refresh_shown_styles();
    void refresh_legend();
    void show_pointer_text(const MapPick& pick);
    void show_map_name();
    void legend_item_chosen(QListWidgetItem* item, bool open);

    MainWindow& window_;
    MapCanvas* canvas_ = nullptr;
    QComboBox* presentation_box_ = nullptr;
    QAction* fit_ = nullptr;
    QAction* sample_town_ = nullptr;
    QAction* hide_unstyled_ = nullptr;
    QAction* show_legend_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QListWidget* legend_ = nullptr;
    QTimer* legend_timer_ = nullptr;
    QLabel* pointer_line_ = nullptr;
    QWidget* progress_row_ = nullptr;
    QProgressBar* progress_bar_ = nullptr;
    QPushButton* cancel_button_ = nullptr;

    BackgroundMapLoad loader_;
    std::shared_ptr<const MapFeatureTable> table_;
    bool first_map_asked_ = false;
    // Loading quietly: what cannot be read goes to the status bar (the remembered map at start).
    bool loading_quietly_ = false;
    // The files shown and those being read; empty for the sample town.
    QStringList files_;
    QStringList loading_files_;
    // The presentation the user chose last (or the last run showed): shown whenever the theme
    // has it.
    QString wanted_presentation_;
    // The theme's styles, and whether they wait for the panel to show.
    MapStyles styles_;
    bool styles_stale_ = true;
};

}  // namespace quorvane
