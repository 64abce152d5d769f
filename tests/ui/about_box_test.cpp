// SPDX-License-Identifier: GPL-3.0-or-later
// The About box and the application icon.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "support/scripted_web.h"
#include "ui/about_box.h"
#include "ui/application_icon.h"

using namespace quorvane;

namespace {

const QByteArray kHome = "http://127.0.0.1:9/manual";

QString text_of(const QWidget& box, const char* name) {
    const auto* label = box.findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

// What the box shows once active: every label's text and the band's colour role.
QStringList shown(const QDialog& box) {
    const auto* band = box.findChild<QWidget*>(QStringLiteral("band"));
    return {box.windowTitle(),
            text_of(box, "program_name"),
            text_of(box, "version_label"),
            text_of(box, "home_link"),
            text_of(box, "beta_label"),
            text_of(box, "beta_mark"),
            QString::number(band->backgroundRole())};
}

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { qputenv("QUORVANE_HOME_URL", kHome); }

    void layout() {
        RecordingUrlOpener opener;
        AboutBox box(nullptr, opener);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.objectName(), QStringLiteral("about_box"));
        QCOMPARE(box.windowTitle(), QStringLiteral("Information"));
        QVERIFY(!box.windowIcon().isNull());
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(!(box.windowFlags() & Qt::WindowMinMaxButtonsHint));

        // Top to bottom: name, version, address, the framed icon, the band, the beta mark with
        // OK beside it; the band reaches from edge to edge.
        const auto place = [&box](const char* name) {
            auto* widget = box.findChild<QWidget*>(QLatin1String(name));
            return widget != nullptr ? widget->geometry() : QRect();
        };
        const char* const downwards[] = {"program_name", "version_label", "home_link",
                                         "beta_frame",   "band",          "beta_mark"};
        for (size_t k = 1; k < std::size(downwards); ++k) {
            QVERIFY2(place(downwards[k - 1]).bottom() < place(downwards[k]).top(), downwards[k]);
        }
        QCOMPARE(place("band").left(), 0);
        QCOMPARE(place("band").width(), box.width());
        QVERIFY(place("ok_button").left() > place("beta_mark").right());
        QVERIFY(place("band").bottom() < place("ok_button").top());
        const QWidget* frame = box.findChild<QWidget*>(QStringLiteral("beta_frame"));
        QVERIFY(frame->isAncestorOf(box.findChild<QWidget*>(QStringLiteral("icon_picture"))));
        QVERIFY(frame->isAncestorOf(box.findChild<QWidget*>(QStringLiteral("beta_label"))));

        QVERIFY(box.findChild<QLabel*>(QStringLiteral("program_name"))->font().bold());
        QVERIFY(box.findChild<QLabel*>(QStringLiteral("version_label"))->font().bold());
        QVERIFY(box.findChild<QLabel*>(QStringLiteral("beta_mark"))->font().bold());
        QCOMPARE(box.findChild<QPushButton*>(QStringLiteral("ok_button"))->text(),
                 QStringLiteral("OK"));
    }

    // Shown twice in a row from the menu: the same texts each time.
    void same_texts_every_time() {
        RecordingUrlOpener opener;
        QWidget main_window;
        QList<QStringList> seen;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen.append(shown(*box));
                box->findChild<QPushButton*>(QStringLiteral("ok_button"))->click();
            }
        });
        poll.start();
        show_about(&main_window, opener);
        show_about(&main_window, opener);
        poll.stop();

        const QStringList expected = {"Information",
                                      "Quorvane",
                                      "Version 1.20",
                                      "127.0.0.1:9/manual",
                                      "Beta",
                                      "Beta ",
                                      QString::number(QPalette::AlternateBase)};
        QCOMPARE(seen, (QList<QStringList>{expected, expected}));
        QVERIFY(opener.opened.isEmpty());
    }

    void band_is_painted_in_the_desktops_alternate_base_colour() {
        RecordingUrlOpener opener;
        AboutBox box(nullptr, opener);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QImage picture = box.grab().toImage();
        const QRect band = box.findChild<QWidget*>(QStringLiteral("band"))->geometry();
        const QColor alternate = box.palette().color(QPalette::AlternateBase);
        QCOMPARE(picture.pixelColor(box.width() - 5, band.center().y()), alternate);
        QCOMPARE(picture.pixelColor(2, band.center().y()), alternate);
    }

    void link_opens_the_home_page() {
        RecordingUrlOpener opener;
        AboutBox box(nullptr, opener);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto* link = box.findChild<QLabel*>(QStringLiteral("home_link"));
        QCOMPARE(link->foregroundRole(), QPalette::Link);
        QCOMPARE(link->toolTip(), QString::fromLatin1(kHome));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opener.opened, QList<QUrl>{QUrl(QString::fromLatin1(kHome))});
        QVERIFY(box.isVisible());  // the box stays open
        box.findChild<QPushButton*>(QStringLiteral("ok_button"))->click();
        QVERIFY(!box.isVisible());
        QCOMPARE(box.result(), int(QDialog::Accepted));
    }

    void address_shown_without_scheme_or_trailing_slash() {
        qputenv("QUORVANE_HOME_URL", "https://quorvane.example/");
        RecordingUrlOpener opener;
        AboutBox box(nullptr, opener);
        QCOMPARE(text_of(box, "home_link"), QStringLiteral("quorvane.example"));
    }

    void long_address_is_shortened_to_fit() {
        qputenv("QUORVANE_HOME_URL", "http://127.0.0.1:9/" + QByteArray(200, 'a'));
        RecordingUrlOpener opener;
        AboutBox box(nullptr, opener);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        auto* link = box.findChild<QLabel*>(QStringLiteral("home_link"));
        QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) <= link->width());
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(opener.opened.first().path().size(), 201);
    }

    void picture_is_the_application_icon() {
        RecordingUrlOpener opener;
        AboutBox box(nullptr, opener);
        auto* picture = box.findChild<QLabel*>(QStringLiteral("icon_picture"));
        const QImage shown_icon = picture->pixmap().toImage();
        QCOMPARE(shown_icon.size(), picture->size());
        QCOMPARE(shown_icon.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 paint_application_icon(picture->width()));
    }

    void application_icon_at_every_size() {
        const QIcon icon = application_icon();
        for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
            QVERIFY2(icon.availableSizes().contains(QSize(side, side)),
                     qPrintable(QString::number(side)));
            const QImage image = paint_application_icon(side);
            QCOMPARE(image.size(), QSize(side, side));
            QCOMPARE(image.pixelColor(0, 0).alpha(), 0);  // rounded corners stay clear
            QCOMPARE(image.pixelColor(side / 2, side / 2).alpha(), 255);
        }
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
