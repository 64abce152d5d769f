// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

#include "list_items.h"
#include "model/element_additions.h"
#include "model/element_catalogue.h"
#include "model/presentation_list.h"
#include "model/theme_document.h"
#include "support/scripted_messages.h"
#include "ui/element_picker.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

QStringList selected_texts(const QListWidget& list) {
    QStringList result;
    for (int row = 0; row < list.count(); ++row) {
        if (list.item(row)->isSelected()) {
            result.append(list.item(row)->text());
        }
    }
    return result;
}

void click_row(QListWidget& list, int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect rect = list.visualItemRect(list.item(row));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, rect.center());
}

// A theme whose BROWSE holds WATER, MISC_WATER_AREA and TRK_SAVED, and GUIDANCE holds WOODS.
Theme sample_theme() {
    Theme theme;
    add_picked_elements(theme,
                        ElementPick{1, "BROWSE", {"WATER", "MISC_WATER_AREA"}, {"TRK_SAVED"}});
    add_picked_elements(theme, ElementPick{0, "GUIDANCE", {"WOODS"}, {}});
    relist_presentations(theme);
    return theme;
}

}  // namespace

class ElementPickerTest : public QObject {
    Q_OBJECT

  private slots:
    void opens_with_the_catalogue_and_nothing_selected() {
        Theme theme;
        ScriptedMessages messages;
        QWidget main_window;
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::red);
        main_window.setWindowIcon(QIcon(pixmap));
        ElementPicker picker(theme, messages, &main_window);

        QCOMPARE(picker.windowTitle(), QString("Add Elements"));
        QCOMPARE(picker.objectName(), QString("element_picker"));
        QVERIFY(!picker.windowIcon().isNull());
        QCOMPARE(picker.windowIcon().cacheKey(), main_window.windowIcon().cacheKey());

        QCOMPARE(texts(*picker.presentation_list()),
                 (QStringList{"GUIDANCE", "BROWSE", "TRAFFIC", "TURN PREVIEW", "ROUTE PREVIEW",
                              "PEDESTRIAN"}));
        // The features as the tiles name them, the field name in the tool tip.
        QStringList polygons = polygon_catalogue();
        QStringList lines = line_catalogue();
        polygons.replaceInStrings("_", " ");
        lines.replaceInStrings("_", " ");
        std::sort(polygons.begin(), polygons.end());
        std::sort(lines.begin(), lines.end());
        QCOMPARE(texts(*picker.polygon_list()), polygons);
        QCOMPARE(texts(*picker.line_list()), lines);
        QCOMPARE(texts(*picker.line_list()).first(), QString("CNTR INT"));
        QCOMPARE(picker.polygon_list()->item(9)->toolTip(), QString("MAP_MISC_WATER_AREA_CLR"));
        QCOMPARE(picker.polygon_list()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(picker.line_list()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(picker.presentation_list()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QVERIFY(picker.presentation_list()->selectedItems().isEmpty());
        QVERIFY(picker.polygon_list()->selectedItems().isEmpty());
        QVERIFY(picker.line_list()->selectedItems().isEmpty());
        QVERIFY(!picker.select_all_polygons()->isChecked());
        QVERIFY(!picker.select_all_lines()->isChecked());
        QVERIFY(picker.filter_box()->text().isEmpty());

        QCOMPARE(picker.instructions()->text().split('\n'),
                 (QStringList{" 1) Click on a Presentation", "", "2) Select polygon(s) or line(s)",
                              "", "3) (Shift/CTRL)click to select more than one."}));
        QCOMPARE(picker.add_button()->text(), QString("&Add"));
        QVERIFY(picker.add_button()->isDefault());
        QCOMPARE(picker.cancel_button()->text(), QString("Cancel"));
    }

    void add_without_presentation_is_refused() {
        Theme theme;
        ScriptedMessages messages;
        ElementPicker picker(theme, messages);
        picker.show();
        select(*picker.polygon_list(), {"WATER"});
        QTest::mouseClick(picker.add_button(), Qt::LeftButton);

        QCOMPARE(messages.told, QStringList{"Please select a Presentation"});
        QVERIFY(picker.isVisible());
        QCOMPARE(selected_texts(*picker.polygon_list()), QStringList{"WATER"});
        QVERIFY(picker.picked().empty());
    }

    void add_without_names_is_refused() {
        Theme theme;
        ScriptedMessages messages;
        ElementPicker picker(theme, messages);
        picker.show();
        click_row(*picker.presentation_list(), 2);
        QTest::mouseClick(picker.add_button(), Qt::LeftButton);

        QCOMPARE(messages.told, QStringList{"Please select a line or polygon."});
        QVERIFY(picker.isVisible());
        QCOMPARE(selected_texts(*picker.presentation_list()), QStringList{"TRAFFIC"});
        QVERIFY(picker.picked().empty());
    }

    // What every chosen presentation has is greyed out, with a tool tip saying where it is; a
    // feature some of them have goes to the others.
    void features_already_present_are_greyed_and_left_out() {
        Theme theme = sample_theme();
        ScriptedMessages messages;
        ElementPicker picker(theme, messages);
        picker.show();
        select(*picker.polygon_list(), {"WATER", "BEACH"});
        select(*picker.presentation_list(), {"BROWSE"});
        const QListWidgetItem* water = picker.polygon_list()->findItems("WATER", {}).first();
        const QListWidgetItem* woods = picker.polygon_list()->findItems("WOODS", {}).first();
        QVERIFY(!water->flags().testFlag(Qt::ItemIsEnabled));
        QVERIFY(woods->flags().testFlag(Qt::ItemIsEnabled));
        QCOMPARE(water->toolTip(), QString("MAP_WATER_CLR\nAlready in BROWSE"));
        QCOMPARE(selected_texts(*picker.polygon_list()), QStringList{"BEACH"});

        select(*picker.presentation_list(), {"GUIDANCE"});
        QVERIFY(water->flags().testFlag(Qt::ItemIsEnabled));
        select(*picker.polygon_list(), {"WATER", "WOODS"});
        select(*picker.line_list(), {"TRK SAVED"});
        QTest::mouseClick(picker.add_button(), Qt::LeftButton);
        QVERIFY(messages.told.isEmpty());
        QCOMPARE(picker.result(), int(QDialog::Accepted));
        QCOMPARE(picker.picked(),
                 (std::vector<ElementPick>{{0, "GUIDANCE", {"BEACH", "WATER"}, {"TRK_SAVED"}},
                                           {1, "BROWSE", {"BEACH", "WOODS"}, {}}}));
    }

    void other_presentations_never_count_as_present() {
        Theme theme = sample_theme();
        ScriptedMessages messages;
        ElementPicker picker(theme, messages);
        picker.show();
        select(*picker.presentation_list(), {"ROUTE PREVIEW"});
        select(*picker.polygon_list(), {"WATER", "WOODS"});
        QTest::mouseClick(picker.add_button(), Qt::LeftButton);

        QVERIFY(messages.told.isEmpty());
        QCOMPARE(picker.picked(),
                 (std::vector<ElementPick>{{4, "ROUTE PREVIEW", {"WATER", "WOODS"}, {}}}));
    }

    void lists_select_with_click_shift_and_ctrl() {
        Theme theme;
        ScriptedMessages messages;
        ElementPicker picker(theme, messages);
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        QListWidget& polygons = *picker.polygon_list();
        click_row(polygons, 1);
        click_row(polygons, 3, Qt::ShiftModifier);
        QCOMPARE(selected_texts(polygons),
                 (QStringList{"BUILDING", "BUILDING SHADOW", "EXTRD AREA"}));
        click_row(polygons, 2, Qt::ControlModifier);
        click_row(polygons, 0, Qt::ControlModifier);
        QCOMPARE(selected_texts(polygons), (QStringList{"BEACH", "BUILDING", "EXTRD AREA"}));
        click_row(polygons, 4);
        QCOMPARE(selected_texts(polygons), QStringList{"GLACIER"});
    }

    void select_all_acts_on_its_own_list_only() {
        Theme theme;
        ScriptedMessages messages;
        ElementPicker picker(theme, messages);
        picker.show();
        select(*picker.polygon_list(), {"PARK"});
        QTest::mouseClick(picker.select_all_lines(), Qt::LeftButton);
        QVERIFY(picker.select_all_lines()->isChecked());
        QCOMPARE(picker.line_list()->selectedItems().size(), 33);
        QCOMPARE(selected_texts(*picker.polygon_list()), QStringList{"PARK"});

        QTest::mouseClick(picker.select_all_lines(), Qt::LeftButton);
        QVERIFY(!picker.select_all_lines()->isChecked());
        QVERIFY(picker.line_list()->selectedItems().isEmpty());
        QCOMPARE(selected_texts(*picker.polygon_list()), QStringList{"PARK"});

        QTest::mouseClick(picker.select_all_polygons(), Qt::LeftButton);
        QCOMPARE(picker.polygon_list()->selectedItems().size(), 16);
        QVERIFY(picker.line_list()->selectedItems().isEmpty());
    }

    // The filter narrows both lists to the names that hold its text, as shown or as fields;
    // Select All then takes what shows.
    void the_filter_narrows_the_lists() {
        Theme theme;
        ScriptedMessages messages;
        ElementPicker picker(theme, messages);
        const auto shown = [](const QListWidget& list) {
            QStringList names;
            for (int row = 0; row < list.count(); ++row) {
                names << (list.item(row)->isHidden() ? QString() : list.item(row)->text());
            }
            return names.join(' ').simplified();
        };
        const std::pair<const char*, const char*> cases[] = {{"water", "MISC WATER AREA WATER"},
                                                             {"MISC_w", "MISC WATER AREA"}};
        for (const auto& [filter, polygons] : cases) {
            picker.filter_box()->setText(filter);
            QCOMPARE(shown(*picker.polygon_list()), QString(polygons));
            QCOMPARE(shown(*picker.line_list()), QString("MISC WATER LINE"));
        }
        picker.filter_box()->setText("water");
        QTest::mouseClick(picker.select_all_polygons(), Qt::LeftButton);
        picker.filter_box()->clear();
        QCOMPARE(selected_texts(*picker.polygon_list()), (QStringList{"MISC WATER AREA", "WATER"}));
    }

    void cancel_hands_over_nothing() {
        Theme theme;
        ScriptedMessages messages;
        ElementPicker picker(theme, messages);
        picker.show();
        select(*picker.presentation_list(), {"GUIDANCE"});
        select(*picker.polygon_list(), {"WATER"});
        QTest::mouseClick(picker.cancel_button(), Qt::LeftButton);
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.result(), int(QDialog::Rejected));
        QVERIFY(picker.picked().empty());
        QVERIFY(messages.told.isEmpty());
    }

    // Enter in a list adds what is picked, as the default button does; Escape cancels.
    void enter_adds_and_escape_cancels() {
        Theme theme;
        ScriptedMessages messages;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            ElementPicker picker(theme, messages);
            picker.show();
            QVERIFY(QTest::qWaitForWindowExposed(&picker));
            select(*picker.presentation_list(), {"GUIDANCE"});
            select(*picker.polygon_list(), {"WATER"});
            picker.polygon_list()->setFocus();
            QTest::keyClick(picker.polygon_list(), key);
            QVERIFY(!picker.isVisible());
            QCOMPARE(picker.picked().empty() ? QStringList() : picker.picked().front().polygons,
                     key == Qt::Key_Return ? QStringList{"WATER"} : QStringList());
        }
        QVERIFY(messages.told.isEmpty());
    }

    void plus_button_adds_the_picked_elements() {
        ThemeDocument document;
        document.replace(sample_theme(), kUntitledFileName, false);
        const Theme& theme = document.theme();
        ScriptedMessages messages;
        const auto answer = when_modal<ElementPicker>([](ElementPicker& picker) {
            // Centred on the screen.
            const QRect screen = picker.screen()->geometry();
            QVERIFY(qAbs(picker.geometry().center().x() - screen.center().x()) <= 3);
            QVERIFY(qAbs(picker.geometry().center().y() - screen.center().y()) <= 3);
            select(*picker.presentation_list(), {"GUIDANCE"});
            select(*picker.polygon_list(), {"WATER"});
            select(*picker.line_list(), {"CNTR MJR"});
            QTest::mouseClick(picker.add_button(), Qt::LeftButton);
        });
        QCOMPARE(run_add_elements(nullptr, document, messages), (std::vector<int>{1, 2}));

        QVERIFY(messages.told.isEmpty());
        QCOMPARE(theme.element_count(), 6);
        QCOMPARE(theme.elements[0].field_name, QString("MAP_WOODS_CLR"));
        QCOMPARE(theme.elements[1].field_name, QString("MAP_WATER_CLR"));
        QCOMPARE(theme.elements[2].field_name, QString("MAP_CNTR_MJR_CLR"));
        QCOMPARE(theme.elements[2].presentation, QString("GUIDANCE"));
        QVERIFY(document.is_modified());
        QCOMPARE(document.history().undoText(), QStringLiteral("Add 2 Elements"));
        QCOMPARE(theme.listed_presentations, (QStringList{"GUIDANCE", "BROWSE"}));
        QCOMPARE(theme.project_presentations, (QStringList{"GUIDANCE", "BROWSE"}));
    }

    void plus_button_cancelled_changes_nothing() {
        Theme read = sample_theme();
        read.listed_presentations = {" BROWSE ", " GUIDANCE "};
        ThemeDocument document;
        document.replace(read, kUntitledFileName, false);
        ScriptedMessages messages;
        const auto answer = when_modal<ElementPicker>([](ElementPicker& picker) {
            select(*picker.presentation_list(), {"TRAFFIC"});
            select(*picker.polygon_list(), {"WATER"});
            QTest::mouseClick(picker.cancel_button(), Qt::LeftButton);
        });
        run_add_elements(nullptr, document, messages);

        QVERIFY(document.theme() == read);
        QVERIFY(!document.is_modified());
        QCOMPARE(document.history().count(), 0);
    }
};

QTEST_MAIN(ElementPickerTest)
#include "element_picker_test.moc"
