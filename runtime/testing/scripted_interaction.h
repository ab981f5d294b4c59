#pragma once

#include "forms/interaction.h"

#include <QString>
#include <QStringList>

#include <deque>

namespace rt::testing {

// Stands in for the user in tests: records every message box and answers
// from a queue (OK when the queue is empty), records beeps and End, and makes
// End stop the handler without closing anything.
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
    };

    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // The answers of the next message boxes, in order (vbYes, vbNo, ...).
    void answer(std::initializer_list<int> answers);

    int messageBox(const QString& prompt, int style, const QString& title) override;
    void beep() override { ++beeps; }
    void endProgram() override { ++ends; }

    // Every message box shown so far, and the prompts alone.
    std::vector<Shown> shown;
    QStringList prompts() const;
    int beeps = 0;
    int ends = 0;

private:
    std::deque<int> m_answers;
};

}  // namespace rt::testing
