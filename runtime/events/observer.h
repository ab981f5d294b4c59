#pragma once

#include "events/names.h"
#include "values/variant.h"

#include <QString>

#include <exception>
#include <functional>
#include <optional>

class QObject;

namespace rt {

// A control or a form as those who watch the program name it: the name of
// its window, its own name (the window's again for a form) and, for an
// element of a control array, its index (-1 otherwise).
struct Subject {
    const QString& form;
    const QString& name;
    int index = -1;
};

// What set a handler off: an event of a control, or one of a form's own
// events (`formEvent`; its handler is "Form_Load", whatever the form's name).
// An event that can come again later (a timer's tick) names its `source` and
// how to bring it again (`repeat`), so that a watcher may put it off.
struct HandlerOrigin {
    Subject subject;
    EventName event;
    bool formEvent = false;
    QObject* source = nullptr;
    void (*repeat)(QObject* source) = nullptr;
};

// Watches the running program: the start and end of every handler, every
// property assignment made by program code, every message box and runtime
// error shown. The event trace is one. Only one watches at a time.
class Observer {
public:
    virtual ~Observer() = default;

    // A new event is due (not one set off inside a running handler). Returns
    // whether its handler runs now; the watcher may hold it meanwhile (one
    // event at a time) or put it off (false).
    virtual bool eventDue(const HandlerOrigin& origin) = 0;
    // Whether an event is being held before its handler runs.
    virtual bool holdingEvent() const = 0;
    // Drops the held event without running its handler; `afterwards` runs
    // once the held event has gone (its window may then be closed safely).
    virtual void dropHeldEvent(std::function<void()> afterwards) = 0;

    virtual void handlerStarted(const HandlerOrigin& origin) = 0;
    // `interrupted`: an error (or End) ended the handler before its end.
    virtual void handlerEnded(bool interrupted) = 0;
    // The form event whose handler started last is not handled by the form:
    // the form's own empty handler runs.
    virtual void formEventUnhandled() = 0;
    // `item` is the index of an indexed property (List(3) = "a").
    virtual void assignmentStarted(Subject subject, PropertyName property, std::optional<int> item,
                                   const Variant& value) = 0;
    virtual void assignmentEnded() = 0;
    virtual void messageBoxShown(const QString& prompt, int style) = 0;
    virtual void messageBoxAnswered(int answer) = 0;
    virtual void errorShown(int number, const QString& description) = 0;
};

// Installs the observer (not owned); nullptr: nobody watches, and each event
// and assignment costs one pointer test. A build with RT_NO_TRACE has no
// watcher at all and not even that test.
void setObserver(Observer* observer);
Observer* observer();

namespace detail {
#ifdef RT_NO_TRACE
constexpr Observer* watching()
{
    return nullptr;
}
#else
extern Observer* g_observer;
inline Observer* watching()
{
    return g_observer;
}
#endif
extern int g_usersBehalf;
}  // namespace detail

// Lives while a handler runs: reports its start and its end (nothing without
// an origin). What the handler assigns is the program's, even when the
// runtime acting for the user set it off.
class HandlerScope {
public:
    explicit HandlerScope(const HandlerOrigin* origin) : m_usersBehalf(detail::g_usersBehalf)
    {
        detail::g_usersBehalf = 0;
        if (origin && detail::watching()) [[unlikely]]
            begin(*origin);
    }
    ~HandlerScope()
    {
        if (m_observer) [[unlikely]]
            end();
        detail::g_usersBehalf = m_usersBehalf;
    }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

private:
    void begin(const HandlerOrigin& origin);
    void end();

    Observer* m_observer = nullptr;
    int m_usersBehalf;
    int m_exceptions = 0;
};

// Every property assignment made by program code passes here, for the whole
// of the assignment: what it sets off (a Change handler) happens inside it.
// Declared first thing in each property setter.
class Assignment {
public:
    template <typename T>
    Assignment(Subject subject, PropertyName property, const T& value, std::optional<int> item = {})
    {
        if (detail::watching() && detail::g_usersBehalf == 0) [[unlikely]]
            begin(subject, property, item, Variant(value));
    }
    ~Assignment()
    {
        if (m_observer && m_observer == detail::watching()) m_observer->assignmentEnded();
    }
    Assignment(const Assignment&) = delete;
    Assignment& operator=(const Assignment&) = delete;

private:
    void begin(Subject subject, PropertyName property, std::optional<int> item,
               const Variant& value);
    Observer* m_observer = nullptr;
};

// While one lives, the runtime changes properties for the user (an assistive
// technology moves a scroll bar): those are no program assignments, and only
// the events they cause are reported.
class OnUsersBehalf {
public:
    OnUsersBehalf() { ++detail::g_usersBehalf; }
    ~OnUsersBehalf() { --detail::g_usersBehalf; }
    OnUsersBehalf(const OnUsersBehalf&) = delete;
    OnUsersBehalf& operator=(const OnUsersBehalf&) = delete;
};

// Called by a form's own empty event handlers (see Observer).
void reportFormEventUnhandled();
void reportError(int number, const QString& description);

}  // namespace rt
