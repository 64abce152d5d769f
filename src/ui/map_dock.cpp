// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/map_dock.h"

#include <QAbstractItemView>
#include <QAction>
#include <QBoxLayout>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "map/map_data.h"
#include "map/map_files.h"
#include "map/shown_map_styles.h"
#include "model/element_additions.h"
#include "model/presentations.h"
#include "model/theme_document.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "settings/map_choice.h"
#include "ui/main_window.h"
#include "ui/map_canvas.h"
#include "ui/preview_pane.h"

namespace quorvane {

namespace {

// The legend follows the view this long after it stops moving.
constexpr int kLegendDelayMs = 200;
// The progress bar's steps.
constexpr int kProgressSteps = 1000;
// The legend's swatches, in pixels.
constexpr QSize kSwatchSize(28, 16);

// A line of text that shows what fits and ends with "…" where the rest would not: the panel
// keeps its width whatever the pointer is over. The whole text is its tool tip.
class ElidedLine : public QLabel {
  public:
    using QLabel::QLabel;

    void set_full_text(const QString& text) {
        full_text_ = text;
        setToolTip(text);
        elide();
    }
    QSize minimumSizeHint() const override {
        // A line high whatever it shows, empty included: the map above never jumps.
        const QMargins m = contentsMargins();
        return {fontMetrics().averageCharWidth() * 4,
                fontMetrics().height() + m.top() + m.bottom()};
    }
    QSize sizeHint() const override { return minimumSizeHint(); }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        elide();
    }

  private:
    void elide() {
        setText(fontMetrics().elidedText(full_text_, Qt::ElideRight, contentsRect().width()));
    }
    QString full_text_;
};

// What a feature looks like on the map, for the legend: an area as a filled patch (hatched when
// unstyled), a line as its core on its casing.
QIcon legend_swatch(const MapFeatureStyle& style, bool area, PreviewLight light, qreal ratio) {
    QPixmap picture(kSwatchSize * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    const QRectF box(QPointF(0.5, 0.5), QSizeF(kSwatchSize) - QSizeF(1, 1));
    painter.setPen(QPen(unstyled_colour(light), 1));
    if (!style.styled()) {
        painter.setBrush(area ? QBrush(unstyled_colour(light), Qt::BDiagPattern) : Qt::NoBrush);
        if (area) {
            painter.drawRect(box);
        } else {
            painter.drawLine(QPointF(box.left(), box.center().y()),
                             QPointF(box.right(), box.center().y()));
        }
        return QIcon(picture);
    }
    if (area && !style.drawn_as_line) {
        painter.setBrush(style.primary);
        painter.drawRect(box);
        return QIcon(picture);
    }
    const double middle = box.center().y();
    if (style.drawn_as_line && style.border > 0) {
        painter.fillRect(QRectF(box.left(), middle - 6, box.width(), 12), style.secondary);
    }
    painter.fillRect(QRectF(box.left(), middle - 3, box.width(), 6), style.primary);
    return QIcon(picture);
}

// Whether `message` is the message load_map gives for `path`.
bool message_names(const QString& message, const QString& path) {
    return message.startsWith(cannot_read_map_message(path, QString()));
}

}  // namespace

MapDock::MapDock(MainWindow& window) : QDockWidget(tr("Map"), &window), window_(window) {
    setObjectName(QStringLiteral("map_panel"));
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("map_body"));
    auto* rows = new QVBoxLayout(body);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);

    canvas_ = new MapCanvas(body);
    build_toolbar();
    rows->addWidget(findChild<QToolBar*>(QStringLiteral("map_toolbar")));

    splitter_ = new QSplitter(Qt::Horizontal, body);
    splitter_->setObjectName(QStringLiteral("map_splitter"));
    splitter_->setChildrenCollapsible(false);
    canvas_->setParent(splitter_);
    splitter_->addWidget(canvas_);
    legend_ = new QListWidget(splitter_);
    legend_->setObjectName(QStringLiteral("map_legend"));
    legend_->setAccessibleName(tr("Legend"));
    legend_->setIconSize(kSwatchSize);
    legend_->setUniformItemSizes(true);
    legend_->hide();
    splitter_->addWidget(legend_);
    splitter_->setStretchFactor(0, 1);
    rows->addWidget(splitter_, 1);

    progress_row_ = new QWidget(body);
    progress_row_->setObjectName(QStringLiteral("map_progress_row"));
    auto* progress = new QHBoxLayout(progress_row_);
    progress->setContentsMargins(4, 0, 4, 0);
    auto* reading = new QLabel(tr("Reading map data\u2026"), progress_row_);
    reading->setObjectName(QStringLiteral("map_progress_label"));
    progress_bar_ = new QProgressBar(progress_row_);
    progress_bar_->setObjectName(QStringLiteral("map_progress_bar"));
    progress_bar_->setAccessibleName(tr("Reading map data"));
    progress_bar_->setRange(0, kProgressSteps);
    cancel_button_ = new QPushButton(tr("Cancel"), progress_row_);
    cancel_button_->setObjectName(QStringLiteral("map_cancel_button"));
    cancel_button_->setAccessibleName(tr("Cancel reading the map data"));
    progress->addWidget(reading);
    progress->addWidget(progress_bar_, 1);
    progress->addWidget(cancel_button_);
    progress_row_->hide();
    rows->addWidget(progress_row_);

    auto* line = new ElidedLine(body);
    line->setObjectName(QStringLiteral("map_pointer_line"));
    line->setAccessibleName(tr("Feature under the pointer"));
    line->setContentsMargins(4, 0, 4, 2);
    pointer_line_ = line;
    rows->addWidget(pointer_line_);
    setWidget(body);

    legend_timer_ = new QTimer(this);
    legend_timer_->setSingleShot(true);
    legend_timer_->setInterval(kLegendDelayMs);
    connect(legend_timer_, &QTimer::timeout, this, &MapDock::refresh_legend);

    connect(&loader_, &BackgroundMapLoad::progressed, this,
            [this](double done) { progress_bar_->setValue(int(done * kProgressSteps)); });
    connect(&loader_, &BackgroundMapLoad::finished, this, &MapDock::finish_loading);
    connect(cancel_button_, &QPushButton::clicked, this, &MapDock::cancel_loading);

    connect(canvas_, &MapCanvas::hovered, this, &MapDock::show_pointer_text);
    connect(canvas_, &MapCanvas::clicked, this, &MapDock::select_tiles_of);
    connect(canvas_, &MapCanvas::double_clicked, this, &MapDock::edit_style_of);
    connect(canvas_, &MapCanvas::view_changed, legend_timer_, qOverload<>(&QTimer::start));
    connect(legend_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { legend_item_chosen(item, false); });
    connect(legend_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { legend_item_chosen(item, true); });

    connect(&window_.document(), &ThemeDocument::changed, this, &MapDock::follow_document);
    // The map shows the light the tiles show, so night colours being made are seen on it too.
    connect(&window_.preview(), &PreviewPane::light_changed, this, &MapDock::refresh_styles);
    connect(&window_.preview(), &PreviewPane::colours_shown, this, &MapDock::refresh_shown_styles);
    connect(window_.menu().open_map_data_action, &QAction::triggered, this,
            &MapDock::open_map_data);

    const MapChoice choice = load_map_choice(window_.services().working_data_folder);
    hide_unstyled_->setChecked(choice.hide_unstyled);
    show_legend_->setChecked(choice.show_legend);
    wanted_presentation_ = choice.presentation;
    refresh_presentations();
    show_map_name();
}

MapDock::~MapDock() = default;

void MapDock::build_toolbar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("map_toolbar"));
    bar->setAccessibleName(tr("Map"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    presentation_box_ = new QComboBox(bar);
    presentation_box_->setObjectName(QStringLiteral("map_presentation_box"));
    presentation_box_->setAccessibleName(tr("Presentation"));
    presentation_box_->setToolTip(tr("The presentation the map shows"));
    presentation_box_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    presentation_box_->view()->setAccessibleName(tr("Presentations"));
    bar->addWidget(presentation_box_);
    connect(presentation_box_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
        wanted_presentation_ = name;
        refresh_styles();
    });

    const auto action = [this, bar](const char* name, const QString& caption, const QString& tip) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        a->setToolTip(tip);
        bar->addAction(a);
        bar->widgetForAction(a)->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        canvas_->addAction(a);
        return a;
    };
    fit_ = action("map_fit_action", tr("&Fit"), tr("Show the whole map (Home)"));
    connect(fit_, &QAction::triggered, canvas_, &MapCanvas::fit);
    sample_town_ =
        action("map_sample_town_action", tr("&Sample Town"), tr("Show the sample town again"));
    connect(sample_town_, &QAction::triggered, this, &MapDock::show_sample_town);
    QAction* open = window_.menu().open_map_data_action;
    canvas_->addAction(open);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    canvas_->addAction(separator);
    hide_unstyled_ = action("map_hide_unstyled_action", tr("&Hide Unstyled"),
                            tr("Leave out the features the presentation does not style"));
    hide_unstyled_->setCheckable(true);
    connect(hide_unstyled_, &QAction::toggled, this, [this](bool hide) {
        canvas_->set_show_unstyled(!hide);
        refresh_legend();
    });
    show_legend_ = action("map_legend_action", tr("&Legend"),
                          tr("List the features of the map data, styled or not"));
    show_legend_->setCheckable(true);
    connect(show_legend_, &QAction::toggled, this, [this](bool show) {
        legend_->setVisible(show);
        refresh_legend();
    });
    canvas_->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The button that offers the tools a narrow panel has no room for.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(tr("More map tools"));
    }
}

void MapDock::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    if (styles_stale_) {
        refresh_styles();
    }
    show_first_map();
}

void MapDock::show_first_map() {
    if (first_map_asked_) {
        return;
    }
    first_map_asked_ = true;
    const MapChoice choice = load_map_choice(window_.services().working_data_folder);
    if (choice.files.isEmpty()) {
        start_loading({}, true);
    } else {
        start_loading(choice.files, true);
    }
}

void MapDock::open_map_data() {
    const QString folder = files_.isEmpty() ? QString() : QFileInfo(files_.first()).absolutePath();
    const QStringList chosen =
        window_.services().file_dialogs.open_files_dialog(kMapDataFilter, folder);
    if (!chosen.isEmpty()) {
        open_map_files(chosen);
    }
}

void MapDock::open_map_files(const QStringList& paths) {
    if (!isVisible()) {
        // The map is shown where it is read: opening map data brings the panel.
        first_map_asked_ = true;
        window_.panel_action(*this)->setChecked(true);
    }
    start_loading(paths, false);
}

void MapDock::show_sample_town() {
    start_loading({}, false);
}

void MapDock::cancel_loading() {
    loader_.cancel();
    progress_row_->hide();
    window_.statusBar()->showMessage(tr("Reading the map data was cancelled"));
    if (canvas_->map() == nullptr && !loading_files_.isEmpty()) {
        // The first map was cancelled: the sample town, read in a moment, so the map is never
        // empty.
        start_loading({}, true);
    }
}

const MapFeatureTable* MapDock::feature_table() {
    if (table_ == nullptr) {
        QStringList errors;
        if (std::optional<MapFeatureTable> table =
                read_map_feature_table(map_feature_table_path(), &errors)) {
            table_ = std::make_shared<const MapFeatureTable>(std::move(*table));
        } else {
            window_.services().messages.tell(errors.join(QLatin1Char('\n')));
        }
    }
    return table_.get();
}

// `paths` empty: the sample town.
void MapDock::start_loading(const QStringList& paths, bool quietly) {
    if (feature_table() == nullptr) {
        return;
    }
    QStringList read = paths;
    if (read.isEmpty()) {
        read = sample_town_paths();
        if (read.isEmpty()) {
            const QString error = cannot_read_map_message(QStringLiteral("sample-town.osm"),
                                                          tr("it is not installed"));
            if (quietly) {
                window_.statusBar()->showMessage(error);
            } else {
                window_.services().messages.tell(error);
            }
            return;
        }
    }
    loading_quietly_ = quietly;
    loading_files_ = paths;
    progress_bar_->setValue(0);
    progress_row_->show();
    loader_.start(read, table_);
}

void MapDock::finish_loading(const MapLoadResult& result) {
    progress_row_->hide();
    QStringList shown = loading_files_;
    if (!result.errors.isEmpty()) {
        // Only the files read whole are shown, and only when the user wants them.
        shown.removeIf([&](const QString& path) {
            return std::any_of(result.errors.begin(), result.errors.end(),
                               [&](const QString& error) { return message_names(error, path); });
        });
        const QString errors = result.errors.join(QLatin1Char('\n'));
        bool show_rest = false;
        if (loading_quietly_) {
            window_.statusBar()->showMessage(errors);
            if (shown.isEmpty() && !loading_files_.isEmpty()) {
                // The map of the last run is gone: the sample town, so the map is never empty.
                start_loading({}, true);
                return;
            }
            show_rest = !shown.isEmpty() || loading_files_.isEmpty();
        } else if (!shown.isEmpty()) {
            show_rest = window_.services().messages.ask(
                errors + QStringLiteral("\n\n") +
                tr("Show the %n other file(s), which were read whole?", nullptr,
                   int(shown.size())));
        } else {
            window_.services().messages.tell(errors);
        }
        if (!show_rest) {
            return;
        }
    }
    // The view of the last run, for its map; any other map is shown whole.
    std::optional<MapView> view;
    if (loading_quietly_ && canvas_->map() == nullptr) {
        const MapChoice choice = load_map_choice(window_.services().working_data_folder);
        if (choice.metres_per_pixel > 0 && choice.files == shown) {
            // Held within the zooms the map offers, whatever the file says.
            const MapView kept{choice.centre, choice.metres_per_pixel, canvas_->size()};
            view = kept.zoomed_to(kept.zoom_level(), QRectF(QPointF(), QSizeF(kept.size)).center());
        }
    }
    files_ = shown;
    canvas_->set_map(result.map, view);
    const QString incomplete = edge_counts_message(result.map->edge_counts());
    if (!incomplete.isEmpty()) {
        window_.statusBar()->showMessage(incomplete);
    }
    show_map_name();
    refresh_legend();
    remember_choice();
    emit map_shown();
}

const MapData* MapDock::map() const {
    return canvas_->map();
}

QString MapDock::presentation() const {
    return presentation_box_->currentText();
}

void MapDock::set_presentation(const QString& presentation) {
    presentation_box_->setCurrentText(presentation);
}

void MapDock::follow_document(DocumentChange change) {
    if (change != DocumentChange::Styles) {
        refresh_presentations();
    }
    refresh_styles();
}

void MapDock::refresh_presentations() {
    const QStringList names = map_presentations(window_.document().theme());
    QStringList listed;
    for (int k = 0; k < presentation_box_->count(); ++k) {
        listed.append(presentation_box_->itemText(k));
    }
    if (names == listed) {
        return;
    }
    const QString shown = presentation_box_->currentText();
    {
        const QSignalBlocker quiet(presentation_box_);
        presentation_box_->clear();
        presentation_box_->addItems(names);
        presentation_box_->setCurrentText(
            names.contains(wanted_presentation_) ? wanted_presentation_
            : names.contains(shown)              ? shown
                                    : default_map_presentation(window_.document().theme()));
    }
    if (presentation_box_->currentText() != shown) {
        refresh_styles();
    }
}

void MapDock::refresh_styles() {
    if (!isVisible()) {
        styles_stale_ = true;
        return;
    }
    styles_stale_ = false;
    styles_ = map_styles(window_.document().theme(), presentation(), window_.preview().light());
    refresh_shown_styles();
}

void MapDock::refresh_shown_styles() {
    if (styles_stale_) {
        return;
    }
    const PreviewPane& preview = window_.preview();
    canvas_->set_styles(shown_map_styles(window_.document().theme(), styles_, preview.proposal(),
                                         preview.colour_view()));
    refresh_legend();
}

void MapDock::refresh_legend() {
    legend_timer_->stop();
    if (!legend_->isVisible() || canvas_->map() == nullptr || styles_stale_) {
        return;
    }
    const MapStyles& shown = canvas_->styles();
    const bool hide_unstyled = hide_unstyled_->isChecked();
    const qreal ratio = legend_->devicePixelRatioF();
    const QColor faded = legend_->palette().color(QPalette::Disabled, QPalette::Text);
    const QColor plain = legend_->palette().color(QPalette::Active, QPalette::Text);
    int row = 0;
    for (const MapLegendEntry& entry : map_legend(*canvas_->map(), shown, canvas_->view())) {
        if (!entry.in_data || (hide_unstyled && !entry.styled())) {
            continue;
        }
        QListWidgetItem* item = legend_->item(row);
        if (item == nullptr) {
            item = new QListWidgetItem(legend_);
        }
        ++row;
        const QString name = element_display_name(map_feature_name(entry.feature));
        item->setText(entry.styled() ? name : tr("%1 (not styled)").arg(name));
        item->setData(Qt::UserRole, entry.feature);
        item->setIcon(legend_swatch(shown.of(entry.feature), is_area_feature(entry.feature),
                                    shown.light, ratio));
        item->setForeground(entry.in_view ? plain : faded);
        item->setToolTip(entry.in_view
                             ? tr("%1, in view").arg(map_feature_name(entry.feature))
                             : tr("%1, not in view").arg(map_feature_name(entry.feature)));
    }
    while (legend_->count() > row) {
        delete legend_->takeItem(legend_->count() - 1);
    }
}

void MapDock::legend_item_chosen(QListWidgetItem* item, bool open) {
    MapPick pick;
    pick.feature = item->data(Qt::UserRole).toInt();
    pick.element = styles_.of(pick.feature).element;
    if (open) {
        edit_style_of(pick);
    } else {
        select_tiles_of(pick);
    }
}

void MapDock::show_pointer_text(const MapPick& pick) {
    if (pick.feature == kNoMapFeature) {
        show_map_name();
        return;
    }
    QString text = map_pick_text(window_.document().theme(), styles_, pick);
    if (!pick.name.isEmpty()) {
        text += QStringLiteral(" \u00b7 ") + pick.name;
    }
    static_cast<ElidedLine*>(pointer_line_)->set_full_text(text);
}

void MapDock::show_map_name() {
    if (canvas_->map() == nullptr) {
        // Nothing is shown yet: the first map is still being read.
        static_cast<ElidedLine*>(pointer_line_)->set_full_text(QString());
        return;
    }
    QStringList names;
    for (const QString& path : files_) {
        names.append(QFileInfo(path).fileName());
    }
    static_cast<ElidedLine*>(pointer_line_)
        ->set_full_text(names.isEmpty() ? tr("Sample Town") : names.join(QStringLiteral(", ")));
}

void MapDock::select_tiles_of(const MapPick& pick) {
    const std::vector<int> tiles =
        map_feature_elements(window_.document().theme(), presentation(), pick.feature);
    if (tiles.empty()) {
        return;
    }
    window_.preview().select_tiles(tiles);
    window_.preview().scroll_to_tile(tiles.front());
}

void MapDock::edit_style_of(const MapPick& pick) {
    if (pick.feature == kNoMapFeature) {
        return;
    }
    ThemeDocument& document = window_.document();
    const QString shown = presentation();
    if (map_feature_elements(document.theme(), shown, pick.feature).empty()) {
        const QString name = element_display_name(map_feature_name(pick.feature));
        if (!window_.services().messages.ask(
                tr("%1 is not styled in %2. Add it to %2?").arg(name, shown))) {
            return;
        }
        ElementPick added;
        added.rank = presentation_rank(shown).value_or(0);
        added.presentation = shown;
        (is_area_feature(pick.feature) ? added.polygons : added.lines)
            .append(map_feature_name(pick.feature));
        if (document.add_elements(added) == 0) {
            return;
        }
    }
    const std::vector<int> tiles = map_feature_elements(document.theme(), shown, pick.feature);
    if (tiles.empty()) {
        return;
    }
    select_tiles_of(pick);
    window_.open_style_editor(tiles.front());
}

void MapDock::remember_choice() const {
    MapChoice choice = load_map_choice(window_.services().working_data_folder);
    choice.presentation = presentation();
    choice.hide_unstyled = hide_unstyled_->isChecked();
    choice.show_legend = show_legend_->isChecked();
    if (canvas_->map() != nullptr) {
        choice.files = files_;
        choice.centre = canvas_->view().centre;
        choice.metres_per_pixel = canvas_->view().metres_per_pixel;
    }
    save_map_choice(window_.services().working_data_folder, choice);
}

}  // namespace quorvane
