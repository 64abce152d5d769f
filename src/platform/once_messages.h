// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>

#include "platform/messages.h"

namespace quorvane {

// Passes messages on, but each distinct text only once: a file with a thousand styles under an
// unknown presentation reports that name once, not once per style.
class OnceMessages : public Messages {
  public:
    explicit OnceMessages(Messages& target) : target_(target) {}

    void tell(const QString& text) override {
        if (!told_.contains(text)) {
            told_.insert(text);
            target_.tell(text);
        }
    }
    bool ask(const QString& question) override { return target_.ask(question); }
    UnsavedAnswer ask_unsaved(const QString& question) override {
        return target_.ask_unsaved(question);
    }
    bool choose(const QString& question, const QString& first, const QString& second) override {
        return target_.choose(question, first, second);
    }

  private:
    Messages& target_;
    QSet<QString> told_;
};

}  // namespace quorvane
