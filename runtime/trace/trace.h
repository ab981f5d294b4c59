#pragma once

#include <QString>

namespace rt {

// The live event trace (the records are described in record.h). When
// RT_TRACE names a local socket (the gallery sets it for the programs it
// starts) every handler, property assignment made by program code, message
// box and runtime error goes there as it happens, and each window's
// form-level variables after every event; the gallery answers with commands
// that hold each new event before its handler runs until it says "next".
// RT_TRACE=stderr writes the trace to standard error instead, in the text the
// gallery shows. A form event (Form_Load) is reported only if the form
// handles it. Off, it costs one pointer test per event and assignment.

enum class TraceDetail {
    Full,
    Handlers,  // the starts and ends of handlers, message boxes and errors only
};

// Starts what RT_TRACE asks for, if anything. Returns whether tracing is on.
bool startTraceIfAsked();
bool startTrace(const QString& socketName, TraceDetail detail = TraceDetail::Full);
bool startTraceToStandardError();
// Stops tracing; what standard error has not shown yet is written first.
void stopTrace();
bool tracing();
// Whether each new event waits before its handler runs until the watcher
// lets it run (the watcher asked for it).
bool eachEventWaits();

}  // namespace rt
