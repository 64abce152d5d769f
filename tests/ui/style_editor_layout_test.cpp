// SPDX-License-Identifier: GPL-3.0-or-later
// The style editor on the smallest common laptop screen, 1280 x 720 logical pixels, at the scale
// CTest gives it (QT_FONT_DPI 96, 144 or 192): it fits with its frame, nothing in it overlaps,
// and every text is shown whole.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QSizeGrip>
#include <QtTest>

#include "format/reader.h"
#include "style_editor/theme_colours.h"
#include "support/scripted_colour_picker.h"
#include "support/scripted_messages.h"
#include "ui/centre_on_screen.h"
#include "ui/style_editor.h"

using namespace quorvane;

namespace {

// What is wrong with one control: sticking out of its parent, too small for its text.
QStringList faults_of(const QWidget& w) {
    QStringList faults;
    const QString name = w.objectName() + QLatin1Char(' ') + w.metaObject()->className();
    if (!w.parentWidget()->rect().contains(w.geometry())) {
        faults << name + QStringLiteral(" sticks out of its parent");
    }
    const QFontMetrics metrics = w.fontMetrics();
    bool cut = false;
    if (const auto* label = qobject_cast<const QLabel*>(&w); label && label->pixmap().isNull()) {
        QString text = label->text();
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        cut = metrics.horizontalAdvance(text) + std::max(label->indent(), 0) >
                  label->contentsRect().width() ||
              (!text.isEmpty() && label->contentsRect().height() < metrics.height());
    } else if (qobject_cast<const QAbstractButton*>(&w) ||
               qobject_cast<const QAbstractSpinBox*>(&w)) {
        cut = w.width() < w.minimumSizeHint().width() || w.height() < metrics.height();
    } else if (const auto* box = qobject_cast<const QLineEdit*>(&w)) {
        cut = metrics.horizontalAdvance(box->text()) + 8 > w.width();
    }
    if (cut) {
        faults << name + QStringLiteral(" cuts its text (%1 x %2)").arg(w.width()).arg(w.height());
    }
    return faults;
}

QStringList layout_faults(QWidget& window) {
    QStringList faults;
    const QRect screen = window.screen()->availableGeometry();
    if (screen.width() < 1280 || screen.height() < 720 ||
        !QRect(screen.topLeft(), QSize(1280, 720)).contains(window.frameGeometry())) {
        faults << QStringLiteral("the window (%1 x %2) does not fit 1280 x 720")
                      .arg(window.frameGeometry().width())
                      .arg(window.frameGeometry().height());
    }
    QList<QWidget*> shown;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        // The size grip lies over the corner on purpose.
        if (w->isVisible() && !w->isWindow() && !qobject_cast<QSizeGrip*>(w)) {
            shown << w;
        }
    }
    for (const QWidget* w : shown) {
        faults << faults_of(*w);
        for (const QWidget* other : shown) {
            if (other > w && other->parentWidget() == w->parentWidget() &&
                other->geometry().intersects(w->geometry())) {
                faults << w->objectName() + QStringLiteral(" overlaps ") + other->objectName();
            }
        }
    }
    return faults;
}

}  // namespace

class StyleEditorLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void fits_the_smallest_laptop_screen_with_every_text_whole() {
        Theme theme;
        MessageList messages;
        QVERIFY(read_theme_file(QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf"), theme, messages));
        CountingBusyCursor busy;
        ScriptedColourPicker picker;
        for (const Element* element : {&theme.elements.back(), &theme.elements.front()}) {
            StyleEditor editor(*element, theme_colours(theme), SampleGrounds{}, false, busy,
                               picker);
            centre_on_screen(editor);
            editor.show();
            QVERIFY(QTest::qWaitForWindowExposed(&editor));
            const QStringList faults = layout_faults(editor);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("\n"))));
        }
    }
};

QTEST_MAIN(StyleEditorLayoutTest)
#include "style_editor_layout_test.moc"
