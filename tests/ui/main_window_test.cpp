// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>
#include <QtTest>

#include <memory>

#include "format/reader.h"
#include "main_window_session.h"
#include "preview/preview_painter.h"
#include "session/recovery_keeper.h"
#include "settings/working_data.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_messages.h"
#include "support/scripted_web.h"
#include "ui/editor_command_line.h"
#include "ui/main_window.h"
#include "ui/map_dock.h"
#include "ui/preview_canvas.h"
#include "ui/preview_pane.h"
#include "ui/problems_panel.h"
#include "ui/recolour_commands.h"
#include "ui/style_editor.h"
#include "ui/theme_colours_panel.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

const QString kSample = QStringLiteral(QUORVANE_TEST_DATA "/preview/two_presentations.kmtf");

// A theme file with one line style per field name, all in one presentation.
void write_theme(const QString& path, const QStringList& fields,
                 const QString& presentation = QStringLiteral("GUIDANCE")) {
    QByteArray text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<GARMIN_MAP_THEME>\r\n<METADATA>\r\n"
        "<TITLE>Roads</TITLE>\r\n<DESCRIPTION>test</DESCRIPTION>\r\n<LOCALELIST>\r\n"
        "<locale>Global</locale>\r\n</LOCALELIST>\r\n"
        "<Version><Major>1</Major><Minor>00</Minor></Version>\r\n</METADATA>\r\n";
    text += "<PRESENTATION ID=\"" + presentation.toLatin1() + "\" > \r\n<STYLELIST>\r\n";
    for (const QString& field : fields) {
        text += "<STYLE field = \"MAP_" + field.toLatin1() +
                "_CLR\" scale=\"1\"  border=\".6\" >\r\n <COLOR >\r\n"
                "<PRIMARY      day = \"#CECECE\" night=\"#aaFF00\"/>\r\n"
                "<SECONDARY      day = \"#0a0a0a\" night=\"#DD0011\"/>\r\n"
                " </COLOR >\r\n</STYLE>\r\n";
    }
    text += "</STYLELIST>\r\n</PRESENTATION>\r\n</GARMIN_MAP_THEME>\r\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    struct Session : MainWindowSession {
        using MainWindowSession::MainWindowSession;
        QAction* recent(int k) const { return window->menu().recent_file_actions[size_t(k)]; }
    };

    QString copy_of(const QString& source, const QString& name) {
        const QString path = dir_->filePath(name);
        QFile::remove(path);
        QFile::copy(source, path);
        return path;
    }

    void drop(Session& s, const QString& path) {
        auto* mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s.canvas(), &enter);
        QDropEvent event(QPointF(20, 20), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(s.canvas(), &event);
        delete mime;
    }

    std::unique_ptr<QTemporaryDir> dir_;
    QString system_;

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        system_ = dir_->filePath("system");
    }

    void builds_the_layout_and_caption() {
        Session s(system_);
        QVERIFY(s.show());
        MainWindow& w = *s.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvane 1.20 [*]"));
        QVERIFY(!w.isWindowModified());
        // The preview as wide as it always was, the Theme panel on its left, Problems hidden.
        QCOMPARE(w.size(), QSize(w.theme_panel().width() + 6 + 825, 731));
        QCOMPARE(w.dockWidgetArea(&w.theme_panel()), Qt::LeftDockWidgetArea);
        QVERIFY(w.theme_panel().isAncestorOf(w.controls().add_button));
        QVERIFY(w.panel_action(w.theme_panel())->isChecked());
        QVERIFY(!w.panel_action(w.problems())->isChecked());
        const MainWindowControls& c = w.controls();
        QCOMPARE(c.add_button->text(), QStringLiteral("+"));
        QCOMPARE(c.field_captions[4]->text(), QStringLiteral("Ve&rsion"));
        QCOMPARE(c.field_captions[4]->buddy(), c.version_box);
        QVERIFY(!c.update_notice->isVisible());
        QCOMPARE(c.update_notice->text(), QStringLiteral("UPDATE AVAILABLE"));
        // The first resize fits the viewport and scroll bar to the preview's area.
        const int height = w.centralWidget()->height();
        QCOMPARE(w.preview().viewport()->geometry(), QRect(0, 4, 825, height - 4));
        QCOMPARE(w.preview().scroll_bar()->geometry(), QRect(810, 0, 15, height - 4));
        QVERIFY(!w.undo_action()->isEnabled());
        QVERIFY(!w.redo_action()->isEnabled());
    }

    // Every menu and item of the menu bar and the tile menu: its caption with a mnemonic that
    // no neighbour shares, "…" where it opens a dialog, and the desktop's standard keys
    // where it has some.
    void menus_have_mnemonics_and_standard_keys() {
        Session s(system_);
        MainWindow& w = *s.window;
        const MainMenu& m = w.menu();
        const TileMenu& t = w.tile_menu();
        const RecolourCommands& r = w.recolour_commands();
        using K = QKeySequence;
        // The desktop's keys, or the usual ones where it has none.
        const auto keys = [](K::StandardKey key, const K& usual = K()) {
            const QList<K> bound = K::keyBindings(key);
            return bound.isEmpty() && !usual.isEmpty() ? QList<K>{usual} : bound;
        };
        QList<K> redo_keys = keys(K::Redo);
        if (!redo_keys.contains(K(Qt::CTRL | Qt::Key_Y))) {
            redo_keys.append(K(Qt::CTRL | Qt::Key_Y));
        }
        QVERIFY(!keys(K::Undo).isEmpty() && !keys(K::Find).isEmpty());
        const struct {
            QAction* action;
            QString caption;
            QList<K> keys;
        } items[] = {
            {m.file_menu->menuAction(), "&File", {}},
            {m.new_action, "&New", keys(K::New)},
            {m.open_action, "&Open\u2026", keys(K::Open)},
            {m.open_map_data_action, "Open &Map Data\u2026", {}},
            {m.save_action, "&Save", keys(K::Save)},
            {m.save_as_action, "Save &As\u2026",
             keys(K::SaveAs, K(Qt::CTRL | Qt::SHIFT | Qt::Key_S))},
            {m.exit_action, "E&xit", keys(K::Quit, K(Qt::CTRL | Qt::Key_Q))},
            {m.edit_menu->menuAction(), "&Edit", {}},
            {w.undo_action(), "&Undo", keys(K::Undo)},
            {w.redo_action(), "&Redo", redo_keys},
            {m.add_presentations_action, "Add Pr&esentations\u2026", {}},
            {m.remove_presentations_action, "Re&move Presentations\u2026", {}},
            {m.copy_style_action, "&Copy Style", keys(K::Copy)},
            {m.paste_style_action, "&Paste Style", keys(K::Paste)},
            {m.delete_action, "&Delete", keys(K::Delete)},
            {m.select_all_action, "Select &All", keys(K::SelectAll)},
            {m.find_action, "&Find", keys(K::Find)},
            {r.replace_colour_action(), "Replace C&olour\u2026", keys(K::Replace)},
            {r.adjust_colours_action(), "Ad&just Colours\u2026", {}},
            {r.night_colours_action(), "Make Ni&ght Colours\u2026", {}},
            {r.snap_to_palette_action(), "Snap to Device Pa&lette\u2026", {}},
            {m.view_menu->menuAction(), "&View", {}},
            {m.night_view_action, "&Night View", {K(Qt::CTRL | Qt::SHIFT | Qt::Key_N)}},
            {m.zoom_in_action, "Zoom &In", keys(K::ZoomIn) + QList<K>{K(Qt::CTRL | Qt::Key_Equal)}},
            {m.zoom_out_action, "Zoom &Out", keys(K::ZoomOut)},
            {m.actual_size_action, "&Actual Size", {K(Qt::CTRL | Qt::Key_0)}},
            {m.panels_menu->menuAction(), "&Panels", {}},
            {w.panel_action(w.theme_panel()), "&Theme", {}},
            {w.panel_action(w.problems()), "&Problems", {}},
            {w.panel_action(r.colours_panel()), "Theme &Colours", {}},
            {w.panel_action(w.map_dock()), "&Map", {K(Qt::CTRL | Qt::Key_M)}},
            {r.device_colours_action(), "&Device Colours", {}},
            {r.simulate_menu()->menuAction(), "&Simulate", {}},
            {m.help_menu->menuAction(), "&Help", {}},
            {m.manual_action, "&Manual", keys(K::HelpContents)},
            {m.check_updates_action, "Check for &Updates\u2026", {}},
            {m.about_action, "&About Quorvane", {}},
            {t.edit_style_action, "&Edit Style\u2026", {}},
            {t.apply_to_all_action, "Apply Style to &All Presentations", {}},
        };
        QSet<const QAction*> listed;
        for (const auto& item : items) {
            QCOMPARE(item.action->text(), item.caption);
            QCOMPARE(item.action->shortcuts(), item.keys);
            listed.insert(item.action);
        }
        // Nothing is left out, and no two items of one menu share a mnemonic.
        QList<const QWidget*> menus{static_cast<const QWidget*>(w.menuBar()), t.menu,
                                    m.panels_menu};
        for (const QAction* top : w.menuBar()->actions()) {
            menus.append(top->menu());
        }
        for (const QWidget* menu : menus) {
            QSet<int> letters;
            for (const QAction* action : menu->actions()) {
                if (action->isSeparator() || action->data().isValid()) {
                    continue;  // recent files are numbered
                }
                QVERIFY2(listed.contains(action), qPrintable(action->text()));
                const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
                QVERIFY2(!mnemonic.isEmpty(), qPrintable(action->text()));
                QVERIFY2(!letters.contains(mnemonic[0].key()), qPrintable(action->text()));
                letters.insert(mnemonic[0].key());
            }
        }
    }

    // Alt+F opens the File menu from a text box and types nothing; an Alt+letter that opens
    // nothing types nothing either, while Ctrl+Alt (AltGr on some systems) still types.
    void alt_letters_open_menus_and_never_type() {
        Session s(system_);
        QVERIFY(s.show());
        QLineEdit* title = s.window->controls().title_box;
        QPlainTextEdit* description = s.window->controls().description_box;
        title->setText(QStringLiteral("QUORVANE DEMO"));
        title->setFocus();
        QTRY_VERIFY(title->hasFocus());
        QTest::keyClick(title, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(s.window->menu().file_menu->isVisible());
        s.window->menu().file_menu->close();
        QCOMPARE(title->text(), QStringLiteral("QUORVANE DEMO"));

        for (QWidget* box : std::initializer_list<QWidget*>{title, description}) {
            QTest::keyClick(box, Qt::Key_Q, Qt::AltModifier);
        }
        QCOMPARE(title->text(), QStringLiteral("QUORVANE DEMO"));
        QCOMPARE(description->toPlainText(), QString());
        QVERIFY(s.document.history().count() == 0);

        QTest::keyClick(title, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(title->text(), QStringLiteral("QUORVANE DEMOq"));
    }

    // At its least size the window still holds every control of the Theme panel, scrolled to
    // when the panel is short, none on another, beside a preview of some width: without the
    // Problems panel and with it.
    void the_least_size_keeps_every_control_in_reach() {
        Session s(system_);
        QVERIFY(s.show());
        MainWindow& w = *s.window;
        w.set_update_available(true);
        const MainWindowControls& c = w.controls();
        const QList<QWidget*> column{c.add_button,        c.add_caption,       c.field_captions[0],
                                     c.presentation_list, c.field_captions[1], c.title_box,
                                     c.field_captions[2], c.description_box,   c.field_captions[3],
                                     c.locale_box,        c.field_captions[4], c.version_box,
                                     c.search_box,        c.search_button,     c.match_count,
                                     c.hide_others_check, c.update_notice,     c.night_button,
                                     c.zoom_out_button,   c.zoom_caption,      c.zoom_in_button};
        const QWidget* holder = c.add_button->parentWidget();
        for (bool problems : {false, true}) {
            w.panel_action(w.problems())->setChecked(problems);
            w.resize(1, 1);
            QTRY_COMPARE(w.size(), w.minimumSize());
            QCOMPARE(w.problems().isVisible(), problems);
            for (int a = 0; a < column.size(); ++a) {
                QVERIFY2(column[a]->isVisible(), qPrintable(column[a]->objectName()));
                QVERIFY2(holder->rect().contains(column[a]->geometry()),
                         qPrintable(column[a]->objectName()));
                QVERIFY(column[a]->height() >= 14);
                for (int b = a + 1; b < column.size(); ++b) {
                    QVERIFY2(!column[a]->geometry().intersects(column[b]->geometry()),
                             qPrintable(column[a]->objectName() + " " + column[b]->objectName()));
                }
            }
            // The panel shows the column's whole width; what its height lacks it scrolls to.
            QVERIFY(holder->width() <= holder->parentWidget()->width());
            QVERIFY(holder->width() >= holder->minimumSizeHint().width());
            QVERIFY(w.preview().viewport()->width() >= 250);
            QVERIFY(w.preview().viewport()->height() >= 150);
        }
    }

    void opens_the_command_line_file_once() {
        const QString path = copy_of(kSample, "Sample Theme.kmtf");
        Session s(system_, path);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 3);
        // The path as the file system has it, letter case and all.
        QCOMPARE(s.window->windowTitle(), "Quorvane 1.20 " + path + "[*]");
        QCOMPARE(s.recent(0)->text(), "&1 " + path);
        QCOMPARE(s.recent(0)->data().toString(), path);
        QVERIFY(s.recent(0)->isVisible());
        QCOMPARE(s.busy.on_calls, 1);
        QVERIFY(!s.busy.busy);
        QCOMPARE(s.window->controls().presentation_list->count(), 2);
        QCOMPARE(s.window->controls().title_box->text(), QStringLiteral("Preview sample"));
        QCOMPARE(s.window->preview().layout().tile_count(), 3);

        // Later activations open nothing.
        s.window->activateWindow();
        QApplication::processEvents();
        QCOMPARE(s.busy.on_calls, 1);
    }

    void reads_both_command_lines() {
        using Action = EditorCommandLine::Action;
        const struct {
            QStringList arguments;
            Action action;
            QString file;
        } cases[] = {
            {{}, Action::Run, ""},
            {{"/tmp/My Theme.kmtf"}, Action::Run, "/tmp/My Theme.kmtf"},
            {{"/tmp/My", "Theme.kmtf"}, Action::Run, "/tmp/My Theme.kmtf"},
            {{"--help"}, Action::Help, ""},
            {{"-v"}, Action::Version, ""},
            {{"--bogus"}, Action::UsageError, ""},
        };
        for (const auto& c : cases) {
            const EditorCommandLine read = read_editor_command_line(c.arguments);
            QCOMPARE(read.action, c.action);
            QCOMPARE(read.file, c.file);
        }
        // The program prints and exits without a window; an unknown option is a usage error.
        const struct {
            QStringList arguments;
            int exit_code;
            QByteArray out;
            QByteArray err;
        } runs[] = {
            {{"--version"}, 0, "quorvane 1.20\n", ""},
            {{"--help"}, 0, "Usage: quorvane [--help] [--version] [FILE]", ""},
            {{"--bogus"}, 2, "", "quorvane: Unknown option 'bogus'."},
        };
        for (const auto& run : runs) {
            QProcess process;
            process.start(QStringLiteral(QUORVANE_EDITOR), run.arguments);
            QVERIFY(process.waitForFinished(20000));
            QCOMPARE(process.exitCode(), run.exit_code);
            QVERIFY(process.readAllStandardOutput().startsWith(run.out));
            QVERIFY(process.readAllStandardError().startsWith(run.err));
        }
    }

    void opens_saves_and_saves_as() {
        const QString path = copy_of(kSample, "sample.kmtf");
        Session s(system_);
        QVERIFY(s.show());
        s.dialogs.answers = {path, dir_->filePath("Saved"), dir_->filePath("CAPS.KMTF")};
        s.window->menu().open_action->trigger();
        QCOMPARE(s.dialogs.requests[0].mode, FileDialogMode::Open);
        QCOMPARE(s.dialogs.requests[0].filter, kOpenFilter);
        QCOMPARE(s.theme().element_count(), 3);
        QCOMPARE(s.document.file_name(), path);
        QCOMPARE(s.window->controls().presentation_list->item(1)->text(),
                 QStringLiteral(" BROWSE "));

        // Save goes straight to the file it came from: no dialog, no question.
        s.document.set_metadata(MetadataField::Title, QStringLiteral("Changed"));
        QVERIFY(s.window->isWindowModified());
        s.window->menu().save_action->trigger();
        QCOMPARE(s.dialogs.requests.size(), 1);
        QVERIFY(s.messages.asked.isEmpty());
        QVERIFY(!s.window->isWindowModified());
        Theme reread;
        MessageList quiet;
        QVERIFY(read_theme_file(path, reread, quiet));
        QCOMPARE(reread.metadata.title, QStringLiteral("Changed"));

        // Save As starts at the current file and adds ".kmtf" when the name lacks it.
        s.window->menu().save_as_action->trigger();
        QCOMPARE(s.dialogs.requests[1].mode, FileDialogMode::Save);
        QCOMPARE(s.dialogs.requests[1].filter, kSaveFilter);
        QCOMPARE(s.dialogs.requests[1].initial, path);
        const QString saved = dir_->filePath("Saved.kmtf");
        QVERIFY(QFileInfo::exists(saved));
        QCOMPARE(s.document.file_name(), saved);
        QCOMPARE(s.window->windowTitle(), "Quorvane 1.20 " + saved + "[*]");
        QCOMPARE(s.recent(0)->data().toString(), saved);
        QCOMPARE(s.recent(1)->data().toString(), path);

        s.window->menu().save_as_action->trigger();
        QVERIFY(QFileInfo::exists(dir_->filePath("CAPS.KMTF")));
        QVERIFY(!QFileInfo::exists(dir_->filePath("CAPS.KMTF.kmtf")));
        QVERIFY(s.messages.told.isEmpty());

        // A cancelled open changes nothing and Open starts in the current file's folder.
        s.window->menu().open_action->trigger();
        QCOMPARE(s.dialogs.requests.last().initial, dir_->path());
        QCOMPARE(s.theme().element_count(), 3);
    }

    // The question about unsaved changes, its three answers, on every way of losing them.
    void the_unsaved_question_on_new_open_recent_drop_and_close() {
        const QString a = copy_of(kSample, "a.kmtf");
        const QString b = copy_of(kSample, "b.kmtf");
        const std::function<void(Session&)> ways[] = {
            [](Session& s) { s.window->menu().new_action->trigger(); },
            [&](Session& s) {
                s.dialogs.answers = {b};
                s.window->menu().open_action->trigger();
            },
            [](Session& s) { s.recent(1)->trigger(); },  // b, opened before a
            [&](Session& s) { drop(s, b); },
            [](Session& s) { s.window->close(); },
        };
        for (size_t way = 0; way < std::size(ways); ++way) {
            for (UnsavedAnswer answer :
                 {UnsavedAnswer::Cancel, UnsavedAnswer::Discard, UnsavedAnswer::Save}) {
                const QString case_name = QString("way %1 answer %2").arg(way).arg(int(answer));
                Session s(system_);
                QVERIFY(s.show());
                QVERIFY(s.window->open_theme(b, OpenSource::Menu));
                QVERIFY(s.window->open_theme(a, OpenSource::Menu));
                s.document.set_metadata(MetadataField::Title, QStringLiteral("Mine"));
                s.messages.unsaved_answers = {answer};
                ways[way](s);
                QVERIFY2(s.messages.asked == QStringList{"Save changes to a.kmtf?"},
                         qPrintable(case_name + ": " + s.messages.asked.join('|')));
                Theme on_disk;
                MessageList quiet;
                read_theme_file(a, on_disk, quiet);
                const bool saved = on_disk.metadata.title == QStringLiteral("Mine");
                QVERIFY2(saved == (answer == UnsavedAnswer::Save), qPrintable(case_name));
                const bool went_on = s.window->isHidden() || s.document.file_name() != a ||
                                     s.theme().metadata.title != QStringLiteral("Mine");
                QVERIFY2(went_on == (answer != UnsavedAnswer::Cancel), qPrintable(case_name));
                // Closing discards by leaving; everything else by replacing the theme.
                const bool closing = way == std::size(ways) - 1;
                QVERIFY2(
                    s.document.is_modified() == (answer == UnsavedAnswer::Cancel ||
                                                 (closing && answer == UnsavedAnswer::Discard)),
                    qPrintable(case_name));
                copy_of(kSample, "a.kmtf");
            }
        }
    }

    // Open on a file that is no theme: one message, and the theme, its caption and its place in
    // the recent files stay.
    void a_file_that_cannot_be_opened_changes_nothing() {
        const QString a = copy_of(kSample, "a.kmtf");
        Session s(system_, a);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 3);
        s.document.set_metadata(MetadataField::Title, QStringLiteral("Mine"));
        const Theme before = s.theme();
        const QString caption = s.window->windowTitle();
        const QString letter = dir_->filePath("letter.kmtf");
        QFile file(letter);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Dear reader,\nthis is a letter.\n");
        file.close();
        s.messages.unsaved_answers = {UnsavedAnswer::Discard};
        s.dialogs.answers = {letter};
        s.window->menu().open_action->trigger();
        QCOMPARE(s.messages.told, QStringList{letter + " is not a map theme"});
        QVERIFY(s.theme() == before);
        QCOMPARE(s.window->windowTitle(), caption);
        QVERIFY(s.document.is_modified());
        QCOMPARE(s.document.file_name(), a);
        QCOMPARE(s.recent(0)->data().toString(), a);
        QCOMPARE(s.window->controls().presentation_list->count(), 2);
    }

    void new_empties_the_theme_but_keeps_the_title() {
        const QString path = copy_of(kSample, "sample.kmtf");
        Session s(system_, path);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 3);
        s.window->menu().new_action->trigger();
        QCOMPARE(s.theme().element_count(), 0);
        QCOMPARE(s.document.file_name(), QStringLiteral("untitled.kmtf"));
        QCOMPARE(s.window->controls().presentation_list->count(), 0);
        QCOMPARE(s.window->controls().version_box->text(), QStringLiteral("1.00"));
        QCOMPARE(s.window->controls().locale_box->text(), QString());
        QCOMPARE(s.window->controls().description_box->toPlainText(), QString());
        QCOMPARE(s.window->controls().title_box->text(), QStringLiteral("Preview sample"));
        QCOMPARE(s.window->preview().layout().tile_count(), 0);
        QVERIFY(!s.document.is_modified());
        QCOMPARE(s.window->windowTitle(), QStringLiteral("Quorvane 1.20 [*]"));
    }

    void metadata_boxes_are_undoable_steps() {
        Session s(system_);
        QVERIFY(s.show());
        QLineEdit* title = s.window->controls().title_box;
        title->setFocus();
        QTest::keyClicks(title, "Alps");
        QVERIFY(s.window->isWindowModified());
        QCOMPARE(s.theme().metadata.title, QStringLiteral("Alps"));
        QCOMPARE(s.document.history().count(), 1);  // the keystrokes merged
        QCOMPARE(s.window->undo_action()->text(), QStringLiteral("&Undo Title"));
        // Another box, then back: a new step each visit.
        s.window->controls().locale_box->setFocus();
        QTest::keyClicks(s.window->controls().locale_box, "Europe");
        title->setFocus();
        QTest::keyClicks(title, " high");
        QCOMPARE(s.document.history().count(), 3);
        s.window->undo_action()->trigger();
        QCOMPARE(title->text(), QStringLiteral("Alps"));
        s.window->undo_action()->trigger();
        s.window->undo_action()->trigger();
        QCOMPARE(title->text(), QString());
        QVERIFY(!s.window->isWindowModified());
        s.window->redo_action()->trigger();
        QCOMPARE(title->text(), QStringLiteral("Alps"));
        QVERIFY(s.window->isWindowModified());

        // Tab leaves the description box as it leaves the others; Ctrl+Tab types a tab.
        QPlainTextEdit* description = s.window->controls().description_box;
        description->setFocus();
        QTest::keyClicks(description, "Alps");
        QTest::keyClick(description, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClicks(description, "high");
        QCOMPARE(s.theme().metadata.description, QStringLiteral("Alps\thigh"));
        QTest::keyClick(description, Qt::Key_Tab);
        QVERIFY(s.window->controls().locale_box->hasFocus());
        QCOMPARE(description->toPlainText(), QStringLiteral("Alps\thigh"));
    }

    // The panels stand where the user left them at the next start, and so does the window.
    void the_panels_return_as_they_were_left() {
        QRect geometry;
        {
            Session s(system_);
            QVERIFY(s.show());
            MainWindow& w = *s.window;
            w.panel_action(w.problems())->trigger();
            w.tabifyDockWidget(&w.theme_panel(), &w.problems());
            w.resize(900, 600);
            QTRY_COMPARE(w.size(), QSize(900, 600));
            geometry = w.geometry();
            QVERIFY(w.close());
        }
        Session s(system_);
        QVERIFY(s.show());
        MainWindow& w = *s.window;
        QCOMPARE(w.geometry(), geometry);
        QCOMPARE(w.dockWidgetArea(&w.problems()), Qt::LeftDockWidgetArea);
        QCOMPARE(w.tabifiedDockWidgets(&w.theme_panel()), QList<QDockWidget*>{&w.problems()});
        QVERIFY(w.panel_action(w.problems())->isChecked());
        // A closed panel comes back through View > Panels.
        w.theme_panel().close();
        QVERIFY(!w.panel_action(w.theme_panel())->isChecked());
        w.panel_action(w.theme_panel())->trigger();
        QVERIFY(w.theme_panel().isVisible());
    }

    void remembers_recent_files_across_two_lifetimes() {
        const QString a = copy_of(kSample, "a.kmtf");
        const QString b = copy_of(kSample, "b.kmtf");
        {
            Session s(system_);
            QVERIFY(s.show());
            s.dialogs.answers = {a, b, a, b};
            for (int k = 0; k < 4; ++k) {
                s.window->menu().open_action->trigger();
            }
            QCOMPARE(s.recent(0)->data().toString(), b);
            QCOMPARE(s.recent(1)->data().toString(), a);
            QVERIFY(!s.recent(2)->isVisible());
            // Written already, for an editor started next or after a crash.
            RecentFiles written;
            load_working_data(system_, written);
            QCOMPARE(written, (RecentFiles{b, a, "", "", "", ""}));
            QVERIFY(s.window->close());
        }
        QVERIFY(QFileInfo::exists(working_data_path(system_)));
        Session s(system_);
        QVERIFY(s.show());
        QCOMPARE(s.window->recent_files().captions(), (RecentFiles{b, a, "", "", "", ""}));
        QVERIFY(s.recent(1)->isVisible());
        QVERIFY(s.recent(1)->isEnabled());

        s.recent(1)->trigger();
        QCOMPARE(s.theme().element_count(), 3);
        QCOMPARE(s.document.file_name(), a);
        QCOMPARE(s.window->recent_files().captions(), (RecentFiles{a, b, "", "", "", ""}));
        QCOMPARE(s.window->windowTitle(), "Quorvane 1.20 " + a + "[*]");
        QCOMPARE(s.window->controls().presentation_list->count(), 2);
    }

    void a_vanished_recent_file_is_reported_and_removed() {
        const QString a = copy_of(kSample, "a.kmtf");
        const QString gone = dir_->filePath("gone.kmtf");
        MessageList quiet;
        save_working_data(system_, RecentFiles{gone, a, "", "", "", ""}, quiet);

        Session s(system_);
        QVERIFY(s.show());
        QVERIFY(s.recent(0)->isEnabled());
        s.recent(0)->trigger();
        QCOMPARE(s.messages.told, QStringList{"Cannot find " + gone});
        QCOMPARE(s.window->recent_files().captions(), (RecentFiles{a, "", "", "", "", ""}));
        QCOMPARE(s.recent(0)->data().toString(), a);
        QVERIFY(!s.recent(1)->isVisible());
        QCOMPARE(s.theme().element_count(), 0);
    }

    void drops_only_other_theme_files() {
        const QString a = copy_of(kSample, "a.kmtf");
        const QString b = copy_of(kSample, "b.KMTF");
        const QString text = copy_of(kSample, "notes.txt");
        Session s(system_, a);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 3);
        s.document.set_metadata(MetadataField::Title, QStringLiteral("Mine"));

        drop(s, text);
        drop(s, a);
        QVERIFY(s.messages.asked.isEmpty());
        QCOMPARE(s.document.file_name(), a);

        s.messages.unsaved_answers = {UnsavedAnswer::Discard};
        drop(s, b);
        QCOMPARE(s.theme().element_count(), 3);
        QCOMPARE(s.document.file_name(), b);
        QVERIFY(!s.document.is_modified());
        QCOMPARE(s.window->recent_files().captions()[0], b);
        QCOMPARE(s.window->controls().presentation_list->count(), 2);
        QCOMPARE(s.busy.on_calls, 2);
        QVERIFY(!s.busy.busy);
    }

    // Another program writes the open theme: it is read again and the status bar says why.
    void a_file_changed_elsewhere_is_reloaded() {
        const QString path = dir_->filePath("roads.kmtf");
        write_theme(path, {"ROAD_A"});
        Session s(system_, path);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 1);
        write_theme(path, {"ROAD_A", "ROAD_B"});
        QTRY_COMPARE(s.theme().element_count(), 2);
        QVERIFY(s.window->statusBar()->currentMessage().startsWith("Reloaded roads.kmtf"));
        QCOMPARE(s.window->preview().layout().tile_count(), 2);
        QVERIFY(s.messages.asked.isEmpty());
    }

    void a_recovery_copy_follows_the_changes_and_is_offered_at_the_next_start() {
        const QString a = copy_of(kSample, "a.kmtf");
        {
            Session s(system_, a);
            QVERIFY(s.show());
            QTRY_COMPARE(s.theme().element_count(), 3);
            QVERIFY(!s.window->recovery().has_copy());
            s.document.set_metadata(MetadataField::Title, QStringLiteral("Unsaved"));
            QTRY_VERIFY_WITH_TIMEOUT(s.window->recovery().has_copy(), 5000);
            s.window->menu().save_action->trigger();
            QVERIFY(!s.window->recovery().has_copy());
            s.document.set_metadata(MetadataField::Title, QStringLiteral("Lost in a crash"));
            s.window->recovery().write_now();
            QVERIFY(s.window->recovery().has_copy());
            // A crash: the window goes without being closed, so nothing cleans up.
        }
        // The copy of a crashed editor carries another editor's name.
        const QDir folder(system_);
        const QStringList copies = folder.entryList({"recovery-*.kmtf"});
        QCOMPARE(copies.size(), 1);
        for (const QString& name : folder.entryList({"recovery-*"})) {
            QFile::rename(folder.filePath(name),
                          folder.filePath(QString(name).replace(
                              QRegularExpression("recovery-[0-9a-f-]+"), "recovery-crashed")));
        }
        QFile::remove(folder.filePath("recovery-crashed.kmtf.lock"));

        Session s(system_);
        s.messages.choices = {true};
        QVERIFY(s.show());
        QTRY_COMPARE(s.messages.asked.size(), 1);
        QCOMPARE(s.messages.asked[0], "Restore unsaved changes to " + a + "? [&Restore/&Discard]");
        QCOMPARE(s.theme().metadata.title, QStringLiteral("Lost in a crash"));
        QCOMPARE(s.document.file_name(), a);
        QVERIFY(s.window->isWindowModified());
        QVERIFY(!QFileInfo::exists(folder.filePath("recovery-crashed.kmtf")));
        QVERIFY(s.window->recovery().has_copy());
        // A clean exit removes this editor's copy.
        s.messages.unsaved_answers = {UnsavedAnswer::Discard};
        QVERIFY(s.window->close());
        QVERIFY(!s.window->recovery().has_copy());
    }

    void searches_with_enter_and_the_button() {
        QStringList fields;
        for (int k = 0; k < 130; ++k) {
            fields << (k == 3 || k == 110 ? QString("ROAD_%1").arg(k) : QString("WATER_%1").arg(k));
        }
        const QString path = dir_->filePath("roads.kmtf");
        write_theme(path, fields);
        Session s(system_, path);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 130);
        QLineEdit* box = s.window->controls().search_box;
        QScrollBar* scroll_bar = s.window->preview().scroll_bar();
        QVERIFY(scroll_bar->maximum() > 0);

        QTest::keyClicks(box, "road");
        QTest::keyClick(box, Qt::Key_Return);
        // The hit is the one selected tile and the current one.
        QCOMPARE(s.window->selection().current(), 3);
        QCOMPARE(s.window->selection().selected(), std::vector<int>{3});
        QCOMPARE(s.window->search().position(), 4);
        // The hit shows already: the view stays.
        QCOMPARE(scroll_bar->value(), 0);

        QTest::mouseClick(s.window->controls().search_button, Qt::LeftButton);
        QCOMPARE(s.window->selection().current(), 110);
        // The hit's frame shows whole, just under the viewport's top or, this near the end, with
        // the canvas scrolled to its end.
        const PreviewLayout& layout = s.window->preview().layout();
        const int frame_top = layout.selection_frame(110).top();
        QCOMPARE(scroll_bar->value(), std::min(frame_top - 60, scroll_bar->maximum()));
        QVERIFY(s.canvas()->tile_rect(110).top() >= 0);
        QVERIFY(s.canvas()->tile_rect(110).bottom() < s.window->preview().viewport()->height());

        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(s.window->selection().current(), 3);  // wrapped around

        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(s.window->selection().current(), 110);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, "d");
        QCOMPARE(s.window->search().position(), 0);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(s.window->selection().current(), 3);

        box->clear();
        QTest::keyClicks(box, "rail");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(s.messages.told, QStringList{"Not found"});
        QCOMPARE(s.window->selection().current(), 3);
    }

    void tiles_select_frame_and_tell_their_presentation() {
        const QString path = copy_of(kSample, "sample.kmtf");
        Session s(system_, path);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 3);
        PreviewCanvas* canvas = s.canvas();
        const QPoint middle = canvas->tile_rect(1).center();
        QCOMPARE(canvas->tile_at(middle), 1);

        QHelpEvent before(QEvent::ToolTip, middle, canvas->mapToGlobal(middle));
        QApplication::sendEvent(canvas, &before);
        QCOMPARE(QToolTip::text(), PreviewCanvas::kTileToolTip);
        QTest::mouseMove(canvas, middle);
        QHelpEvent after(QEvent::ToolTip, middle, canvas->mapToGlobal(middle));
        QApplication::sendEvent(canvas, &after);
        QCOMPARE(QToolTip::text(), QStringLiteral(" GUIDANCE "));

        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, middle);
        QCOMPARE(s.window->selection().current(), 1);
        QCOMPARE(s.window->selection().selected(), std::vector<int>{1});
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, middle);

        // The frame is painted in magenta 20 twips (one or two pixels) around the tile.
        const QImage picture = canvas->grab().toImage();
        const QRect frame =
            to_pixels(s.window->preview().layout().selection_frame(1))
                .translated(canvas->tile_rect(1).topLeft() -
                            to_pixels(s.window->preview().layout().tile_rect(1)).topLeft());
        QCOMPARE(picture.pixelColor(frame.left(), frame.center().y()), QColor(255, 0, 255));
        QCOMPARE(picture.pixelColor(canvas->tile_rect(1).topLeft() + QPoint(2, 2)),
                 QColor(250, 245, 250));

        // A double-click opens the style editor on that Element.
        QString edited;
        auto watch = when_modal<StyleEditor>(
            [&edited](StyleEditor& editor) { edited = editor.field_label()->text(); });
        QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, canvas->tile_rect(2).center());
        QCOMPARE(s.window->selection().current(), 2);
        QCOMPARE(edited, s.theme().elements[2].field_name);

        // Pressing between tiles clears the selection.
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(s.window->selection().current(), -1);
        QVERIFY(s.window->selection().empty());
    }

    void tiles_follow_the_window_width() {
        QStringList fields;
        for (int k = 0; k < 20; ++k) {
            fields << QString("ROAD_%1").arg(k);
        }
        const QString path = dir_->filePath("roads.kmtf");
        write_theme(path, fields);
        Session s(system_, path);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 20);
        QCOMPARE(s.window->preview().layout().tile_positions[12], QPoint(238, 38 + 1516));

        s.window->resize(s.window->width() - s.window->centralWidget()->width() + 315,
                         s.window->height());
        QTRY_COMPARE(s.window->centralWidget()->width(), 315);
        const int canvas_width = 315 * 15 - 120;
        QCOMPARE(s.window->preview().geometry().canvas.width(), canvas_width);
        // (4605 - 852) leaves room for columns 0 to 3.
        QCOMPARE(s.window->preview().layout().tile_positions[4], QPoint(238, 38 + 1516));
        QCOMPARE(s.window->preview().scroll_bar()->geometry().right(), 314);
    }

    void the_empty_entry_points_are_wired() {
        Session s(system_);
        QVERIFY(s.show());
        // The Edit menu refuses an empty theme before it opens anything.
        s.window->menu().add_presentations_action->trigger();
        s.window->menu().remove_presentations_action->trigger();
        QCOMPARE(s.messages.told, (QStringList{"No elements", "No elements"}));
        s.window->set_update_available(true);
        QVERIFY(s.window->controls().update_notice->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
