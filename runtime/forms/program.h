#pragma once

#include <QString>

#include <functional>

class QApplication;

namespace rt {

// The program's title: the default title of its message boxes.
QString programTitle();
void setProgramTitle(const QString& title);

// Sets up the application-wide look every program shares: the style, the
// default font (Sans Serif 8 pt) and the point as decimal separator. Call once
// after the QApplication exists.
void initialiseLook();

// Runs one event handler inside the error boundary. A runtime error (or any
// other exception) ends the handler there and is reported in a message box
// with the program's title; the program keeps running. Handlers started from
// inside another handler (a property assignment that runs a Change handler)
// run directly, so an error ends the outer handler too.
// Returns false when the handler ended in an error. `formEvent` names the form
// event the handler runs ("Form_Load"), for the event trace.
bool runHandler(const std::function<void()>& handler, const char* formEvent = nullptr);

// Runs `modal` (a message box or a dialog with its own event loop) so that the
// events it lets through start their handlers inside boundaries of their own.
template <typename F>
auto runModal(F&& modal);

// Thrown by End() to stop the running handler at once; the boundary swallows it.
struct EndRequested {};
// Thrown to end the running handler after its failure was already shown to
// the user (a file that could not be read or written); the boundary swallows it.
struct ReportedFailure {};

// Shows a message box: buttons and icon from `style`, title the program's
// unless given. CR LF in the prompt is a line break.
int MsgBox(const QString& prompt, int style = 0, const QString& title = {});
void Beep();
// Closes every window and ends the program at once, without asking any form.
[[noreturn]] void End();

namespace detail {
int swapHandlerDepth(int depth);
}

template <typename F>
auto runModal(F&& modal)
{
    struct Restore {
        int saved;
        ~Restore() { detail::swapHandlerDepth(saved); }
    } restore{detail::swapHandlerDepth(0)};
    return modal();
}

}  // namespace rt
