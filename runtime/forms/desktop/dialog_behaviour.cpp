#include "forms/desktop/dialog_behaviour.h"

#include "forms/controls/commandbutton.h"
#include "forms/controls/textbox.h"
#include "forms/core/form.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>

namespace rt {

namespace {

// Space left between a moved dialog and the selection it keeps clear of.
constexpr int gapPixels = 12;

void clickButton(CommandButton& button)
{
    static_cast<QAbstractButton*>(button.widget())->click();
}

// The selection's rectangle on the screen, from its first to its last character.
QRect selectionOnScreen(const QPlainTextEdit& edit)
{
    const QTextCursor selection = edit.textCursor();
    QTextCursor start = selection, end = selection;
    start.setPosition(selection.selectionStart());
    end.setPosition(selection.selectionEnd());
    const QRect inViewport = edit.cursorRect(start).united(edit.cursorRect(end));
    return QRect(edit.viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size());
}

// Clicks a button when Escape reaches the window: no control of a dialog
// takes Escape for itself, so it comes up from whichever has the focus.
class EscapeClicks : public QObject {
public:
    EscapeClicks(QWidget* window, CommandButton& button) : QObject(window), m_button(button)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            clickButton(m_button);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    CommandButton& m_button;
};

}  // namespace

void useDialogKeys(Form& dialog, CommandButton& defaultButton, CommandButton& cancelButton)
{
    for (Control* control : dialog.controls()) {
        auto* box = dynamic_cast<TextBox*>(control);
        if (!box || !box->lineEdit()) continue;
        QObject::connect(box->lineEdit(), &QLineEdit::returnPressed, box->lineEdit(),
                         [&defaultButton] { clickButton(defaultButton); });
    }
    new EscapeClicks(dialog.window(), cancelButton);
}

void keepClearOfSelection(Form& dialog, const TextBox& box)
{
    QWidget* window = dialog.window();
    const QPlainTextEdit* edit = box.plainTextEdit();
    if (!edit || !window->isVisible()) return;
    const QRect selection = selectionOnScreen(*edit);
    const QRect frame = window->frameGeometry();
    if (!frame.intersects(selection)) return;
    const QRect screen = window->screen()->availableGeometry();
    const int above = selection.top() - gapPixels - frame.height();
    const int below = selection.bottom() + 1 + gapPixels;
    int top = above;
    if (above < screen.top()) {
        const bool fitsBelow = below + frame.height() <= screen.bottom() + 1;
        const bool moreRoomBelow =
            screen.bottom() - selection.bottom() > selection.top() - screen.top();
        top = fitsBelow || moreRoomBelow ? below : screen.top();
    }
    window->move(frame.left(), top);
}

}  // namespace rt
