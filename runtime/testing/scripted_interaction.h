#pragma once

#include "events/interaction.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace rt::testing {

// Stands in for the user in tests: records every message box and answers
// from a queue (OK when the queue is empty), records beeps and End, and makes
// End stop the handler without closing anything. File, font and colour
// dialogs are recorded too and answered from queues of their own (cancelled
// when the queue is empty).
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        QString prompt;
        int style;
        QString title;
        int beepsBefore = 0;  // beeps sounded before the box was shown
    };

    ScriptedInteraction();
    ~ScriptedInteraction() override;

    // The answers of the next message boxes, in order (vbYes, vbNo, ...).
    void answer(std::initializer_list<int> answers);

    int messageBox(const QString& prompt, int style, const QString& title) override;
    // Runs while each message box is open, before it is answered: what the
    // user's clock or other events would do meanwhile (for example a timer
    // falling due).
    std::function<void()> whileShown;

    // The answers of the next file dialogs: a path, or a cancel.
    void chooseFile(const QString& path, int filterIndex = 0);
    void cancelFileDialog();
    void chooseFont(const FontChoice& font);
    void cancelFontDialog();
    void chooseColor(Colour colour);
    void cancelColorDialog();

    std::optional<FileDialogAnswer> fileDialog(const FileDialogRequest& request) override;
    std::optional<FontChoice> fontDialog(const FontChoice& initial, int32_t flags) override;
    std::optional<Colour> colorDialog(Colour initial, int32_t flags) override;

    struct FontAsked {
        FontChoice initial;
        int32_t flags;
    };
    struct ColorAsked {
        Colour initial;
        int32_t flags;
    };
    // Every file, font and colour dialog shown so far, as it was asked for.
    std::vector<FileDialogRequest> fileDialogs;
    std::vector<FontAsked> fontDialogs;
    std::vector<ColorAsked> colorDialogs;
    void beep() override { ++beeps; }
    void endProgram() override { ++ends; }

    // Every message box shown so far, and the prompts alone.
    std::vector<Shown> shown;
    QStringList prompts() const;
    int beeps = 0;
    int ends = 0;

private:
    std::deque<int> m_answers;
    std::deque<std::optional<FileDialogAnswer>> m_files;
    std::deque<std::optional<FontChoice>> m_fonts;
    std::deque<std::optional<Colour>> m_colors;
};

}  // namespace rt::testing
