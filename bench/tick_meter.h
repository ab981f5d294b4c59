#pragma once

#include <QSize>
#include <QString>

#include <functional>

namespace rt {
class Timer;
}

// What a timer delivered over a measuring window.
struct TickFigures {
    QString what;
    int intervalMs = 0;
    int ticks = 0;
    double seconds = 0;
    double meanIntervalMs = 0;
    double minIntervalMs = 0;
    double maxIntervalMs = 0;
    double stddevIntervalMs = 0;
    double cpuMicrosPerTick = 0;

    // Over the span from the first tick to the last, so that the wait for the
    // first tick does not count against the rate.
    double ticksPerSecond() const { return meanIntervalMs > 0 ? 1000.0 / meanIntervalMs : 0; }
};

// Runs the event loop for `seconds` while `install` has hooked `onTick` into
// a timer, and measures the ticks.
TickFigures measureTicks(const QString& what, int intervalMs, double seconds,
                         const std::function<void(std::function<void()> onTick)>& install);

// A bare toolkit timer at that interval doing nothing: the reference row.
TickFigures measureBareTimer(int intervalMs, double seconds);

// A bare toolkit timer at that interval that clears an image of `pixels`,
// draws a dot on it and repaints a widget showing it: the reference row for
// animations in a picture box of that size.
TickFigures measureBareRepaint(int intervalMs, double seconds, QSize pixels);

// A program's timer with its own handler running: the meter is hooked in
// front of the handler, then `startRunning` sets the program going.
TickFigures measureProgramTimer(const QString& what, rt::Timer& timer, double seconds,
                                const std::function<void()>& startRunning);

// The measuring window in seconds from the command line (default 5).
double secondsFromArguments(int argc, char** argv);
// Whether the command line asks for the event trace's costs ("trace").
bool traceCostsAsked(int argc, char** argv);

// What the event trace costs a program's timer, in one run with a listener
// reading the trace as the gallery does: the trace built in but off, only
// the starts and ends of handlers, and the full trace (assignments and form
// variables too). `open` loads and shows the program's window afresh and
// gives its timer; `startRunning` sets it going. A build without the trace
// (RT_TRACE=OFF) measures the first case only.
void printTraceCosts(const QString& program, double seconds,
                     const std::function<rt::Timer&()>& open,
                     const std::function<void()>& startRunning);

void printFigures(const TickFigures& f);
