#include "ui/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

#include "settings/working_data.h"
#include "geometry/twips.h"
#include "model/version.h"
#include "platform/messages.h"
#include "model/presentation_list.h"
#include "preview/preview_painter.h"
#include "preview/pane_geometry.h"
#include "ui/preview_canvas.h"
#include "ui/preview_pane.h"

namespace quorvane {

namespace {

QFont window_font() {
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(8);
    return f;
}

}  // namespace

MainWindow::MainWindow(Theme& theme, const MainWindowServices& services,
                       const QString& command_line, QWidget* parent)
    : QMainWindow(parent), theme_(theme), services_(services) {
    setObjectName(QStringLiteral("f1"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    menuBar()->setNativeMenuBar(false);
    menu_ = build_main_menu(*menuBar());

    client_ = new QWidget(this);
    client_->setFont(window_font());
    setCentralWidget(client_);
    controls_ = build_main_window_controls(*client_);
    pane_ = new PreviewPane(theme_, client_);
    client_->installEventFilter(this);
    controls_.text4->installEventFilter(this);

    // Start-up.
    command_line_path_ = QString(command_line).remove(QLatin1Char('"'));
    RecentFiles restored = recent_.captions();
    load_working_data(services_.working_data_folder, restored);
    recent_.restore(restored);
    refresh_recent_menu();
    const QSize client_size = to_pixels(layout_table::kClientArea).size();
    resize(client_size.width(), client_size.height() + menuBar()->sizeHint().height());
    if (const QScreen* s = screen()) {
        move(x(), s->geometry().top() + (s->geometry().height() - height()) / 2);
    }
    update_caption(QString());
    theme_.file_name = kUntitledFileName;
    refresh_metadata_fields();
    refresh_presentation_list();
    connect_commands();
    start_update_check();
}

MainWindow::~MainWindow() = default;

void MainWindow::connect_commands() {
    connect(menu_.mf[0], &QAction::triggered, this, [this] { new_command(); });
    connect(menu_.mf[2], &QAction::triggered, this, &MainWindow::open_command);
    connect(menu_.mf[4], &QAction::triggered, this, &MainWindow::save_command);
    connect(menu_.mf[6], &QAction::triggered, this, &MainWindow::show_about);
    connect(menu_.mf[10], &QAction::triggered, this, &MainWindow::close);
    for (int k = 0; k < 6; ++k) {
        connect(menu_.recent_file(k), &QAction::triggered, this,
                [this, k] { recent_file_command(k); });
    }
    connect(menu_.med[0], &QAction::triggered, this, [this] { edit_menu_command(0); });
    connect(menu_.med[1], &QAction::triggered, this, [this] { edit_menu_command(1); });
    connect(menu_.mhlp[0], &QAction::triggered, this, &MainWindow::check_for_updates);
    connect(menu_.mhlp[2], &QAction::triggered, this, &MainWindow::open_manual);

    connect(controls_.command2, &QPushButton::clicked, this, &MainWindow::add_elements);
    connect(controls_.command1, &QPushButton::clicked, this, &MainWindow::search_command);

    // The metadata fields are the theme's metadata: what the user types goes straight in.
    connect(controls_.title, &QLineEdit::textEdited, this,
            [this](const QString& text) { theme_.metadata.title = text; });
    connect(controls_.text1, &QLineEdit::textEdited, this,
            [this](const QString& text) { theme_.metadata.locale = text; });
    connect(controls_.text2, &QLineEdit::textEdited, this,
            [this](const QString& text) { theme_.metadata.version = text; });
    connect(controls_.text3, &QPlainTextEdit::textChanged, this, [this] {
        theme_.metadata.description =
            controls_.text3->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    });

    connect(pane_, &PreviewPane::tile_pressed, this, &MainWindow::select_tile);
    connect(pane_, &PreviewPane::tile_double_clicked, this, [this](int element) {
        edit_index_ = element;
        open_style_editor(element);
    });
    connect(pane_, &PreviewPane::file_dropped, this, &MainWindow::open_dropped_file);
}

void MainWindow::plot(int mode) { pane_->plot(mode); }

void MainWindow::relist_presentations() {
    quorvane::relist_presentations(theme_);
    refresh_presentation_list();
}

void MainWindow::set_update_available(bool available) { controls_.label3->setVisible(available); }

void MainWindow::select_tile(int element) {
    edit_index_ = element;
    pane_->frame_tile(element);
}

void MainWindow::activated() {
    pane_->set_relayout_flag();
    open_command_line_file();
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        activated();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Where no window manager activates the window, its first showing stands in for it.
    if (!shown_once_) {
        shown_once_ = true;
        QTimer::singleShot(0, this, [this] {
            if (!command_line_path_.isEmpty()) {
                activated();
            }
        });
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (theme_.modified && services_.messages.ask(QStringLiteral("Save project?"))) {
        // The user saves first and closes again.
        save_command();
        event->ignore();
        return;
    }
    save_working_data(services_.working_data_folder, recent_.captions(), services_.messages, services_.busy);
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize) {
        pane_->fit_to_window(pixels_to_twips(client_->width()), pixels_to_twips(client_->height()));
    } else if (watched == controls_.text4 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            search_command();
            return true;
        }
        // Any other key starts the search over.
        search_.reset();
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::update_caption(const QString& path) {
    setWindowTitle(QStringLiteral("Quorvane ") + kVersionText + QStringLiteral(" ") +
                   path.toLower());
}

void MainWindow::remember_recent_file(const QString& path) {
    if (!path.isEmpty()) {
        update_caption(path);
    }
    recent_.update(path);
    refresh_recent_menu();
}

void MainWindow::refresh_recent_menu() {
    for (int k = 0; k < 6; ++k) {
        QAction* item = menu_.recent_file(k);
        set_recent_caption(*item, recent_.captions()[size_t(k)]);
        item->setEnabled(recent_.enabled(k));
    }
}

void MainWindow::refresh_metadata_fields() {
    const QSignalBlocker block(controls_.text3);
    controls_.title->setText(theme_.metadata.title);
    controls_.text3->setPlainText(
        QString(theme_.metadata.description).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    controls_.text1->setText(theme_.metadata.locale);
    controls_.text2->setText(theme_.metadata.version);
}

void MainWindow::refresh_presentation_list() {
    controls_.list1->clear();
    for (QString name : theme_.listed_presentations) {
        // A name keeps the line break it was read with; the list shows one line per name.
        controls_.list1->addItem(name.remove(QLatin1Char('\r')).remove(QLatin1Char('\n')));
    }
}

}  // namespace quorvane
