#pragma once

#include <QString>

#include <functional>

namespace rt {

class Control;

// The live event trace: when RT_TRACE names a local socket (the gallery sets
// it for the programs it starts), every named handler reports its start and
// end with its nesting depth, and every runtime error it reports, one line
// each: "B<TAB>depth<TAB>cmdStart_Click", "E<TAB>depth<TAB>...",
// "X<TAB>depth<TAB>number description". Off, it costs one flag test per event.

// Connects to the socket RT_TRACE names, if any. Returns whether tracing is on.
bool startTraceIfAsked();
bool startTrace(const QString& socketName);
void stopTrace();
bool tracing();

// Remembers the handler bound to `event` (a member of `control`) under its
// name: control name, "_", event name, and the index of an array element.
void nameForTrace(const Control& control, const void* event);

namespace detail {
extern bool g_tracing;

// Reports a named handler's start on construction and its end on
// destruction; `event` is the control's event member that holds the handler.
// A form event (`formEvent`, such as "Form_Load") is reported only if the form
// handles it: its start is held back until the handler does something that is
// traced or returns, and the base class's empty handler withdraws it.
class TraceScope {
public:
    explicit TraceScope(const void* event, const char* formEvent = nullptr)
    {
        if (g_tracing) formEvent ? beginFormEvent(formEvent) : begin(event);
    }
    ~TraceScope()
    {
        if (m_active) end();
    }
    TraceScope(const TraceScope&) = delete;
    TraceScope& operator=(const TraceScope&) = delete;

private:
    void begin(const void* handler);
    void beginFormEvent(const char* name);
    void end();
    bool m_active = false;
    bool m_held = false;
    QString m_name;
};

// Called by the form's own empty event handlers: the form does not handle the
// event being reported, so its held-back start is dropped.
void formEventUnhandled();

void traceError(int number, const QString& description);
}  // namespace detail

}  // namespace rt
