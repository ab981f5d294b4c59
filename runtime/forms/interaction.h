#pragma once

#include <QString>

namespace rt {

// Buttons and answers of message boxes.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// Everything a program asks of the user outside its own windows, and the
// ways it ends. The programs use the desktop implementation; tests install a
// scripted stand-in (rt::testing::ScriptedInteraction).
class Interaction {
public:
    virtual ~Interaction() = default;
    // Shows a modal message box and returns the answer (vbOK, vbYes, ...).
    virtual int messageBox(const QString& prompt, int style, const QString& title) = 0;
    virtual void beep() = 0;
    // Closes every window and ends the program.
    virtual void endProgram() = 0;
};

// The interaction in force; the desktop one unless a test replaced it.
Interaction& interaction();
// Installs `replacement` (not owned); nullptr restores the desktop one.
void setInteraction(Interaction* replacement);

// The desktop implementation, on Qt's standard dialogs.
class DesktopInteraction : public Interaction {
public:
    int messageBox(const QString& prompt, int style, const QString& title) override;
    void beep() override;
    void endProgram() override;
};

}  // namespace rt
