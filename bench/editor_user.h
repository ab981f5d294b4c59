#pragma once

// The user the editor benchmarks script: every file dialog answered with one
// path, every message box with one button.

#include "forms/desktop/desktop_interaction.h"

#include <QString>

#include <optional>

class ScriptedUser : public rt::DesktopInteraction {
public:
    explicit ScriptedUser(int answer = rt::vbOK) : m_answer(answer) {}

    QString path;

    std::optional<rt::FileDialogAnswer> fileDialog(const rt::FileDialogRequest&) override
    {
        return rt::FileDialogAnswer{path, 1};
    }
    int messageBox(const QString&, int, const QString&) override { return m_answer; }

private:
    int m_answer;
};
