// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "platform/qt/qt_file_dialogs.h"

using namespace quorvane;

class QtFileDialogsTest : public QObject {
    Q_OBJECT

  private:
    // Runs one dialog; `act` sees it once it is up, records what it needs and closes it.
    QString run(FileDialogMode mode, const QString& initial,
                const std::function<void(QFileDialog&)>& act) {
        QTimer poll;
        poll.setInterval(10);
        int ticks_open = 0;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            if (ticks_open++ == 0) {
                act(*dialog);
            } else if (ticks_open > 200) {
                dialog->reject();  // never leave the test hanging on an open dialog
            }
        });
        poll.start();
        QtFileDialogs dialogs(nullptr, FileDialogKind::Toolkit);
        return dialogs.file_dialog(mode, mode == FileDialogMode::Save ? kSaveFilter : kOpenFilter,
                                   initial);
    }

  private slots:
    void open_dialog_is_titled_filtered_and_cancels_empty() {
        QString title;
        QStringList filters;
        QString selected;
        QFileDialog::AcceptMode accept_mode = QFileDialog::AcceptSave;
        QFileDialog::FileMode file_mode = QFileDialog::Directory;
        const QString answer = run(FileDialogMode::Open, QString(), [&](QFileDialog& d) {
            title = d.windowTitle();
            filters = d.nameFilters();
            selected = d.selectedNameFilter();
            accept_mode = d.acceptMode();
            file_mode = d.fileMode();
            d.reject();
        });
        QCOMPARE(answer, QString());
        QCOMPARE(title, QStringLiteral("Open File"));
        QCOMPARE(accept_mode, QFileDialog::AcceptOpen);
        QCOMPARE(filters, QStringList{"Garmin Themes (*.kmtf)"});
        // The first filter is preselected and shows its description only.
        QCOMPARE(selected, QStringLiteral("Garmin Themes"));
        // No must-exist check: the reader deals with a missing file.
        QCOMPARE(file_mode, QFileDialog::AnyFile);
    }

    void save_dialog_adds_no_extension_and_does_not_ask_to_overwrite() {
        QTemporaryDir dir;
        const QString existing = dir.filePath("old");
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QString title;
        QString suffix = QStringLiteral("unset");
        QStringList filters;
        bool asks_to_overwrite = true;
        const QString answer = run(FileDialogMode::Save, dir.path(), [&](QFileDialog& d) {
            title = d.windowTitle();
            suffix = d.defaultSuffix();
            filters = d.nameFilters();
            asks_to_overwrite = !d.testOption(QFileDialog::DontConfirmOverwrite);
            d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(existing);
            QMetaObject::invokeMethod(&d, "accept", Qt::QueuedConnection);
        });
        QCOMPARE(answer, existing);
        QCOMPARE(title, QStringLiteral("Save File"));
        QCOMPARE(suffix, QString());
        QVERIFY(!asks_to_overwrite);
        QCOMPARE(filters, QStringList{"Garmin Theme File (kmtf) (*.kmtf)"});
    }
};

QTEST_MAIN(QtFileDialogsTest)
#include "qt_file_dialogs_test.moc"
