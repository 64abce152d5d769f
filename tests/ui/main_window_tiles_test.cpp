// SPDX-License-Identifier: GPL-3.0-or-later
// Working with many tiles at once in the main window: selecting with the mouse and the keys,
// deleting, copying and pasting styles, the tiles' menu, and what assistive technology sees.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "format/reader.h"
#include "main_window_session.h"
#include "model/copied_style.h"
#include "model/presentation_list.h"
#include "model/presentations.h"
#include "preview/preview_painter.h"
#include "preview/tile_selection.h"
#include "text/ascii_text.h"
#include "ui/about_box.h"
#include "ui/element_picker.h"
#include "ui/presentation_manager.h"
#include "ui/style_editor.h"
#include "ui/update_dialog.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

Element element(int rank, const QString& field, bool line, int shade) {
    Element e;
    e.sort_code = rank * 10 + (line ? 1 : 0);
    e.field_name = QStringLiteral("MAP_%1_CLR").arg(field);
    e.display_name = QString(field).replace(QLatin1Char('_'), QLatin1Char(' '));
    e.presentation = presentation_names()[rank];
    e.primary_day = QStringLiteral("%1%1%1").arg(shade % 256, 2, 16, QLatin1Char('0'));
    e.primary_night = QStringLiteral("000080");
    if (line) {
        e.scale = QStringLiteral("1");
        e.border = QStringLiteral(".6");
        e.secondary_day = QStringLiteral("0a0a0a");
        e.secondary_night = QStringLiteral("DD0011");
    }
    return e;
}

// Twelve tiles fit a row. GUIDANCE: polygons AREA 0-2 (0-2), lines ROAD 0-11 (3-14), rows 0-11
// and 12-14. BROWSE: polygon AREA 0 (15) and lines ROAD 0-2 (16-18), one row. TRAFFIC: 120
// lines (19-138) in ten rows, more than the viewport shows.
constexpr int kTiles = 139;
Theme sample_theme() {
    Theme theme;
    for (int k = 0; k < 3; ++k) {
        theme.elements.push_back(element(0, QStringLiteral("AREA_%1").arg(k), false, k));
    }
    for (int k = 0; k < 12; ++k) {
        theme.elements.push_back(element(0, QStringLiteral("ROAD_%1").arg(k), true, 10 + k));
    }
    theme.elements.push_back(element(1, QStringLiteral("AREA_0"), false, 40));
    for (int k = 0; k < 3; ++k) {
        theme.elements.push_back(element(1, QStringLiteral("ROAD_%1").arg(k), true, 50 + k));
    }
    for (int k = 0; k < 120; ++k) {
        theme.elements.push_back(element(2, QStringLiteral("JAM_%1").arg(k), true, 100 + k));
    }
    relist_presentations(theme);
    theme.metadata.title = QStringLiteral("Tiles");
    return theme;
}

std::vector<int> range(int first, int last) {
    std::vector<int> tiles;
    for (int k = first; k <= last; ++k) {
        tiles.push_back(k);
    }
    return tiles;
}

QStringList list_texts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        texts << list->item(row)->text();
    }
    return texts;
}

// Files keep colour texts in upper case.
ElementStyle upper_cased(ElementStyle style) {
    for (QString* colour : {&style.colours.primary_day, &style.colours.primary_night,
                            &style.colours.secondary_day, &style.colours.secondary_night}) {
        *colour = colour->toUpper();
    }
    return style;
}

QStringList menu_captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

// A control is what a user acts on; the parts Qt builds inside one (a list's scroll bars, a
// menu bar's extension button) are named by the control that holds them.
bool is_control(const QWidget* w) {
    static const char* const kOwnControls[] = {
        "quorvane::ColourCell",    "quorvane::PaletteGrid", "quorvane::SpectrumPicture",
        "quorvane::SamplePicture", "quorvane::LinkLabel",   "quorvane::PreviewCanvas"};
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
        qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
        qobject_cast<const QAbstractSpinBox*>(w)) {
        return true;
    }
    return std::any_of(std::begin(kOwnControls), std::end(kOwnControls),
                       [w](const char* name) { return w->inherits(name); });
}

QStringList unnamed_controls(const QWidget& window) {
    QStringList unnamed;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        bool part = false;
        for (const QWidget* p = w->parentWidget(); p != nullptr && p != &window;
             p = p->parentWidget()) {
            part = part || is_control(p) || qobject_cast<const QMenuBar*>(p) ||
                   qobject_cast<const QMenu*>(p);
        }
        if (!part && is_control(w) && w->accessibleName().isEmpty()) {
            unnamed << w->objectName() + QStringLiteral(" (") + w->metaObject()->className() +
                           QStringLiteral(")");
        }
    }
    return unnamed;
}

}  // namespace

class MainWindowTilesTest : public QObject {
    Q_OBJECT

    struct Session : MainWindowSession {
        using MainWindowSession::MainWindowSession;

        bool open_sample() {
            if (!show() || !QTest::qWaitForWindowActive(window.get())) {
                return false;
            }
            document.replace(sample_theme(), QStringLiteral("tiles.kmtf"), false);
            return theme().element_count() == kTiles;
        }
        const TileSelection& selection() const { return window->selection(); }
        std::vector<int> selected() const { return selection().selected(); }
        // Clicks tile k, scrolled into view first.
        void click(int k, Qt::KeyboardModifiers modifiers = {}) {
            window->preview().show_tile(k);
            QTest::mouseClick(canvas(), Qt::LeftButton, modifiers, canvas()->tile_rect(k).center());
        }
        void key(int key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(canvas(), Qt::Key(key), modifiers);
        }
        // Whether tile k shows whole in the viewport, label included.
        bool shows_whole(int k) {
            const PreviewLayout& layout = window->preview().layout();
            const QRect tile = canvas()->tile_rect(k);
            const QRect with_label(
                canvas()->mapTo(window->preview().viewport(), tile.topLeft()),
                to_pixels(layout.tile_rect(k).united(layout.label_rect(k))).size());
            return window->preview().viewport()->rect().contains(with_label);
        }
        // Whether tile k wears the magenta frame in the canvas's picture.
        bool framed(int k) {
            window->preview().show_tile(k);
            const PreviewLayout& layout = window->preview().layout();
            const QRect frame = to_pixels(layout.selection_frame(k))
                                    .translated(canvas()->tile_rect(k).topLeft() -
                                                to_pixels(layout.tile_rect(k)).topLeft());
            const QImage picture = canvas()->grab().toImage();
            return picture.pixelColor(frame.left(), frame.center().y()) == kSelectionColour;
        }
        void context_menu(int k) {
            window->preview().show_tile(k);
            const QPoint at = canvas()->tile_rect(k).center();
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, canvas()->mapToGlobal(at));
            QApplication::sendEvent(canvas(), &event);
        }
        QString status() const { return window->statusBar()->currentMessage(); }
    };

    std::unique_ptr<QTemporaryDir> dir_;
    QString system_;

  private slots:
    // The run's first canvas is what a screen reader running from start-up meets: naming a
    // widget keeps the accessibility interface it has then, which must be the preview's own.
    void initTestCase() {
        QTemporaryDir dir;
        Session s(dir.path());
        QVERIFY(s.open_sample());
        QCOMPARE(QAccessible::queryAccessibleInterface(s.canvas())->childCount(), kTiles);
    }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        system_ = dir_->filePath(QStringLiteral("system"));
        QGuiApplication::clipboard()->clear();
    }

    void clicks_choose_tiles_and_the_selection_follows_its_elements() {
        Session s(system_);
        QVERIFY(s.open_sample());
        s.click(2);
        QCOMPARE(s.selected(), std::vector<int>{2});
        QCOMPARE(s.selection().current(), 2);
        s.click(5, Qt::ControlModifier);
        QCOMPARE(s.selected(), (std::vector<int>{2, 5}));
        s.click(2, Qt::ControlModifier);
        QCOMPARE(s.selected(), std::vector<int>{5});
        QCOMPARE(s.selection().current(), 2);
        // Shift: the range from the last click, in element order, across rows and presentations.
        s.click(9, Qt::ShiftModifier);
        QCOMPARE(s.selected(), range(2, 9));
        s.click(16, Qt::ShiftModifier | Qt::ControlModifier);
        QCOMPARE(s.selected(), range(2, 16));
        QVERIFY(s.framed(2));
        QVERIFY(s.framed(14));
        QVERIFY(s.framed(16));
        QVERIFY(!s.framed(1));
        QVERIFY(!s.framed(17));

        // A click on the empty canvas clears; Ctrl+A selects every tile.
        s.window->preview().show_tile(0);
        QTest::mouseClick(s.canvas(), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(s.selection().empty());
        QVERIFY(!s.framed(2));
        s.key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(s.selection().count(), kTiles);
        QVERIFY(s.framed(kTiles - 1));

        // The selection stays with its Elements when the window's width moves the tiles ...
        s.click(16);
        s.click(18, Qt::ControlModifier);
        const TwipsPoint before = s.window->preview().layout().tile_positions[18];
        s.window->resize(600, s.window->height());
        QTRY_VERIFY(s.window->preview().layout().tile_positions[18] != before);
        QCOMPARE(s.selected(), (std::vector<int>{16, 18}));
        QVERIFY(s.framed(18));
        QVERIFY(!s.framed(17));

        // ... when an edit moves their numbers, and through undo and redo.
        s.document.remove_presentations({QStringLiteral("GUIDANCE")});
        QCOMPARE(s.selected(), (std::vector<int>{1, 3}));
        QCOMPARE(s.theme().elements[3].field_name, QStringLiteral("MAP_ROAD_2_CLR"));
        QCOMPARE(s.selection().current(), 3);
        s.document.history().undo();
        QCOMPARE(s.selected(), (std::vector<int>{16, 18}));
        s.document.history().redo();
        QCOMPARE(s.selected(), (std::vector<int>{1, 3}));
        s.document.history().undo();

        // New and Open start without a selection.
        s.window->menu().new_action->trigger();
        QCOMPARE(s.theme().element_count(), 0);
        QVERIFY(s.selection().empty());
        QCOMPARE(s.selection().current(), -1);
        s.document.replace(sample_theme(), QStringLiteral("tiles.kmtf"), false);
        s.key(Qt::Key_A, Qt::ControlModifier);
        s.dialogs.answers = {QStringLiteral(QUORVANE_TEST_DATA "/preview/two_presentations.kmtf")};
        s.window->menu().open_action->trigger();
        QCOMPARE(s.theme().element_count(), 3);
        QVERIFY(s.selection().empty());
    }

    void keys_move_the_current_tile_and_the_view_follows() {
        Session s(system_);
        QVERIFY(s.open_sample());
        // Tab reaches the preview; with no current tile the canvas shows the focus itself.
        s.window->controls().search_box->setFocus();
        for (int k = 0; k < 20 && !s.canvas()->hasFocus(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(s.canvas()->hasFocus());
        const QImage unfocused_tiles = s.canvas()->grab().toImage();
        int dots = 0;
        for (int y = 0; y < unfocused_tiles.height(); ++y) {
            dots += unfocused_tiles.pixelColor(0, y) == QColor(Qt::black) ? 1 : 0;
        }
        QVERIFY(dots > 10);

        struct Step {
            int key;
            Qt::KeyboardModifiers modifiers;
            int current;
        };
        const Step steps[] = {
            {Qt::Key_Right, {}, 0},  {Qt::Key_End, {}, kTiles - 1}, {Qt::Key_Home, {}, 0},
            {Qt::Key_Down, {}, 12},                           // the short second row of GUIDANCE
            {Qt::Key_Down, {}, 15},                           // across the presentation break
            {Qt::Key_Up, {}, 12},    {Qt::Key_Left, {}, 11},  // back across the row end
            {Qt::Key_Right, {}, 12}, {Qt::Key_Right, {}, 13},       {Qt::Key_Right, {}, 14},
            {Qt::Key_Right, {}, 15},  // across the break
            {Qt::Key_Up, {}, 12},    {Qt::Key_Up, {}, 0},           {Qt::Key_End, {}, kTiles - 1},
            {Qt::Key_Up, {}, 126},  // the row above the last one, in the same column
            {Qt::Key_Home, {}, 0},   {Qt::Key_Down, {}, 12},        {Qt::Key_Up, {}, 0},
        };
        for (const Step& step : steps) {
            s.key(step.key, step.modifiers);
            QCOMPARE(s.selection().current(), step.current);
            QCOMPARE(s.selected(), std::vector<int>{step.current});
            QVERIFY(s.shows_whole(step.current));
        }
        // From column 10 down to the shorter row: its last tile.
        for (int k = 0; k < 10; ++k) {
            s.key(Qt::Key_Right);
        }
        s.key(Qt::Key_Down);
        QCOMPARE(s.selection().current(), 14);

        // Shift extends from where the plain keys left off; Ctrl moves alone; Ctrl+Space adds.
        s.key(Qt::Key_Right, Qt::ShiftModifier);
        s.key(Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(s.selection().current(), 19);
        QCOMPARE(s.selected(), range(14, 19));
        s.key(Qt::Key_Right, Qt::ControlModifier);
        s.key(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(s.selection().current(), 21);
        QCOMPARE(s.selected(), range(14, 19));
        s.key(Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(s.selection().count(), 7);
        QVERIFY(s.selection().is_selected(21));

        // Page Down goes a viewport's worth of rows; the view scrolls with it.
        QScrollBar* bar = s.window->preview().scroll_bar();
        const int value = bar->value();
        s.key(Qt::Key_PageDown);
        // Six rows of 1516 twips fit the viewport's 10230; the column stays.
        const int paged = s.selection().current();
        QCOMPARE(paged, 21 + 6 * 12);
        QVERIFY(s.shows_whole(paged));
        QVERIFY(bar->value() > value);
        s.key(Qt::Key_PageUp);
        QCOMPARE(s.selection().current(), 21);
        QVERIFY(s.shows_whole(21));

        // Enter opens the style editor on the current tile, as a double-click does.
        QString edited;
        auto watch = when_modal<StyleEditor>(
            [&edited](StyleEditor& editor) { edited = editor.field_label()->text(); });
        s.key(Qt::Key_Return);
        QCOMPARE(edited, s.theme().elements[21].field_name);
        QVERIFY(!s.document.is_modified());
    }

    void delete_removes_the_selection_as_one_step() {
        Session s(system_);
        QVERIFY(s.open_sample());
        const Theme before = s.theme();
        s.click(15);
        s.click(18, Qt::ShiftModifier);
        s.click(1, Qt::ControlModifier);
        s.click(7, Qt::ControlModifier);
        const std::vector<int> chosen{1, 7, 15, 16, 17, 18};
        QCOMPARE(s.selected(), chosen);
        QVERIFY(s.window->menu().delete_action->isEnabled());

        s.key(Qt::Key_Delete);
        QCOMPARE(s.theme().element_count(), kTiles - 6);
        std::vector<Element> left = before.elements;
        for (auto it = chosen.rbegin(); it != chosen.rend(); ++it) {
            left.erase(left.begin() + *it);
        }
        QVERIFY(s.theme().elements == left);
        QCOMPARE(s.window->undo_action()->text(), QStringLiteral("&Undo Delete 6 Elements"));
        // BROWSE lost its last element: the list and the preview follow.
        QCOMPARE(list_texts(s.window->controls().presentation_list),
                 (QStringList{"GUIDANCE", "TRAFFIC"}));
        QCOMPARE(s.window->preview().layout().tile_count(), kTiles - 6);
        QCOMPARE(s.window->preview().layout().rules.size(), size_t(1));
        QVERIFY(s.selection().empty());
        QVERIFY(!s.window->menu().delete_action->isEnabled());

        // Undo brings back the order, every field and the selection.
        s.window->undo_action()->trigger();
        QVERIFY(s.theme() == before);
        QCOMPARE(list_texts(s.window->controls().presentation_list),
                 (QStringList{"GUIDANCE", "BROWSE", "TRAFFIC"}));
        QCOMPARE(s.selected(), chosen);

        // Deleting everything leaves an empty theme, which Save refuses.
        s.window->menu().select_all_action->trigger();
        s.window->menu().delete_action->trigger();
        QCOMPARE(s.theme().element_count(), 0);
        QCOMPARE(s.window->controls().presentation_list->count(), 0);
        QVERIFY(!s.window->menu().select_all_action->isEnabled());
        s.window->menu().save_action->trigger();
        QCOMPARE(s.messages.told, QStringList{"No data to save"});
    }

    void styles_copy_and_paste_onto_their_own_kind() {
        // Another program's text on the clipboard is not read at start-up: it may be huge.
        struct CountedText : QMimeData {
            QVariant retrieveData(const QString& type, QMetaType as) const override {
                ++reads;
                return QMimeData::retrieveData(type, as);
            }
            mutable int reads = 0;
        };
        auto* unread = new CountedText;
        unread->setText(QStringLiteral("#FF0000"));
        QGuiApplication::clipboard()->setMimeData(unread);
        Session s(system_);
        QVERIFY(s.open_sample());
        QCOMPARE(unread->reads, 0);
        const Theme before = s.theme();
        QVERIFY(!s.window->menu().copy_style_action->isEnabled());
        QVERIFY(!s.window->menu().paste_style_action->isEnabled());

        s.click(5);
        s.key(Qt::Key_C, Qt::ControlModifier);
        const CopiedStyle road = CopiedStyle::of(before.elements[5]);
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard_text(road));
        QCOMPARE(s.status(), QStringLiteral("Copied the style of ROAD 2"));

        // Two polygons and two lines: the lines take the style, the polygons are left alone.
        s.click(0);
        for (int k : {1, 8, 9}) {
            s.click(k, Qt::ControlModifier);
        }
        QVERIFY(s.window->menu().paste_style_action->isEnabled());
        s.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(s.status(), QStringLiteral("Style pasted: 2 changed, 2 polygons skipped"));
        QCOMPARE(s.window->undo_action()->text(),
                 QStringLiteral("&Undo Paste Style onto 2 Elements"));
        QCOMPARE(ElementStyle::of(s.theme().elements[8]), road.style);
        QCOMPARE(ElementStyle::of(s.theme().elements[9]), road.style);
        QVERIFY(s.theme().elements[0] == before.elements[0]);
        QVERIFY(s.theme().elements[1] == before.elements[1]);

        // A polygon gives only its colours and keeps its empty border.
        s.click(0);
        s.window->menu().copy_style_action->trigger();
        s.click(2);
        s.click(3, Qt::ControlModifier);
        s.window->menu().paste_style_action->trigger();
        QCOMPARE(s.status(), QStringLiteral("Style pasted: 1 changed, 1 line skipped"));
        const Element& area = s.theme().elements[2];
        QCOMPARE(StyleColours::of(area), StyleColours::of(before.elements[0]));
        QVERIFY(area.border.isEmpty());
        QVERIFY(area.is_polygon());
        QVERIFY(s.theme().elements[3] == before.elements[3]);

        // Text from another program is read at Paste. When it is no style, or a style crafted
        // to add styles to the saved file, nothing changes and the status bar says why.
        const struct {
            QString text;
            QString status;
            bool still_offered;  // Paste, once the text is known
        } foreign[] = {
            {"#FF0000", "The clipboard holds no copied style", false},
            {"Quorvane style: line\nScale: 1\" /><STYLE field=\"MAP_INJECTED_CLR\"\n"
             "Border: .6\nPrimary day: #CECECE\nPrimary night: none\n"
             "Secondary day: #0A0A0A\nSecondary night: none\n",
             "Style not pasted: Scale: \"1\\\" /><STYLE field=\\\"MAP_INJECTED_CLR\\\"\" is not a "
             "number",
             true}};
        for (const auto& f : foreign) {
            QGuiApplication::clipboard()->setText(f.text);
            QVERIFY(s.window->menu().paste_style_action->isEnabled());
            const Theme unpasted = s.theme();
            const int steps = s.document.history().count();
            s.window->paste_style();
            QCOMPARE(s.status(), f.status);
            QCOMPARE(s.window->menu().paste_style_action->isEnabled(), f.still_offered);
            QVERIFY(s.theme() == unpasted);
            QCOMPARE(s.document.history().count(), steps);
        }

        // What was pasted and deleted is what the saved file holds.
        s.click(kTiles - 1);
        s.key(Qt::Key_Delete);
        const QString path = dir_->filePath(QStringLiteral("pasted.kmtf"));
        s.dialogs.answers = {path};
        QVERIFY(s.window->save_as());
        Theme reread;
        MessageList quiet;
        QVERIFY(read_theme_file(path, reread, quiet));
        QCOMPARE(reread.element_count(), kTiles - 1);
        for (int k = 0; k < reread.element_count(); ++k) {
            const Element& saved = reread.elements[size_t(k)];
            const Element& edited = s.theme().elements[size_t(k)];
            QCOMPARE(saved.field_name, edited.field_name);
            QCOMPARE(space_trimmed(saved.presentation), space_trimmed(edited.presentation));
            QCOMPARE(upper_cased(ElementStyle::of(saved)), upper_cased(ElementStyle::of(edited)));
        }
    }

    void the_tile_menu_offers_what_can_apply() {
        Session s(system_);
        QVERIFY(s.open_sample());
        QMenu* menu = s.window->tile_menu().menu;
        const TileMenu& tiles = s.window->tile_menu();
        const MainMenu& edit = s.window->menu();
        const auto enabled = [&] {
            return QList<bool>{
                tiles.edit_style_action->isEnabled(), edit.copy_style_action->isEnabled(),
                edit.paste_style_action->isEnabled(), tiles.apply_to_all_action->isEnabled(),
                edit.delete_action->isEnabled()};
        };

        // AREA 1 is in one presentation only, and nothing is copied.
        s.context_menu(1);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu_captions(menu),
                 (QStringList{"&Edit Style\u2026", "-", "&Copy Style", "&Paste Style",
                              "Apply Style to &All Presentations", "-", "&Delete"}));
        QCOMPARE(s.selected(), std::vector<int>{1});
        QCOMPARE(enabled(), (QList<bool>{true, true, false, false, true}));
        menu->hide();

        // AREA 0 is in BROWSE too; its style copied, it can be pasted onto polygons.
        s.context_menu(0);
        QCOMPARE(enabled(), (QList<bool>{true, true, false, true, true}));
        edit.copy_style_action->trigger();
        menu->hide();
        s.click(14, Qt::ControlModifier);
        // A right-click inside the selection keeps it and makes that tile current.
        s.context_menu(0);
        s.context_menu(14);
        QCOMPARE(s.selected(), (std::vector<int>{0, 14}));
        QCOMPARE(s.selection().current(), 14);
        QCOMPARE(enabled(), (QList<bool>{true, true, true, false, true}));
        menu->hide();
        // Only lines selected: a polygon's style has nothing to go onto.
        s.context_menu(4);
        QCOMPARE(s.selected(), std::vector<int>{4});
        QVERIFY(!edit.paste_style_action->isEnabled());
        menu->hide();

        // The Menu key opens it on the current tile; nothing opens on the empty canvas.
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0),
                              s.canvas()->mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(s.canvas(), &key);
        QVERIFY(menu->isVisible());
        menu->hide();
        QContextMenuEvent empty(QContextMenuEvent::Mouse, QPoint(2, 2),
                                s.canvas()->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(s.canvas(), &empty);
        QVERIFY(!menu->isVisible());

        // Edit Style... opens the editor on the tile; Apply Style to All copies without it.
        QString edited;
        auto watch = when_modal<StyleEditor>(
            [&edited](StyleEditor& editor) { edited = editor.field_label()->text(); });
        tiles.edit_style_action->trigger();
        QCOMPARE(edited, QStringLiteral("MAP_ROAD_1_CLR"));
        s.context_menu(0);
        menu->hide();
        tiles.apply_to_all_action->trigger();
        QCOMPARE(s.messages.told, QStringList{"Applied to 1 additional elements"});
        QCOMPARE(ElementStyle::of(s.theme().elements[15]), ElementStyle::of(s.theme().elements[0]));
        QCOMPARE(s.document.history().count(), 1);
    }

    void assistive_technology_sees_every_tile_and_every_control() {
        Session s(system_);
        QVERIFY(s.open_sample());
        QAccessibleInterface* canvas = QAccessible::queryAccessibleInterface(s.canvas());
        QVERIFY(canvas != nullptr);
        QCOMPARE(canvas->role(), QAccessible::List);
        QCOMPARE(canvas->text(QAccessible::Name), QStringLiteral("Preview"));
        QCOMPARE(canvas->childCount(), kTiles);
        QAccessibleInterface* tile = canvas->child(16);
        QVERIFY(tile != nullptr);
        QCOMPARE(tile->role(), QAccessible::ListItem);
        QCOMPARE(tile->text(QAccessible::Name), QStringLiteral("ROAD 0"));
        QCOMPARE(tile->text(QAccessible::Description), QStringLiteral("BROWSE, line"));
        QCOMPARE(canvas->child(15)->text(QAccessible::Description),
                 QStringLiteral("BROWSE, polygon"));
        QCOMPARE(canvas->indexOfChild(tile), 16);
        QCOMPARE(tile->parent(), canvas);
        QVERIFY(!tile->state().selected);
        s.click(16);
        QVERIFY(tile->state().selected);
        QCOMPARE(tile->rect(), QRect(s.canvas()->mapToGlobal(s.canvas()->tile_rect(16).topLeft()),
                                     s.canvas()->tile_rect(16).size()));
        QCOMPARE(canvas->childAt(tile->rect().center().x(), tile->rect().center().y()), tile);

        QCOMPARE(unnamed_controls(*s.window).join(", "), QString());
        // Every dialog the window opens.
        QStringList unnamed;
        const auto check = [&unnamed](QWidget& dialog) { unnamed << unnamed_controls(dialog); };
        {
            auto watch = when_modal<StyleEditor>(check);
            s.key(Qt::Key_Return);
        }
        {
            auto watch = when_modal<ElementPicker>(check);
            s.window->controls().add_button->click();
        }
        {
            auto watch = when_modal<PresentationManager>(check);
            s.window->menu().add_presentations_action->trigger();
        }
        {
            auto watch = when_modal<PresentationManager>(check);
            s.window->menu().remove_presentations_action->trigger();
        }
        {
            auto watch = when_modal<AboutBox>(check);
            s.window->menu().about_action->trigger();
        }
        {
            auto watch = when_modal<UpdateDialog>(check);
            s.window->menu().check_updates_action->trigger();
        }
        QCOMPARE(unnamed.join(", "), QString());
    }
};

QTEST_MAIN(MainWindowTilesTest)
#include "main_window_tiles_test.moc"
