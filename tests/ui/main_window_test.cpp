#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolTip>
#include <QUrl>
#include <QtTest>
#include <memory>

#include "format/reader.h"
#include "settings/working_data.h"
#include "support/scripted_file_dialogs.h"
#include "support/scripted_messages.h"
#include "support/scripted_web.h"
#include "preview/preview_painter.h"
#include "main_window_session.h"
#include "ui/main_window.h"
#include "ui/preview_canvas.h"
#include "ui/preview_pane.h"
#include "ui/style_editor.h"
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

QStringList menu_captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    struct Session : MainWindowSession {
        using MainWindowSession::MainWindowSession;
        QAction* recent(int k) const { return window->menu().recent_file(k); }
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
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, mime, Qt::LeftButton,
                              Qt::NoModifier);
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

    void builds_the_layout_menus_and_caption() {
        Session s(system_);
        QVERIFY(s.show());
        MainWindow& w = *s.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvane 1.20 "));
        QCOMPARE(w.centralWidget()->size(), QSize(1010, 712));
        const MainWindowControls& c = w.controls();
        QCOMPARE(c.list1->geometry(), QRect(14, 84, 155, 106));
        QCOMPARE(c.command2->text(), QStringLiteral("+"));
        QCOMPARE(c.command1->geometry(), QRect(42, 610, 107, 21));
        QCOMPARE(c.label2[4]->text(), QStringLiteral("Version"));
        QCOMPARE(c.text4->palette().color(QPalette::Base), QColor(234, 252, 191));
        QVERIFY(!c.label3->isVisible());
        QCOMPARE(c.label3->text(), QStringLiteral("UPDATE AVAILABLE"));
        // The first resize fits the viewport and scroll bar to the window.
        QCOMPARE(w.preview().viewport()->geometry(), QRect(184, 4, 825, 682));
        QCOMPARE(w.preview().scroll_bar()->geometry(), QRect(994, 0, 15, 682));

        QCOMPARE(menu_captions(w.menu().mfile),
                 (QStringList{"New", "-", "Open", "-", "Save", "-", "About", "-", "Print", "-",
                              "Exit", "-", "", "", "", "", "", ""}));
        QCOMPARE(w.menu().mf[4]->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(w.menu().mf[8]->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        QVERIFY(!w.menu().mf[8]->isEnabled());
        QCOMPARE(menu_captions(w.menu().medit),
                 (QStringList{"Add Presentations", "Remove Presentations"}));
        QVERIFY(!w.menu().mpref->menuAction()->isEnabled());
        QCOMPARE(menu_captions(w.menu().mpref), QStringList{"Settings"});
        QCOMPARE(menu_captions(w.menu().mhelp),
                 (QStringList{"Check for Updates", "-", "Manual"}));
    }

    void opens_the_command_line_file_once() {
        const QString path = copy_of(kSample, "Sample Theme.kmtf");
        Session s(system_, "\"" + path + "\"");
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme.element_count(), 3);
        QCOMPARE(s.window->windowTitle(), "Quorvane 1.20 " + path.toLower());
        QCOMPARE(s.recent(0)->text(), path);
        QVERIFY(s.recent(0)->isVisible());
        QCOMPARE(s.busy.on_calls, 1);
        QVERIFY(!s.busy.busy);
        QCOMPARE(s.window->controls().list1->count(), 2);
        QCOMPARE(s.window->controls().title->text(), QStringLiteral("PREVIEW SAMPLE"));
        QCOMPARE(s.window->preview().layout().tile_count(), 3);

        // Later activations open nothing.
        s.theme.elements.clear();
        s.window->activateWindow();
        QApplication::processEvents();
        QCOMPARE(s.theme.element_count(), 0);
        QCOMPARE(s.busy.on_calls, 1);
    }

    void opens_and_saves_a_round_trip() {
        const QString path = copy_of(kSample, "sample.kmtf");
        Session s(system_);
        QVERIFY(s.show());
        s.dialogs.answers = {path, dir_->filePath("Saved"), dir_->filePath("CAPS.KMTF")};
        s.window->menu().mf[2]->trigger();
        QCOMPARE(s.dialogs.requests[0].mode, FileDialogMode::Open);
        QCOMPARE(s.dialogs.requests[0].filter, kOpenFilter);
        QCOMPARE(s.dialogs.requests[0].initial, QStringLiteral("untitled.kmtf"));
        QCOMPARE(s.theme.element_count(), 3);
        QCOMPARE(s.theme.file_name, path);
        QCOMPARE(s.window->controls().list1->item(1)->text(), QStringLiteral(" BROWSE "));

        s.window->menu().mf[4]->trigger();
        QCOMPARE(s.dialogs.requests[1].mode, FileDialogMode::Save);
        QCOMPARE(s.dialogs.requests[1].filter, kSaveFilter);
        QCOMPARE(s.dialogs.requests[1].initial, QString());
        const QString saved = dir_->filePath("Saved.kmtf");
        QVERIFY(QFileInfo::exists(saved));
        QCOMPARE(s.theme.file_name, saved);
        QCOMPARE(s.window->windowTitle(), "Quorvane 1.20 " + saved.toLower());

        s.window->menu().mf[4]->trigger();
        QVERIFY(QFileInfo::exists(dir_->filePath("CAPS.KMTF")));
        QVERIFY(!QFileInfo::exists(dir_->filePath("CAPS.KMTF.kmtf")));
        QVERIFY(s.messages.told.isEmpty());

        Theme reread;
        ScriptedMessages quiet;
        QVERIFY(read_theme_file(saved, reread, quiet));
        QCOMPARE(reread.elements.size(), s.theme.elements.size());
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(reread.elements[size_t(k)].field_name, s.theme.elements[size_t(k)].field_name);
            QCOMPARE(reread.elements[size_t(k)].primary_day, s.theme.elements[size_t(k)].primary_day);
        }

        // A cancelled open changes nothing.
        s.window->menu().mf[2]->trigger();
        QCOMPARE(s.theme.element_count(), 3);
    }

    void open_asks_before_replacing_unsaved_changes() {
        const QString path = copy_of(kSample, "sample.kmtf");
        Session s(system_);
        QVERIFY(s.show());
        s.theme.modified = true;
        s.dialogs.answers = {path};
        // Yes: nothing is asked for or opened, so that the changes can be saved first.
        s.messages.answers = {true};
        s.window->menu().mf[2]->trigger();
        QCOMPARE(s.messages.asked, QStringList{"Save project?"});
        QVERIFY(s.dialogs.requests.isEmpty());
        QCOMPARE(s.theme.element_count(), 0);
        // No: the file is opened, and the flag stays as it was.
        s.messages.answers = {false};
        s.window->menu().mf[2]->trigger();
        QCOMPARE(s.theme.element_count(), 3);
        QVERIFY(s.theme.modified);
    }

    void refuses_to_save_an_empty_theme() {
        Session s(system_);
        QVERIFY(s.show());
        s.window->menu().mf[4]->trigger();
        QCOMPARE(s.messages.told, QStringList{"No data to save"});
        QVERIFY(s.dialogs.requests.isEmpty());
    }

    void new_keeps_everything_on_yes_and_empties_the_theme_on_no() {
        const QString path = copy_of(kSample, "sample.kmtf");
        Session s(system_, path);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme.element_count(), 3);
        s.theme.modified = true;

        s.messages.answers = {true};
        s.window->menu().mf[0]->trigger();
        QCOMPARE(s.messages.asked, QStringList{"Save project?"});
        QCOMPARE(s.theme.element_count(), 3);
        QCOMPARE(s.window->controls().list1->count(), 2);

        s.messages.answers = {false};
        s.window->menu().mf[0]->trigger();
        QCOMPARE(s.theme.element_count(), 0);
        QCOMPARE(s.theme.file_name, QStringLiteral("untitled.kmtf"));
        QCOMPARE(s.window->controls().list1->count(), 0);
        QCOMPARE(s.window->controls().text2->text(), QStringLiteral("1.00"));
        QCOMPARE(s.window->controls().text1->text(), QString());
        QCOMPARE(s.window->controls().text3->toPlainText(), QString());
        QCOMPARE(s.window->controls().title->text(), QStringLiteral("PREVIEW SAMPLE"));
        QCOMPARE(s.window->preview().layout().tile_count(), 0);
        // New leaves the flag and the caption alone.
        QVERIFY(s.theme.modified);
        QCOMPARE(s.window->windowTitle(), "Quorvane 1.20 " + path.toLower());
    }

    void remembers_recent_files_across_two_lifetimes() {
        const QString a = copy_of(kSample, "a.kmtf");
        const QString b = copy_of(kSample, "b.kmtf");
        {
            Session s(system_);
            QVERIFY(s.show());
            s.dialogs.answers = {a, b, a, b};
            for (int k = 0; k < 4; ++k) {
                s.window->menu().mf[2]->trigger();
            }
            QCOMPARE(s.recent(0)->text(), b);
            QCOMPARE(s.recent(1)->text(), a);
            QVERIFY(!s.recent(2)->isVisible());
            QVERIFY(s.window->close());
        }
        QVERIFY(QFileInfo::exists(working_data_path(system_)));
        Session s(system_);
        QVERIFY(s.show());
        QCOMPARE(s.window->recent_files().captions(), (RecentFiles{b, a, "", "", "", ""}));
        QVERIFY(s.recent(1)->isVisible());
        QVERIFY(s.recent(1)->isEnabled());

        s.recent(1)->trigger();
        QCOMPARE(s.theme.element_count(), 3);
        QCOMPARE(s.theme.file_name, a);
        QCOMPARE(s.window->recent_files().captions(), (RecentFiles{a, b, "", "", "", ""}));
        QCOMPARE(s.window->windowTitle(), "Quorvane 1.20 " + a.toLower());
        QCOMPARE(s.window->controls().list1->count(), 2);
    }

    void a_vanished_recent_file_is_reported_and_removed() {
        const QString a = copy_of(kSample, "a.kmtf");
        const QString gone = dir_->filePath("gone.kmtf");
        ScriptedMessages quiet;
        NoBusyCursor no_busy;
        save_working_data(system_, RecentFiles{gone, a, "", "", "", ""}, quiet, no_busy);

        Session s(system_);
        QVERIFY(s.show());
        QVERIFY(s.recent(0)->isEnabled());
        s.recent(0)->trigger();
        QCOMPARE(s.messages.told, QStringList{"Cannot find " + gone});
        QCOMPARE(s.window->recent_files().captions(), (RecentFiles{a, "", "", "", "", ""}));
        QCOMPARE(s.recent(0)->text(), a);
        QVERIFY(!s.recent(1)->isVisible());
        QCOMPARE(s.theme.element_count(), 0);
    }

    void a_recent_file_is_not_opened_over_unsaved_changes_on_yes() {
        const QString a = copy_of(kSample, "a.kmtf");
        write_theme(dir_->filePath("roads.kmtf"), {"ROAD_A"});
        Session s(system_, dir_->filePath("roads.kmtf"));
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme.element_count(), 1);
        s.dialogs.answers = {a};
        s.window->menu().mf[2]->trigger();
        s.theme.elements.resize(1);
        s.theme.modified = true;
        s.messages.answers = {true};
        s.recent(1)->trigger();  // roads.kmtf
        QCOMPARE(s.messages.asked, QStringList{"Save project?"});
        QCOMPARE(s.theme.element_count(), 1);
        QCOMPARE(s.theme.file_name, a);
    }

    void drops_only_other_theme_files() {
        const QString a = copy_of(kSample, "a.kmtf");
        const QString b = copy_of(kSample, "b.KMTF");
        const QString text = copy_of(kSample, "notes.txt");
        Session s(system_, a);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme.element_count(), 3);
        s.theme.modified = true;

        drop(s, text);
        drop(s, a);
        QVERIFY(s.messages.asked.isEmpty());
        QCOMPARE(s.theme.file_name, a);

        s.messages.answers = {true};
        drop(s, b);
        QCOMPARE(s.messages.asked, QStringList{"Save Current file?"});
        QCOMPARE(s.theme.file_name, a);

        s.messages.answers = {false};
        s.theme.elements.clear();
        drop(s, b);
        QCOMPARE(s.theme.element_count(), 3);
        QCOMPARE(s.theme.file_name, b);
        QVERIFY(!s.theme.modified);
        QCOMPARE(s.window->recent_files().captions()[0], b);
        QCOMPARE(s.window->controls().list1->count(), 2);
        QCOMPARE(s.busy.on_calls, 2);
        QVERIFY(!s.busy.busy);
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
        QTRY_COMPARE(s.theme.element_count(), 130);
        QLineEdit* box = s.window->controls().text4;
        QScrollBar* vs = s.window->preview().scroll_bar();
        QVERIFY(vs->maximum() > 0);

        QTest::keyClicks(box, "road");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(s.window->preview().framed_tile(), 3);
        QCOMPARE(s.window->search().position(), 4);
        // Scrolled in proportion to the hit's top: 38 twips of the canvas.
        QCOMPARE(vs->value(), qRound(38.0 / s.window->preview().geometry().canvas.height() *
                                     vs->maximum()));

        QTest::mouseClick(s.window->controls().command1, Qt::LeftButton);
        QCOMPARE(s.window->preview().framed_tile(), 110);
        // The hit's row shows: the canvas moved up to it.
        const PreviewLayout& layout = s.window->preview().layout();
        const int top = layout.tile_positions[110].y();
        QCOMPARE(vs->value(),
                 qRound(double(top) / s.window->preview().geometry().canvas.height() *
                        vs->maximum()));
        QVERIFY(s.canvas()->tile_rect(110).top() >= 0);
        QVERIFY(s.canvas()->tile_rect(110).bottom() < s.window->preview().viewport()->height());

        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(s.window->preview().framed_tile(), 3);  // wrapped around

        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(s.window->preview().framed_tile(), 110);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, "d");
        QCOMPARE(s.window->search().position(), 0);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(s.window->preview().framed_tile(), 3);

        box->clear();
        QTest::keyClicks(box, "rail");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(s.messages.told, QStringList{"Not found"});
        QCOMPARE(s.window->preview().framed_tile(), 3);
    }

    void tiles_select_frame_and_tell_their_presentation() {
        const QString path = copy_of(kSample, "sample.kmtf");
        Session s(system_, path);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme.element_count(), 3);
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
        QCOMPARE(s.window->edit_index(), 1);
        QCOMPARE(s.window->preview().framed_tile(), 1);
        QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, middle);

        // The frame is painted in magenta 20 twips (one or two pixels) around the tile.
        const QImage picture = canvas->grab().toImage();
        const QRect frame = to_pixels(s.window->preview().layout().selection_frame(1))
                                .translated(canvas->tile_rect(1).topLeft() -
                                            to_pixels(s.window->preview().layout().tile_rect(1))
                                                .topLeft());
        QCOMPARE(picture.pixelColor(frame.left(), frame.center().y()), QColor(255, 0, 255));
        QCOMPARE(picture.pixelColor(canvas->tile_rect(1).topLeft() + QPoint(2, 2)),
                 QColor(250, 245, 250));

        // A double-click opens the style editor on that Element.
        QString edited;
        auto watch = when_modal<StyleEditor>(
            [&edited](StyleEditor& editor) { edited = editor.field_label()->text(); });
        QTest::mouseDClick(canvas, Qt::LeftButton, Qt::NoModifier, canvas->tile_rect(2).center());
        QCOMPARE(s.window->edit_index(), 2);
        QCOMPARE(edited, s.theme.elements[2].field_name);

        // Pressing between tiles selects nothing.
        QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(s.window->edit_index(), 2);
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
        QTRY_COMPARE(s.theme.element_count(), 20);
        QCOMPARE(s.window->preview().layout().tile_positions[12], QPoint(238, 38 + 1516));

        s.window->resize(500, s.window->height());
        QTRY_COMPARE(s.window->centralWidget()->width(), 500);
        const int canvas_width = 500 * 15 - 2772 - 120;
        QCOMPARE(s.window->preview().geometry().canvas.width(), canvas_width);
        // (4608 - 852) leaves room for columns 0 to 3.
        QCOMPARE(s.window->preview().layout().tile_positions[4], QPoint(238, 38 + 1516));
        QCOMPARE(s.window->preview().scroll_bar()->geometry().right(), 499 - 1);
    }

    void closing_asks_to_save_unsaved_changes() {
        const QString path = copy_of(kSample, "sample.kmtf");
        Session s(system_, path);
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme.element_count(), 3);
        s.theme.modified = true;

        s.messages.answers = {true};
        QVERIFY(!s.window->close());
        QVERIFY(s.window->isVisible());
        QCOMPARE(s.dialogs.requests.size(), 1);
        QCOMPARE(s.dialogs.requests[0].mode, FileDialogMode::Save);
        QVERIFY(!QFileInfo::exists(working_data_path(system_)));

        s.messages.answers = {false};
        s.window->menu().mf[10]->trigger();
        QVERIFY(!s.window->isVisible());
        QCOMPARE(s.messages.asked, (QStringList{"Save project?", "Save project?"}));
        QVERIFY(QFileInfo::exists(working_data_path(system_)));
    }

    void the_empty_entry_points_are_wired() {
        Session s(system_);
        QVERIFY(s.show());
        // The Edit menu refuses an empty theme before it opens anything.
        s.window->menu().med[0]->trigger();
        s.window->menu().med[1]->trigger();
        QCOMPARE(s.messages.told, (QStringList{"No elements", "No elements"}));
        s.window->set_update_available(true);
        QVERIFY(s.window->controls().label3->isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
