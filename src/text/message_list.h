// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace quorvane {

// What a routine of the core has to say to the user, as data: the texts in the order they arose.
// Reading, writing and the document hand one back, as a library hands back an error string; the
// windows show the texts in message boxes and quorvane-cli writes them to stderr.
class MessageList {
  public:
    // Whether a text already in the list is added again. One read of a theme says each text
    // once: a file with a thousand styles under an unknown presentation names it once.
    enum class Repeats { Kept, Dropped };

    MessageList() = default;
    explicit MessageList(Repeats repeats) : drops_repeats_(repeats == Repeats::Dropped) {}

    void add(const QString& text) {
        if (drops_repeats_) {
            if (seen_.contains(text)) {
                return;
            }
            seen_.insert(text);
        }
        texts_.append(text);
    }
    // Every text of `other`, in its order.
    void add(const MessageList& other) {
        for (const QString& text : other.texts_) {
            add(text);
        }
    }

    const QStringList& texts() const { return texts_; }
    bool empty() const { return texts_.isEmpty(); }

  private:
    QStringList texts_;
    QSet<QString> seen_;
    bool drops_repeats_ = false;
};

}  // namespace quorvane
