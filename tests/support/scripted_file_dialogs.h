// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>

#include "platform/file_dialogs.h"

namespace quorvane {

// Test double: answers every file dialog from a script (an empty answer, a cancel, once the
// script is used up) and records what was asked.
class ScriptedFileDialogs : public FileDialogs {
  public:
    struct Request {
        FileDialogMode mode;
        QString filter;
        QString initial;
    };

    QString file_dialog(FileDialogMode mode, const QString& filter,
                        const QString& initial) override {
        requests.append(Request{mode, filter, initial});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QStringList answers;
    QList<Request> requests;
};

}  // namespace quorvane
