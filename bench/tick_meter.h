#pragma once

#include <QString>

#include <functional>

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

    double ticksPerSecond() const { return seconds > 0 ? ticks / seconds : 0; }
};

// Runs the event loop for `seconds` while `install` has hooked `onTick` into
// a timer, and measures the ticks.
TickFigures measureTicks(const QString& what, int intervalMs, double seconds,
                         const std::function<void(std::function<void()> onTick)>& install);

void printFigures(const TickFigures& f);
