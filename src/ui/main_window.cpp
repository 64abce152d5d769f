// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QUndoStack>

#include "geometry/twips.h"
#include "model/version.h"
#include "platform/messages.h"
#include "settings/window_arrangement.h"
#include "settings/working_data.h"
#include "ui/alt_letter_filter.h"
#include "ui/main_window_controls.h"
#include "ui/map_canvas.h"
#include "ui/map_dock.h"
#include "ui/presentation_manager.h"
#include "ui/preview_canvas.h"
#include "ui/preview_pane.h"
#include "ui/problems_panel.h"
#include "ui/recolour_commands.h"

namespace quorvane {

namespace {

// The preview's least size: a few columns of tiles and a few rows.
constexpr QSize kLeastPreviewSize(300, 200);
// The first window: the preview as wide, and the window as tall, as they were before the panels
// came, so the tiles wrap as they always did; smaller where the screen is.
constexpr int kFirstPreviewWidth = 825;
constexpr int kFirstWindowHeight = 731;
// What the desktop adds around a window: its title bar and borders (known only once shown).
constexpr QSize kFrameAllowance(8, 38);
// The version of the panels' arrangement this window saves; another one is not restored.
constexpr int kArrangementVersion = 1;

// A column of controls that scrolls up and down when it is taller than its place, and is never
// narrower than its controls, scroll bar included.
class ColumnScroller : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;

    QSize minimumSizeHint() const override {
        return QSize(column_width(widget()->minimumSizeHint()),
                     QScrollArea::minimumSizeHint().height());
    }
    QSize sizeHint() const override {
        const QSize wanted = widget()->sizeHint();
        return QSize(column_width(wanted), wanted.height() + 2 * frameWidth());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The column's controls settle their sizes late (fonts, styles): the panel follows.
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry();
        }
        return QScrollArea::eventFilter(watched, event);
    }

  private:
    int column_width(QSize column) const {
        return column.width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    }
};

// The description box shows LF line ends; the theme keeps CR LF.
QString description_for_box(const QString& text) {
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
QString description_for_theme(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

}  // namespace

MainWindow::MainWindow(ThemeDocument& document, const MainWindowServices& services,
                       const QString& command_line_file, QWidget* parent)
    : QMainWindow(parent), document_(document), services_(services) {
    setObjectName(QStringLiteral("main_window"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    menuBar()->setNativeMenuBar(false);
    menu_ = build_main_menu(*menuBar());
    // While the window lives, Alt+letter opens menus or presses buttons, never types.
    QCoreApplication::instance()->installEventFilter(new AltLetterFilter(this));

    undo_action_ = document_.history().createUndoAction(this);
    undo_action_->setObjectName(QStringLiteral("undo_action"));
    undo_action_->setShortcuts(QKeySequence::Undo);
    redo_action_ = document_.history().createRedoAction(this);
    redo_action_->setObjectName(QStringLiteral("redo_action"));
    // "&Undo Colour of WATER": each language words the caption around the step's name.
    const auto name_steps = [this] {
        const QString undo = document_.history().undoText();
        const QString redo = document_.history().redoText();
        undo_action_->setText(undo.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undo));
        redo_action_->setText(redo.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redo));
    };
    name_steps();
    // After the actions' own connections, so these captions are the last word.
    connect(&document_.history(), &QUndoStack::undoTextChanged, this, name_steps);
    connect(&document_.history(), &QUndoStack::redoTextChanged, this, name_steps);
    // Ctrl+Y as well, where the desktop's Redo is another key: many users know it.
    QList<QKeySequence> redo_keys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrl_y(Qt::CTRL | Qt::Key_Y);
    if (!redo_keys.contains(ctrl_y)) {
        redo_keys.append(ctrl_y);
    }
    redo_action_->setShortcuts(redo_keys);
    QAction* first_edit_item = menu_.edit_menu->actions().value(0);
    menu_.edit_menu->insertAction(first_edit_item, undo_action_);
    menu_.edit_menu->insertAction(first_edit_item, redo_action_);
    menu_.edit_menu->insertSeparator(first_edit_item);

    // The preview fills the middle; the panels share the space around it.
    preview_area_ = new QWidget(this);
    preview_area_->setObjectName(QStringLiteral("preview_area"));
    // Room for a few columns of tiles and a few rows however small the window gets.
    preview_area_->setMinimumSize(kLeastPreviewSize);
    setCentralWidget(preview_area_);
    pane_ = new PreviewPane(document_.theme(), preview_area_);
    preview_area_->installEventFilter(this);
    setStatusBar(new QStatusBar(this));
    setDockOptions(AnimatedDocks | AllowNestedDocks | AllowTabbedDocks);
    // The panels at the sides reach from the menu bar to the status bar; those at the bottom
    // share the preview's width only.
    setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::TopRightCorner, Qt::RightDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    set_up_theme_panel();
    controls_.search_box->installEventFilter(this);

    files_ = new ThemeFiles(document_, services_.messages, services_.busy, services_.file_dialogs,
                            services_.working_data_folder, this);

    command_line_file_ = command_line_file;
    RecentFiles restored = recent_.captions();
    load_working_data(services_.working_data_folder, restored);
    recent_.restore(restored);
    refresh_recent_menu();
    update_caption();
    refresh_metadata_boxes();
    refresh_presentation_list();
    connect_commands();
    connect_view_commands();
    connect_tile_commands();
    connect_metadata_boxes();
    set_up_problems_panel();
    recolour_ = new RecolourCommands(*this);
    set_up_map_panel();
    // Every panel stands now: the window takes its first size, then the user's arrangement.
    fit_first_size();
    restore_arrangement();
    start_update_check();
}

MainWindow::~MainWindow() = default;

void MainWindow::connect_commands() {
    connect(menu_.new_action, &QAction::triggered, files_, &ThemeFiles::new_theme);
    connect(menu_.open_action, &QAction::triggered, files_, &ThemeFiles::open_chosen_file);
    connect(menu_.save_action, &QAction::triggered, files_, &ThemeFiles::save);
    connect(menu_.save_as_action, &QAction::triggered, files_, &ThemeFiles::save_as);
    connect(menu_.about_action, &QAction::triggered, this, &MainWindow::show_about);
    connect(menu_.exit_action, &QAction::triggered, this, &MainWindow::close);
    for (int k = 0; k < kRecentFileCount; ++k) {
        connect(menu_.recent_file_actions[size_t(k)], &QAction::triggered, this,
                [this, k] { recent_file_command(k); });
    }
    connect(menu_.add_presentations_action, &QAction::triggered, this,
            [this] { edit_menu_command(PresentationManagerMode::Add); });
    connect(menu_.remove_presentations_action, &QAction::triggered, this,
            [this] { edit_menu_command(PresentationManagerMode::Remove); });
    connect(menu_.check_updates_action, &QAction::triggered, this, &MainWindow::check_for_updates);
    connect(menu_.manual_action, &QAction::triggered, this, &MainWindow::open_manual);

    connect(controls_.add_button, &QPushButton::clicked, this, &MainWindow::add_elements);
    connect(controls_.search_button, &QPushButton::clicked, this, &MainWindow::search_command);

    connect(pane_, &PreviewPane::tile_double_clicked, this, [this](int element) {
        pane_->select_tile(element);
        open_style_editor(element);
    });
    connect(pane_, &PreviewPane::file_dropped, this, &MainWindow::open_dropped_file);

    connect(&document_, &ThemeDocument::changed, this, &MainWindow::follow_document);
    connect(&document_, &ThemeDocument::modified_changed, this,
            [this](bool modified) { setWindowModified(modified); });
    connect(files_, &ThemeFiles::file_used, this, [this](const QString& path) {
        remember_recent_file(path);
        update_caption();
    });
    connect(files_, &ThemeFiles::remark, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
}

void MainWindow::connect_metadata_boxes() {
    // What the user types goes to the document; each visit of a box is one step of the history.
    const auto follow = [this](QWidget* box, MetadataField field, auto text_of) {
        box->installEventFilter(this);
        box->setProperty("metadata_field", int(field));
        return [this, field, text_of] { document_.set_metadata(field, text_of()); };
    };
    connect(controls_.title_box, &QLineEdit::textEdited, this,
            follow(controls_.title_box, MetadataField::Title,
                   [this] { return controls_.title_box->text(); }));
    connect(controls_.locale_box, &QLineEdit::textEdited, this,
            follow(controls_.locale_box, MetadataField::Locale,
                   [this] { return controls_.locale_box->text(); }));
    connect(controls_.version_box, &QLineEdit::textEdited, this,
            follow(controls_.version_box, MetadataField::Version,
                   [this] { return controls_.version_box->text(); }));
    connect(controls_.description_box, &QPlainTextEdit::textChanged, this,
            follow(controls_.description_box, MetadataField::Description, [this] {
                return description_for_theme(controls_.description_box->toPlainText());
            }));
}

void MainWindow::add_panel(QDockWidget* panel, Qt::DockWidgetArea area, const QString& caption) {
    Q_ASSERT(!panel->objectName().isEmpty());
    panel->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                       QDockWidget::DockWidgetFloatable);
    addDockWidget(area, panel);
    // The panel's own toggle action carries its changing title; the menu keeps a fixed caption
    // with a mnemonic.
    QAction* shown = menu_.panels_menu->addAction(caption);
    shown->setObjectName(panel->objectName() + QStringLiteral("_action"));
    shown->setCheckable(true);
    shown->setChecked(!panel->isHidden());
    connect(shown, &QAction::toggled, panel, [panel](bool show) {
        panel->setVisible(show);
        if (show) {
            panel->raise();  // in front of the panels tabbed with it
        }
    });
    connect(panel->toggleViewAction(), &QAction::toggled, shown, &QAction::setChecked);
    panel_actions_.insert(panel, shown);
}

// The theme's controls, in a column that scrolls when the window is too short for it.
void MainWindow::set_up_theme_panel() {
    theme_panel_ = new QDockWidget(tr("Theme"), this);
    theme_panel_->setObjectName(QStringLiteral("theme_panel"));
    auto* scroller = new ColumnScroller(theme_panel_);
    scroller->setObjectName(QStringLiteral("theme_scroller"));
    scroller->setAccessibleName(tr("Theme"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* column = new QWidget(scroller);
    column->setObjectName(QStringLiteral("theme_column"));
    controls_ = build_main_window_controls(*column);
    scroller->setWidget(column);
    theme_panel_->setWidget(scroller);
    add_panel(theme_panel_, Qt::LeftDockWidgetArea, tr("&Theme"));
}

// The Problems panel docks below the preview; it starts hidden and shows itself when an opened
// theme has errors.
void MainWindow::set_up_problems_panel() {
    problems_ = new ProblemsPanel(document_, this);
    problems_->hide();
    add_panel(problems_, Qt::BottomDockWidgetArea, tr("&Problems"));
    connect(problems_, &ProblemsPanel::element_chosen, this, [this](int element) {
        pane_->select_tile(element);
        pane_->scroll_to_tile(element);
    });
    connect(problems_, &ProblemsPanel::element_opened, this, [this](int element) {
        pane_->select_tile(element);
        pane_->scroll_to_tile(element);
        open_style_editor(element);
    });
}

// The Map panel starts hidden at the right; View > Map (Ctrl+M) shows it and gives it the keys.
void MainWindow::set_up_map_panel() {
    map_ = new MapDock(*this);
    map_->hide();
    add_panel(map_, Qt::RightDockWidgetArea, tr("&Map"));
    QAction* shown = panel_action(*map_);
    shown->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    menu_.view_menu->insertAction(menu_.panels_menu->menuAction(), shown);
    connect(shown, &QAction::triggered, this, [this](bool show) {
        if (show) {
            map_->canvas().setFocus(Qt::ShortcutFocusReason);
        }
    });
}

void MainWindow::fit_first_size() {
    // The column's sizes with the texts it shows now: a window not shown yet keeps the sizes
    // its layouts measured first.
    for (QLayout* rows : theme_panel_->findChildren<QLayout*>()) {
        rows->invalidate();
    }
    theme_panel_->widget()->updateGeometry();
    const int separator = style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, this);
    QSize size(theme_panel_->sizeHint().width() + separator + kFirstPreviewWidth,
               kFirstWindowHeight);
    const QScreen* shown_on = screen();
    if (shown_on == nullptr) {
        resize(size);
        return;
    }
    const QRect room = shown_on->availableGeometry();
    size = size.boundedTo(room.size() - kFrameAllowance);
    resize(size);
    const QSize framed = size + kFrameAllowance;
    move(room.left() + (room.width() - framed.width()) / 2,
         room.top() + (room.height() - framed.height()) / 2);
}

void MainWindow::restore_arrangement() {
    const WindowArrangement kept = load_window_arrangement(services_.working_data_folder);
    if (!kept.geometry.isEmpty()) {
        restoreGeometry(kept.geometry);
    }
    if (!kept.panels.isEmpty()) {
        restoreState(kept.panels, kArrangementVersion);
    }
}

void MainWindow::follow_document(DocumentChange change) {
    if (change == DocumentChange::Styles) {
        // Names, order and presentations are as they were: the matches and the layout stand.
        pane_->repaint_tiles();
    } else {
        if (change == DocumentChange::Replaced) {
            search_.reset();
            pane_->clear_selection();
        }
        // The matches first: the preview lays out what the filter lets through.
        filter_.refresh(document_.theme());
        show_match_count();
        pane_->relayout(PreviewPane::RelayoutReason::ThemeChanged);
        refresh_presentation_list();
    }
    refresh_tile_commands();
    refresh_metadata_boxes();
    update_caption();
}

void MainWindow::set_update_available(bool available) {
    controls_.update_notice->setVisible(available);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_once_) {
        shown_once_ = true;
        // Once the window stands: first what a crashed editor left, then the command line's file.
        QTimer::singleShot(0, this, [this] {
            offer_recovery();
            if (!command_line_file_.isEmpty()) {
                const QString path = std::exchange(command_line_file_, QString());
                open_theme(path, OpenSource::CommandLine);
            }
        });
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) {
        emphasise_add_button(controls_);
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!settle_unsaved_changes()) {
        event->ignore();
        return;
    }
    save_recent_files();
    map_->remember_choice();
    save_window_arrangement(services_.working_data_folder,
                            WindowArrangement{saveGeometry(), saveState(kArrangementVersion)});
    files_->recovery().forget();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == preview_area_ && event->type() == QEvent::Resize) {
        pane_->fit_to_area(pixels_to_twips(preview_area_->width()),
                           pixels_to_twips(preview_area_->height()));
    } else if (watched == controls_.search_box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            search_command();
            return true;
        }
        if (key == Qt::Key_Escape && !controls_.search_box->text().isEmpty()) {
            controls_.search_box->clear();
            return true;
        }
        // Any other key starts the search over.
        search_.reset();
    } else if (watched == controls_.description_box && event->type() == QEvent::KeyPress) {
        // Tab leaves the box; Ctrl+Tab types the tab a description may hold.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
            controls_.description_box->insertPlainText(QStringLiteral("\t"));
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && watched->property("metadata_field").isValid()) {
        document_.end_typing();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::update_caption() {
    // The path exactly as the file system has it; "[*]" shows the unsaved mark.
    const QString path = document_.has_file() ? document_.file_name() : QString();
    setWindowTitle(QStringLiteral("Quorvane ") + kVersionText + QStringLiteral(" ") + path +
                   QStringLiteral("[*]"));
    setWindowModified(document_.is_modified());
}

void MainWindow::remember_recent_file(const QString& path) {
    recent_.remember(path);
    refresh_recent_menu();
    save_recent_files();
}

void MainWindow::forget_recent_file(int k) {
    recent_.forget(k);
    refresh_recent_menu();
    save_recent_files();
}

void MainWindow::save_recent_files() {
    MessageList messages;
    save_working_data(services_.working_data_folder, recent_.captions(), messages);
    services_.messages.tell_each(messages);
}

void MainWindow::refresh_recent_menu() {
    for (int k = 0; k < kRecentFileCount; ++k) {
        QAction* item = menu_.recent_file_actions[size_t(k)];
        set_recent_caption(*item, k, recent_.captions()[size_t(k)]);
        item->setEnabled(recent_.enabled(k));
    }
}

void MainWindow::refresh_metadata_boxes() {
    // Only a box whose text differs is set, so the cursor stays where the user types.
    const Metadata& m = document_.theme().metadata;
    const auto set_line = [](QLineEdit* box, const QString& text) {
        if (box->text() != text) {
            box->setText(text);
        }
    };
    set_line(controls_.title_box, m.title);
    set_line(controls_.locale_box, m.locale);
    set_line(controls_.version_box, m.version);
    const QString description = description_for_box(m.description);
    if (controls_.description_box->toPlainText() != description) {
        const QSignalBlocker block(controls_.description_box);
        controls_.description_box->setPlainText(description);
    }
}

void MainWindow::refresh_presentation_list() {
    controls_.presentation_list->clear();
    for (QString name : document_.theme().listed_presentations) {
        // A name keeps the line break it was read with; the list shows one line per name.
        controls_.presentation_list->addItem(
            name.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')));
    }
}

}  // namespace quorvane
