#include "scripted_interaction.h"

namespace rt::testing {

ScriptedInteraction::ScriptedInteraction() { setInteraction(this); }
ScriptedInteraction::~ScriptedInteraction() { setInteraction(nullptr); }

void ScriptedInteraction::answer(std::initializer_list<int> answers)
{
    m_answers.insert(m_answers.end(), answers.begin(), answers.end());
}

int ScriptedInteraction::messageBox(const QString& prompt, int style, const QString& title)
{
    shown.push_back({prompt, style, title});
    if (m_answers.empty()) return vbOK;
    const int result = m_answers.front();
    m_answers.pop_front();
    return result;
}

QStringList ScriptedInteraction::prompts() const
{
    QStringList result;
    for (const Shown& s : shown) result << s.prompt;
    return result;
}

}  // namespace rt::testing
