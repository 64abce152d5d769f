// SPDX-License-Identifier: GPL-3.0-or-later
// The Problems panel in the main window: when it comes up, how it follows edits, and what a
// click and a double-click on a finding do.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <memory>

#include "main_window_session.h"
#include "model/element_catalogue.h"
#include "model/presentations.h"
#include "ui/problems_panel.h"
#include "ui/style_editor.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

QString check_case(const char* name) {
    return QStringLiteral(QUORVANE_TEST_DATA "/check/") + QLatin1String(name) +
           QStringLiteral(".kmtf");
}

// Every catalogue feature in each of the six presentations, long enough to scroll; the last
// Element's day colour does not read.
Theme long_theme_with_bad_colour_at_end() {
    Theme theme;
    theme.metadata.title = QStringLiteral("Long");
    for (int rank = 0; rank < 6; ++rank) {
        for (const bool line : {false, true}) {
            for (const QString& feature : line ? line_catalogue() : polygon_catalogue()) {
                Element e;
                e.presentation = presentation_names()[rank];
                e.field_name = QStringLiteral("MAP_") + feature + QStringLiteral("_CLR");
                e.display_name = feature;
                e.primary_day = QStringLiteral("9CC9F0");
                e.primary_night = QStringLiteral("1E3C5A");
                if (line) {
                    e.scale = QStringLiteral("1");
                    e.border = QStringLiteral(".6");
                    e.secondary_day = QStringLiteral("303030");
                    e.secondary_night = QStringLiteral("000000");
                }
                e.sort_code = rank * 10 + (line ? 1 : 0);
                theme.elements.push_back(e);
            }
        }
    }
    theme.elements.back().primary_day = QStringLiteral("NOPE!!");
    theme.project_presentations = presentation_names();
    theme.listed_presentations = presentation_names();
    return theme;
}

}  // namespace

class ProblemsPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString system_;

    static QPoint row_centre(ProblemsPanel& panel, int finding) {
        QTreeView* list = panel.list();
        const QModelIndex row = panel.model().index_of_finding(finding);
        list->scrollTo(row);
        return list->visualRect(row).center();
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        system_ = dir_->filePath(QStringLiteral("system"));
    }

    void shows_itself_when_an_opened_theme_has_errors() {
        MainWindowSession s(system_, check_case("bad_colour"));
        QVERIFY(s.show());
        ProblemsPanel& panel = s.window->problems();
        QTRY_VERIFY(panel.isVisible());
        QVERIFY(s.window->panel_action(panel)->isChecked());
        QCOMPARE(panel.windowTitle(), QStringLiteral("Problems (2 errors, 0 warnings, 0 hints)"));
        // One heading with its two findings, each showing element, presentation and message.
        const ProblemsModel& model = panel.model();
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Errors (2)"));
        const QModelIndex first = model.index_of_finding(0);
        QCOMPARE(first.data().toString(), QStringLiteral("WATER"));
        QCOMPARE(first.siblingAtColumn(ProblemsModel::PresentationColumn).data().toString(),
                 QStringLiteral("GUIDANCE"));
        QVERIFY(first.siblingAtColumn(ProblemsModel::MessageColumn)
                    .data()
                    .toString()
                    .contains(QLatin1String("\"ZZ0000\"")));
        QVERIFY(!first.data(Qt::DecorationRole).value<QIcon>().isNull());
        QVERIFY(first.data(Qt::ToolTipRole).toString().startsWith("MAP_WATER_CLR: "));
        QVERIFY(panel.list()->isExpanded(model.heading_of(Severity::Error)));
        // The messages show whole in a narrow panel: the list scrolls sideways instead.
        panel.setFloating(true);
        panel.resize(420, 200);
        const QString message =
            first.siblingAtColumn(ProblemsModel::MessageColumn).data().toString();
        QTRY_VERIFY(panel.list()->columnWidth(ProblemsModel::MessageColumn) >
                    panel.list()->fontMetrics().horizontalAdvance(message));
        QVERIFY(panel.list()->columnWidth(ProblemsModel::PresentationColumn) >
                panel.list()->fontMetrics().horizontalAdvance("GUIDANCE"));
        // Looking changes nothing.
        QVERIFY(!s.document.is_modified());
    }

    void stays_hidden_for_themes_without_errors_until_asked() {
        MainWindowSession s(system_, check_case("unknown_feature"));
        QVERIFY(s.show());
        QTRY_COMPARE(s.theme().element_count(), 2);
        ProblemsPanel& panel = s.window->problems();
        QTRY_COMPARE(panel.windowTitle(),
                     QStringLiteral("Problems (0 errors, 1 warning, 0 hints)"));
        QVERIFY(!panel.isVisible());
        // The panel shares the window with the preview, below it, and gives the room back.
        const QSize size = s.window->size();
        const int preview_height = s.window->centralWidget()->height();
        s.window->panel_action(panel)->trigger();
        QVERIFY(panel.isVisible());
        QCOMPARE(s.window->size(), size);
        QTRY_VERIFY(s.window->centralWidget()->height() < preview_height);
        QVERIFY(panel.geometry().top() >= s.window->centralWidget()->geometry().bottom());
        QCOMPARE(panel.width(), s.window->centralWidget()->width());
        s.window->panel_action(panel)->trigger();
        QVERIFY(!panel.isVisible());
        QTRY_COMPARE(s.window->centralWidget()->height(), preview_height);
        // New starts a theme without styles: nothing was opened, so nothing pops up.
        s.window->menu().new_action->trigger();
        QTRY_COMPARE(panel.findings().size(), size_t(1));
        QCOMPARE(panel.findings()[0].check, Check::NoStyles);
        QVERIFY(!panel.isVisible());
    }

    void follows_edits_after_a_pause() {
        MainWindowSession s(system_, check_case("bad_colour"));
        QVERIFY(s.show());
        ProblemsPanel& panel = s.window->problems();
        QTRY_COMPARE(panel.findings().size(), size_t(2));

        ElementStyle fixed = ElementStyle::of(s.theme().elements[0]);
        fixed.colours.primary_day = QStringLiteral("9CC9F0");
        s.messages.tell_each(s.document.apply_style(0, fixed, false));
        // The edit returns at once; the list catches up after the pause.
        QCOMPARE(panel.findings().size(), size_t(2));
        QTRY_COMPARE(panel.findings().size(), size_t(1));
        QCOMPARE(panel.findings()[0].element, 1);
        QCOMPARE(panel.windowTitle(), QStringLiteral("Problems (1 error, 0 warnings, 0 hints)"));

        // Undoing the fix brings its finding back; a version that is not major.minor adds one.
        s.document.history().undo();
        s.document.set_metadata(MetadataField::Version, QStringLiteral("one"));
        QTRY_COMPARE(panel.findings().size(), size_t(3));
        QCOMPARE(panel.findings()[0].check, Check::BadVersion);
    }

    void click_selects_the_tile_and_double_click_opens_the_editor() {
        MainWindowSession s(system_);
        QVERIFY(s.show());
        s.document.replace(long_theme_with_bad_colour_at_end(),
                           dir_->filePath(QStringLiteral("long.kmtf")), true);
        ProblemsPanel& panel = s.window->problems();
        // Checked once the first tiles are painted.
        QTRY_VERIFY(panel.isVisible());
        QCOMPARE(panel.findings().size(), size_t(1));
        const int last = s.theme().element_count() - 1;
        QCOMPARE(panel.findings()[0].shown_at, last);
        QCOMPARE(s.window->preview().scroll_bar()->value(), 0);

        QTest::mouseClick(panel.list()->viewport(), Qt::LeftButton, {}, row_centre(panel, 0));
        QCOMPARE(s.window->selection().current(), last);
        QCOMPARE(s.window->selection().current(), last);
        QVERIFY(s.window->preview().scroll_bar()->value() > 0);

        // A click on the heading selects nothing.
        s.window->preview().clear_selection();
        const QModelIndex heading = panel.model().heading_of(Severity::Error);
        QTest::mouseClick(panel.list()->viewport(), Qt::LeftButton, {},
                          panel.list()->visualRect(heading).center());
        QCOMPARE(s.window->selection().current(), -1);

        QString edited;
        auto watch = when_modal<StyleEditor>([&](StyleEditor& editor) {
            edited = editor.field_label()->text();
            editor.cancel_button()->click();
        });
        // A real double-click starts with a press, which the list needs to see.
        const QPoint finding = row_centre(panel, 0);
        QTest::mouseClick(panel.list()->viewport(), Qt::LeftButton, {}, finding);
        QTest::mouseDClick(panel.list()->viewport(), Qt::LeftButton, {}, finding);
        QCOMPARE(edited, s.theme().elements[size_t(last)].field_name);
        QCOMPARE(s.window->selection().current(), last);
    }
};

QTEST_MAIN(ProblemsPanelTest)
#include "problems_panel_test.moc"
