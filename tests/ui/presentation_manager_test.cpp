// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "list_items.h"
#include "model/element_additions.h"
#include "model/presentation_list.h"
#include "model/presentations.h"
#include "model/theme_document.h"
#include "support/scripted_messages.h"
#include "ui/presentation_manager.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

void choose(QListWidget& list, const QString& name) {
    select(list, {name});
}

void click(QPushButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList owners(const Theme& theme) {
    QStringList result;
    for (const Element& e : theme.elements) {
        result.append(e.presentation);
    }
    return result;
}

// Each pick adds its polygons and ROAD_DIM to a presentation given as rank digit and name.
Theme theme_with(const QList<QPair<QString, QStringList>>& picks) {
    Theme theme;
    for (const auto& [target, polygons] : picks) {
        add_picked_elements(
            theme, ElementPick{target.left(1).toInt(), target.mid(1), polygons, {"ROAD_DIM"}});
    }
    relist_presentations(theme);
    return theme;
}

// GUIDANCE with three Elements.
Theme guidance_theme() {
    return theme_with({{"0GUIDANCE", {"WATER", "WOODS"}}});
}

// Opens the manager as the Edit menu does, lets `act` work it, and returns once it closed.
bool run(ThemeDocument& document, ScriptedMessages& messages, PresentationManagerMode mode,
         std::function<void(PresentationManager&)> act) {
    const auto answer = when_modal<PresentationManager>(std::move(act));
    return run_presentation_manager(nullptr, document, messages, mode);
}

// A document holding `theme`, as if opened.
struct Opened {
    explicit Opened(const Theme& theme) { document.replace(theme, kUntitledFileName, false); }
    ThemeDocument document;
    const Theme& theme() const { return document.theme(); }
};

}  // namespace

class PresentationManagerTest : public QObject {
    Q_OBJECT

  private slots:
    void add_mode_offers_the_presentations_the_theme_lacks() {
        Theme theme = theme_with({{"1BROWSE", {"WATER"}}, {"4ROUTE PREVIEW", {"PARK"}}});
        ScriptedMessages messages;
        QWidget main_window;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::blue);
        main_window.setWindowIcon(QIcon(pixmap));
        PresentationManager manager(theme, messages, PresentationManagerMode::Add, &main_window);

        QCOMPARE(manager.windowTitle(), QString("Add & Remove Presentations"));
        QCOMPARE(manager.objectName(), QString("presentation_manager"));
        QCOMPARE(manager.windowIcon().cacheKey(), main_window.windowIcon().cacheKey());
        QVERIFY(!manager.add_frame()->isHidden());
        QVERIFY(manager.remove_frame()->isHidden());
        QCOMPARE(texts(*manager.available_list()),
                 (QStringList{"GUIDANCE", "TRAFFIC", "TURN PREVIEW", "PEDESTRIAN"}));
        QCOMPARE(texts(*manager.project_list()), (QStringList{"BROWSE", "ROUTE PREVIEW"}));
        QCOMPARE(manager.adding_list()->count(), 0);
        QCOMPARE(manager.add_button()->text(), QString("--> &ADD"));
        QCOMPARE(manager.unadd_button()->text(), QString("<-- &REMOVE"));
        QCOMPARE(manager.apply_button()->text(), QString("A&pply"));
        QCOMPARE(manager.cancel_button()->text(), QString("Cancel"));
        QCOMPARE(manager.available_list()->selectionMode(), QAbstractItemView::SingleSelection);
    }

    // Remove mode offers the theme's presentations, each list under a caption that names it.
    void remove_mode_offers_the_presentations_the_theme_has() {
        Theme theme = theme_with({{"1BROWSE", {"WATER"}}, {"0GUIDANCE", {"PARK"}}});
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, PresentationManagerMode::Remove);
        QVERIFY(manager.add_frame()->isHidden());
        QVERIFY(!manager.remove_frame()->isHidden());
        QCOMPARE(texts(*manager.kept_list()), (QStringList{"GUIDANCE", "BROWSE"}));
        QCOMPARE(manager.removing_list()->count(), 0);
        QCOMPARE(manager.remove_button()->text(), QString("<-- &REMOVE"));
        QCOMPARE(manager.keep_button()->text(), QString("&KEEP -->"));
        for (const QLabel* label : manager.findChildren<QLabel*>()) {
            QVERIFY(label->buddy() != manager.kept_list() ||
                    label->text() == "PRESENTA&TIONS KEPT");
        }
    }

    void adding_one_presentation_doubles_the_elements() {
        Opened opened(guidance_theme());
        const std::vector<Element> before = opened.theme().elements;
        ScriptedMessages messages;
        run(opened.document, messages, PresentationManagerMode::Add, [&](PresentationManager& m) {
            choose(*m.available_list(), "TRAFFIC");
            click(m.add_button());
            QCOMPARE(texts(*m.adding_list()), QStringList{"TRAFFIC"});
            QVERIFY(m.available_list()->selectedItems().isEmpty());
            QVERIFY(m.adding_list()->item(0)->isSelected());
            QCOMPARE(opened.theme().element_count(), 3);  // nothing changes before Apply
            click(m.apply_button());
            QVERIFY(!m.isVisible());
        });
        const Theme& theme = opened.theme();
        QVERIFY(messages.told.isEmpty());
        QCOMPARE(theme.element_count(), 6);
        for (int i = 0; i < 3; ++i) {
            const Element& copy = theme.elements[3 + i];
            QCOMPARE(copy.presentation, QString("TRAFFIC"));
            QCOMPARE(copy.sort_code, before[i].is_polygon() ? 20 : 21);
            QCOMPARE(copy.primary_night, before[i].primary_night);
            QCOMPARE(copy.secondary_day, before[i].secondary_day);
            QCOMPARE(copy.scale, before[i].scale);
            QCOMPARE(copy.border, before[i].border);
            QCOMPARE(copy.field_name, before[i].field_name);
        }
        QVERIFY(opened.document.is_modified());
        QCOMPARE(opened.document.history().undoText(), QString("Add Presentation TRAFFIC"));
    }

    void adding_two_gives_three_times_in_the_order_chosen() {
        Opened opened(theme_with({{"0GUIDANCE", {"WATER"}}, {"1BROWSE", {"PARK"}}}));
        ScriptedMessages messages;
        run(opened.document, messages, PresentationManagerMode::Add, [](PresentationManager& m) {
            choose(*m.available_list(), "PEDESTRIAN");
            click(m.add_button());
            choose(*m.available_list(), "TRAFFIC");
            click(m.add_button());
            click(m.apply_button());
        });
        const Theme& theme = opened.theme();
        QCOMPARE(theme.element_count(), 12);
        QCOMPARE(owners(theme).mid(4, 4), QStringList(4, "PEDESTRIAN"));
        QCOMPARE(owners(theme).mid(8, 4), QStringList(4, "TRAFFIC"));
        // The copies of both old presentations, in their stored order.
        QCOMPARE(theme.elements[4].field_name, theme.elements[0].field_name);
        QCOMPARE(theme.elements[6].field_name, QString("MAP_PARK_CLR"));
        QCOMPARE(theme.listed_presentations,
                 (QStringList{"GUIDANCE", "BROWSE", "PEDESTRIAN", "TRAFFIC"}));
    }

    void add_mode_refusals_leave_the_dialog_open() {
        Theme theme = guidance_theme();
        const std::vector<Element> before = theme.elements;
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, PresentationManagerMode::Add);
        manager.show();

        click(manager.add_button());
        choose(*manager.available_list(), "BROWSE");
        click(manager.add_button());
        // Added once, it is offered no more.
        QVERIFY(manager.available_list()->findItems("BROWSE", Qt::MatchExactly).isEmpty());
        manager.adding_list()->clearSelection();
        click(manager.unadd_button());
        QCOMPARE(messages.told, (QStringList{"Please select a PRESENTATION", "Please select"}));
        QCOMPARE(texts(*manager.adding_list()), QStringList{"BROWSE"});
        QVERIFY(manager.isVisible());

        // Taken back, it returns to its place.
        choose(*manager.adding_list(), "BROWSE");
        click(manager.unadd_button());
        QCOMPARE(manager.adding_list()->count(), 0);
        QCOMPARE(texts(*manager.available_list()).first(), QString("BROWSE"));
        click(manager.apply_button());
        QCOMPARE(messages.told.last(), QString("Please click ADD"));
        QVERIFY(manager.isVisible());
        QVERIFY(theme.elements == before);
    }

    void the_last_presentation_cannot_be_removed() {
        Theme theme = theme_with({{"0GUIDANCE", {"WATER"}}, {"1BROWSE", {"PARK"}}});
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, PresentationManagerMode::Remove);
        manager.show();
        click(manager.remove_button());
        choose(*manager.kept_list(), "GUIDANCE");
        click(manager.remove_button());
        choose(*manager.kept_list(), "BROWSE");
        click(manager.remove_button());
        QCOMPARE(messages.told,
                 (QStringList{"Please select",
                              "Can not remove project.\r\n\r\nUse 'New' to start new project."}));
        QCOMPARE(texts(*manager.kept_list()), QStringList{"BROWSE"});
        QCOMPARE(manager.removing(), QStringList{"GUIDANCE"});
        QVERIFY(manager.isVisible());
        // Kept after all: back in its place.
        choose(*manager.removing_list(), "GUIDANCE");
        click(manager.keep_button());
        QCOMPARE(texts(*manager.kept_list()), (QStringList{"GUIDANCE", "BROWSE"}));
        QVERIFY(manager.removing().isEmpty());
    }

    // Enter after a removal applies the dialog, whichever button has the focus: it never
    // removes the next presentation.
    void enter_never_repeats_a_removal() {
        Opened opened(
            theme_with({{"0GUIDANCE", {"WATER"}}, {"1BROWSE", {"PARK"}}, {"2TRAFFIC", {"WOODS"}}}));
        ScriptedMessages messages;
        run(opened.document, messages, PresentationManagerMode::Remove, [](PresentationManager& m) {
            choose(*m.kept_list(), "BROWSE");
            m.remove_button()->setFocus();
            QTest::keyClick(m.remove_button(), Qt::Key_Space);
            choose(*m.kept_list(), "TRAFFIC");
            QTest::keyClick(m.remove_button(), Qt::Key_Return);
            QVERIFY(!m.isVisible());
        });
        QCOMPARE(opened.theme().project_presentations, (QStringList{"GUIDANCE", "TRAFFIC"}));
        QVERIFY(messages.told.isEmpty());
    }

    void removing_keeps_the_others_in_order_with_every_field() {
        Theme read;
        add_picked_elements(read, ElementPick{0, "GUIDANCE", {"WATER"}, {}});
        add_picked_elements(read, ElementPick{1, "BROWSE", {"PARK"}, {}});
        add_picked_elements(read, ElementPick{0, "GUIDANCE", {}, {"TRK"}});
        // Put a BROWSE Element between the two GUIDANCE ones, as a file may hold them.
        std::swap(read.elements[1], read.elements[2]);
        read.elements[0].primary_night = "123456";
        const std::vector<Element> before = read.elements;
        Opened opened(read);

        ScriptedMessages messages;
        run(opened.document, messages, PresentationManagerMode::Remove, [](PresentationManager& m) {
            QCOMPARE(texts(*m.kept_list()), (QStringList{"GUIDANCE", "BROWSE"}));
            choose(*m.kept_list(), "BROWSE");
            click(m.remove_button());
            click(m.apply_button());
        });
        const Theme& theme = opened.theme();
        QCOMPARE(theme.element_count(), 2);
        QVERIFY(theme.elements[0] == before[0]);
        QVERIFY(theme.elements[1] == before[2]);
        QCOMPARE(theme.elements[0].primary_night, QString("123456"));
        QCOMPARE(theme.project_presentations, QStringList{"GUIDANCE"});
        QVERIFY(opened.document.is_modified());
        QCOMPARE(opened.document.history().undoText(), QString("Remove Presentation BROWSE"));
        // Undone, every Element is back in its place.
        opened.document.history().undo();
        QVERIFY(opened.theme() == read);
    }

    void apply_with_nothing_removed_changes_nothing() {
        Opened opened(theme_with({{"0GUIDANCE", {"WATER"}}, {"1BROWSE", {"PARK"}}}));
        const Theme before = opened.theme();
        ScriptedMessages messages;
        run(opened.document, messages, PresentationManagerMode::Remove,
            [](PresentationManager& m) { click(m.apply_button()); });
        QVERIFY(opened.theme() == before);
        QVERIFY(!opened.document.is_modified());
    }

    void cancel_leaves_the_theme_unchanged() {
        Opened opened(theme_with({{"0GUIDANCE", {"WATER"}}, {"1BROWSE", {"PARK"}}}));
        const Theme before = opened.theme();
        ScriptedMessages messages;
        run(opened.document, messages, PresentationManagerMode::Remove, [](PresentationManager& m) {
            choose(*m.kept_list(), "BROWSE");
            click(m.remove_button());
            click(m.cancel_button());
        });
        QVERIFY(opened.theme() == before);
        QVERIFY(!opened.document.is_modified());
    }

    void edit_menu_on_an_empty_theme_says_no_elements() {
        ThemeDocument document;
        ScriptedMessages messages;
        bool opened = false;
        const auto answer =
            when_modal<PresentationManager>([&opened](PresentationManager&) { opened = true; });
        QVERIFY(
            !run_presentation_manager(nullptr, document, messages, PresentationManagerMode::Add));
        QVERIFY(!run_presentation_manager(nullptr, document, messages,
                                          PresentationManagerMode::Remove));
        QCOMPARE(messages.told, (QStringList{"No elements", "No elements"}));
        QTest::qWait(50);
        QVERIFY(!opened);
        QVERIFY(!document.is_modified());
    }

    void edit_menu_centres_the_manager_and_relists_the_presentations() {
        Theme read = guidance_theme();
        read.listed_presentations = {" GUIDANCE \r"};
        Opened opened(read);
        ScriptedMessages messages;
        QVERIFY(run(opened.document, messages, PresentationManagerMode::Add,
                    [](PresentationManager& manager) {
                        const QRect screen = manager.screen()->geometry();
                        QVERIFY(qAbs(manager.geometry().center().x() - screen.center().x()) <= 3);
                        QVERIFY(qAbs(manager.geometry().center().y() - screen.center().y()) <= 3);
                        choose(*manager.available_list(), "BROWSE");
                        click(manager.add_button());
                        click(manager.apply_button());
                    }));
        QCOMPARE(opened.theme().element_count(), 6);
        QCOMPARE(opened.theme().listed_presentations, (QStringList{"GUIDANCE", "BROWSE"}));
        // Undone, the list is as it was read.
        opened.document.history().undo();
        QVERIFY(opened.theme() == read);
    }
};

QTEST_MAIN(PresentationManagerTest)
#include "presentation_manager_test.moc"
