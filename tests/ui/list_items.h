// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QStringList>
#include <QtTest>

namespace quorvane {

// The texts of a list's items, top to bottom.
inline QStringList texts(const QListWidget& list) {
    QStringList result;
    for (int row = 0; row < list.count(); ++row) {
        result.append(list.item(row)->text());
    }
    return result;
}

// Selects the items with these exact texts (each must stand in the list once).
inline void select(QListWidget& list, const QStringList& names) {
    for (const QString& name : names) {
        const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        found.first()->setSelected(true);
    }
}

}  // namespace quorvane
