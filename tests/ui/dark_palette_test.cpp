// SPDX-License-Identifier: GPL-3.0-or-later
// Every window under a dark desktop palette: each text the user reads stands out from its
// background by at least 4.5:1, as the web accessibility guidelines ask of body text. Only the
// pictures of the theme (the preview, colour cells, the sample) keep colours of their own.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>
#include <cmath>

#include "format/reader.h"
#include "main_window_session.h"
#include "model/element_additions.h"
#include "style_editor/theme_colours.h"
#include "support/scripted_messages.h"
#include "ui/about_box.h"
#include "ui/colour_cell.h"
#include "ui/element_picker.h"
#include "ui/hue_chart_picture.h"
#include "ui/palette_grid.h"
#include "ui/presentation_manager.h"
#include "ui/problems_panel.h"
#include "ui/sample_picture.h"
#include "ui/style_editor.h"
#include "ui/update_dialog.h"

using namespace quorvane;

namespace {

// A dark scheme as desktops ship them: light text on dark grounds.
QPalette dark_palette() {
    QPalette p;
    const QColor text(0xe6, 0xe6, 0xe6);
    p.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2e));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, QColor(0x1d, 0x1d, 0x20));
    p.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x38));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
    p.setColor(QPalette::Button, QColor(0x3a, 0x3a, 0x3f));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x2a, 0x5d, 0xb0));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    p.setColor(QPalette::LinkVisited, QColor(0xc5, 0x8a, 0xf9));
    p.setColor(QPalette::ToolTipBase, QColor(0x1d, 0x1d, 0x20));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::Light, QColor(0x55, 0x55, 0x5a));
    p.setColor(QPalette::Midlight, QColor(0x48, 0x48, 0x4d));
    p.setColor(QPalette::Mid, QColor(0x30, 0x30, 0x34));
    p.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x1a));
    p.setColor(QPalette::Shadow, Qt::black);
    return p;
}

// Relative luminance and contrast ratio as the guidelines define them.
double luminance(const QColor& c) {
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour behind a widget that paints no background of its own: that of the nearest
// ancestor that does.
QColor ground_of(const QWidget* w) {
    while (!w->isWindow() && !w->autoFillBackground()) {
        w = w->parentWidget();
    }
    return w->palette().color(w->backgroundRole());
}

// Pictures of the theme and their marks keep their own colours.
bool shows_theme_colours(const QWidget* w) {
    for (; w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<const PreviewCanvas*>(w) || qobject_cast<const ColourCell*>(w) ||
            qobject_cast<const PaletteGrid*>(w) || qobject_cast<const SamplePicture*>(w) ||
            qobject_cast<const SpectrumPicture*>(w) ||
            w->objectName() == QLatin1String("preview_viewport") ||
            w->objectName().startsWith(QLatin1String("channel_head_"))) {
            return true;
        }
    }
    return false;
}

// The text and background colours of a widget that shows text, by the roles it paints with;
// nothing for a widget without text.
std::optional<std::pair<QColor, QColor>> text_colours(const QWidget* w) {
    const QPalette& p = w->palette();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().trimmed().isEmpty()) {
            return std::nullopt;
        }
        return std::pair{p.color(w->foregroundRole()), ground_of(w)};
    }
    if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        return std::pair{p.color(w->foregroundRole()), ground_of(w)};
    }
    if (const auto* tool = qobject_cast<const QToolButton*>(w); tool && tool->autoRaise()) {
        return std::pair{p.color(QPalette::ButtonText), ground_of(w)};
    }
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QHeaderView*>(w)) {
        return std::pair{p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    }
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
        qobject_cast<const QAbstractItemView*>(w)) {
        return std::pair{p.color(QPalette::Text), p.color(QPalette::Base)};
    }
    if (const auto* dock = qobject_cast<const QDockWidget*>(w)) {
        return std::pair{p.color(QPalette::WindowText), ground_of(dock)};
    }
    return std::nullopt;
}

// Every visible text of the window and its children; returns how many were measured.
int check_contrast(QWidget& window) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    int measured = 0;
    for (const QWidget* w : widgets) {
        if (!w->isVisible() || !w->isEnabled() || shows_theme_colours(w)) {
            continue;
        }
        const auto colours = text_colours(w);
        if (!colours) {
            continue;
        }
        const double ratio = contrast(colours->first, colours->second);
        const QString what = QStringLiteral("%1 %2 (%3): %4 on %5 is %6:1")
                                 .arg(window.objectName(), w->objectName(),
                                      QLatin1String(w->metaObject()->className()),
                                      colours->first.name(), colours->second.name())
                                 .arg(ratio, 0, 'f', 2);
        if (ratio < 4.5) {
            qWarning("%s", qPrintable(what));
        }
        [&] { QVERIFY2(ratio >= 4.5, qPrintable(what)); }();
        ++measured;
    }
    return measured;
}

const QString kDemo = QStringLiteral(QUORVANE_EXAMPLES "/demo.kmtf");
const QString kWithErrors = QStringLiteral(QUORVANE_TEST_DATA "/check/bad_colour.kmtf");

}  // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    ScriptedMessages messages_;
    CountingBusyCursor busy_;

    Theme demo() {
        Theme theme;
        MessageList messages;
        read_theme_file(kDemo, theme, messages);
        return theme;
    }

    // Shows a window, measures it, and saves its picture when screenshots are asked for.
    void measure(QWidget& window, int at_least, const char* picture = nullptr) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(QApplication::palette().color(QPalette::Window),
                 dark_palette().color(QPalette::Window));
        const int measured = check_contrast(window);
        QVERIFY2(measured >= at_least, qPrintable(window.objectName()));
        const QString folder = qEnvironmentVariable("QUORVANE_SCREENSHOT_DIR");
        if (picture != nullptr && !folder.isEmpty()) {
            QVERIFY(window.grab().save(folder + QLatin1Char('/') + QLatin1String(picture)));
        }
    }

  private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(dark_palette());
    }

    void main_window_with_the_problems_panel() {
        MainWindowSession s(dir_.filePath(QStringLiteral("system")), kWithErrors);
        QVERIFY(s.show());
        QTRY_VERIFY(s.window->problems().isVisible());
        s.window->set_update_available(true);
        measure(*s.window, 20);
    }

    void main_window_with_the_demo_theme() {
        MainWindowSession s(dir_.filePath(QStringLiteral("system")), kDemo);
        QVERIFY(s.show());
        QTRY_VERIFY(s.theme().element_count() > 0);
        s.window->set_update_available(true);
        measure(*s.window, 20, "dark-look.png");
    }

    void style_editor_for_a_line_and_a_polygon() {
        const Theme theme = demo();
        ScriptedColourPicker picker;
        for (const Element& element : {theme.elements.back(), theme.elements.front()}) {
            StyleEditor editor(element, theme_colours(theme), SampleGrounds{}, false, busy_,
                               picker);
            measure(editor, 12);
        }
    }

    void element_picker() {
        const Theme theme = demo();
        ElementPicker picker(theme, messages_);
        measure(picker, 8);
    }

    void presentation_manager_in_both_modes() {
        const Theme theme = demo();
        for (auto mode : {PresentationManagerMode::Add, PresentationManagerMode::Remove}) {
            PresentationManager manager(theme, messages_, mode);
            measure(manager, 4);
        }
    }

    void update_dialog_before_and_after_a_check() {
        qputenv("QUORVANE_UPDATE_URL", "http://127.0.0.1:9/version.html");
        ScriptedWebRequest web("<body>1.21</body>");
        RecordingUrlOpener opener;
        UpdateDialog dialog(nullptr, web, opener, busy_);
        measure(dialog, 4);
        QTest::keyClick(dialog.findChild<QLabel*>(QStringLiteral("check_link")), Qt::Key_Space);
        QTRY_VERIFY(dialog.findChild<QLabel*>(QStringLiteral("result_label"))
                        ->text()
                        .startsWith(QStringLiteral("New version")));
        measure(dialog, 4);
        qunsetenv("QUORVANE_UPDATE_URL");
    }

    void about_box() {
        RecordingUrlOpener opener;
        AboutBox box(nullptr, opener);
        measure(box, 5);
    }
};

QTEST_MAIN(DarkPaletteTest)
#include "dark_palette_test.moc"
