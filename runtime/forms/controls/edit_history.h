#pragma once

// The undo and redo of a text box that keeps its own history (while it shows
// long lines in pieces, see soft_breaks.h). Qt Core only.

#include <QString>

#include <optional>
#include <vector>

namespace rt {

// One change of the text: `removed` at `at` gave way to `inserted`.
struct TextEdit {
    qsizetype at = 0;
    QString removed;
    QString inserted;
};

class EditHistory {
public:
    // Records a change. A typed character that continues the characters
    // typed just before it, and a character deleted next to the ones deleted
    // just before, join their step, as in the toolkit's own editor.
    void record(TextEdit edit, bool typed);
    // The next change may not join the last step.
    void closeStep() { m_open = false; }
    void clear();

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // The change that undoes the last step, or that does again the last
    // undone one; the history moves past it.
    std::optional<TextEdit> undo();
    std::optional<TextEdit> redo();

private:
    bool joins(const TextEdit& edit) const;

    std::vector<TextEdit> m_steps;
    size_t m_done = 0;  // steps done; those after it were undone
    bool m_open = false;
};

}  // namespace rt
