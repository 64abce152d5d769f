// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes show every text as plain text: markup from a theme file or a web page
// is shown as the characters it is made of, and a link in it cannot be clicked.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "format/reader.h"
#include "platform/qt/qt_messages.h"

using namespace quorvane;

namespace {

const QString kHostile = QStringLiteral(
    "<a href=\"https://example.invalid/evil\">This theme is damaged. Click here to repair "
    "it.</a>");

struct ShownText {
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    bool links_work = true;
    // The mnemonics of the box's buttons, each once.
    QSet<QKeySequence> answers = {};
};

// What each box shown by `show` displays, and in which format; every box is closed at once.
QList<ShownText> shown_by(const std::function<void()>& show) {
    QList<ShownText> shown;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown.append(label == nullptr ? ShownText{}
                                      : ShownText{label->text(), label->textFormat(),
                                                  label->textInteractionFlags().testFlag(
                                                      Qt::LinksAccessibleByMouse)});
        for (const QAbstractButton* button : box->buttons()) {
            shown.last().answers.insert(QKeySequence::mnemonic(button->text()));
        }
        box->reject();
    });
    watch.start();
    show();
    return shown;
}

}  // namespace

class QtMessagesTest : public QObject {
    Q_OBJECT

  private slots:
    void every_kind_of_box_shows_markup_literally() {
        QtMessages messages;
        const std::pair<const char*, std::function<void()>> boxes[] = {
            {"tell", [&] { messages.tell(kHostile); }},
            {"ask", [&] { messages.ask(kHostile); }},
            {"ask_unsaved", [&] { messages.ask_unsaved(kHostile); }},
            {"choose",
             [&] { messages.choose(kHostile, QStringLiteral("&A"), QStringLiteral("&B")); }},
        };
        for (const auto& [name, show] : boxes) {
            const QList<ShownText> shown = shown_by(show);
            QVERIFY2(shown.size() == 1, name);
            QVERIFY2(shown[0].text == kHostile, name);
            QVERIFY2(shown[0].format == Qt::PlainText, name);
            QVERIFY2(!shown[0].links_work, name);
            // Every answer of a question has a mnemonic of its own ("&Save", "&Discard").
            QVERIFY2(name == QLatin1String("tell") || (shown[0].answers.size() >= 2 &&
                                                       !shown[0].answers.contains(QKeySequence())),
                     name);
        }
    }

    void a_theme_text_reaches_the_box_as_it_is() {
        // A theme without PRESENTATION is shown whole by the read.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("evil.kmtf"));
        const QString text = QStringLiteral("<METADATA>") + kHostile;
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toLatin1());
        file.close();

        QtMessages messages;
        Theme theme;
        const QList<ShownText> shown = shown_by([&] {
            MessageList said;
            read_theme_file(path, theme, said);
            messages.tell_each(said);
        });
        const auto whole_text = std::find_if(shown.begin(), shown.end(),
                                             [&](const ShownText& s) { return s.text == text; });
        QVERIFY(whole_text != shown.end());
        for (const ShownText& box : shown) {
            QCOMPARE(box.format, Qt::PlainText);
        }
    }
};

QTEST_MAIN(QtMessagesTest)
#include "qt_messages_test.moc"
