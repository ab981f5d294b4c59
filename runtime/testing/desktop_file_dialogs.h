#pragma once

#include "testing/scripted_interaction.h"

#include "forms/desktop/desktop_interaction.h"

#include <QStringList>

#include <deque>
#include <functional>

class QFileDialog;

namespace rt::testing {

// Puts the desktop's own file dialog in front of a test and works it as a
// user does once it is shown: picks a filter, then types a name or clicks a
// file in the list and confirms. Message boxes and the font and colour
// dialogs stay with the scripted user. A dialog with nothing to do, or that
// refuses the choice, is cancelled; what it told the user is kept in
// `complaints`.
class DesktopFileDialogs : public Interaction {
public:
    explicit DesktopFileDialogs(ScriptedInteraction& user);
    // Gives the scripted user back the file dialogs.
    ~DesktopFileDialogs() override;

    // The next file dialog: in `folder`, under filter `filterIndex` (from 1),
    // `name` typed into the name box and Enter pressed.
    void typeName(const QString& folder, const QString& name, int filterIndex);
    // The next file dialog: in `folder`, under filter `filterIndex`, the file
    // `name` clicked in the list and the dialog's accept button clicked.
    void pickFromList(const QString& folder, const QString& name, int filterIndex);

    // The dialogs' own messages, and a note for each dialog that stayed open.
    QStringList complaints;

    int messageBox(const QString& prompt, int style, const QString& title) override
    {
        return m_user.messageBox(prompt, style, title);
    }
    void beep() override { m_user.beep(); }
    void endProgram() override { m_user.endProgram(); }
    std::optional<FileDialogAnswer> fileDialog(const FileDialogRequest& request) override;
    std::optional<FontChoice> fontDialog(const FontChoice& initial, int32_t flags) override
    {
        return m_user.fontDialog(initial, flags);
    }
    std::optional<Colour> colorDialog(Colour initial, int32_t flags) override
    {
        return m_user.colorDialog(initial, flags);
    }

private:
    using Action = std::function<void(QFileDialog&)>;

    ScriptedInteraction& m_user;
    DesktopInteraction m_desktop;
    std::deque<Action> m_actions;
};

}  // namespace rt::testing
