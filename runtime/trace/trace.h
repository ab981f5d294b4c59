#pragma once

#include <QString>

namespace rt {

// The live event trace: when RT_TRACE names a local socket (the gallery sets
// it for the programs it starts), every handler reports its start and end
// with its nesting depth, and every runtime error it reports, one line each:
// "B<TAB>depth<TAB>cmdStart_Click", "E<TAB>depth<TAB>...",
// "X<TAB>depth<TAB>number description". A form event (Form_Load) is reported
// only if the form handles it. Off, it costs one pointer test per event.

// Connects to the socket RT_TRACE names, if any. Returns whether tracing is on.
bool startTraceIfAsked();
bool startTrace(const QString& socketName);
void stopTrace();
bool tracing();

}  // namespace rt
