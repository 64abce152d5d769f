// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>

#include "platform/busy_cursor.h"
#include "platform/messages.h"

namespace quorvane {

// Test double: records every message and question, and answers questions from a script
// (the default answer once the script is used up).
class ScriptedMessages : public Messages {
  public:
    explicit ScriptedMessages(bool default_answer = false) : default_answer_(default_answer) {}

    void tell(const QString& text) override { told.append(text); }
    bool ask(const QString& question) override {
        asked.append(question);
        while_asking_hook();
        if (answers.isEmpty()) {
            return default_answer_;
        }
        return answers.takeFirst();
    }

    UnsavedAnswer ask_unsaved(const QString& question) override {
        asked.append(question);
        return unsaved_answers.isEmpty() ? UnsavedAnswer::Cancel : unsaved_answers.takeFirst();
    }
    bool choose(const QString& question, const QString& first, const QString& second) override {
        asked.append(question + QStringLiteral(" [") + first + QStringLiteral("/") + second +
                     QStringLiteral("]"));
        while_asking_hook();
        return choices.isEmpty() ? false : choices.takeFirst();
    }
    qsizetype choose_one_of(const QString& question, const QStringList& answers) override {
        asked.append(question + QStringLiteral(" [") + answers.join(QLatin1Char('/')) +
                     QStringLiteral("]"));
        return picks.isEmpty() ? answers.size() - 1 : picks.takeFirst();
    }

    QStringList told;
    QStringList asked;
    QList<bool> answers;
    // Answers to the unsaved-changes question (Cancel once used up) and to two-answer questions
    // (the second answer once used up).
    QList<UnsavedAnswer> unsaved_answers;
    QList<bool> choices;
    // Answers to questions with several answers, by number (the last once used up).
    QList<qsizetype> picks;
    // Runs while a question is open, as the world goes on behind a modal box.
    std::function<void()> while_asking;

  private:
    void while_asking_hook() {
        if (while_asking) {
            while_asking();
        }
    }
    bool default_answer_;
};

// Test double: counts the calls and tells whether the cursor is busy now.
class CountingBusyCursor : public BusyCursor {
  public:
    void busy_on() override {
        ++on_calls;
        busy = true;
    }
    void busy_off() override {
        ++off_calls;
        busy = false;
    }
    int on_calls = 0;
    int off_calls = 0;
    bool busy = false;
};

}  // namespace quorvane
