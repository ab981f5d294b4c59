#pragma once

#include "events/interaction.h"

namespace rt {

// What a program asks of the user, on the desktop: the toolkit's message
// boxes and its file, font and colour dialogs.
class DesktopInteraction : public Interaction {
public:
    int messageBox(const QString& prompt, int style, const QString& title) override;
    void beep() override;
    void endProgram() override;
    std::optional<FileDialogAnswer> fileDialog(const FileDialogRequest& request) override;
    std::optional<FontChoice> fontDialog(const FontChoice& initial, int32_t flags) override;
    std::optional<Colour> colorDialog(Colour initial, int32_t flags) override;
};

}  // namespace rt
