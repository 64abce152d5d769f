// SPDX-License-Identifier: GPL-3.0-or-later
// Every window and dialog, opened as the user opens it, on the smallest common laptop screen
// (1280x720 logical pixels) at the scale this run is given (QT_FONT_DPI): it fits with its
// title bar, nothing in it stands on anything else, and every text shows whole.
#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDockWidget>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "main_window_session.h"
#include "platform/qt/qt_messages.h"
#include "ui/problems_panel.h"
#include "when_modal.h"

using namespace quorvane;

namespace {

const QString kDemo = QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf");

// The screen every window must fit, and what a desktop adds above a window: its title bar.
constexpr QSize kSmallestScreen(1280, 720);
constexpr int kTitleBarHeight = 32;

// One window to look at: how the user opens it from the main window. Opening nothing looks at
// the main window itself.
struct Opening {
    const char* name;
    std::function<void(MainWindowSession&)> open;
};

void ask(MainWindowSession& s, const std::function<void(QtMessages&)>& question) {
    QtMessages boxes(s.window.get());
    question(boxes);
}

// Every window and dialog but the style editor (which checks its own layout).
const Opening kOpenings[] = {
    {"main window", [](MainWindowSession&) {}},
    {"main window with Problems",
     [](MainWindowSession& s) { s.window->panel_action(s.window->problems())->trigger(); }},
    {"element picker", [](MainWindowSession& s) { s.window->add_elements(); }},
    {"adding presentations",
     [](MainWindowSession& s) { s.window->menu().add_presentations_action->trigger(); }},
    {"removing presentations",
     [](MainWindowSession& s) { s.window->menu().remove_presentations_action->trigger(); }},
    {"updates", [](MainWindowSession& s) { s.window->menu().check_updates_action->trigger(); }},
    {"about", [](MainWindowSession& s) { s.window->menu().about_action->trigger(); }},
    {"unsaved changes question",
     [](MainWindowSession& s) {
         ask(s, [](QtMessages& m) { m.ask_unsaved(QStringLiteral("Save changes to demo.kmtf?")); });
     }},
    {"yes or no question",
     [](MainWindowSession& s) {
         ask(s, [](QtMessages& m) { m.ask(QStringLiteral("Overwrite existing file?")); });
     }},
    {"choice",
     [](MainWindowSession& s) {
         ask(s, [](QtMessages& m) {
             m.choose(QStringLiteral("demo.kmtf changed on disk. Reload and lose your changes?"),
                      QStringLiteral("&Reload"), QStringLiteral("&Keep mine"));
         });
     }},
    {"longest message",
     [](MainWindowSession& s) {
         ask(s, [](QtMessages& m) {
             m.tell(QStringLiteral("Unknown field MAP_SOMETHING_CLR in GUIDANCE. ").repeated(60));
         });
     }},
};

QString name_of(const QWidget* widget) {
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// The visible widgets a layout places, its nested layouts' included.
void placed_widgets(const QLayout& layout, QList<QWidget*>& widgets) {
    for (int k = 0; k < layout.count(); ++k) {
        QLayoutItem* item = layout.itemAt(k);
        if (QWidget* widget = item->widget(); widget != nullptr && widget->isVisible()) {
            widgets.append(widget);
        } else if (const QLayout* inner = item->layout()) {
            placed_widgets(*inner, widgets);
        }
    }
}

// Whether a widget shows its text in full.
bool text_is_whole(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull()) {
            return true;
        }
        if (label->wordWrap()) {
            return label->height() >= label->heightForWidth(label->width());
        }
        const QSize wanted = label->minimumSizeHint();
        return label->width() >= wanted.width() && label->height() >= wanted.height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        // The caption as shown, without its mnemonic's mark.
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        const QFontMetrics metrics = button->fontMetrics();
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width();
        return caption.isEmpty() || (button->width() >= metrics.horizontalAdvance(caption) + icon &&
                                     button->height() >= metrics.height());
    }
    return true;
}

// What is wrong with a window's layout: each fault as a sentence.
QStringList layout_faults(QWidget& window) {
    QStringList faults;
    const QSize framed = window.frameGeometry().size() + QSize(0, kTitleBarHeight);
    if (framed.width() > kSmallestScreen.width() || framed.height() > kSmallestScreen.height()) {
        faults << QStringLiteral("%1 is %2x%3 with its frame")
                      .arg(name_of(&window))
                      .arg(framed.width())
                      .arg(framed.height());
    }
    QList<QWidget*> holders{&window};
    holders << window.findChildren<QWidget*>();
    for (QWidget* holder : holders) {
        if (!holder->isVisible()) {
            continue;
        }
        // What a layout places, or else the widgets placed by hand.
        QList<QWidget*> placed;
        if (holder->layout() != nullptr) {
            placed_widgets(*holder->layout(), placed);
        } else {
            for (QWidget* child : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                // A scroll bar stands on the edge of what it scrolls.
                if (child->isVisible() && !child->isWindow() &&
                    qobject_cast<QScrollBar*>(child) == nullptr) {
                    placed.append(child);
                }
            }
        }
        for (int a = 0; a < placed.size(); ++a) {
            if (!holder->rect().contains(placed[a]->geometry())) {
                faults << name_of(placed[a]) + QStringLiteral(" reaches out of ") + name_of(holder);
            }
            if (!text_is_whole(*placed[a])) {
                faults << QStringLiteral("the text of %1 is cut").arg(name_of(placed[a]));
            }
            for (int b = a + 1; b < placed.size(); ++b) {
                if (placed[a]->geometry().intersects(placed[b]->geometry())) {
                    faults << name_of(placed[a]) + QStringLiteral(" stands on ") +
                                  name_of(placed[b]);
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
    void the_screen_is_the_smallest_laptop_screen() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->geometry().size(), kSmallestScreen);
        qInfo("scale %.2f", screen->devicePixelRatio());
    }

    void every_window_fits_and_shows_everything_whole() {
        QTemporaryDir dir;
        QStringList faults;
        for (const Opening& opening : kOpenings) {
            MainWindowSession s(dir.filePath(QStringLiteral("system")), kDemo);
            QVERIFY(s.show());
            QTRY_VERIFY(s.theme().element_count() > 0);
            QStringList found;
            bool modal = false;
            {
                auto watch = when_modal<QDialog>([&](QDialog& dialog) {
                    modal = true;
                    found = layout_faults(dialog);
                });
                opening.open(s);
            }
            if (!modal) {
                QTest::qWait(50);  // the panels settle
                found = layout_faults(*s.window);
            }
            for (const QString& fault : found) {
                faults << QString::fromLatin1(opening.name) + QStringLiteral(": ") + fault;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
