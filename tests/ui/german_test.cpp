// SPDX-License-Identifier: GPL-3.0-or-later
// The editor in German: started with LANG=de_DE.UTF-8 (see tests/CMakeLists.txt), it loads its
// own translation and Qt's, and the translation file is complete and keeps every placeholder and
// mnemonic of the English texts.
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

#include "main_window_session.h"
#include "model/theme_check.h"
#include "ui/translations.h"

using namespace quorvane;

namespace {

// "%1", "%2": the placeholders a text fills in, in order of number.
QStringList placeholders(const QString& text) {
    QStringList found;
    const QRegularExpression place(QStringLiteral("%\\d"));
    for (auto it = place.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    return found;
}

// "&" before a letter; "&&" and "& " (a window title's ampersand) are none.
bool has_mnemonic(const QString& text) {
    static const QRegularExpression mnemonic(QStringLiteral("&[^&\\s]"));
    return QString(text).remove(QStringLiteral("&&")).contains(mnemonic);
}

}  // namespace

class GermanTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QCOMPARE(QLocale().language(), QLocale::German);
        install_translations(*QCoreApplication::instance());
    }

    void menus_and_messages_speak_german() {
        QTemporaryDir dir;
        MainWindowSession s(dir.filePath(QStringLiteral("system")));
        const MainMenu& m = s.window->menu();
        QCOMPARE(m.file_menu->title(), QStringLiteral("&Datei"));
        QCOMPARE(m.edit_menu->title(), QStringLiteral("&Bearbeiten"));
        QCOMPARE(m.save_as_action->text(), QStringLiteral("Speichern &unter\u2026"));
        QCOMPARE(s.window->undo_action()->text(), QStringLiteral("&Rückgängig"));
        s.document.set_metadata(MetadataField::Title, QStringLiteral("Neu"));
        QCOMPARE(s.window->undo_action()->text(), QStringLiteral("&Rückgängig: Titel"));
        // The core's texts, and Qt's own.
        QCOMPARE(findings_count_text(1, 2, 0), QStringLiteral("1 Fehler, 2 Warnungen, 0 Hinweise"));
        QMessageBox box(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Yes | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    }

    // Every English text has its German one, with the same placeholders, and a mnemonic where
    // the English has one.
    void the_translation_is_complete() {
        QFile file(QStringLiteral(QUORVANE_TRANSLATIONS "/quorvane_de.ts"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader ts(&file);
        QString source;
        int messages = 0;
        while (!ts.atEnd()) {
            if (ts.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (ts.name() == QLatin1String("source")) {
                source = ts.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (ts.name() == QLatin1String("translation")) {
                QVERIFY2(ts.attributes().value(QLatin1String("type")).isEmpty(),
                         qPrintable(source));
                const QString german = ts.readElementText(QXmlStreamReader::IncludeChildElements);
                QVERIFY2(!german.isEmpty(), qPrintable(source));
                QVERIFY2(placeholders(german) == placeholders(source), qPrintable(source));
                QVERIFY2(has_mnemonic(german) == has_mnemonic(source), qPrintable(source));
                ++messages;
            }
        }
        QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
        QVERIFY(messages > 250);
    }
};

QTEST_MAIN(GermanTest)
#include "german_test.moc"
