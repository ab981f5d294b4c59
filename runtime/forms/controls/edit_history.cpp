#include "forms/controls/edit_history.h"

namespace rt {

bool EditHistory::joins(const TextEdit& edit) const
{
    if (!m_open || m_done == 0 || m_done != m_steps.size()) return false;
    const TextEdit& last = m_steps.back();
    const bool oneTyped =
        edit.removed.isEmpty() && edit.inserted.size() == 1 && edit.inserted != QLatin1String("\n");
    if (oneTyped) return edit.at == last.at + last.inserted.size();
    const bool oneDeleted = edit.inserted.isEmpty() && edit.removed.size() == 1;
    if (oneDeleted && last.inserted.isEmpty())
        return edit.at == last.at || edit.at + 1 == last.at;  // Delete, Backspace
    return false;
}

void EditHistory::record(TextEdit edit, bool typed)
{
    if (typed && joins(edit)) {
        TextEdit& last = m_steps.back();
        if (!edit.inserted.isEmpty()) {
            last.inserted += edit.inserted;
        } else if (edit.at == last.at) {
            last.removed += edit.removed;
        } else {
            last.removed.prepend(edit.removed);
            last.at = edit.at;
        }
        return;
    }
    m_steps.resize(m_done);
    m_steps.push_back(std::move(edit));
    m_done = m_steps.size();
    m_open = typed;
}

void EditHistory::clear()
{
    m_steps.clear();
    m_done = 0;
    m_open = false;
}

std::optional<TextEdit> EditHistory::undo()
{
    if (!canUndo()) return std::nullopt;
    m_open = false;
    const TextEdit& step = m_steps[--m_done];
    return TextEdit{step.at, step.inserted, step.removed};
}

std::optional<TextEdit> EditHistory::redo()
{
    if (!canRedo()) return std::nullopt;
    m_open = false;
    return m_steps[m_done++];
}

}  // namespace rt
