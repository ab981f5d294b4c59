#pragma once

#include "events/observer.h"

#include <QString>

#include <type_traits>
#include <utility>

namespace rt {

// The program's title: the default title of its message boxes.
QString programTitle();
void setProgramTitle(const QString& title);

// A handler passed down to run at once: neither copied nor allocated.
class HandlerRef {
public:
    template <typename F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, HandlerRef>)
        HandlerRef(F&& f)  // NOLINT(google-explicit-constructor): a plain callable is meant
        : m_callable(const_cast<void*>(static_cast<const void*>(&f))),
          m_call([](void* callable) { (*static_cast<std::remove_reference_t<F>*>(callable))(); })
    {
    }
    void operator()() const { m_call(m_callable); }

private:
    void* m_callable;
    void (*m_call)(void*);
};

// Runs one event handler inside the error boundary. A runtime error (or any
// other exception) ends the handler there and is reported in a message box
// with the program's title; the program keeps running. Handlers started from
// inside another handler (a property assignment that runs a Change handler)
// run directly, so an error ends the outer handler too.
// Returns false when the handler ended in an error. `origin` says what set it
// off, for whoever watches the program (observer.h).
bool runHandler(const HandlerOrigin& origin, HandlerRef handler);
bool runHandler(HandlerRef handler);

// Raises `event` of the control or form named `subject`: runs its handler,
// if one is wired, inside the error boundary. Returns false when the handler
// ended in an error.
template <typename E, typename... Given>
bool raiseEvent(const E& event, Subject subject, Given&&... args)
{
    if (!event) return true;
    return runHandler(HandlerOrigin{subject, event.name()},
                      [&] { event(std::forward<Given>(args)...); });
}

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
