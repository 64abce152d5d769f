#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "model/presentations.h"
#include "support/scripted_messages.h"
#include "model/element_additions.h"
#include "ui/presentation_manager.h"
#include "list_items.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

void choose(QListWidget& list, const QString& name) { select(list, {name}); }

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

Theme theme_with(const QList<QPair<QString, QString>>& picks) {
    Theme theme;
    for (const auto& [target, polygons] : picks) {
        PickedElements picked{polygons, "ROAD_DIM\r\n", target};
        add_element(theme, picked);
    }
    theme.modified = false;
    return theme;
}

// GUIDANCE with three Elements.
Theme guidance_theme() {
    return theme_with({{"0GUIDANCE", "WATER\r\nWOODS\r\n"}});
}

}  // namespace

class PresentationManagerTest : public QObject {
    Q_OBJECT

private slots:
    void add_mode_opens_with_the_project_and_the_six_presentations() {
        Theme theme = theme_with({{"1BROWSE", "WATER\r\n"}, {"4ROUTE PREVIEW", "PARK\r\n"}});
        ScriptedMessages messages;
        QWidget main_window;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::blue);
        main_window.setWindowIcon(QIcon(pixmap));
        PresentationManager manager(theme, messages, kAddPresentations, &main_window);

        QCOMPARE(manager.windowTitle(), QString("Add & bRemove Presentations"));
        QCOMPARE(manager.objectName(), QString("presentation"));
        QCOMPARE(manager.size(), QSize(653, 503));
        QCOMPARE(manager.windowIcon().cacheKey(), main_window.windowIcon().cacheKey());
        QVERIFY(!manager.add_frame()->isHidden());
        QVERIFY(manager.remove_frame()->isHidden());
        QCOMPARE(manager.add_frame()->geometry(), manager.remove_frame()->geometry());
        QCOMPARE(texts(*manager.available_list()), presentation_names());
        QCOMPARE(manager.available_list()->palette().color(QPalette::Base), QColor(224, 224, 224));
        QCOMPARE(texts(*manager.project_list()), (QStringList{"BROWSE", "ROUTE PREVIEW"}));
        QCOMPARE(manager.adding_list()->count(), 0);
        QCOMPARE(manager.kept_list()->count(), 0);
        QCOMPARE(manager.add_button()->text(), QString("--> ADD"));
        QCOMPARE(manager.unadd_button()->text(), QString("<-- REMOVE"));
        QCOMPARE(manager.apply_button()->text(), QString("Apply"));
        QCOMPARE(manager.cancel_button()->text(), QString("Cancel"));
        QCOMPARE(manager.available_list()->selectionMode(), QAbstractItemView::SingleSelection);
    }

    void remove_mode_opens_with_the_project_in_its_own_frame() {
        Theme theme = theme_with({{"1BROWSE", "WATER\r\n"}, {"0GUIDANCE", "PARK\r\n"}});
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, kRemovePresentations);
        QVERIFY(manager.add_frame()->isHidden());
        QVERIFY(!manager.remove_frame()->isHidden());
        QCOMPARE(texts(*manager.kept_list()), (QStringList{"GUIDANCE", "BROWSE"}));
        QCOMPARE(manager.project_list()->count(), 0);
        QCOMPARE(manager.remove_button()->text(), QString("<-- REMOVE"));
    }

    void adding_one_presentation_doubles_the_elements() {
        Theme theme = guidance_theme();
        const std::vector<Element> before = theme.elements;
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, kAddPresentations);
        manager.show();
        choose(*manager.available_list(), "TRAFFIC");
        click(manager.add_button());
        QCOMPARE(texts(*manager.adding_list()), QStringList{"TRAFFIC"});
        QVERIFY(manager.available_list()->selectedItems().isEmpty());
        QVERIFY(manager.adding_list()->item(0)->isSelected());
        QCOMPARE(theme.element_count(), 3);  // nothing changes before Apply

        click(manager.apply_button());
        QVERIFY(!manager.isVisible());
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
        QVERIFY(theme.modified);
    }

    void adding_two_gives_three_times_in_the_order_chosen() {
        Theme theme = theme_with({{"0GUIDANCE", "WATER\r\n"}, {"1BROWSE", "PARK\r\n"}});
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, kAddPresentations);
        manager.show();
        choose(*manager.available_list(), "PEDESTRIAN");
        click(manager.add_button());
        choose(*manager.available_list(), "TRAFFIC");
        click(manager.add_button());
        click(manager.apply_button());

        QCOMPARE(theme.element_count(), 12);
        QCOMPARE(owners(theme).mid(4, 4), QStringList(4, "PEDESTRIAN"));
        QCOMPARE(owners(theme).mid(8, 4), QStringList(4, "TRAFFIC"));
        // The copies of both old presentations, in their stored order.
        QCOMPARE(theme.elements[4].field_name, theme.elements[0].field_name);
        QCOMPARE(theme.elements[6].field_name, QString("MAP_PARK_CLR"));
        QCOMPARE(theme.project_presentations,
                 (QStringList{"GUIDANCE", "BROWSE", "PEDESTRIAN", "TRAFFIC"}));
    }

    void add_mode_refusals_leave_the_dialog_open() {
        Theme theme = guidance_theme();
        const std::vector<Element> before = theme.elements;
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, kAddPresentations);
        manager.show();

        click(manager.add_button());
        choose(*manager.available_list(), "GUIDANCE");
        click(manager.add_button());
        choose(*manager.available_list(), "BROWSE");
        click(manager.add_button());
        choose(*manager.available_list(), "BROWSE");
        click(manager.add_button());
        manager.adding_list()->clearSelection();
        click(manager.unadd_button());
        QCOMPARE(messages.told, (QStringList{"Please select a PRESENTATION", "Already exists",
                                             "Already added", "Please select"}));
        QCOMPARE(texts(*manager.adding_list()), QStringList{"BROWSE"});
        QVERIFY(manager.isVisible());

        choose(*manager.adding_list(), "BROWSE");
        click(manager.unadd_button());
        QCOMPARE(manager.adding_list()->count(), 0);
        click(manager.apply_button());
        QCOMPARE(messages.told.last(), QString("Please click ADD"));
        QVERIFY(manager.isVisible());
        QVERIFY(theme.elements == before);
        QVERIFY(!theme.modified);
    }

    void the_last_presentation_cannot_be_removed() {
        Theme theme = theme_with({{"0GUIDANCE", "WATER\r\n"}, {"1BROWSE", "PARK\r\n"}});
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, kRemovePresentations);
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
    }

    void removing_keeps_the_others_in_order_with_every_field() {
        Theme theme;
        PickedElements g1{"WATER\r\n", "", "0GUIDANCE"};
        add_element(theme, g1);
        PickedElements b{"PARK\r\n", "", "1BROWSE"};
        add_element(theme, b);
        PickedElements g2{"", "TRK\r\n", "0GUIDANCE"};
        add_element(theme, g2);
        // Put a BROWSE Element between the two GUIDANCE ones, as a file may hold them.
        std::swap(theme.elements[1], theme.elements[2]);
        theme.elements[0].primary_night = "123456";
        const std::vector<Element> before = theme.elements;
        theme.modified = false;

        ScriptedMessages messages;
        PresentationManager manager(theme, messages, kRemovePresentations);
        manager.show();
        QCOMPARE(texts(*manager.kept_list()), (QStringList{"GUIDANCE", "BROWSE"}));
        choose(*manager.kept_list(), "BROWSE");
        click(manager.remove_button());
        click(manager.apply_button());

        QVERIFY(!manager.isVisible());
        QCOMPARE(theme.element_count(), 2);
        QVERIFY(theme.elements[0] == before[0]);
        QVERIFY(theme.elements[1] == before[2]);
        QCOMPARE(theme.elements[0].primary_night, QString("123456"));
        QCOMPARE(theme.project_presentations, QStringList{"GUIDANCE"});
        QVERIFY(theme.modified);
    }

    void apply_with_nothing_removed_sets_the_flag_only() {
        Theme theme = theme_with({{"0GUIDANCE", "WATER\r\n"}, {"1BROWSE", "PARK\r\n"}});
        const std::vector<Element> before = theme.elements;
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, kRemovePresentations);
        manager.show();
        click(manager.apply_button());
        QVERIFY(!manager.isVisible());
        QVERIFY(theme.elements == before);
        QVERIFY(theme.modified);
    }

    void cancel_leaves_the_theme_unchanged() {
        Theme theme = theme_with({{"0GUIDANCE", "WATER\r\n"}, {"1BROWSE", "PARK\r\n"}});
        const std::vector<Element> before = theme.elements;
        ScriptedMessages messages;
        PresentationManager manager(theme, messages, kRemovePresentations);
        manager.show();
        choose(*manager.kept_list(), "BROWSE");
        click(manager.remove_button());
        click(manager.cancel_button());
        QVERIFY(!manager.isVisible());
        QVERIFY(theme.elements == before);
        QVERIFY(!theme.modified);
    }

    void edit_menu_on_an_empty_theme_says_no_elements() {
        Theme theme;
        ScriptedMessages messages;
        bool opened = false;
        const auto answer =
            when_modal<PresentationManager>([&opened](PresentationManager&) { opened = true; });
        QVERIFY(!run_presentation_manager(nullptr, theme, messages, kAddPresentations));
        QVERIFY(!run_presentation_manager(nullptr, theme, messages, kRemovePresentations));
        QCOMPARE(messages.told, (QStringList{"No elements", "No elements"}));
        QTest::qWait(50);
        QVERIFY(!opened);
        QVERIFY(!theme.modified);
    }

    void edit_menu_applies_and_rebuilds_the_presentation_list() {
        Theme theme = guidance_theme();
        theme.listed_presentations = {" GUIDANCE \r"};
        ScriptedMessages messages;
        const auto answer = when_modal<PresentationManager>([](PresentationManager& manager) {
            const QRect screen = manager.screen()->geometry();
            QVERIFY(qAbs(manager.geometry().center().x() - screen.center().x()) <= 3);
            QVERIFY(qAbs(manager.geometry().center().y() - screen.center().y()) <= 3);
            choose(*manager.available_list(), "BROWSE");
            click(manager.add_button());
            click(manager.apply_button());
        });
        QVERIFY(run_presentation_manager(nullptr, theme, messages, kAddPresentations));
        QCOMPARE(theme.element_count(), 6);
        QCOMPARE(theme.listed_presentations, (QStringList{"GUIDANCE", "BROWSE"}));
        QVERIFY(theme.modified);
    }

    void edit_menu_cancelled_still_asks_for_a_redraw() {
        Theme theme = guidance_theme();
        const std::vector<Element> before = theme.elements;
        theme.listed_presentations = {" GUIDANCE \r"};
        ScriptedMessages messages;
        const auto answer = when_modal<PresentationManager>(
            [](PresentationManager& manager) { click(manager.cancel_button()); });
        QVERIFY(run_presentation_manager(nullptr, theme, messages, kRemovePresentations));
        QVERIFY(theme.elements == before);
        QVERIFY(!theme.modified);
        QCOMPARE(theme.listed_presentations, QStringList{"GUIDANCE"});
    }
};

QTEST_MAIN(PresentationManagerTest)
#include "presentation_manager_test.moc"
