// SPDX-License-Identifier: GPL-3.0-or-later
// The "Updates" dialog with scripted answers: layout, link, one check per opening, buttons.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "support/scripted_messages.h"
#include "support/scripted_web.h"
#include "ui/link_label.h"
#include "ui/update_dialog.h"

using namespace quorvane;

namespace {

const QByteArray kHome = "http://127.0.0.1:9/manual";
const QByteArray kUpdatePage = "http://127.0.0.1:9/version.html";

}  // namespace

class UpdateDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        qputenv("QUORVANE_HOME_URL", kHome);
        qputenv("QUORVANE_UPDATE_URL", kUpdatePage);
    }

    void layout() {
        ScriptedWebRequest web;
        RecordingUrlOpener opener;
        CountingBusyCursor busy;
        UpdateDialog dialog(nullptr, web, opener, busy);

        QCOMPARE(dialog.objectName(), QStringLiteral("update_dialog"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Updates"));
        QVERIFY(!dialog.windowIcon().isNull());
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));

        // The version over the link in the framed panel, the link and the result in one place,
        // the buttons below on the right.
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        const auto place = [&dialog](const char* name) {
            const auto* widget = dialog.findChild<QWidget*>(QLatin1String(name));
            return widget != nullptr ? QRect(widget->mapTo(&dialog, QPoint()), widget->size())
                                     : QRect();
        };
        const QRect panel = place("result_panel");
        for (const char* inside : {"version_label", "check_link"}) {
            QVERIFY2(panel.contains(place(inside)), inside);
        }
        // The result waits, hidden, in the link's place.
        QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("result_label"))->isHidden());
        QVERIFY(place("version_label").bottom() < place("check_link").top());
        QVERIFY(place("download_button").top() > panel.bottom());
        QCOMPARE(place("close_button").top(), place("download_button").top());
        QVERIFY(place("close_button").left() > place("download_button").right());

        auto* version = dialog.findChild<QLabel*>(QStringLiteral("version_label"));
        auto* link = dialog.findChild<QLabel*>(QStringLiteral("check_link"));
        auto* result = dialog.findChild<QLabel*>(QStringLiteral("result_label"));
        QCOMPARE(version->text(), QStringLiteral("Current Version: 1.20"));
        QCOMPARE(link->text(), QStringLiteral("Click here to check for update"));
        QVERIFY(link->font().pointSizeF() > dialog.font().pointSizeF());
        QCOMPARE(result->text(), QStringLiteral(" "));
        QCOMPARE(result->textFormat(), Qt::PlainText);  // it quotes the update page
        QCOMPARE(result->foregroundRole(), QPalette::Link);
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("download_button"))->text(),
                 QStringLiteral("&Download Page"));
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("close_button"))->text(),
                 QStringLiteral("&Close"));
        QVERIFY(web.requests.isEmpty());  // nothing is asked before the click
        QCOMPARE(busy.on_calls, 0);

        // The panel: a dark border around the window's own background.
        const QImage picture = dialog.grab().toImage();
        QCOMPARE(picture.pixelColor(panel.left() + 3, panel.top() + 3),
                 dialog.palette().color(QPalette::Window));
        QVERIFY(picture.pixelColor(panel.left(), panel.center().y()).lightness() < 100);
    }

    void link_takes_the_visited_colour_under_the_mouse() {
        ScriptedWebRequest web;
        RecordingUrlOpener opener;
        CountingBusyCursor busy;
        UpdateDialog dialog(nullptr, web, opener, busy);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* link = dialog.findChild<QLabel*>(QStringLiteral("check_link"));

        QCOMPARE(link->foregroundRole(), QPalette::Link);
        QTest::mouseMove(link, link->rect().center());
        QTRY_COMPARE(link->foregroundRole(), QPalette::LinkVisited);
        QTest::mouseMove(&dialog, QPoint(4, 4));
        QTRY_COMPARE(link->foregroundRole(), QPalette::Link);
        QVERIFY(web.requests.isEmpty());
    }

    void one_check_per_opening() {
        ScriptedWebRequest web("<body>1.21</body>");
        RecordingUrlOpener opener;
        CountingBusyCursor busy;
        UpdateDialog dialog(nullptr, web, opener, busy);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* link = dialog.findChild<QLabel*>(QStringLiteral("check_link"));
        auto* result = dialog.findChild<QLabel*>(QStringLiteral("result_label"));

        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(link->isHidden());
        QVERIFY(result->isVisible());
        QVERIFY(busy.busy);
        QTRY_COMPARE(result->text(), QStringLiteral("New version available 1.21"));
        QVERIFY(!busy.busy);
        QCOMPARE(web.requests.size(), 1);
        QCOMPARE(web.requests.first().url, QUrl(QString::fromLatin1(kUpdatePage)));

        // The link is gone: a second press, even from the keyboard, asks nothing.
        QTest::mouseClick(result, Qt::LeftButton);
        QTest::keyClick(link, Qt::Key_Space);
        QTest::qWait(20);
        QCOMPARE(web.requests.size(), 1);
        QCOMPARE(busy.on_calls, 1);
        QCOMPARE(busy.off_calls, 1);
    }

    void keyboard_starts_the_check_too() {
        ScriptedWebRequest web("<body>1.20</body>");
        RecordingUrlOpener opener;
        CountingBusyCursor busy;
        UpdateDialog dialog(nullptr, web, opener, busy);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* link = dialog.findChild<QLabel*>(QStringLiteral("check_link"));
        QTest::keyClick(link, Qt::Key_Space);
        QTRY_COMPARE(dialog.findChild<QLabel*>(QStringLiteral("result_label"))->text(),
                     QStringLiteral("No update available"));
        QVERIFY(!busy.busy);
    }

    // A check that was not made says why: no update page, or the page could not be read.
    void says_when_the_check_is_off_or_failed() {
        const struct {
            QByteArray address;
            QString error;
            QString shown;
        } cases[] = {
            {QByteArray(), QString(), "The update check is turned off"},
            {kUpdatePage, "Connection refused", "Could not check for updates: Connection refused"},
            {kUpdatePage, QString(), "No update available"},
        };
        for (const auto& c : cases) {
            qputenv("QUORVANE_UPDATE_URL", c.address);
            ScriptedWebRequest web("<body>1.20</body>");
            web.error = c.error;
            RecordingUrlOpener opener;
            CountingBusyCursor busy;
            UpdateDialog dialog(nullptr, web, opener, busy);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTest::keyClick(dialog.findChild<QLabel*>(QStringLiteral("check_link")), Qt::Key_Space);
            QTRY_COMPARE(dialog.findChild<QLabel*>(QStringLiteral("result_label"))->text(),
                         c.shown);
            QCOMPARE(web.requests.size(), c.address.isEmpty() ? 0 : 1);
            QVERIFY(!busy.busy);
        }
    }

    void download_page_opens_the_home_page_and_closes() {
        ScriptedWebRequest web;
        RecordingUrlOpener opener;
        CountingBusyCursor busy;
        UpdateDialog dialog(nullptr, web, opener, busy);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        dialog.findChild<QPushButton*>(QStringLiteral("download_button"))->click();
        QCOMPARE(opener.opened, QList<QUrl>{QUrl(QString::fromLatin1(kHome))});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!busy.busy);
        QVERIFY(web.requests.isEmpty());
    }

    // Leaving while the answer is on its way: the cursor comes back, the late answer is ignored.
    void download_page_while_waiting() {
        ScriptedWebRequest web("<body>1.21</body>");
        web.answer_at_once = false;
        RecordingUrlOpener opener;
        CountingBusyCursor busy;
        UpdateDialog dialog(nullptr, web, opener, busy);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.findChild<QLabel*>(QStringLiteral("check_link")), Qt::LeftButton);
        QVERIFY(busy.busy);

        dialog.findChild<QPushButton*>(QStringLiteral("download_button"))->click();
        QVERIFY(!busy.busy);
        QCOMPARE(opener.opened.size(), 1);
        const int offs = busy.off_calls;
        web.answer_held();
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("result_label"))->text(),
                 QStringLiteral(" "));
        QCOMPARE(busy.on_calls, 1);
        QCOMPARE(busy.off_calls, offs);
    }

    void close_while_waiting_and_escape() {
        ScriptedWebRequest web("<body>1.21</body>");
        web.answer_at_once = false;
        RecordingUrlOpener opener;
        CountingBusyCursor busy;
        {
            UpdateDialog dialog(nullptr, web, opener, busy);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTest::mouseClick(dialog.findChild<QLabel*>(QStringLiteral("check_link")),
                              Qt::LeftButton);
            QVERIFY(busy.busy);
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
            QVERIFY(!busy.busy);
        }
        web.answer_held();  // the dialog is gone: nothing is called
        QCOMPARE(busy.on_calls, 1);
        QCOMPARE(busy.off_calls, 1);
        QVERIFY(opener.opened.isEmpty());
    }

    void shown_modally_from_the_help_menu() {
        ScriptedWebRequest web;
        RecordingUrlOpener opener;
        CountingBusyCursor busy;
        QWidget main_window;
        QString seen;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen = dialog->objectName() + QLatin1Char('/') + dialog->windowTitle();
                dialog->findChild<QPushButton*>(QStringLiteral("close_button"))->click();
            }
        });
        poll.start();
        show_update_dialog(&main_window, web, opener, busy);
        poll.stop();
        QCOMPARE(seen, QStringLiteral("update_dialog/Updates"));
        QVERIFY(opener.opened.isEmpty());
        QVERIFY(web.requests.isEmpty());
    }
};

QTEST_MAIN(UpdateDialogTest)
#include "update_dialog_test.moc"
