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

void printFigures(const TickFigures& f);
