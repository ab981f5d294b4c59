#pragma once

#include "values/numbers.h"

#include <QString>

#include <cstdint>
#include <optional>

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
    // The button that Enter presses, counted from the left; the first unless given.
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// What a program asks of a file dialog: `filter` holds pairs of a description
// and a pattern list, all separated by vertical bars ("Text (*.txt)|*.txt");
// `filterIndex` counts the pairs from 1.
struct FileDialogRequest {
    bool save = false;
    QString fileName;
    QString filter;
    int filterIndex = 1;
    QString defaultExt;
    int32_t flags = 0;
};
struct FileDialogAnswer {
    QString path;
    int filterIndex = 1;
};

// A font with its effects and text colour (0x00BBGGRR), as the font dialog
// shows and returns it.
struct FontChoice {
    QString name;
    double size = 8.0;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;
    Colour color = 0;
};

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
    // Modal file, font and colour dialogs; nothing when the user cancels
    // (which is all a stand-in that does not script them answers).
    virtual std::optional<FileDialogAnswer> fileDialog(const FileDialogRequest&) { return {}; }
    virtual std::optional<FontChoice> fontDialog(const FontChoice&, int32_t) { return {}; }
    virtual std::optional<Colour> colorDialog(Colour, int32_t) { return {}; }
};

// The interaction in force: the one a test installed, else the program's
// own (the desktop's, installed when the program starts).
Interaction& interaction();
// Installs `replacement` (not owned); nullptr restores the program's own.
void setInteraction(Interaction* replacement);
// Sets the program's own interaction (not owned).
void setProgramInteraction(Interaction* own);

}  // namespace rt
