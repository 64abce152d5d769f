// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace quorvane {

// Keeps Alt+letter out of text fields, application-wide. A mnemonic (Alt+F for "&File") is
// handled before the key reaches a field; an Alt+letter that matches none would otherwise be
// typed as the letter. Ctrl+Alt passes, as AltGr arrives on some systems and composes
// characters.
class AltLetterFilter : public QObject {
    Q_OBJECT

  public:
    explicit AltLetterFilter(QObject* parent = nullptr) : QObject(parent) {}

    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quorvane
