// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and dialog, opened as the user opens it, on the smallest common laptop screen
// (1280x720 logical pixels) at the scale this run is given (QT_FONT_DPI): it fits with its
// title bar, nothing in it stands on anything else, and every text shows whole.
#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include "main_window_session.h"
#include "platform/qt/qt_messages.h"
#include "ui/map_dock.h"
#include "ui/problems_panel.h"
#include "ui/recolour_commands.h"
#include "ui/theme_colours_panel.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

constexpr QSize kSmallestScreen(1280, 720);
constexpr int kTitleBarHeight = 32;

// How the user opens a window from the main window; opening nothing shows the main window.
using Opening = std::pair<const char*, std::function<void(MainWindow&)>>;

// Every window and dialog.
const Opening kOpenings[] = {
    {"main window", [](MainWindow&) {}},
    {"style editor on a polygon", [](MainWindow& w) { w.open_style_editor(0); }},
    {"style editor on a line", [](MainWindow& w) { w.open_style_editor(11); }},
    {"with Problems", [](MainWindow& w) { w.panel_action(w.problems())->trigger(); }},
    {"with Theme Colours",
     [](MainWindow& w) { w.panel_action(w.recolour_commands().colours_panel())->trigger(); }},
    {"with Map and its legend",
     [](MainWindow& w) {
         w.panel_action(w.map_dock())->trigger();
         w.map_dock().legend_action()->setChecked(true);
     }},
    {"replace colour",
     [](MainWindow& w) { w.recolour_commands().replace_colour_action()->trigger(); }},
    {"adjust colours",
     [](MainWindow& w) { w.recolour_commands().adjust_colours_action()->trigger(); }},
    {"make night colours",
     [](MainWindow& w) { w.recolour_commands().night_colours_action()->trigger(); }},
    {"snap to palette",
     [](MainWindow& w) { w.recolour_commands().snap_to_palette_action()->trigger(); }},
    {"element picker", [](MainWindow& w) { w.add_elements(); }},
    {"adding presentations", [](MainWindow& w) { w.menu().add_presentations_action->trigger(); }},
    {"removing presentations",
     [](MainWindow& w) { w.menu().remove_presentations_action->trigger(); }},
    {"updates", [](MainWindow& w) { w.menu().check_updates_action->trigger(); }},
    {"about", [](MainWindow& w) { w.menu().about_action->trigger(); }},
    {"question", [](MainWindow& w) { QtMessages(&w).ask_unsaved("Save changes to demo.kmtf?"); }},
    {"longest message",
     [](MainWindow& w) { QtMessages(&w).tell(QString("Unknown field MAP_X_CLR. ").repeated(99)); }},
};

// Whether a label or a button shows its text whole.
bool text_is_whole(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                 : label->width() >= label->minimumSizeHint().width() &&
                                       label->height() >= label->minimumSizeHint().height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width();
        return caption.isEmpty() ||
               (button->width() >= button->fontMetrics().horizontalAdvance(caption) + icon &&
                button->height() >= button->fontMetrics().height());
    }
    return true;
}

// The visible widgets a layout places (its nested layouts' included), or else the widgets placed
// by hand; a scroll bar stands on the edge of what it scrolls.
QList<QWidget*> placed_widgets(QWidget& holder, const QLayout* layout) {
    QList<QWidget*> placed;
    if (layout == nullptr) {
        for (QWidget* child : holder.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible() && !child->isWindow() && !qobject_cast<QScrollBar*>(child)) {
                placed << child;
            }
        }
        return placed;
    }
    for (int k = 0; k < layout->count(); ++k) {
        QWidget* widget = layout->itemAt(k)->widget();
        if (widget != nullptr && widget->isVisible()) {
            placed << widget;
        } else if (layout->itemAt(k)->layout() != nullptr) {
            placed << placed_widgets(holder, layout->itemAt(k)->layout());
        }
    }
    return placed;
}

// What is wrong with a window's layout, each fault as a sentence.
QStringList layout_faults(QWidget& window) {
    QStringList faults;
    const QSize framed = window.frameGeometry().size() + QSize(0, kTitleBarHeight);
    if (!QRect(QPoint(), kSmallestScreen).contains(QRect(QPoint(), framed))) {
        faults << QStringLiteral("%1x%2 with its frame").arg(framed.width()).arg(framed.height());
    }
    const QList<QWidget*> holders = window.findChildren<QWidget*>() << &window;
    for (QWidget* holder : holders) {
        const QList<QWidget*> placed =
            holder->isVisible() ? placed_widgets(*holder, holder->layout()) : QList<QWidget*>();
        for (int a = 0; a < placed.size(); ++a) {
            const QString name =
                placed[a]->objectName() + "/" + placed[a]->metaObject()->className();
            if (!holder->rect().contains(placed[a]->geometry()) || !text_is_whole(*placed[a])) {
                faults << name + " is cut";
            }
            for (int b = a + 1; b < placed.size(); ++b) {
                if (placed[a]->geometry().intersects(placed[b]->geometry())) {
                    faults << name + " stands on " + placed[b]->objectName();
                }
            }
        }
    }
    return faults;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void every_window_fits_and_shows_everything_whole() {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), kSmallestScreen);
        QTemporaryDir dir;
        QStringList faults;
        for (const auto& [name, open] : kOpenings) {
            MainWindowSession s(dir.path(), QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf"));
            QVERIFY(s.show());
            QTRY_VERIFY(s.theme().element_count() > 0);
            QStringList found{QStringLiteral("no dialog")};
            {
                auto watch = when_modal<QDialog>([&](QDialog& d) { found = layout_faults(d); });
                open(*s.window);
            }
            if (found == QStringList{QStringLiteral("no dialog")}) {
                QTest::qWait(50);  // the panels settle
                found = layout_faults(*s.window);
            }
            for (const QString& fault : found) {
                faults << QString::fromLatin1(name) + ": " + fault;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
