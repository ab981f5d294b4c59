#pragma once

#include <QtGlobal>

#include <cstdio>

namespace rt {

class TraceLog;

// Writes a trace log to a stream as text while it grows, one entry a line:
// each row once it no longer changes. On a terminal the rows that may still
// change (the last handler, a tick that folds) are written too and written
// again in place when they change, so the terminal shows what the gallery
// shows.
class TracePrinter {
public:
    TracePrinter(const TraceLog& log, FILE* out, bool terminal);

    // Writes what is new since the last time.
    void update();
    // Writes every row not written yet, as it now stands.
    void finish();

private:
    void write(qint64 settledEnd, bool withTail);
    int terminalLines(const QByteArray& line) const;

    const TraceLog& m_log;
    FILE* m_out;
    bool m_terminal;
    qint64 m_written = 0;  // rows written for good, counted from the log's start
    int m_tailLines = 0;   // terminal lines of the rows written that may change
};

}  // namespace rt
