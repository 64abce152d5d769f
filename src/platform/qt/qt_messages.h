// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/messages.h"

namespace quorvane {

// Message boxes owned by a parent window. A text over 2000 characters shows its first 2000,
// with the whole text as the box's detail.
class QtMessages : public Messages {
  public:
    explicit QtMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }

    void tell(const QString& text) override;
    bool ask(const QString& question) override;
    UnsavedAnswer ask_unsaved(const QString& question) override;
    bool choose(const QString& question, const QString& first, const QString& second) override;
    qsizetype choose_one_of(const QString& question, const QStringList& answers) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace quorvane
