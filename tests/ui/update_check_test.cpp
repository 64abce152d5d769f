// SPDX-License-Identifier: GPL-3.0-or-later
// The update check against a web server on 127.0.0.1: the start-up check and the dialog.
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <optional>

#include "local_http_server.h"
#include "platform/qt/qt_busy_cursor.h"
#include "platform/qt/qt_web_request.h"
#include "support/scripted_web.h"
#include "ui/update_dialog.h"
#include "update/latest_version.h"
#include "update/update_page.h"

using namespace quorvane;

namespace {

constexpr std::chrono::milliseconds kTestTimeout{300};
// Long enough for any answer from loopback, or for the timeout to have struck.
constexpr int kWaitMs = 5000;

// Passes requests on to the real client and counts the answers handed back, so a test knows
// when a check that shows nothing has ended.
class WatchedWebRequest : public WebRequest {
  public:
    explicit WatchedWebRequest(WebRequest& inner) : inner_(inner) {}
    void get(const PageRequest& request, QObject* context,
             std::function<void(const PageAnswer&)> done) override {
        inner_.get(request, context, [this, done = std::move(done)](const PageAnswer& page) {
            done(page);
            ++answers;
        });
    }
    int answers = 0;

  private:
    WebRequest& inner_;
};

// What this process has read from files and sockets so far (the kernel's count): here, what
// the web client took from the connection, as the test server only writes.
qint64 bytes_read_by_this_process() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:")) {
            return line.mid(6).trimmed().toLongLong();
        }
    }
    return -1;
}

}  // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT

  private:
    // Points the update page at the server, or at a closed port.
    void serve(LocalHttpServer& server, const QString& behaviour, const QByteArray& body) {
        if (behaviour == QLatin1String("silent")) {
            server.stay_silent();
        } else if (behaviour == QLatin1String("hold")) {
            server.send_and_hold(body);
        } else if (behaviour == QLatin1String("error")) {
            server.answer(body, 404);
        } else {
            server.answer(body);
        }
        const QUrl url = behaviour == QLatin1String("refused") ? refused_url() : server.url();
        qputenv("QUORVANE_UPDATE_URL", url.toEncoded());
    }

    // Every page, with whether it names a newer version and what the dialog says about it (a
    // failure says its reason after the text given).
    static void add_pages() {
        QTest::addColumn<QString>("behaviour");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("newer");
        QTest::addColumn<QString>("text");
        const QString none = QStringLiteral("No update available");
        const QString failed = QStringLiteral("Could not check for updates: ");
        const QString newer = QStringLiteral("New version available 1.21");
        QTest::newRow("1.21") << "answer" << QByteArray("<html><body>1.21</body></html>") << true
                              << newer;
        QTest::newRow("1.21 with blanks")
            << "answer" << QByteArray("<html><body>   1.21  </body></html>") << true << newer;
        QTest::newRow("1.21 on its own line")
            << "answer" << QByteArray("<html>\n<body>\n1.21\n</body>\n</html>\n") << true
            << QStringLiteral("New version available \n1.21\n");
        QTest::newRow("1.20") << "answer" << QByteArray("<body>1.20</body>") << false << none;
        QTest::newRow("1.1") << "answer" << QByteArray("<body>1.1</body>") << false << none;
        QTest::newRow("1.2 beta") << "answer" << QByteArray("<body>1.2 beta</body>") << false
                                  << none;
        QTest::newRow("upper-case body")
            << "answer" << QByteArray("<HTML><BODY>1.21</BODY></HTML>") << false << none;
        QTest::newRow("body after byte 1000")
            << "answer" << QByteArray("<html>" + QByteArray(1200, ' ') + "<body>1.21</body>")
            << false << none;
        QTest::newRow("no body tag, number first")
            << "answer" << QByteArray("1.21</p>") << true << newer;
        QTest::newRow("no body tag, tag first")
            << "answer" << QByteArray("<p>1.21</p>") << false << none;
        QTest::newRow("empty page") << "answer" << QByteArray() << false << none;
        const QString http_error = failed + QStringLiteral("The server answered 404 Failed");
        QTest::newRow("HTTP error")
            << "error" << QByteArray("<body>1.21</body>") << false << http_error;
        QTest::newRow("HTTP error, long page")
            << "error" << QByteArray("<body>1.21</body>" + QByteArray(3000, 'x')) << false
            << http_error;
        QTest::newRow("refused") << "refused" << QByteArray() << false
                                 << failed + QStringLiteral("Connection refused");
        QTest::newRow("never answers") << "silent" << QByteArray() << false
                                       << failed + QStringLiteral("No answer within 0.3 seconds");
        QTest::newRow("page that never ends, version early")
            << "hold" << QByteArray("<body>1.21</body>" + QByteArray(3000, 'x')) << true << newer;
        QTest::newRow("page that never ends, too short")
            << "hold" << QByteArray("<body>1.21</body>") << false
            << failed + QStringLiteral("No answer within 0.3 seconds");
    }

  private slots:
    void cleanup() {
        qunsetenv("QUORVANE_UPDATE_URL");
        QtBusyCursor().busy_off();
    }

    void pages_at_start_up_data() { add_pages(); }

    // The start-up check shows the label for a newer version and nothing else.
    void pages_at_start_up() {
        QFETCH(QString, behaviour);
        QFETCH(QByteArray, body);
        QFETCH(bool, newer);

        LocalHttpServer server;
        serve(server, behaviour, body);
        QtWebRequest network(kTestTimeout);
        WatchedWebRequest web(network);
        QLabel update_label(QStringLiteral("UPDATE AVAILABLE"));
        update_label.setVisible(false);
        int shown = 0;

        check_for_update(web, &update_label, [&] {
            update_label.setVisible(true);
            ++shown;
        });
        QCOMPARE(web.answers, 0);  // nothing is waited for
        QTRY_COMPARE_WITH_TIMEOUT(web.answers, 1, kWaitMs);
        QCOMPARE(shown, newer ? 1 : 0);
        QCOMPARE(update_label.isVisibleTo(nullptr), newer);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void pages_in_the_dialog_data() { add_pages(); }

    // The dialog gives the same verdict, in words, and the cursor comes back on every path.
    void pages_in_the_dialog() {
        QFETCH(QString, behaviour);
        QFETCH(QByteArray, body);
        QFETCH(QString, text);

        LocalHttpServer server;
        serve(server, behaviour, body);
        QtWebRequest network(kTestTimeout);
        WatchedWebRequest web(network);
        RecordingUrlOpener opener;
        QtBusyCursor busy;
        UpdateDialog dialog(nullptr, web, opener, busy);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* link = dialog.findChild<QLabel*>(QStringLiteral("check_link"));
        auto* result = dialog.findChild<QLabel*>(QStringLiteral("result_label"));

        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(link->isHidden());
        QVERIFY(QGuiApplication::overrideCursor() != nullptr);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QTRY_COMPARE_WITH_TIMEOUT(web.answers, 1, kWaitMs);
        QCOMPARE(result->text(), text);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QVERIFY(opener.opened.isEmpty());
    }

    void request_is_a_fresh_get_as_qvn1() {
        LocalHttpServer server;
        server.answer("<body>1.20</body>");
        qputenv("QUORVANE_UPDATE_URL", server.url().toEncoded());
        QtWebRequest network(kTestTimeout);
        WatchedWebRequest web(network);
        QObject context;
        QString fetched = QStringLiteral("unset");
        fetch_latest_version(web, &context,
                             [&](const UpdateCheck& check) { fetched = check.version; });
        QTRY_COMPARE_WITH_TIMEOUT(web.answers, 1, kWaitMs);

        QCOMPARE(fetched, QStringLiteral("1.20"));
        QCOMPARE(server.requests.size(), 1);
        const QByteArray head = server.requests.first();
        QVERIFY2(head.startsWith("GET /version.html HTTP/1.1\r\n"), head.constData());
        const QList<QByteArray> lines = head.toLower().split('\n');
        QVERIFY2(lines.contains("user-agent: qvn1\r"), head.constData());
        QVERIFY2(lines.contains("cache-control: no-cache\r"), head.constData());
        QVERIFY2(lines.contains("pragma: no-cache\r"), head.constData());
    }

    // Every check reads the page again: nothing is kept from the last answer.
    void each_check_asks_again() {
        LocalHttpServer server;
        server.answer("<body>1.21</body>");
        qputenv("QUORVANE_UPDATE_URL", server.url().toEncoded());
        QtWebRequest network(kTestTimeout);
        WatchedWebRequest web(network);
        QObject context;
        QStringList fetched;
        const auto keep = [&](const UpdateCheck& check) { fetched << check.version; };
        fetch_latest_version(web, &context, keep);
        QTRY_COMPARE_WITH_TIMEOUT(web.answers, 1, kWaitMs);
        server.answer("<body>1.30</body>");
        fetch_latest_version(web, &context, keep);
        QTRY_COMPARE_WITH_TIMEOUT(web.answers, 2, kWaitMs);
        QCOMPARE(fetched, QStringList({"1.21", "1.30"}));
        QCOMPARE(server.requests.size(), 2);
    }

    // Closing the dialog while it waits brings the cursor back at once; the late answer is
    // dropped.
    void closing_while_waiting() {
        LocalHttpServer server;
        server.stay_silent();
        qputenv("QUORVANE_UPDATE_URL", server.url().toEncoded());
        QtWebRequest network(kTestTimeout);
        WatchedWebRequest web(network);
        RecordingUrlOpener opener;
        QtBusyCursor busy;
        auto* dialog = new UpdateDialog(nullptr, web, opener, busy);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QTest::mouseClick(dialog->findChild<QLabel*>(QStringLiteral("check_link")), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, kWaitMs);
        QVERIFY(QGuiApplication::overrideCursor() != nullptr);

        dialog->findChild<QPushButton*>(QStringLiteral("close_button"))->click();
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        delete dialog;
        QTest::qWait(static_cast<int>(kTestTimeout.count()) * 2);
        QCOMPARE(web.answers, 0);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // A window that asked and went away is not called back, whatever the answer.
    void start_up_check_after_the_window_is_gone() {
        LocalHttpServer server;
        server.answer("<body>9.99</body>");
        qputenv("QUORVANE_UPDATE_URL", server.url().toEncoded());
        QtWebRequest network(kTestTimeout);
        int shown = 0;
        {
            QObject window;
            check_for_update(network, &window, [&] { ++shown; });
        }
        QTest::qWait(static_cast<int>(kTestTimeout.count()) * 2);
        QCOMPARE(shown, 0);
    }

    // The client can go away with a request under way.
    void client_gone_with_a_request_under_way() {
        LocalHttpServer server;
        server.stay_silent();
        qputenv("QUORVANE_UPDATE_URL", server.url().toEncoded());
        QObject window;
        int shown = 0;
        {
            QtWebRequest network(kTestTimeout);
            check_for_update(network, &window, [&] { ++shown; });
            QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, kWaitMs);
        }
        QTest::qWait(static_cast<int>(kTestTimeout.count()) * 2);
        QCOMPARE(shown, 0);
    }

    // Only the first bytes of the page are used: the rest is never fetched.
    void huge_page_is_cut_after_the_bytes_used() {
        LocalHttpServer server;
        server.flood(qint64(256) << 20);
        QtWebRequest web;
        PageRequest request = update_page_request();
        request.url = server.url();
        QByteArray page;
        bool answered = false;
        QObject context;
        const qint64 read_before = bytes_read_by_this_process();
        web.get(request, &context, [&](const PageAnswer& answer) {
            page = answer.body;
            answered = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(answered, kWaitMs);
        QCOMPARE(page.size(), kUpdatePageLimit);
        QTRY_VERIFY_WITH_TIMEOUT(server.hung_up, kWaitMs);
        const qint64 read = bytes_read_by_this_process() - read_before;
        qInfo() << "bytes read:" << read << "server handed over:" << server.bytes_taken;
        QVERIFY2(read < 64 * 1024, QByteArray::number(read));
    }

    // No update page configured: nothing is asked, and the check says it is turned off.
    void no_update_page() {
        qputenv("QUORVANE_UPDATE_URL", QByteArray());
        QtWebRequest network(kTestTimeout);
        WatchedWebRequest web(network);
        QObject context;
        std::optional<UpdateCheck::Outcome> outcome;
        fetch_latest_version(web, &context,
                             [&](const UpdateCheck& check) { outcome = check.outcome; });
        QVERIFY(!outcome.has_value());  // answers come from the event loop
        QTRY_VERIFY(outcome.has_value());
        QCOMPARE(*outcome, UpdateCheck::Outcome::TurnedOff);
        QCOMPARE(web.answers, 0);
    }
};

QTEST_MAIN(UpdateCheckTest)
#include "update_check_test.moc"
